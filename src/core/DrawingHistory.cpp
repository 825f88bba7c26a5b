#include "core/DrawingHistory.h"

#include <algorithm>

namespace vk {

namespace {

// A heap block costs about this much beyond what it holds.
constexpr size_t kBlockOverhead = 16;

}  // namespace

DrawingChange DiffStates(const DrawingState& from, const DrawingState& to) {
  size_t head = 0;
  const size_t shorter = std::min(from.size(), to.size());
  while (head < shorter && from[head] == to[head]) ++head;
  size_t tail = 0;
  while (tail < shorter - head && from[from.size() - 1 - tail] == to[to.size() - 1 - tail]) ++tail;
  DrawingChange c;
  c.First = head;
  c.Before.assign(from.begin() + static_cast<std::ptrdiff_t>(head), from.end() - static_cast<std::ptrdiff_t>(tail));
  c.After.assign(to.begin() + static_cast<std::ptrdiff_t>(head), to.end() - static_cast<std::ptrdiff_t>(tail));
  return c;
}

bool ApplyChange(DrawingState& state, const DrawingChange& change, bool undo) {
  const auto& out = undo ? change.After : change.Before;
  const auto& in = undo ? change.Before : change.After;
  if (change.First > state.size() || out.size() > state.size() - change.First) return false;
  const auto first = state.begin() + static_cast<std::ptrdiff_t>(change.First);
  state.erase(first, first + static_cast<std::ptrdiff_t>(out.size()));
  state.insert(state.begin() + static_cast<std::ptrdiff_t>(change.First), in.begin(), in.end());
  return true;
}

size_t StateBytes(const DrawingState& state) {
  if (state.empty()) return 0;
  size_t n = state.capacity() * sizeof(DrawingEntry) + kBlockOverhead;
  for (const DrawingEntry& e : state) n += e.Record.capacity() + kBlockOverhead;
  return n;
}

size_t DrawingHistory::SizeOf(const DrawingChange& c) {
  return sizeof(Step) + kBlockOverhead + StateBytes(c.Before) + StateBytes(c.After);
}

bool DrawingHistory::Record(const DrawingState& from, const DrawingState& to, uint32_t group, uint64_t nowMs) {
  return Record(DiffStates(from, to), group, nowMs);
}

bool DrawingHistory::Record(DrawingChange c, uint32_t group, uint64_t nowMs) {
  if (c.Before.empty() && c.After.empty()) return false;
  DropRedo();
  // The same objects changed in place: one, or a run from the first to the last of several.
  const bool inPlace = !c.Before.empty() && c.Before.size() == c.After.size();
  if (group != kNoGroup && groupOpen_ && inPlace && !steps_.empty()) {
    Step& last = steps_.back();
    if (last.Group == group && nowMs - last.AtMs <= kGroupMs && last.Change.First == c.First &&
        last.Change.After.size() == c.After.size()) {
      bytes_ -= last.Bytes;
      last.Change.After = std::move(c.After);
      last.AtMs = nowMs;
      if (last.Change.Before == last.Change.After) {
        // The burst came back to where it started: nothing to take back.
        steps_.pop_back();
        --done_;
        groupOpen_ = false;
        return true;
      }
      last.Bytes = SizeOf(last.Change);
      bytes_ += last.Bytes;
      return true;
    }
  }
  Step s{std::move(c), group, nowMs, 0};
  s.Bytes = SizeOf(s.Change);
  bytes_ += s.Bytes;
  steps_.push_back(std::move(s));
  done_ = steps_.size();
  groupOpen_ = group != kNoGroup && inPlace;
  TrimToCap();
  return true;
}

const DrawingChange* DrawingHistory::Undo() {
  groupOpen_ = false;
  if (!CanUndo()) return nullptr;
  return &steps_[--done_].Change;
}

const DrawingChange* DrawingHistory::Redo() {
  groupOpen_ = false;
  if (!CanRedo()) return nullptr;
  return &steps_[done_++].Change;
}

void DrawingHistory::Clear() {
  steps_.clear();
  done_ = 0;
  bytes_ = 0;
  groupOpen_ = false;
}

void DrawingHistory::DropRedo() {
  while (steps_.size() > done_) {
    bytes_ -= steps_.back().Bytes;
    steps_.pop_back();
  }
}

bool DrawingHistory::DropOldest() {
  if (steps_.empty()) return false;
  if (done_ == 0) {
    bytes_ -= steps_.back().Bytes;
    steps_.pop_back();
    return true;
  }
  bytes_ -= steps_.front().Bytes;
  steps_.pop_front();
  --done_;
  return true;
}

void DrawingHistory::TrimToCap() {
  // The newest step stays whatever its size, or a large Clear could never be taken back.
  while (bytes_ > cap_ && steps_.size() > 1 && DropOldest()) {
  }
}

}  // namespace vk
