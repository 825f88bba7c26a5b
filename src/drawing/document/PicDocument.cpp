#include "drawing/document/PicDocument.h"

#include <algorithm>
#include <new>
#include <unordered_set>

#include "drawing/objects/PicFactory.h"

namespace vk {

namespace {

// Past this many redraw notes beyond the list's size, a redraw of the whole drawing costs
// no more than reading them, and the notes stop growing.
constexpr size_t kRedrawEventSlack = 1024;

}  // namespace

PicDocument::PicDocument(size_t historyBudget)
    : budget_(historyBudget), neutralPic_(std::make_unique<TPicBase>()), history_(DrawingHistory::kNoCap) {
  CurPic = neutralPic_.get();
  ClipPic = neutralPic_.get();
}

void PicDocument::AppendPic(std::unique_ptr<TPicBase> pic) {
  List one;
  one.push_back(std::move(pic));
  AppendPics(std::move(one));
}

void PicDocument::AppendPics(List pics) { Splice(PicList.size(), 0, std::move(pics)); }

void PicDocument::InsertPic(size_t index, std::unique_ptr<TPicBase> pic) {
  List one;
  one.push_back(std::move(pic));
  Splice(index, 0, std::move(one));
}

std::unique_ptr<TPicBase> PicDocument::ClipCopyIn(size_t first, size_t count) const {
  // The clipboard may refer to an object that goes; it keeps a private copy so Paste still works.
  for (size_t i = first; i < first + count; ++i)
    if (PicList[i].get() == ClipPic) {
      std::unique_ptr<TPicBase> copy = ClipPic->CreateEmpty();
      copy->Assign(*ClipPic);
      copy->PicIndex = -1;
      copy->Choosed = false;
      return copy;
    }
  return nullptr;
}

void PicDocument::Splice(size_t first, size_t count, List made) {
  const size_t size = PicList.size();
  // Everything that can fail comes first.
  PicList.reserve(size - count + made.size());
  std::unique_ptr<TPicBase> clip = ClipCopyIn(first, count);
  if (!redrawAll_) redrawEvents_.reserve(redrawEvents_.size() + count + made.size());
  for (size_t i = first; i < first + count; ++i) {
    const TPicBase* pic = PicList[i].get();
    NoteRedraw(pic, true);
    if (CurPic == pic) CurPic = nullptr;
  }
  if (clip) {
    clipCopy_ = std::move(clip);
    ClipPic = clipCopy_.get();
  }
  if (size == commitSize_) NoteCommitRun(first, size - first - count);
  // A list pushed into directly stays a size apart from what the reports expect.
  commitSize_ += made.size() - count;
  redrawSize_ += made.size() - count;
  const auto at = PicList.begin() + static_cast<std::ptrdiff_t>(first);
  PicList.erase(at, at + static_cast<std::ptrdiff_t>(count));
  PicList.insert(PicList.begin() + static_cast<std::ptrdiff_t>(first), std::make_move_iterator(made.begin()),
                 std::make_move_iterator(made.end()));
  for (size_t i = first; i < PicList.size(); ++i) PicList[i]->PicIndex = static_cast<int32_t>(i);
  for (size_t i = first; i < first + made.size(); ++i) NoteRedraw(PicList[i].get(), false);
}

void PicDocument::RemovePicAt(size_t index) { Splice(index, 1, {}); }

void PicDocument::RemovePicsIf(const std::function<bool(const TPicBase&)>& remove) {
  const size_t size = PicList.size();
  size_t first = size, last = 0, count = 0;
  for (size_t i = 0; i < size; ++i)
    if (remove(*PicList[i])) {
      first = std::min(first, i);
      last = i + 1;
      ++count;
    }
  if (count == 0) return;
  // Everything that can fail comes first.
  std::unique_ptr<TPicBase> clip =
      Holds(ClipPic) && remove(*ClipPic) ? ClipCopyIn(static_cast<size_t>(ClipPic->PicIndex), 1) : nullptr;
  if (!redrawAll_) redrawEvents_.reserve(redrawEvents_.size() + count);
  if (clip) {
    clipCopy_ = std::move(clip);
    ClipPic = clipCopy_.get();
  }
  if (size == commitSize_) NoteCommitRun(first, size - last);
  commitSize_ -= count;
  redrawSize_ -= count;
  size_t kept = first;
  for (size_t i = first; i < size; ++i) {
    if (remove(*PicList[i])) {
      NoteRedraw(PicList[i].get(), true);
      if (CurPic == PicList[i].get()) CurPic = nullptr;
      PicList[i].reset();
      continue;
    }
    PicList[kept] = std::move(PicList[i]);
    PicList[kept]->PicIndex = static_cast<int32_t>(kept);
    ++kept;
  }
  PicList.resize(kept);
}

void PicDocument::Reorder(const std::vector<size_t>& order) {
  size_t first = 0, last = std::min(order.size(), PicList.size());
  while (first < last && order[first] == first) ++first;
  while (last > first && order[last - 1] == last - 1) --last;
  if (first == last) return;
  List moved;
  moved.reserve(last - first);
  if (!redrawAll_) redrawEvents_.reserve(redrawEvents_.size() + last - first);
  for (size_t i = first; i < last; ++i) moved.push_back(std::move(PicList[order[i]]));
  for (size_t i = first; i < last; ++i) {
    PicList[i] = std::move(moved[i - first]);
    PicList[i]->PicIndex = static_cast<int32_t>(i);
    NoteRedraw(PicList[i].get(), false);
  }
  if (PicList.size() == commitSize_) NoteCommitRun(first, PicList.size() - last);
}

void PicDocument::FreeAllPics() {
  // Objects go from the last to the first, as the list was built up.
  std::unique_ptr<TPicBase> clip = ClipCopyIn(0, PicList.size());
  if (clip) {
    clipCopy_ = std::move(clip);
    ClipPic = clipCopy_.get();
  }
  if (IsListed(CurPic)) CurPic = nullptr;
  NoteCommitRun(0, 0);  // all of the base is compared, whatever was pushed
  commitSize_ = redrawSize_ = 0;
  while (!PicList.empty()) PicList.pop_back();
  NoteAllRedrawn();
}

void PicDocument::RenumberPics() {
  for (size_t i = 0; i < PicList.size(); ++i) PicList[i]->PicIndex = static_cast<int32_t>(i);
}

void PicDocument::Touch(const TPicBase* pic) {
  if (!IsListed(pic)) return;
  const auto at = static_cast<size_t>(pic->PicIndex);
  if (at >= PicList.size() || PicList[at].get() != pic) return;
  if (PicList.size() == commitSize_) NoteCommitRun(at, PicList.size() - 1 - at);
  NoteRedraw(pic, false);
}

void PicDocument::Select(TPicBase* pic) {
  if (!pic) return;
  pic->Choosed = true;
  if (Holds(pic)) NoteRedraw(pic, false);
}

void PicDocument::Deselect(TPicBase* pic) {
  if (!pic) return;
  pic->Choosed = false;
  if (Holds(pic)) NoteRedraw(pic, false);
}

void PicDocument::DeselectAll() {
  for (auto& p : PicList)
    if (p->Choosed) {
      p->Choosed = false;
      NoteRedraw(p.get(), false);
    }
}

std::vector<TPicBase*> PicDocument::Selected() const {
  std::vector<TPicBase*> out;
  for (const auto& p : PicList)
    if (p->Choosed) out.push_back(p.get());
  return out;
}

void PicDocument::NoteCommitRun(size_t first, size_t after) {
  keptHead_ = std::min(keptHead_, first);
  keptTail_ = std::min(keptTail_, after);
}

void PicDocument::MarkCommitted() {
  keptHead_ = keptTail_ = SIZE_MAX;
  commitSize_ = PicList.size();
}

void PicDocument::NoteRedraw(const TPicBase* pic, bool gone) {
  if (redrawAll_) return;
  if (redrawEvents_.size() >= PicList.size() + kRedrawEventSlack) {
    NoteAllRedrawn();
    return;
  }
  if (!redrawEvents_.empty() && redrawEvents_.back().Pic == pic && redrawEvents_.back().Gone == gone) return;
  redrawEvents_.push_back({pic, gone});
}

void PicDocument::NoteAllRedrawn() {
  redrawAll_ = true;
  redrawEvents_.clear();
}

PicDocument::RedrawChanges PicDocument::TakeRedrawChanges() {
  RedrawChanges r;
  r.All = redrawAll_ || redrawSize_ != PicList.size();
  if (!r.All) {
    // The last note of an address decides: gone, or a listed object (perhaps a new one there).
    std::unordered_set<const TPicBase*> seen;
    for (auto e = redrawEvents_.rbegin(); e != redrawEvents_.rend(); ++e)
      if (seen.insert(e->Pic).second) (e->Gone ? r.Gone : r.Changed).push_back(e->Pic);
  }
  redrawEvents_.clear();
  redrawAll_ = false;
  redrawSize_ = PicList.size();
  return r;
}

DrawingState PicDocument::Snapshot() const { return SnapshotOf(PicList); }

DrawingState PicDocument::SnapshotOf(const List& pics) {
  DrawingState s;
  s.reserve(pics.size());
  // Numbered alike, so that an object moved along by an insertion or removal is unchanged.
  for (const auto& p : pics) s.push_back(StoredEntry(*p, 0));
  return s;
}

bool PicDocument::CommitWhole(uint32_t group, uint64_t nowMs) {
  DrawingState now = Snapshot();
  const bool changed = history_.Record(base_, now, group, nowMs);
  base_ = std::move(now);
  MarkCommitted();
  if (changed) KeepWithinBudget();
  return changed;
}

bool PicDocument::Commit(uint32_t group, uint64_t nowMs) {
  const size_t size = PicList.size(), baseSize = base_.size();
  if (size != commitSize_) return CommitWhole(group, nowMs);  // pushed into directly: the reports miss that
  const size_t head = std::min({keptHead_, size, baseSize});
  const size_t tail = std::min(keptTail_, std::min(size, baseSize) - head);
  DrawingChange c;
  c.After.reserve(size - tail - head);
  for (size_t i = head; i < size - tail; ++i) c.After.push_back(StoredEntry(*PicList[i], 0));
  // A touched object may be unchanged: the step covers only what differs.
  size_t front = 0, back = 0;
  const size_t beforeCount = baseSize - tail - head;
  while (front < c.After.size() && front < beforeCount && c.After[front] == base_[head + front]) ++front;
  while (back < c.After.size() - front && back < beforeCount - front &&
         c.After[c.After.size() - 1 - back] == base_[baseSize - tail - 1 - back])
    ++back;
  c.First = head + front;
  c.After.erase(c.After.end() - static_cast<std::ptrdiff_t>(back), c.After.end());
  c.After.erase(c.After.begin(), c.After.begin() + static_cast<std::ptrdiff_t>(front));
  const auto from = base_.begin() + static_cast<std::ptrdiff_t>(c.First);
  const size_t removed = beforeCount - front - back;
  c.Before.assign(from, from + static_cast<std::ptrdiff_t>(removed));
  if (c.Before.empty() && c.After.empty()) {
    MarkCommitted();
    return false;
  }
  // The base takes the new records in place, the step copies of them (as tight as a diff's),
  // all made before the step is kept.
  DrawingState fresh = std::move(c.After);
  c.After.assign(fresh.begin(), fresh.end());
  base_.reserve(baseSize - removed + fresh.size());
  const size_t first = c.First;
  history_.Record(std::move(c), group, nowMs);
  const auto at = base_.begin() + static_cast<std::ptrdiff_t>(first);
  if (removed == fresh.size()) {
    std::move(fresh.begin(), fresh.end(), at);
  } else {
    base_.erase(at, at + static_cast<std::ptrdiff_t>(removed));
    base_.insert(base_.begin() + static_cast<std::ptrdiff_t>(first), std::make_move_iterator(fresh.begin()),
                 std::make_move_iterator(fresh.end()));
  }
  MarkCommitted();
  KeepWithinBudget();
  return true;
}

size_t PicDocument::HistoryBytes() const {
  size_t n = history_.Bytes();
  for (const auto& entry : pages_) n += entry.second.History.Bytes() + entry.second.StateBytes;
  return n;
}

void PicDocument::KeepWithinBudget() {
  size_t total = HistoryBytes();
  while (total > budget_ && !pages_.empty()) {
    const auto oldest = std::min_element(pages_.begin(), pages_.end(), [](const auto& a, const auto& b) {
      return a.second.LeftAt < b.second.LeftAt;
    });
    PageHistory& left = oldest->second;
    while (total > budget_ && left.History.Steps() > 0) {
      const size_t had = left.History.Bytes();
      left.History.DropOldest();
      total -= had - left.History.Bytes();
    }
    // The page's drawing is in its files; without steps its copy serves nothing.
    if (left.History.Steps() == 0) {
      total -= left.StateBytes;
      pages_.erase(oldest);
    }
  }
  // The newest step stays whatever its size, or a large Clear could never be taken back.
  while (total > budget_ && history_.Steps() > 1) {
    const size_t had = history_.Bytes();
    history_.DropOldest();
    total -= had - history_.Bytes();
  }
}

void PicDocument::Rebase() {
  base_ = Snapshot();
  MarkCommitted();
}

void PicDocument::Revert() {
  const size_t size = PicList.size(), baseSize = base_.size();
  // Without reports to trust, the whole list is put back.
  const bool reported = size == commitSize_;
  const size_t head = reported ? std::min({keptHead_, size, baseSize}) : 0;
  const size_t tail = reported ? std::min(keptTail_, std::min(size, baseSize) - head) : 0;
  List made;
  try {
    made.reserve(baseSize - tail - head);
    for (size_t i = head; i < baseSize - tail; ++i) {
      std::unique_ptr<TPicBase> pic = PicFromEntry(base_[i], static_cast<int32_t>(i));
      if (!pic) throw std::bad_alloc();
      made.push_back(std::move(pic));
    }
    Splice(head, size - tail - head, std::move(made));
  } catch (const std::bad_alloc&) {
    history_.Clear();
    Rebase();
    return;
  }
  MarkCommitted();
}

bool PicDocument::Step(bool undo) {
  Commit();  // a change not recorded yet is the one to take back
  const DrawingChange* c = undo ? history_.Undo() : history_.Redo();
  if (!c) return false;
  const auto& in = undo ? c->Before : c->After;
  const size_t out = (undo ? c->After : c->Before).size();
  // Everything that can fail comes first: a step that does not fit leaves the drawing as
  // it is, and the history, which no longer describes it, goes.
  List made;
  for (size_t i = 0; i < in.size(); ++i) {
    std::unique_ptr<TPicBase> pic = PicFromEntry(in[i], static_cast<int32_t>(c->First + i));
    if (!pic) break;
    made.push_back(std::move(pic));
  }
  if (made.size() != in.size() || c->First + out > PicList.size() || !ApplyChange(base_, *c, undo)) {
    history_.Clear();
    Rebase();
    return false;
  }
  const size_t first = c->First;
  Splice(first, out, std::move(made));
  DeselectAll();
  CurPic = in.empty() ? nullptr : PicList[first].get();
  Select(CurPic);
  MarkCommitted();  // the list is its base again, selection aside
  return true;
}

void PicDocument::EnterPage(int32_t page) {
  Enter(page, Snapshot());
  MarkCommitted();
  NoteAllRedrawn();
}

void PicDocument::SwitchPage(int32_t page, List pics) {
  // The clipboard's object may be one of the objects that go: its copy is made first.
  std::unique_ptr<TPicBase> clip = ClipCopyIn(0, PicList.size());
  DrawingState entered = SnapshotOf(pics);
  // Enter allocates before it changes anything; what follows it cannot fail.
  Enter(page, std::move(entered));
  if (clip) {
    clipCopy_ = std::move(clip);
    ClipPic = clipCopy_.get();
  }
  CurPic = nullptr;
  PicList.swap(pics);  // the page left's objects go with pics
  MarkCommitted();
  NoteAllRedrawn();
}

void PicDocument::Enter(int32_t page, DrawingState entered) {
  // Allocations first (a deque allocates even when empty), then only moves and swaps.
  DrawingHistory fresh(DrawingHistory::kNoCap);
  if (page_ > 0 && history_.Steps() > 0) {
    PageHistory& left = pages_.try_emplace(page_).first->second;
    left.StateBytes = StateBytes(base_);
    left.LeftAt = ++pagesLeft_;
    left.History = std::move(history_);
    left.State = std::move(base_);
  }
  history_ = std::move(fresh);
  page_ = page;
  base_ = std::move(entered);
  if (auto it = pages_.find(page); it != pages_.end()) {
    // Steps recorded against another drawing (the file changed meanwhile) cannot be replayed.
    if (it->second.State == base_) history_ = std::move(it->second.History);
    pages_.erase(it);
  }
  KeepWithinBudget();
}

}  // namespace vk
