#include "drawing/objects/PicBase.h"

#include <gtest/gtest.h>

#include <vector>

#include "win/Dib.h"

namespace {

using vk::TPicBase;

// A new object saved at once: every default in its place.
const std::vector<uint8_t> kNewObjectRecord{
    0xFF, 0x00, 0x00, 0x00,  // pen colour: red
    0x01, 0x00, 0x00, 0x00,  // pen width 1
    0x00,                    // pen solid
    0x00, 0x00, 0x00, 0x00,  // brush black
    0x01,                    // brush clear
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // rect (0, 0, 0, 0)
    0x04, 0x00, 0x00, 0x00, 0xCB, 0xCE, 0xCC, 0xE5,  // the default face name
    0x01,                    // default charset
    0x0A, 0x00, 0x00, 0x00,  // 10 points
    0x00,                    // no style
    0xFF, 0x00, 0x00, 0x00,  // font red
    0x00,                    // not chosen
    0x00,                    // PIC_NONE
    0xFF, 0xFF, 0xFF, 0xFF,  // index -1
};

TEST(PicBase, NewObjectSavesTheDefaultRecord) {
  TPicBase pic;
  vk::ByteWriter w;
  pic.SaveToBuffer(w);
  EXPECT_EQ(w.Bytes(), kNewObjectRecord);
  EXPECT_EQ(pic.FocusPen, (vk::PenAttrs{0xFFFFFF, 1, vk::kPenSolid, vk::PenMode::Copy}));
  EXPECT_EQ(pic.FocusBrush, (vk::BrushAttrs{0xFF00FF, vk::kBrushSolid}));
  EXPECT_FALSE(pic.DrawEndEvent);
}

TEST(PicBase, EmptyFontNameIsStoredAsFiftyBytesAndLoadsEmpty) {
  TPicBase pic;
  pic.PicFont.Name.clear();
  vk::ByteWriter w;
  pic.SaveToBuffer(w);
  ASSERT_EQ(w.Size(), 50u);
  TPicBase back;
  vk::ByteReader r(w.Bytes());
  ASSERT_TRUE(back.LoadFromBuffer(r));
  EXPECT_EQ(back.PicFont.Name, "");
  EXPECT_TRUE(r.AtEnd());
}

TEST(PicBase, LoadKeepsWhatTheRecordDoesNotHold) {
  TPicBase src;
  src.PicPen = {0x123456, 7, vk::kPenDash, vk::PenMode::Copy};
  src.PicBrush = {0x00FF00, vk::kBrushCross};
  src.PicFont = {"Arial", 134, 24, vk::kFontBold | vk::kFontItalic, 0x0000FF};
  src.Choosed = true;
  src.PicId = vk::PIC_TEXT;
  src.PicIndex = 12;
  vk::ByteWriter w;
  src.SaveToBuffer(w);

  TPicBase dst;
  dst.PicPen.Mode = vk::PenMode::NotXor;
  dst.FocusPen.Color = 1;
  int fired = 0;
  dst.DrawEndEvent = [&](TPicBase*) { ++fired; };
  vk::ByteReader r(w.Bytes());
  ASSERT_TRUE(dst.LoadFromBuffer(r));
  EXPECT_EQ(dst.PicPen.Color, 0x123456u);
  EXPECT_EQ(dst.PicPen.Width, 7);
  EXPECT_EQ(dst.PicPen.Mode, vk::PenMode::NotXor);
  EXPECT_EQ(dst.PicBrush, src.PicBrush);
  EXPECT_EQ(dst.PicFont, src.PicFont);
  EXPECT_TRUE(dst.Choosed);
  EXPECT_EQ(dst.PicId, vk::PIC_TEXT);
  EXPECT_EQ(dst.PicIndex, 12);
  EXPECT_EQ(dst.FocusPen.Color, 1u);
  ASSERT_TRUE(dst.DrawEndEvent);
  dst.DrawEndEvent(&dst);
  EXPECT_EQ(fired, 1);
}

TEST(PicBase, FailedLoadLeavesTheObjectAsItWas) {
  const std::vector<uint8_t> cut(kNewObjectRecord.begin(), kNewObjectRecord.end() - 1);
  TPicBase pic;
  pic.PicIndex = 5;
  pic.PicFont.Name = "keep";
  vk::ByteReader r(cut);
  EXPECT_FALSE(pic.LoadFromBuffer(r));
  EXPECT_EQ(pic.PicIndex, 5);
  EXPECT_EQ(pic.PicFont.Name, "keep");
}

TEST(PicBase, AssignCopiesEverythingButTheEndEvent) {
  TPicBase src;
  src.PicPen = {0x010203, 3, vk::kPenDot, vk::PenMode::Xor};
  src.PicBrush = {0x040506, vk::kBrushSolid};
  src.PicFont = {"Courier New", 0, 8, vk::kFontUnderline, 0x070809};
  src.Choosed = true;
  src.PicId = vk::PIC_LINE;
  src.PicIndex = 3;
  src.FocusPen.Color = 0x111111;
  src.FocusBrush.Color = 0x222222;
  src.DrawEndEvent = [](TPicBase*) { FAIL() << "the source's event must not be copied"; };
  vk::PicRecord rec = src.ToRecord();
  rec.rect = {1, 2, 3, 4};
  src.FromRecord(rec);

  TPicBase dst;
  TPicBase* seen = nullptr;
  dst.DrawEndEvent = [&](TPicBase* p) { seen = p; };
  dst.Assign(src);
  EXPECT_EQ(dst.PicPen, src.PicPen);
  EXPECT_EQ(dst.PicBrush, src.PicBrush);
  EXPECT_EQ(dst.PicFont, src.PicFont);
  EXPECT_EQ(dst.GetRect(), (vk::TRect{1, 2, 3, 4}));
  EXPECT_TRUE(dst.Choosed);
  EXPECT_EQ(dst.PicId, vk::PIC_LINE);
  EXPECT_EQ(dst.PicIndex, 3);
  EXPECT_EQ(dst.FocusPen, src.FocusPen);
  EXPECT_EQ(dst.FocusBrush, src.FocusBrush);
  ASSERT_TRUE(dst.DrawEndEvent);
  dst.DrawEndEvent(&dst);
  EXPECT_EQ(seen, &dst);
}

TEST(PicBase, BaseHitsItsBodyEverywhereAndItsRegionIsTheRect) {
  vk::win::Dib dib(50, 50);
  vk::win::Canvas canvas(dib.Dc());
  TPicBase pic;
  vk::PicRecord rec = pic.ToRecord();
  rec.rect = {10, 10, 20, 20};
  pic.FromRecord(rec);
  for (vk::TPoint p : {vk::TPoint{0, 0}, vk::TPoint{15, 15}, vk::TPoint{-100, 900}})
    EXPECT_EQ(pic.HitTest(canvas, p), vk::kHitBody);
  const vk::win::Region rgn = pic.CreateRegion(canvas);
  ASSERT_TRUE(rgn);
  EXPECT_TRUE(::PtInRegion(rgn.Get(), 10, 10));
  EXPECT_TRUE(::PtInRegion(rgn.Get(), 19, 19));
  EXPECT_FALSE(::PtInRegion(rgn.Get(), 20, 15));
  EXPECT_FALSE(::PtInRegion(rgn.Get(), 15, 20));
}

TEST(PicBase, CreateEmptyMakesAFreshObject) {
  TPicBase pic;
  pic.PicIndex = 9;
  auto fresh = pic.CreateEmpty();
  ASSERT_TRUE(fresh);
  EXPECT_EQ(fresh->PicIndex, -1);
  EXPECT_NE(fresh.get(), &pic);
}

}  // namespace
