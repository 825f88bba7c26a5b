// The undo history over stored records: what a step holds, undo and redo, grouping,
// branching and the memory cap (redraw_bench measures what real drawings cost).
#include "core/DrawingHistory.h"

#include <gtest/gtest.h>

namespace vk {
namespace {

DrawingEntry E(uint8_t kind, uint8_t fill, size_t size = 8) { return {kind, std::vector<uint8_t>(size, fill)}; }

DrawingState Numbered(int n) {
  DrawingState s;
  for (int i = 0; i < n; ++i) s.push_back(E(2, static_cast<uint8_t>(i)));
  return s;
}

// Records from -> to, then checks that undo gives from and redo gives to again.
void RoundTrip(const DrawingState& from, const DrawingState& to, size_t touched) {
  DrawingHistory h;
  ASSERT_TRUE(h.Record(from, to));
  DrawingState s = to;
  const DrawingChange* c = h.Undo();
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->Before.size() + c->After.size(), touched);
  ASSERT_TRUE(ApplyChange(s, *c, true));
  EXPECT_EQ(s, from);
  ASSERT_TRUE(ApplyChange(s, *h.Redo(), false));
  EXPECT_EQ(s, to);
  EXPECT_FALSE(h.CanRedo());
}

TEST(DrawingHistory, StepsHoldOnlyTheTouchedObjectsAndRestoreOrder) {
  const DrawingState three = Numbered(3);
  DrawingState changed = three, removed = three, added = three, swapped = three;
  changed[1] = E(2, 99);
  removed.erase(removed.begin() + 1);
  added.push_back(E(8, 7));
  std::swap(swapped[0], swapped[2]);
  RoundTrip(three, changed, 2);
  RoundTrip(three, removed, 1);
  RoundTrip(three, added, 1);
  RoundTrip(three, swapped, 6);
  RoundTrip(three, {}, 3);  // Clear
  RoundTrip({}, three, 3);  // Open
  // Two identical neighbours: either one may be the removed one, the result is the same.
  RoundTrip({E(1, 1), E(1, 1), E(1, 2)}, {E(1, 1), E(1, 2)}, 1);
  DrawingHistory h;
  EXPECT_FALSE(h.Record(three, three));
  EXPECT_FALSE(h.CanUndo());
  // A step that does not fit the drawing is refused and leaves it as it is.
  ASSERT_TRUE(h.Record(Numbered(5), Numbered(4)));
  DrawingState small = Numbered(2);
  EXPECT_FALSE(ApplyChange(small, *h.Undo(), true));
  EXPECT_EQ(small, Numbered(2));
}

TEST(DrawingHistory, ABurstOnOneObjectIsOneStepAndANewChangeDropsTheRedoSteps) {
  // Changes worked out by their owner (as the drawing does from its reports) group alike.
  for (bool prepared : {false, true}) {
    SCOPED_TRACE(prepared ? "prepared changes" : "states");
    DrawingState s = Numbered(3);
    DrawingHistory h;
    auto press = [&](size_t index, uint8_t fill, uint64_t at, uint32_t group = DrawingHistory::kArrowKeys) {
      DrawingState next = s;
      next[index] = E(2, fill);
      prepared ? h.Record(DiffStates(s, next), group, at) : h.Record(s, next, group, at);
      s = next;
    };
    press(1, 50, 1000);
    press(1, 51, 1900);
    press(1, 52, 2800);  // each within a second of the last
    EXPECT_EQ(h.Steps(), 1u);
    press(1, 53, 3801);  // a pause
    EXPECT_EQ(h.Steps(), 2u);
    press(2, 60, 3900);  // another object
    EXPECT_EQ(h.Steps(), 3u);
    press(2, 61, 4000, DrawingHistory::kNoGroup);  // another kind of change between
    press(2, 62, 4100);
    EXPECT_EQ(h.Steps(), 5u);
    press(2, 63, 4200);
    EXPECT_EQ(h.Steps(), 5u);
    // Undo closes the burst.
    DrawingState back = s;
    ASSERT_TRUE(ApplyChange(back, *h.Undo(), true));
    EXPECT_EQ(back[2], E(2, 61));
    ASSERT_TRUE(ApplyChange(back, *h.Redo(), false));
    press(2, 64, 4300);
    EXPECT_EQ(h.Steps(), 6u);
    // A burst that comes back to where it started leaves nothing to take back.
    press(0, 70, 5000);
    press(0, 0, 5100);
    EXPECT_EQ(h.Steps(), 6u);
    // A new change after an undo drops what could have been redone.
    ASSERT_TRUE(ApplyChange(s, *h.Undo(), true));
    press(1, 90, 9000);
    EXPECT_FALSE(h.CanRedo());
    EXPECT_EQ(h.Steps(), 6u);
  }
}

TEST(DrawingHistory, PastTheCapTheOldestStepsGoButTheNewestStays) {
  DrawingHistory h(100 * 1024);
  DrawingState s = Numbered(10);
  for (int i = 0; i < 200; ++i) {
    DrawingState next = s;
    next[static_cast<size_t>(i % 10)] = E(2, static_cast<uint8_t>(i), 1000);
    h.Record(s, next);
    s = next;
  }
  EXPECT_LE(h.Bytes(), 100u * 1024);
  EXPECT_GT(h.Steps(), 10u);
  EXPECT_LT(h.Steps(), 200u);
  // Undo as far as the history goes: each step still fits the drawing.
  while (const DrawingChange* c = h.Undo()) ASSERT_TRUE(ApplyChange(s, *c, true));
  // One step larger than the cap on its own is kept.
  h.Record(s, {E(2, 1, 300 * 1024)});
  EXPECT_EQ(h.Steps(), 1u);
  EXPECT_TRUE(h.CanUndo());
}

TEST(DrawingHistory, DroppingGoesFromTheOldestToUndoToTheFarthestToRedo) {
  DrawingHistory h;
  for (int n = 0; n < 3; ++n) h.Record(Numbered(n), Numbered(n + 1));
  DrawingState s = Numbered(3);
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(ApplyChange(s, *h.Undo(), true));
  ASSERT_TRUE(h.DropOldest() && h.DropOldest());  // 0 -> 1, then 2 -> 3: 1 -> 2 stays to redo
  EXPECT_TRUE(ApplyChange(s, *h.Redo(), false) && s == Numbered(2));
  EXPECT_TRUE(h.DropOldest() && !h.DropOldest() && h.Bytes() == 0);
}

}  // namespace
}  // namespace vk
