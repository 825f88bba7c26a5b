// What every shape kind does alike: handles, drag outlines, the right button, records,
// copies and the factory.
#include <gtest/gtest.h>

#include <typeinfo>
#include <vector>

#include "ShapeTestSupport.h"
#include "core/PicRecord.h"

namespace {

using shapetest::Surface;
using vk::TPoint;
using vk::TRect;

const vk::TPicType kKinds[] = {vk::PIC_LINE, vk::PIC_RECT, vk::PIC_CIRC};

TEST(Shapes, DrawSelectedAddsFocusHandles) {
  for (vk::TPicType kind : kKinds) {
    Surface s, plain;
    auto pic = shapetest::MakeShape(kind, {40, 40}, {140, 100}, true, {vk::kColorGreen, vk::kBrushSolid});
    pic->Draw(s.C());
    EXPECT_EQ(pic->PicId, kind);
    const std::vector<TPoint> handles =
        kind == vk::PIC_LINE ? std::vector<TPoint>{{40, 40}, {140, 100}}
                             : std::vector<TPoint>{{40, 40}, {90, 40}, {140, 40}, {40, 70},
                                                   {140, 70}, {40, 100}, {90, 100}, {140, 100}};
    for (TPoint h : handles) {
      EXPECT_EQ(s.dib.Pixel(h.X, h.Y), vk::kColorMagenta) << int(kind);       // FocusBrush
      EXPECT_EQ(s.dib.Pixel(h.X + 2, h.Y - 3), vk::kColorWhite) << int(kind);  // FocusPen
    }
    pic->Choosed = false;
    pic->Draw(plain.C());
    EXPECT_NE(plain.dib.Pixel(40, 40), vk::kColorMagenta);
    EXPECT_EQ(plain.dib.Pixel(90, kind == vk::PIC_LINE ? 70 : 40), vk::kColorRed) << int(kind);  // the outline
  }
}

TEST(Shapes, DragOutlineIsXorAndLeavesNoTrace) {
  for (vk::TPicType kind : kKinds) {
    for (uint8_t hit = 1; hit <= 11; ++hit) {
      Surface s;
      auto pic = shapetest::MakeShape(kind, {60, 50}, {200, 150}, true, {vk::kColorGreen, vk::kBrushSolid});
      pic->Draw(s.C());  // leaves the white focus pen in the canvas, as in the editor
      const TRect r0 = pic->GetRect();
      const auto before = s.Pixels();
      {
        shapetest::HeldKeys ctrl{VK_CONTROL};
        pic->DragTrack(s.C(), hit, r0, 60, 50, 60, 50, 75, 62);
        pic->DragTrack(s.C(), hit, r0, 60, 50, 75, 62, 20, 30);
        const bool moves = kind == vk::PIC_LINE ? hit >= 9 : hit <= 9;
        EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before) > 0, moves) << int(kind) << " hit " << int(hit);
      }
      // Ctrl let go before the last move: the outline drawn with it still goes away.
      pic->DragTrack(s.C(), hit, r0, 60, 50, 20, 30, 60, 50);
      EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << int(kind) << " hit " << int(hit);
      EXPECT_EQ(pic->GetRect(), r0);
    }
  }
}

TEST(Shapes, DragTrackRemembersCtrlForDragEnd) {
  Surface s;
  auto pic = shapetest::MakeShape(vk::PIC_RECT, {10, 20}, {110, 220}, true);
  {
    shapetest::HeldKeys ctrl{VK_CONTROL};
    pic->DragTrack(s.C(), 8, pic->GetRect(), 110, 220, 110, 220, 120, 225);
  }
  pic->DragEnd(s.C(), 8, pic->GetRect(), 110, 220, 120, 225);
  EXPECT_EQ(pic->GetRect(), (TRect{0, 15, 120, 225}));
}

