#include "drawing/objects/PicFuns.h"

#include <gtest/gtest.h>

#include <set>

#include "win/Dib.h"

namespace {

using vk::TPoint;

struct RegionCase {
  TPoint p;
  bool inside;
};

void ExpectRegion(const vk::win::Region& rgn, std::initializer_list<RegionCase> cases) {
  ASSERT_TRUE(rgn);
  for (const RegionCase& c : cases)
    EXPECT_EQ(::PtInRegion(rgn.Get(), c.p.X, c.p.Y) != 0, c.inside) << c.p.X << "," << c.p.Y;
}

TEST(PicFuns, SegmentRegionBands) {
  // A single point still gets a thin band around (10, 10)-(11, 11).
  ExpectRegion(vk::CreateSegmentRegion(10, 10, 10, 10),
               {{{10, 10}, true}, {{10, 6}, true}, {{12, 10}, false}, {{10, 17}, false}});
  // Six pixels tall: widened horizontally, so 5 pixels left and right of the line.
  ExpectRegion(vk::CreateSegmentRegion(0, 0, 100, 6),
               {{{50, 3}, true}, {{46, 3}, true}, {{40, 3}, false}, {{60, 3}, false}});
  // A flat line: widened vertically.
  ExpectRegion(vk::CreateSegmentRegion(0, 50, 100, 50),
               {{{50, 46}, true}, {{50, 54}, true}, {{50, 44}, false}, {{50, 57}, false}});
}

TEST(PicFuns, ArcRegionCoversTheBandAlongTheArcOnly) {
  // Quarter from straight up counter-clockwise to straight left of a 100 x 100 circle.
  ExpectRegion(vk::CreateArcRegion({0, 0}, {100, 100}, {50, 0}, {0, 50}),
               {{{15, 15}, true},    // on the arc at 135 degrees
                {{48, 2}, true},     // just past the start
                {{2, 48}, true},     // just before the end
                {{52, 2}, false},    // just before the start
                {{50, 50}, false},   // the centre
                {{85, 15}, false},   // the other side of the circle
                {{25, 25}, false}}); // inside the circle, off the band
  // Start at the rightmost point (angle 2pi): the span is measured from there.
  ExpectRegion(vk::CreateArcRegion({0, 0}, {100, 100}, {100, 50}, {50, 0}),
               {{{85, 15}, true}, {{15, 15}, false}, {{85, 85}, false}});
  // A zero-height box gives an empty (but real) region.
  ExpectRegion(vk::CreateArcRegion({0, 5}, {100, 5}, {50, 0}, {0, 50}), {{{50, 5}, false}});
}

TEST(PicFuns, PieAndChordRegions) {
  const TPoint tl{0, 0}, br{100, 100}, up{50, 0}, left{0, 50};
  ExpectRegion(vk::CreatePieRegion(tl, br, up, 1, left),
               {{{30, 30}, true}, {{20, 20}, true}, {{48, 48}, true},
                {{70, 70}, false}, {{70, 30}, false}, {{3, 3}, false}});
  // The chord cuts along the line from the start to the end point.
  ExpectRegion(vk::CreatePieRegion(tl, br, up, 2, left),
               {{{20, 20}, true}, {{30, 30}, false}, {{3, 3}, false}, {{70, 70}, false}});
  EXPECT_FALSE(vk::CreatePieRegion(tl, br, up, 3, left));
  EXPECT_FALSE(vk::CreatePieRegion(tl, br, up, 0, left));
}

vk::FontAttrs Face(int32_t size) {
  vk::FontAttrs f;
  f.Name = "Arial";
  f.Size = size;
  return f;
}

TEST(PicFuns, MeasureTextAddsTwo) {
  EXPECT_EQ(vk::MeasureText("", Face(10), true), 2);
  const int32_t one = vk::MeasureText("W", Face(10), true);
  EXPECT_GT(one, 2);
  EXPECT_GT(vk::MeasureText("WW", Face(10), true), one);
  EXPECT_GT(vk::MeasureText("WW", Face(30), true), vk::MeasureText("WW", Face(10), true));
  EXPECT_GT(vk::MeasureText("Ag", Face(10), false), 2);
}

// Text width or height at a size, as the fitting measures it (no +2).
int32_t Extent(const char* text, int32_t size, bool horizontal) {
  return vk::MeasureText(text, Face(size), horizontal) - 2;
}

TEST(PicFuns, FitFontSizeModeZeroKeepsTheSize) {
  vk::FontAttrs f = Face(37);
  EXPECT_EQ(vk::FitFontSize({0, 0, 0, 0}, "text", f, 0), 37);
  EXPECT_EQ(vk::FitFontSize({0, 0, 1000, 1000}, "", f, 0), 37);
}

TEST(PicFuns, FitFontSizeFindsTheLargestFittingSize) {
  const char* text = "Hello";
  struct Case {
    vk::TRect rect;
    int mode;
    bool horizontal;
    int32_t limit;
  };
  const Case cases[] = {
      {{0, 0, 150, 10}, 1, true, 150},
      {{10, 10, 90, 500}, 1, true, 80},
      {{0, 0, 10, 60}, 2, false, 60},
      {{0, 0, 1000, 30}, 3, true, 1000},  // more room across: fits by width
      {{0, 0, 30, 1000}, 3, false, 1000},  // more room down: fits by height
  };
  for (const Case& c : cases) {
    const int32_t s = vk::FitFontSize(c.rect, text, Face(9), c.mode);
    ASSERT_GE(s, 2) << c.mode << " " << c.limit;
    EXPECT_LE(Extent(text, s, c.horizontal), c.limit) << c.mode << " " << c.limit;
    EXPECT_GT(Extent(text, s + 1, c.horizontal), c.limit) << c.mode << " " << c.limit;
  }
  // Too small even at size 2.
  EXPECT_EQ(vk::FitFontSize({0, 0, 1, 1}, text, Face(9), 1), 1);
  EXPECT_EQ(vk::FitFontSize({0, 0, 1, 1}, text, Face(9), 2), 1);
}

// The fitting measures a text's characters once per size, not the text: it must find what
// measuring the whole text at every size from 2 up finds.
TEST(PicFuns, FitFontSizeAgreesWithMeasuringTheWholeTextAtEverySize) {
  const std::string texts[] = {"Hello", "ii WW\t,.;' Mix of widths 0123 \xC4\xE3\xBA\xC3 end",
                               std::string(300, 'l') + std::string(40, 'M') + "\r\n" + std::string(7, ' ')};
  for (const std::string& text : texts)
    for (const bool horizontal : {true, false})
      for (const int32_t limit : {3, 40, 333, 2000, 30000}) {
        int32_t linear = vk::kMaxFitFontSize;
        for (int32_t s = 2; s <= vk::kMaxFitFontSize && linear == vk::kMaxFitFontSize; ++s)
          if (Extent(text.c_str(), s, horizontal) > limit) linear = s - 1;
        const vk::TRect box = horizontal ? vk::TRect{0, 0, limit, 5} : vk::TRect{0, 0, 5, limit};
        EXPECT_EQ(vk::FitFontSize(box, text, Face(9), horizontal ? 1 : 2), linear) << text << " " << limit;
      }
}

TEST(PicFuns, FitFontSizeEndsForTextThatNeverOutgrowsTheBox) {
  // An empty text is 0 wide at every size.
  EXPECT_EQ(vk::FitFontSize({0, 0, 50, 50}, "", Face(9), 1), vk::kMaxFitFontSize);
}

TEST(PicFuns, ClearTextAreaBlacksOutTheGrownRect) {
  vk::win::Dib dib(60, 60);
  dib.Fill(0xFFFFFF);
  vk::win::Canvas c(dib.Dc());
  vk::ClearTextArea(c, {20, 20, 30, 30});
  EXPECT_EQ(dib.Pixel(8, 8), 0u);
  EXPECT_EQ(dib.Pixel(41, 41), 0u);
  EXPECT_EQ(dib.Pixel(7, 20), 0xFFFFFFu);
  EXPECT_EQ(dib.Pixel(42, 42), 0xFFFFFFu);
  EXPECT_EQ(c.Brush(), (vk::BrushAttrs{0, vk::kBrushSolid}));
}

TEST(PicFuns, ShiftStateFromKeysUsesTheHighBitOnly) {
  const int16_t down = static_cast<int16_t>(0x8000), downToggled = static_cast<int16_t>(0x8001);
  const int16_t up = 0, toggled = 1;
  struct Case {
    int16_t shift, alt, ctrl;
    vk::TShiftState bits;
  };
  const Case cases[] = {
      {up, up, up, 0},          {down, up, down, 5},         {toggled, toggled, toggled, 0},
      {up, downToggled, up, 2}, {down, down, down, 7},
  };
  for (const Case& c : cases) EXPECT_EQ(vk::ShiftStateFromKeyStates(c.shift, c.alt, c.ctrl), c.bits);
  EXPECT_EQ(vk::GetShiftState(), 0);  // nothing is held while the tests run
}

TEST(PicFuns, ShiftStateFromMouseFlags) {
  EXPECT_EQ(vk::ShiftStateFromMouse(MK_LBUTTON, false, false), vk::kLeftButton);
  EXPECT_EQ(vk::ShiftStateFromMouse(MK_SHIFT | MK_CONTROL | MK_RBUTTON, true, false),
            vk::kShiftKey | vk::kCtrlKey | vk::kAltKey | vk::kRightButton);
  EXPECT_EQ(vk::ShiftStateFromMouse(MK_MBUTTON, false, true), vk::kMiddleButton | vk::kDoubleClick);
}

struct Hot {
  const char* name;
  DWORD x, y;
};

void ExpectHotSpot(HCURSOR cur, const Hot& h) {
  ASSERT_NE(cur, nullptr) << h.name;
  ICONINFO info{};
  ASSERT_TRUE(::GetIconInfo(cur, &info)) << h.name;
  const vk::win::Bitmap mask(info.hbmMask), color(info.hbmColor);
  EXPECT_FALSE(info.fIcon) << h.name;
  EXPECT_EQ(info.xHotspot, h.x) << h.name;
  EXPECT_EQ(info.yHotspot, h.y) << h.name;
}

TEST(PicFuns, CursorsLoadFromOurResourcesWithTheirHotSpots) {
  HINSTANCE self = ::GetModuleHandleW(nullptr);
  vk::LoadPicCursors(self);
  const struct {
    int number;
    Hot hot;
  } table[] = {
      {1, {"CUR_LINE", 4, 4}},       {2, {"CUR_RECT", 4, 4}},     {3, {"CUR_ROUN", 4, 4}},
      {4, {"CUR_CIRC", 4, 4}},       {5, {"CUR_ARCC", 4, 4}},     {6, {"CUR_POLY", 4, 4}},
      {7, {"CUR_CURVE", 15, 15}},    {8, {"CUR_TEXT", 3, 15}},    {31, {"CUR_LINE_END", 7, 7}},
      {32, {"CUR_TRUN_VER", 15, 12}}, {33, {"CUR_MOVE", 1, 1}},     {34, {"CUR_PEN", 2, 29}},
  };
  std::set<HCURSOR> distinct;
  for (const auto& e : table) {
    EXPECT_STREQ(vk::PicCursorResourceName(e.number), e.hot.name);
    ExpectHotSpot(vk::PicCursor(e.number), e.hot);
    distinct.insert(vk::PicCursor(e.number));
  }
  EXPECT_EQ(distinct.size(), 12u);
  for (int n : {-1, 0, 9, 30, 35, 1000}) EXPECT_EQ(vk::PicCursor(n), nullptr) << n;
  // Two more are resources but not installed.
  ExpectHotSpot(::LoadCursorA(self, "CUR_IMAG"), {"CUR_IMAG", 2, 3});
  ExpectHotSpot(::LoadCursorA(self, "CUR_READY_DRAW"), {"CUR_READY_DRAW", 7, 7});
}

}  // namespace
