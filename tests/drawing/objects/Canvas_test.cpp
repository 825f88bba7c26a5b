#include "win/Canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "win/Dib.h"

namespace {

using vk::win::Canvas;
using vk::win::Dib;

struct DcState {
  HGDIOBJ pen, brush, font;
  int rop, bkMode;
  COLORREF bk, text;
  bool operator==(const DcState&) const = default;
};

DcState Snapshot(HDC dc) {
  return {::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH),
          ::GetCurrentObject(dc, OBJ_FONT), ::GetROP2(dc), ::GetBkMode(dc), ::GetBkColor(dc),
          ::GetTextColor(dc)};
}

TEST(Canvas, LeavesTheDcAsItFoundIt) {
  Dib dib(64, 64);
  const DcState before = Snapshot(dib.Dc());
  {
    Canvas c(dib.Dc());
    c.SetPen({0x0000FF, 3, vk::kPenDash, vk::PenMode::Xor});
    c.SetBrush({0x00FF00, vk::kBrushCross});
    c.Font().Style = vk::kFontBold;
    c.Rectangle(1, 1, 30, 30);
    c.TextOut(2, 2, "Ab");
    c.Pen().Color = 0x123456;  // a second pen replaces the first
    c.Brush().Style = vk::kBrushSolid;
    c.Ellipse(5, 5, 40, 40);
    EXPECT_NE(Snapshot(dib.Dc()), before);
  }
  EXPECT_EQ(Snapshot(dib.Dc()), before);
}

TEST(Canvas, DrawsWithPenAndBrushValues) {
  Dib dib(40, 40);
  dib.Fill(0xFFFFFF);
  Canvas c(dib.Dc());
  c.SetPen({0xFF0000, 1, vk::kPenSolid, vk::PenMode::Copy});
  c.SetBrush({0x00FF00, vk::kBrushSolid});
  c.Rectangle(10, 10, 20, 20);
  EXPECT_EQ(dib.Pixel(10, 10), 0xFF0000u);  // border in the pen colour
  EXPECT_EQ(dib.Pixel(19, 19), 0xFF0000u);
  EXPECT_EQ(dib.Pixel(15, 15), 0x00FF00u);  // filled with the brush
  EXPECT_EQ(dib.Pixel(20, 20), 0xFFFFFFu);  // right/bottom outside

  // Values changed in place take effect at the next call.
  c.Brush().Style = vk::kBrushClear;
  c.Pen().Style = vk::kPenClear;
  dib.Fill(0xFFFFFF);
  c.Rectangle(10, 10, 20, 20);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_EQ(dib.Pixel(x, y), 0xFFFFFFu) << x << "," << y;

  c.Brush().SetColor(0x0000FF);  // a clear brush given a colour becomes solid
  c.Rectangle(10, 10, 20, 20);
  EXPECT_EQ(dib.Pixel(15, 15), 0x0000FFu);
}

TEST(Canvas, PenModeChangeAloneTakesEffect) {
  Dib dib(40, 10);
  dib.Fill(0xFFFFFF);
  Canvas c(dib.Dc());
  c.SetPen({0x0000FF, 1, vk::kPenSolid, vk::PenMode::Copy});
  c.MoveTo(0, 5);
  c.LineTo(40, 5);
  ASSERT_EQ(dib.Pixel(20, 5), 0x0000FFu);
  c.SetPenMode(vk::PenMode::Xor);
  c.MoveTo(0, 5);
  c.LineTo(40, 5);
  EXPECT_EQ(dib.Pixel(20, 5), 0x000000u);
}

// A pattern that no single colour could hide a mistake in.
void FillPattern(Dib& dib) {
  for (int y = 0; y < dib.Height(); ++y)
    for (int x = 0; x < dib.Width(); ++x)
      dib.SetPixel(x, y, static_cast<uint32_t>((x * 7) | ((y * 5) << 8) | (((x ^ y) * 3) << 16)) & 0xFFFFFF);
}