TEST(Shapes, RightButtonDragCreatesNothing) {
  for (vk::TPicType kind : kKinds) {
    Surface s;
    auto pic = vk::CreatePicOfKind(kind);
    int fired = 0;
    pic->DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
    // One finished figure, then a right-button drag: no second copy, no trace.
    pic->DrawMouseDown(s.C(), kind, vk::TMouseButton::Left, vk::kLeftButton, {10, 10});
    pic->DrawMouseMove(s.C(), kind, vk::kLeftButton, {90, 40});
    pic->DrawMouseUp(s.C(), kind, vk::TMouseButton::Left, 0, {90, 40});
    const auto before = s.Pixels();
    const TRect done = pic->GetRect();
    pic->DrawMouseDown(s.C(), kind, vk::TMouseButton::Right, vk::kRightButton, {100, 100});
    pic->DrawMouseMove(s.C(), kind, vk::kLeftButton | vk::kRightButton, {150, 150});
    pic->DrawMouseUp(s.C(), kind, vk::TMouseButton::Right, 0, {150, 150});
    EXPECT_EQ(fired, 1) << int(kind);
    EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), before), 0u) << int(kind);
    EXPECT_EQ(pic->GetRect(), done);
  }
}

TEST(Shapes, RecordsRoundTripAndAssignCopies) {
  for (vk::TPicType kind : kKinds) {
    auto pic = shapetest::MakeShape(kind, {-5, 6}, {700, 80000}, true, {0x808000, vk::kBrushCross});
    pic->PicFont.Name = "Arial";
    pic->PicIndex = 3;
    Surface s;
    pic->Draw(s.C());
    vk::ByteWriter w;
    pic->SaveToBuffer(w);
    vk::ByteWriter expected;
    vk::WritePicRecord(expected, pic->ToRecord());
    for (int32_t v : {-5, 6, 700, 80000}) expected.WriteI32(v);  // the tail
    EXPECT_EQ(w.Bytes(), expected.Bytes()) << int(kind);
    EXPECT_EQ(w.Size(), 66u + 5u);
    EXPECT_EQ(w.Bytes()[45 + 5], kind);

    auto back = vk::CreatePicOfKind(kind);
    vk::ByteReader r(w.Bytes());
    ASSERT_TRUE(back->LoadFromBuffer(r));
    EXPECT_TRUE(r.AtEnd());
    vk::ByteWriter again;
    back->SaveToBuffer(again);
    EXPECT_EQ(again.Bytes(), w.Bytes()) << int(kind);

    // One byte short: nothing read, nothing changed.
    auto keep = shapetest::MakeShape(kind, {1, 2}, {3, 4}, false);
    vk::ByteWriter kept;
    keep->SaveToBuffer(kept);
    vk::ByteReader cut(w.Bytes().data(), w.Size() - 1);
    EXPECT_FALSE(keep->LoadFromBuffer(cut));
    EXPECT_EQ(cut.Position(), 0u);
    vk::ByteWriter after;
    keep->SaveToBuffer(after);
    EXPECT_EQ(after.Bytes(), kept.Bytes()) << int(kind);

    auto copy = pic->CreateEmpty();
    int fired = 0;
    copy->DrawEndEvent = [&](vk::TPicBase*) { ++fired; };
    copy->Assign(*pic);
    EXPECT_EQ(typeid(*copy), typeid(*pic));
    vk::ByteWriter copied;
    copy->SaveToBuffer(copied);
    EXPECT_EQ(copied.Bytes(), w.Bytes()) << int(kind);  // own fields too
    EXPECT_TRUE(copy->DrawEndEvent);
  }
}

TEST(Shapes, FactoryMakesTheBuiltKindsOnly) {
  for (vk::TPicType kind : {vk::PIC_LINE, vk::PIC_RECT, vk::PIC_ROUN, vk::PIC_CIRC, vk::PIC_ARCC, vk::PIC_POLY,
                            vk::PIC_CURVE, vk::PIC_TEXT}) {
    auto pic = vk::CreatePicOfKind(kind);
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->PicId, vk::PIC_NONE);  // the kind shows from the first drawing on
  }
  for (int kind : {0, 9, 255})
    EXPECT_EQ(vk::CreatePicOfKind(static_cast<vk::TPicType>(kind)), nullptr) << kind;
}

}  // namespace
