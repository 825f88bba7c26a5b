// The drawing without a window: every kind of change taken back and made again to the
// byte, the current and clipboard objects across undo, and each page's own history.
#include "drawing/document/PicDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "Scene.h"
#include "drawing/objects/OpaquePic.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/TextPic.h"
#include "win/Dib.h"

namespace vk {
namespace {

// The list as records with its own numbering, after checking that numbering is the order.
DrawingState Recorded(PicDocument& d) {
  DrawingState s;
  for (size_t i = 0; i < d.PicList.size(); ++i) {
    EXPECT_EQ(d.PicList[i]->PicIndex, static_cast<int32_t>(i));
    s.push_back(StoredEntry(*d.PicList[i], d.PicList[i]->PicIndex));
  }
  return s;
}

// Every kind, a text with effects and an object of a kind this editor cannot make.
void Fill(PicDocument& d) {
  for (auto& p : vkt::MakeScene(14, 700, 500)) d.AppendPic(std::move(p));
  for (auto& p : vkt::MakeTexts(1, 700, 500)) d.AppendPic(std::move(p));
  auto opaque = PicFromEntry({42, {1, 2, 3}}, 0);
  ASSERT_TRUE(opaque);
  d.AppendPic(std::move(opaque));
  d.Rebase();
}

// Whether p is an object the document owns: listed, or the clipboard's own copy.
bool Owned(const PicDocument& d, const TPicBase* p) {
  if (!p) return true;
  for (const auto& q : d.PicList)
    if (q.get() == p) return p->PicIndex >= 0;
  return p->PicIndex == -1;
}

TEST(PicDocument, EveryKindOfChangeIsUndoneAndRedoneToTheByte) {
  win::Dib dib(700, 500);
  win::Canvas canvas(dib);
  const std::pair<const char*, std::function<void(PicDocument&)>> changes[] = {
      {"new figure", [](PicDocument& d) { d.AppendPic(std::move(vkt::MakeScene(3, 200, 200)[2])); }},
      {"move", [&](PicDocument& d) {
         d.PicList[4]->MoveBy(canvas, {5, -3});
         d.Touch(d.PicList[4].get());
       }},
      {"resize", [&](PicDocument& d) {
         d.PicList[6]->DragEnd(canvas, 8, d.PicList[6]->GetRect(), 0, 0, 9, 4);
         d.Touch(d.PicList[6].get());
       }},
      {"style", [](PicDocument& d) {
         d.PicList[2]->PicBrush.SetColor(0x00FF00);
         d.Touch(d.PicList[2].get());
       }},
      {"text", [](PicDocument& d) {
         dynamic_cast<TTextPic&>(*d.PicList[14]).View3D = 0;
         d.Touch(d.PicList[14].get());
       }},
      {"delete", [](PicDocument& d) {
         d.RemovePicAt(7);
         d.RenumberPics();
       }},
      {"clear", [](PicDocument& d) { d.FreeAllPics(); }},
      {"open", [](PicDocument& d) {
         d.FreeAllPics();
         d.AppendPics(vkt::MakeScene(5, 300, 300));
       }},
      {"insert and remove", [](PicDocument& d) {
         d.InsertPic(3, std::move(vkt::MakeScene(3, 200, 200)[1]));
         d.RemovePicAt(9);
       }},
      {"pushed into the list", [](PicDocument& d) {
         d.PicList[2]->PicBrush.SetColor(0x00FF00);  // unreported: the push makes Commit look at everything
         d.PicList.push_back(std::move(vkt::MakeScene(3, 200, 200)[1]));
         d.PicList.back()->PicIndex = static_cast<int32_t>(d.PicList.size() - 1);
       }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    PicDocument d;
    Fill(d);
    const DrawingState before = Recorded(d);
    change(d);
    ASSERT_TRUE(d.Commit());
    const DrawingState after = Recorded(d);
    ASSERT_TRUE(d.Undo());
    EXPECT_EQ(Recorded(d), before);
    // The touched object is current and the only one selected (none for a figure taken back).
    EXPECT_EQ(d.IsListed(d.CurPic), std::string(name) != "new figure");
    for (const auto& p : d.PicList) EXPECT_EQ(p->Choosed, p.get() == d.CurPic);
    EXPECT_FALSE(d.Undo());
    ASSERT_TRUE(d.Redo());
    EXPECT_EQ(Recorded(d), after);
    EXPECT_FALSE(d.Commit());  // undo and redo are no changes of their own
  }
}

TEST(PicDocument, ATouchedObjectThatDidNotChangeMakesNoStep) {
  PicDocument d;
  Fill(d);
  d.Select(d.PicList[5].get());
  d.Touch(d.PicList[9].get());
  EXPECT_FALSE(d.Commit());
}

// A command that fails half-way is taken back to the last commit, and leaves no step.
TEST(PicDocument, RevertRestoresTheCommittedRecords) {
  win::Dib dib(700, 500);
  win::Canvas canvas(dib);
  for (bool pushed : {false, true}) {
    SCOPED_TRACE(pushed ? "pushed into the list" : "reported");
    PicDocument d;
    Fill(d);
    const DrawingState original = Recorded(d);
    d.RemovePicAt(0);
    d.Commit();
    const DrawingState committed = Recorded(d);
    d.ClipPic = d.PicList[4].get();
    d.PicList[4]->MoveBy(canvas, {7, 7});
    d.Touch(d.PicList[4].get());
    d.RemovePicAt(8);
    d.AppendPic(std::move(vkt::MakeScene(2, 200, 200)[1]));
    if (pushed) {
      d.PicList[1]->PicBrush.SetColor(0x00FF00);  // unreported: the push makes Revert put back everything
      d.PicList.push_back(std::move(vkt::MakeScene(2, 200, 200)[0]));
    }
    d.CurPic = d.PicList.back().get();
    d.Revert();
    EXPECT_EQ(Recorded(d), committed);
    EXPECT_EQ(d.CurPic, nullptr);
    EXPECT_TRUE(Owned(d, d.ClipPic));
    EXPECT_FALSE(d.Commit());
    ASSERT_TRUE(d.Undo());
    EXPECT_EQ(Recorded(d), original);
  }
}

TEST(PicDocument, RedrawChangesNameWhatWentAndWhatIsListed) {
  PicDocument d;
  Fill(d);
  EXPECT_TRUE(d.TakeRedrawChanges().All);
  const TPicBase* touched = d.PicList[2].get();
  const TPicBase* gone = d.PicList[6].get();
  d.Touch(gone);  // then removed: it must not be reported as listed
  d.AppendPic(std::move(vkt::MakeScene(1, 200, 200)[0]));  // before the removal, so at another address
  d.RemovePicAt(6);
  d.Touch(touched);
  const PicDocument::RedrawChanges r = d.TakeRedrawChanges();
  EXPECT_FALSE(r.All);
  EXPECT_EQ(r.Gone, std::vector<const TPicBase*>{gone});
  EXPECT_EQ(std::set<const TPicBase*>(r.Changed.begin(), r.Changed.end()),
            (std::set<const TPicBase*>{touched, d.PicList.back().get()}));
  EXPECT_TRUE(d.TakeRedrawChanges().Changed.empty());
  d.SwitchPage(2, {});
  EXPECT_TRUE(d.TakeRedrawChanges().All);
}

TEST(PicDocument, UndoNeverLeavesTheCurrentOrClipboardObjectDangling) {
  PicDocument d;
  Fill(d);
  const DrawingEntry copied = StoredEntry(*d.PicList[3], -1);
  d.ClipPic = d.CurPic = d.PicList[3].get();
  d.RemovePicAt(3);  // Delete of the object on the clipboard
  d.RenumberPics();
  d.Commit();
  EXPECT_TRUE(Owned(d, d.ClipPic));
  ASSERT_TRUE(d.Undo());
  // Restored as a new object: the clipboard keeps its own copy, unchanged.
  EXPECT_NE(d.ClipPic, d.CurPic);
  EXPECT_EQ(d.CurPic->PicIndex, 3);
  EXPECT_EQ(StoredEntry(*d.ClipPic, -1), copied);
  // A paste made the clipboard object the listed copy; undoing the paste and a Clear, and
  // redoing them, leaves both pointers on owned objects.
  auto paste = d.ClipPic->CreateEmpty();
  paste->Assign(*d.ClipPic);
  d.AppendPic(std::move(paste));
  d.CurPic = d.ClipPic = d.PicList.back().get();
  d.Commit();
  d.FreeAllPics();
  d.Commit();
  for (auto step : {&PicDocument::Undo, &PicDocument::Undo, &PicDocument::Redo, &PicDocument::Redo}) {
    ASSERT_TRUE((d.*step)());
    EXPECT_TRUE(Owned(d, d.CurPic));
    EXPECT_TRUE(Owned(d, d.ClipPic));
    EXPECT_EQ(d.ClipPic->PicId, copied.Kind);
  }
  EXPECT_TRUE(d.PicList.empty());
  EXPECT_EQ(d.CurPic, nullptr);
}

TEST(PicDocument, EachPageKeepsItsHistoryWhileItsDrawingIsAsLeft) {
  PicDocument d;
  d.EnterPage(1);
  Fill(d);
  d.RemovePicAt(0);
  d.RenumberPics();
  d.Commit();
  const DrawingState page1 = d.Snapshot();
  // Page 2 starts empty and without history.
  d.FreeAllPics();
  d.EnterPage(2);
  EXPECT_FALSE(d.CanUndo());
  d.AppendPic(std::move(vkt::MakeScene(1, 100, 100)[0]));
  d.Commit();
  // Back on page 1 with the drawing as saved: its steps are back, page 2 keeps its own.
  d.FreeAllPics();
  for (const DrawingEntry& e : page1) d.AppendPic(PicFromEntry(e, 0));
  d.EnterPage(1);
  ASSERT_TRUE(d.CanUndo());
  // Another drawing in page 2's file: its steps no longer apply.
  d.FreeAllPics();
  d.EnterPage(2);
  EXPECT_FALSE(d.CanUndo());
}

TEST(PicDocument, ThePagesShareOneHistoryBudgetAndThePageInHandKeepsItsSteps) {
  PicDocument d(64 * 1024);
  auto changes = [&](int n) {
    for (int i = 0; i < n; ++i) {
      auto poly = std::make_unique<TPolyPic>();  // a record of about 2.4 KB
      poly->PolyPoint.assign(300, TPoint{i, i});
      d.AppendPic(std::move(poly));
      d.Commit();
    }
  };
  d.EnterPage(1);
  changes(20);
  d.FreeAllPics();
  d.EnterPage(2);
  changes(20);
  EXPECT_LE(d.HistoryBytes(), 64u * 1024);
  // Page 2's steps came first: it can still go back to its start.
  int undone = 0;
  while (d.Undo()) ++undone;
  EXPECT_EQ(undone, 20);
}

TEST(PicDocument, StepsToRedoAndTheCopiesOfThePagesLeftCountInTheBudget) {
  for (bool undone : {true, false}) {
    SCOPED_TRACE(undone ? "an Open undone on each page" : "an Open left on each page");
    PicDocument d(64 * 1024);
    DrawingState opened[13], left[13];  // by page
    for (int32_t page = 1; page <= 12; ++page) {
      const size_t held = d.HistoryBytes(), copy = StateBytes(d.Snapshot());
      d.FreeAllPics();  // the page arrives without a drawing, and gets one of about 15 KB
      d.EnterPage(page);
      EXPECT_TRUE(page != 2 || d.HistoryBytes() == held + copy);
      for (int i = 0; i < 6; ++i) {
        d.AppendPic(std::make_unique<TPolyPic>());
        dynamic_cast<TPolyPic&>(*d.PicList.back()).PolyPoint.assign(300, TPoint{page, i});
      }
      d.Commit();
      opened[page] = d.Snapshot();
      if (undone) d.Undo();
      left[page] = d.Snapshot();
      EXPECT_LE(d.HistoryBytes(), 64u * 1024);
    }
    // The page left last keeps its steps, and they still lead to and from its drawing.
    d.FreeAllPics();
    for (const DrawingEntry& e : left[11]) d.AppendPic(PicFromEntry(e, 0));
    d.EnterPage(11);
    ASSERT_TRUE(undone ? d.Redo() : d.Undo());
    EXPECT_EQ(d.Snapshot(), undone ? opened[11] : DrawingState{});
  }
}

}  // namespace
}  // namespace vk
