// The rounded rectangle, the arc family, the polyline family and the Bezier curve:
// creation by mouse, their own handles, hit regions and what a damaged file gives them.
#include <gtest/gtest.h>

#include <vector>

#include "ShapeTestSupport.h"
#include "core/PicMath.h"
#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CurvePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RounPic.h"

namespace {

using shapetest::Surface;
using vk::TPoint;
using vk::TRect;

const vk::BrushAttrs kSolid{vk::kColorGreen, vk::kBrushSolid};
constexpr auto L = vk::TMouseButton::Left;
constexpr auto R = vk::TMouseButton::Right;

// A selected drag of hit code `hit` from `down` to `to`: the outline goes there and back
// without a trace, goes there again, and the drag ends there.
void Drag(vk::TPicBase& pic, Surface& s, uint8_t hit, TPoint down, TPoint to) {
  const auto before = s.Pixels();
  pic.DragTrack(s.C(), hit, pic.GetRect(), down.X, down.Y, down.X, down.Y, to.X, to.Y);
  pic.DragTrack(s.C(), hit, pic.GetRect(), down.X, down.Y, to.X, to.Y, down.X, down.Y);
  EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << "outline trace, hit " << int(hit);
  pic.DragTrack(s.C(), hit, pic.GetRect(), down.X, down.Y, down.X, down.Y, to.X, to.Y);
  pic.DragEnd(s.C(), hit, pic.GetRect(), down.X, down.Y, to.X, to.Y);
}

TEST(RounPic, CornersStartAtAThirdAndTheirHandlesSetTheRatios) {
  auto pic = shapetest::CreateByMouse(vk::PIC_ROUN, {}, {}, {{40, 50}, {}});
  auto& r = dynamic_cast<vk::TRounPic&>(*pic);
  EXPECT_EQ(r.ShapeRect, (TRect{40, 50, 60, 70}));
  EXPECT_EQ(r.CornerSize, (TPoint{7, 7}));

  auto big = shapetest::MakeShape(vk::PIC_ROUN, {0, 0}, {100, 60}, true);
  auto& b = dynamic_cast<vk::TRounPic&>(*big);
  b.CornerSize = {33, 20};
  Surface s;
  EXPECT_EQ(big->HitTest(s.C(), {33, 1}), vk::kHitCornerX);  // wins over the frame's edge
  EXPECT_EQ(big->HitTest(s.C(), {1, 20}), vk::kHitCornerY);
  Drag(*big, s, vk::kHitCornerX, {33, 0}, {-40, 3});  // past the left edge
  EXPECT_EQ(b.CornerRatioX, 0.0f);
  Drag(*big, s, vk::kHitCornerX, {0, 0}, {130, 0});  // past the right edge
  EXPECT_EQ(b.CornerRatioX, 1.0f);
  EXPECT_EQ(b.ShapeRect, (TRect{0, 0, 100, 60}));
  EXPECT_EQ(b.CornerSize, (TPoint{100, 20}));
  Drag(*big, s, vk::kHitBottomRight, {100, 60}, {200, 90});  // the corners follow the size
  EXPECT_EQ(b.CornerSize, (TPoint{200, 30}));
}

TEST(ArccPic, TwoPhasesMakeTheArcAndItsHandlesStayOnTheEllipse) {
  Surface s;
  vk::TArccPic arc;
  int fired = 0;
  arc.DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
  const auto before = s.Pixels();
  arc.DrawMouseDown(s.C(), vk::PIC_ARCC, L, vk::kLeftButton, {100, 100});
  arc.DrawMouseMove(s.C(), vk::PIC_ARCC, vk::kLeftButton, {104, 100});
  arc.DrawMouseUp(s.C(), vk::PIC_ARCC, L, 0, {104, 100});
  EXPECT_EQ(arc.ShapeRect, (TRect{96, 96, 124, 124}));  // radius 4, grown by 20
  EXPECT_EQ(arc.StartPoint, vk::EllipsePoint({96, 96}, {124, 124}, {104, 100}));  // on the grown circle
  EXPECT_TRUE(arc.UnderConstruction());
  arc.DrawMouseDown(s.C(), vk::PIC_ARCC, R, vk::kRightButton, {110, 80});  // ignored
  arc.DrawMouseMove(s.C(), vk::PIC_ARCC, 0, {110, 60});
  arc.DrawMouseDown(s.C(), vk::PIC_ARCC, L, vk::kLeftButton, {110, 40});
  EXPECT_TRUE(arc.AwaitsRelease());
  arc.DrawMouseUp(s.C(), vk::PIC_ARCC, L, 0, {110, 40});
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(arc.EndPoint, (TPoint{110, 96}));  // on the circle towards the release
  Surface alone;
  arc.Draw(alone.C());
  // Beside the arc only the guide ellipse is left, in the arc's pen, for the editor to wipe.
  const auto after = s.Pixels(), arcAlone = alone.Pixels();
  for (size_t i = 0; i < after.size(); ++i)
    EXPECT_TRUE(after[i] == arcAlone[i] || after[i] == 0xFF0000u) << "band trace at pixel " << i;
  EXPECT_GT(shapetest::CountDifferent(after, before), 0u);

  vk::TArccPic e;
  e.ShapeRect = {0, 0, 100, 60};
  e.StartPoint = {100, 30};
  e.EndPoint = {50, 0};
  e.MoveBy(s.C(), {0, 0});
  e.Choosed = true;
  Drag(e, s, vk::kHitArcStart, {100, 30}, {10, 90});
  EXPECT_EQ(e.StartPoint, vk::EllipsePoint({0, 0}, {100, 60}, {10, 90}));
  Drag(e, s, vk::kHitRight, {100, 30}, {110, 30});  // about the centre: 5 each side
  EXPECT_EQ(e.ShapeRect, (TRect{-5, 0, 105, 60}));
}

TEST(ArccPic, EachKindHasItsOwnBody) {
  Surface s;
  struct Case {
    const char* what;
    vk::TArccType type;
    bool filled;
    TPoint p;
    uint8_t code;
  };
  // The quarter from the right (200, 100) up to the top (150, 50) of a circle about (150, 100).
  const Case cases[] = {
      {"arc: on the curve", vk::Arcc_Arc, false, {185, 65}, 9},
      {"arc: not on a radius", vk::Arcc_Arc, false, {150, 80}, 0},
      {"hollow sector: a radius", vk::Arcc_Sector, false, {150, 80}, 9},
      {"hollow sector: inside", vk::Arcc_Sector, false, {170, 85}, 0},
      {"hollow chord: the chord", vk::Arcc_Chord, false, {175, 75}, 9},
      {"hollow chord: inside", vk::Arcc_Chord, false, {180, 72}, 0},
      {"filled sector: inside", vk::Arcc_Sector, true, {170, 85}, 9},
      {"filled chord: inside", vk::Arcc_Chord, true, {180, 72}, 9},
      {"filled chord: beyond the chord", vk::Arcc_Chord, true, {165, 85}, 0},
      {"type 7 has no body", static_cast<vk::TArccType>(7), true, {185, 65}, 0},
  };
  for (const Case& c : cases) {
    vk::TArccPic a;
    a.ShapeRect = {100, 50, 200, 150};
    a.StartPoint = {200, 100};
    a.EndPoint = {150, 50};
    a.PicArccType = c.type;
    if (c.filled) a.PicBrush = kSolid;
    a.MoveBy(s.C(), {0, 0});
    EXPECT_EQ(a.HitTest(s.C(), c.p), c.code) << c.what;
    a.Draw(s.C());  // any type draws without fault
  }
}

std::unique_ptr<vk::TPolyPic> Clicked(Surface& s, std::vector<TPoint> lefts, int& fired,
                                      vk::TPolyType type = vk::PolyOpen) {
  auto pp = std::make_unique<vk::TPolyPic>();
  vk::TPolyPic& p = *pp;
  p.PolyType = type;
  p.DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
  for (TPoint q : lefts) {
    p.DrawMouseDown(s.C(), vk::PIC_POLY, L, vk::kLeftButton, q);
    p.DrawMouseMove(s.C(), vk::PIC_POLY, 0, {q.X + 30, q.Y + 7});
  }
  p.DrawMouseDown(s.C(), vk::PIC_POLY, R, vk::kRightButton, {0, 0});
  p.DrawMouseUp(s.C(), vk::PIC_POLY, R, 0, {0, 0});
  p.DrawEndEvent = nullptr;
  return pp;
}

TEST(PolyPic, RightPressFinishesAndOnePlacedPointIsNoFigure) {
  Surface s;
  const auto before = s.Pixels();
  int fired = 0;
  const auto one = Clicked(s, {{10, 10}}, fired);
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(one->PolyPointNum(), 0);
  EXPECT_EQ(one->PicId, vk::PIC_NONE);
  EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << "band trace";
  const auto seg = Clicked(s, {{10, 10}, {80, 40}}, fired);
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(seg->PolyPoint, (std::vector<TPoint>{{10, 10}, {80, 40}}));
  EXPECT_EQ(seg->GetRect(), (TRect{10, 10, 80, 40}));
  EXPECT_FALSE(seg->UnderConstruction());
}

TEST(PolyPic, HitsEdgesVerticesAndScalesAboutTheOppositeSide) {
  Surface s;
  int fired = 0;
  const auto made = Clicked(s, {{100, 100}, {200, 100}, {150, 180}}, fired, vk::PolyClose);
  vk::TPolyPic& tri = *made;
  EXPECT_EQ(tri.HitTest(s.C(), {125, 140}), vk::kHitBody);  // the closing edge
  EXPECT_EQ(tri.HitTest(s.C(), {150, 130}), vk::kHitNone);  // hollow inside
  tri.PicBrush = kSolid;
  EXPECT_EQ(tri.HitTest(s.C(), {150, 130}), vk::kHitBody);
  tri.Choosed = true;
  // The first vertex lies on frame handle 1: the vertex wins.
  EXPECT_EQ(tri.HitTest(s.C(), {101, 101}), vk::kHitVertex);
  EXPECT_EQ(tri.SelVertex, 0);
  Drag(tri, s, vk::kHitVertex, {100, 100}, {90, 60});
  EXPECT_EQ(tri.PolyPoint, (std::vector<TPoint>{{90, 60}, {200, 100}, {150, 180}}));
  EXPECT_EQ(tri.GetRect(), (TRect{90, 60, 200, 180}));
  Drag(tri, s, vk::kHitBottomRight, {200, 180}, {310, 300});  // twice the size from (90, 60)
  EXPECT_EQ(tri.PolyPoint, (std::vector<TPoint>{{90, 60}, {310, 140}, {210, 300}}));
}

TEST(PolyPic, FiveThousandVerticesDrawHitAndDrag) {
  vk::TPolyPic p;
  for (int i = 0; i < 4999; ++i) p.PolyPoint.push_back({10 + i % 290, 10 + (i * 37) % 200});
  p.PolyPoint.push_back({315, 235});
  Surface s;
  p.MoveBy(s.C(), {0, 0});
  p.Choosed = true;
  p.Draw(s.C());
  EXPECT_EQ(p.HitTest(s.C(), p.PolyPoint[4999]), vk::kHitVertex);
  Drag(p, s, vk::kHitVertex, p.PolyPoint[4999], {5, 5});
  EXPECT_EQ(p.PolyPoint[4999], (TPoint{5, 5}));
}

TEST(CurvePic, FourClicksARightClickOnlyAfterTheFirstAndNoFifthPoint) {
  Surface s;
  vk::TCurvePic c;
  int fired = 0;
  c.DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
  const auto before = s.Pixels();
  auto click = [&](vk::TMouseButton b, TPoint p) {
    c.DrawMouseDown(s.C(), vk::PIC_CURVE, b, b == L ? vk::kLeftButton : vk::kRightButton, p);
    c.DrawMouseMove(s.C(), vk::PIC_CURVE, 0, {p.X + 20, p.Y + 20});
    c.DrawMouseUp(s.C(), vk::PIC_CURVE, b, 0, p);
  };
  click(L, {10, 100});
  click(R, {0, 0});  // takes the start back
  EXPECT_EQ(c.CurvePointNum, 0);
  EXPECT_EQ(c.PicId, vk::PIC_NONE);
  EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << "band trace";
  click(L, {10, 100});
  click(L, {200, 100});
  click(R, {0, 0});  // waits
  EXPECT_EQ(c.CurvePointNum, 2);
  click(L, {60, 20});
  // The fourth point: whichever button comes up first finishes the curve.
  c.DrawMouseDown(s.C(), vk::PIC_CURVE, L, vk::kLeftButton, {150, 190});
  c.DrawMouseUp(s.C(), vk::PIC_CURVE, R, vk::kLeftButton, {150, 190});
  EXPECT_EQ(fired, 1);
  c.DrawMouseUp(s.C(), vk::PIC_CURVE, L, 0, {150, 190});
  EXPECT_EQ(fired, 1);
  const std::array<TPoint, 4> placed{{{10, 100}, {60, 20}, {150, 190}, {200, 100}}};
  EXPECT_EQ(c.CurvePoints, placed);
  EXPECT_EQ(c.GetRect(), (TRect{10, 20, 200, 190}));
  c.DrawMouseDown(s.C(), vk::PIC_CURVE, L, vk::kLeftButton, {1, 1});  // a fifth point
  EXPECT_EQ(c.CurvePointNum, 4);
  EXPECT_EQ(c.CurvePoints, placed);
}

TEST(CurvePic, ControlPolygonIsTheBodyAndAPointDragReframesFromAllFour) {
  Surface s;
  vk::TCurvePic c;
  c.CurvePointNum = 4;
  c.CurvePoints = {{{20, 50}, {60, 50}, {100, 50}, {140, 50}}};  // all on the chord
  c.MoveBy(s.C(), {0, 0});
  EXPECT_EQ(c.HitTest(s.C(), {40, 50}), vk::kHitNone);
  c.Choosed = true;
  EXPECT_EQ(c.HitTest(s.C(), {40, 50}), vk::kHitNone);
  EXPECT_EQ(c.HitTest(s.C(), {61, 51}), vk::kHitControl);
  EXPECT_EQ(c.SelPoint, 1);
  Drag(c, s, vk::kHitControl, {60, 50}, {70, 10});
  EXPECT_EQ(c.CurvePoints[1], (TPoint{70, 10}));
  EXPECT_EQ(c.GetRect(), (TRect{20, 10, 140, 50}));
  EXPECT_EQ(c.HitTest(s.C(), {80, 40}), vk::kHitBody);
}

}  // namespace
