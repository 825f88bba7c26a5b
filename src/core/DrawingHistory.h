#pragma once
// The undo history of a drawing, kept as the stored records of what each change
// replaced: a change is the run of objects from its first to its last differing
// position, before and after. A step costs the objects it touched, not the drawing.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/DrawingFile.h"

namespace vk {

// A drawing as its stored records, in list order (deselected, numbering left out).
using DrawingState = std::vector<DrawingEntry>;

// From First on, Before.size() objects were replaced by After.
struct DrawingChange {
  size_t First = 0;
  std::vector<DrawingEntry> Before, After;
};

// The change that turns from into to; empty Before and After when they are equal.
DrawingChange DiffStates(const DrawingState& from, const DrawingState& to);
// What a drawing's records hold in memory, heap blocks included.
size_t StateBytes(const DrawingState& state);
// Replaces the run the change covers (its After when undoing, its Before when redoing).
// False, and state untouched, when the run does not fit the state.
bool ApplyChange(DrawingState& state, const DrawingChange& change, bool undo);

class DrawingHistory {
 public:
  static constexpr size_t kDefaultCapBytes = size_t{64} << 20;
  // For a history whose owner keeps it within a budget shared with others.
  static constexpr size_t kNoCap = SIZE_MAX;
  // Changes with the same group that follow within this time on the same objects, changed in
  // place, are one step.
  static constexpr uint64_t kGroupMs = 1000;
  enum Group : uint32_t { kNoGroup = 0, kArrowKeys = 1, kWidthBox = 2 };

  explicit DrawingHistory(size_t capBytes = kDefaultCapBytes) : cap_(capBytes) {}

  // Records the step from from to to; drops the steps that could be redone. False when
  // nothing changed.
  bool Record(const DrawingState& from, const DrawingState& to, uint32_t group = kNoGroup, uint64_t nowMs = 0);
  // The same for a change already worked out (equal ends trimmed, as DiffStates does).
  bool Record(DrawingChange change, uint32_t group = kNoGroup, uint64_t nowMs = 0);
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The step to take back / to make again, or null; the caller applies it.
  const DrawingChange* Undo();
  const DrawingChange* Redo();
  void Clear();
  // Drops the oldest step to undo or, when nothing is left to undo, the farthest one to
  // redo: either way the steps left still lead from the drawing as it is. False when empty.
  bool DropOldest();

  size_t Steps() const { return steps_.size(); }
  // What the steps hold, heap blocks included.
  size_t Bytes() const { return bytes_; }

 private:
  struct Step {
    DrawingChange Change;
    uint32_t Group = kNoGroup;
    uint64_t AtMs = 0;
    size_t Bytes = 0;
  };
  static size_t SizeOf(const DrawingChange& c);
  void DropRedo();
  void TrimToCap();

  std::deque<Step> steps_;
  size_t done_ = 0;  // steps_[0, done_) are in effect
  size_t bytes_ = 0;
  size_t cap_;
  bool groupOpen_ = false;  // the last step may still take a change of its group
};

}  // namespace vk
