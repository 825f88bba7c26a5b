#pragma once
// PicDocument: the drawing of the page being edited, without a window. It owns the
// object list and keeps it numbered by position, holds the current object and the
// clipboard's object (with the clipboard's own copy once that object leaves the list),
// and the undo history of each page visited while the editor is open.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/DrawingHistory.h"
#include "drawing/objects/PicBase.h"

namespace vk {

class PicDocument {
 public:
  using List = std::vector<std::unique_ptr<TPicBase>>;

  // One budget covers every page's steps, those to redo included, and the copy of its
  // drawing that each page left keeps. Past it, the pages left longest ago give way
  // first, then this page does, down to its newest step.
  static constexpr size_t kHistoryBudget = DrawingHistory::kDefaultCapBytes;

  // CurPic and ClipPic start at a neutral object of no kind.
  explicit PicDocument(size_t historyBudget = kHistoryBudget);
  PicDocument(const PicDocument&) = delete;
  PicDocument& operator=(const PicDocument&) = delete;

  List PicList;
  TPicBase* CurPic = nullptr;
  TPicBase* ClipPic = nullptr;
  // The clipboard's own copies of several objects, in drawing order; it holds them while
  // ClipPic is the first of them. Each Paste steps them on, as ClipPic steps for one.
  List ClipGroup;
  bool ClipHoldsGroup() const { return !ClipGroup.empty() && ClipPic == ClipGroup.front().get(); }

  bool IsListed(const TPicBase* pic) const { return pic && pic->PicIndex >= 0; }
  // pic is the listed object at its index (not a freed one whose address came back elsewhere).
  bool Holds(const TPicBase* pic) const {
    return IsListed(pic) && static_cast<size_t>(pic->PicIndex) < PicList.size() &&
           PicList[static_cast<size_t>(pic->PicIndex)].get() == pic;
  }
  // The list changes through these, which number the objects by position and note what
  // changed for the history and the redraw. Pushing into PicList directly still works,
  // at the cost of a commit and a redraw of the whole drawing.
  // Puts an object on top.
  void AppendPic(std::unique_ptr<TPicBase> pic);
  // Puts objects on top, in their order (an Open).
  void AppendPics(List pics);
  void InsertPic(size_t index, std::unique_ptr<TPicBase> pic);
  // Takes an object out of the list; the current and clipboard objects never dangle.
  void RemovePicAt(size_t index);
  // Takes every object for which remove holds out of the list, in one pass.
  void RemovePicsIf(const std::function<bool(const TPicBase&)>& remove);
  // Puts the list in another order: order[i] is the index now of the object that goes to i.
  void Reorder(const std::vector<size_t>& order);
  void FreeAllPics();
  void RenumberPics();
  // A listed object's record or selection may have changed; null or unlisted is ignored.
  void Touch(const TPicBase* pic);
  // The selection is no part of a record: these note only the redraw.
  void Select(TPicBase* pic);
  void Deselect(TPicBase* pic);
  void DeselectAll();
  // The listed objects selected, in drawing order.
  std::vector<TPicBase*> Selected() const;

  // What changed since the last call, for the redraw. Gone holds objects that left the
  // list (for lookup only: they are freed, and an address may come back as a new object,
  // so Gone is handled before Changed); Changed, objects added or touched, still listed.
  // All when the whole list may have been replaced.
  struct RedrawChanges {
    bool All = false;
    std::vector<const TPicBase*> Gone;
    std::vector<const TPicBase*> Changed;
  };
  RedrawChanges TakeRedrawChanges();

  // --- history ---
  // Records whatever changed in the list since the last commit as one step. Changes of
  // one group (arrow keys, the width box) to the same object that follow each other
  // within a second merge. False when nothing changed.
  bool Commit(uint32_t group = DrawingHistory::kNoGroup, uint64_t nowMs = 0);
  // The list as it is becomes the base of the history without a step of its own.
  void Rebase();
  // Puts the drawing back as of the last commit (a command failed half-way). The current
  // object goes if it was among what changed. Out of memory, the list stays as it is and
  // the history, which no longer describes it, goes.
  void Revert();
  // Take back / make again the last step. The object the step touched becomes current
  // and selected (none when the step leaves no object there). False when there is none.
  bool Undo() { return Step(true); }
  bool Redo() { return Step(false); }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // What the histories of all pages visited hold, the copies of the pages left included.
  size_t HistoryBytes() const;
  // Called once a page's drawing is in the list: the page left keeps its history, and
  // the page entered takes back its own when its drawing is as this editor left it. The
  // page left must be in its files by then: its copy may go with its steps.
  void EnterPage(int32_t page);
  // Replaces the list with another page's drawing and enters that page, all or nothing:
  // what can fail (copies, allocations) runs before anything changes.
  void SwitchPage(int32_t page, List pics);
  const DrawingHistory& History() const { return history_; }
  // The list as stored: records deselected, numbering left out.
  DrawingState Snapshot() const;

 private:
  static DrawingState SnapshotOf(const List& pics);
  // Enters page with its drawing as entered; the leaving page's history is kept first.
  void Enter(int32_t page, DrawingState entered);
  // The clipboard's own copy of its object, when that is among count objects from first.
  std::unique_ptr<TPicBase> ClipCopyIn(size_t first, size_t count) const;
  // Replaces count objects from first by made, renumbered; allocates before it changes anything.
  void Splice(size_t first, size_t count, List made);
  // Objects [first, size - after) of the list differ from the base now.
  void NoteCommitRun(size_t first, size_t after);
  void NoteRedraw(const TPicBase* pic, bool gone);
  void NoteAllRedrawn();
  // The list matches the base as it is.
  void MarkCommitted();
  bool CommitWhole(uint32_t group, uint64_t nowMs);
  void KeepWithinBudget();
  bool Step(bool undo);

  size_t budget_;
  std::unique_ptr<TPicBase> neutralPic_;
  std::unique_ptr<TPicBase> clipCopy_;  // the clipboard's own copy of a removed object
  DrawingHistory history_;
  DrawingState base_;  // the list as of the last commit
  // Of the list now, the first keptHead_ and last keptTail_ objects are as in base_
  // (either may exceed the size); the list holds commitSize_ objects unless someone pushed
  // into it directly. redrawSize_ is the same for the redraw's notes.
  size_t keptHead_ = 0, keptTail_ = 0, commitSize_ = 0;
  // Since the last TakeRedrawChanges: objects touched, added or gone, in order.
  struct RedrawEvent {
    const TPicBase* Pic;
    bool Gone;
  };
  std::vector<RedrawEvent> redrawEvents_;
  bool redrawAll_ = true;
  size_t redrawSize_ = 0;
  // A page left: its steps, and its drawing as they leave it, to check on return that
  // they still apply. The copy serves only the steps and goes with the last of them.
  struct PageHistory {
    DrawingHistory History;
    DrawingState State;
    size_t StateBytes = 0;
    uint64_t LeftAt = 0;  // the pages left longest ago give way first
  };
  std::map<int32_t, PageHistory> pages_;
  uint64_t pagesLeft_ = 0;
  int32_t page_ = 0;  // 0 until a page is entered
};

}  // namespace vk