std::vector<uint32_t> Pixels(const Dib& dib, uint32_t mask) {
  ::GdiFlush();
  std::vector<uint32_t> v(dib.Bits(), dib.Bits() + dib.Width() * dib.Height());
  for (uint32_t& p : v) p &= mask;
  return v;
}

void DrawFigures(Canvas& c) {
  c.MoveTo(3, 3);
  c.LineTo(70, 50);
  c.Rectangle(10, 10, 40, 30);
  c.Ellipse(20, 5, 60, 45);
  const std::vector<vk::TPoint> poly{{5, 60}, {30, 40}, {60, 70}, {75, 45}};
  c.Polyline(poly);
  c.Arc(0, 0, 50, 50, 50, 25, 25, 0);
}

TEST(Canvas, RubberBandModesDrawnTwiceRestoreEveryPixel) {
  for (vk::PenMode mode : {vk::PenMode::Xor, vk::PenMode::NotXor}) {
    Dib dib(80, 80);
    FillPattern(dib);
    const std::vector<uint32_t> before = Pixels(dib, 0x00FFFFFF);
    Canvas c(dib.Dc());
    c.SetPen({0x3366CC, 1, vk::kPenDot, mode});
    c.SetBrush({0, vk::kBrushClear});
    DrawFigures(c);
    ASSERT_NE(Pixels(dib, 0x00FFFFFF), before);
    DrawFigures(c);
    // NOT-XOR also sets the unused top byte: compare colours only.
    EXPECT_EQ(Pixels(dib, 0x00FFFFFF), before) << static_cast<int>(mode);
  }
}

TEST(Canvas, PenAndBrushCodesMapToGdiStyles) {
  struct PenCase {
    uint8_t code;
    UINT style;
  };
  const PenCase pens[] = {{0, PS_SOLID},      {1, PS_DASH}, {2, PS_DOT},
                          {3, PS_DASHDOT},    {4, PS_DASHDOTDOT}, {5, PS_NULL},
                          {6, PS_INSIDEFRAME}, {99, PS_SOLID}};
  for (const PenCase& pc : pens) {
    vk::win::Pen pen = vk::win::MakePen({0x010203, 1, pc.code, vk::PenMode::Copy});
    ASSERT_TRUE(pen);
    LOGPEN lp{};
    ASSERT_EQ(::GetObject(pen.Get(), sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, pc.style) << static_cast<int>(pc.code);
    if (pc.code != 5) {
      EXPECT_EQ(lp.lopnColor, 0x010203u) << static_cast<int>(pc.code);
    }
  }
  struct BrushCase {
    uint8_t code;
    UINT style;
    LONG hatch;
  };
  const BrushCase brushes[] = {{0, BS_SOLID, 0},           {2, BS_HATCHED, HS_HORIZONTAL},
                               {3, BS_HATCHED, HS_VERTICAL}, {4, BS_HATCHED, HS_FDIAGONAL},
                               {5, BS_HATCHED, HS_BDIAGONAL}, {6, BS_HATCHED, HS_CROSS},
                               {7, BS_HATCHED, HS_DIAGCROSS}, {42, BS_SOLID, 0}};
  for (const BrushCase& bc : brushes) {
    vk::win::Brush brush = vk::win::MakeBrush({0x040506, bc.code});
    ASSERT_TRUE(brush);
    LOGBRUSH lb{};
    ASSERT_EQ(::GetObject(brush.Get(), sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbStyle, bc.style) << static_cast<int>(bc.code);
    EXPECT_EQ(lb.lbColor, 0x040506u) << static_cast<int>(bc.code);
    if (bc.style == BS_HATCHED) {
      EXPECT_EQ(static_cast<LONG>(lb.lbHatch), bc.hatch);
    }
  }
  EXPECT_FALSE(vk::win::MakeBrush({0, vk::kBrushClear}));
}

TEST(Canvas, FontValuesBecomeALogicalFont) {
  Dib dib(10, 10);
  const vk::FontAttrs attrs{"Arial", 134, 72, vk::kFontBold | vk::kFontItalic | vk::kFontStrikeOut, 0};
  vk::win::Font font = vk::win::MakeFont(attrs, dib.Dc());
  ASSERT_TRUE(font);
  LOGFONTA lf{};
  ASSERT_GT(::GetObjectA(font.Get(), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfHeight, -::GetDeviceCaps(dib.Dc(), LOGPIXELSY));  // 72 points = one inch
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfItalic);
  EXPECT_FALSE(lf.lfUnderline);
  EXPECT_TRUE(lf.lfStrikeOut);
  EXPECT_EQ(lf.lfCharSet, 134);
  EXPECT_STREQ(lf.lfFaceName, "Arial");

  // The default face keeps its GBK bytes.
  vk::win::Font def = vk::win::MakeFont(vk::FontAttrs{}, nullptr);
  ASSERT_GT(::GetObjectA(def.Get(), sizeof lf, &lf), 0);
  EXPECT_EQ(std::strcmp(lf.lfFaceName, "\xCB\xCE\xCC\xE5"), 0);
}

TEST(Canvas, TextUsesFontColourAndBrushBackground) {
  Dib dib(120, 40);
  dib.Fill(0xFFFFFF);
  Canvas c(dib.Dc());
  c.Font().Name = "Arial";
  c.Font().Size = 20;
  c.Font().Color = 0x0000FF;
  const int small = c.TextWidth("MMMM");
  c.Brush() = {0xFF0000, vk::kBrushSolid};
  c.TextOut(0, 0, "MMMM");
  EXPECT_EQ(dib.Pixel(0, 0), 0xFF0000u);  // opaque cell in the brush colour
  bool red = false;
  for (int y = 0; y < 40 && !red; ++y)
    for (int x = 0; x < small && !red; ++x) red = dib.Pixel(x, y) == 0x0000FFu;
  EXPECT_TRUE(red);

  dib.Fill(0xFFFFFF);
  c.Brush().Style = vk::kBrushClear;  // transparent background
  c.TextOut(0, 0, "MMMM");
  EXPECT_EQ(dib.Pixel(0, 0), 0xFFFFFFu);

  c.Font().Size = 40;
  EXPECT_GT(c.TextWidth("MMMM"), small);
  EXPECT_EQ(c.TextWidth(""), 0);
}

TEST(Canvas, ConvertsBetweenLogicalAndDeviceUnits) {
  Dib dib(10, 10);
  Canvas c(dib.Dc());
  EXPECT_EQ(c.LPtoDP(vk::TPoint{3, 4}), (vk::TPoint{3, 4}));  // identity by default
  POINT old{};
  ::SetViewportOrgEx(dib.Dc(), 5, 7, &old);
  std::vector<vk::TPoint> pts{{1, 1}, {-1, 0}};
  c.LPtoDP(pts);
  EXPECT_EQ(pts[0], (vk::TPoint{6, 8}));
  EXPECT_EQ(pts[1], (vk::TPoint{4, 7}));
  c.DPtoLP(pts);
  EXPECT_EQ(pts[0], (vk::TPoint{1, 1}));
  ::SetViewportOrgEx(dib.Dc(), old.x, old.y, nullptr);
}

TEST(Canvas, FillRectUsesTheBrushOnlyAndIsHalfOpen) {
  Dib dib(20, 20);
  dib.Fill(0xFFFFFF);
  Canvas c(dib.Dc());
  c.SetPen({0x0000FF, 5, vk::kPenSolid, vk::PenMode::Xor});
  c.SetBrush({0x00FF00, vk::kBrushSolid});
  c.FillRect({2, 2, 6, 6});
  EXPECT_EQ(dib.Pixel(2, 2), 0x00FF00u);
  EXPECT_EQ(dib.Pixel(5, 5), 0x00FF00u);
  EXPECT_EQ(dib.Pixel(6, 6), 0xFFFFFFu);
}

}  // namespace
