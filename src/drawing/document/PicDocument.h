#pragma once
// PicDocument: the drawing of the page being edited, without a window. It owns the
// object list and keeps it numbered by position, holds the current object and the
// clipboard's object (with the clipboard's own copy once that object leaves the list),
// and the undo history of each page visited while the editor is open.
#include <cstdint>
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

  bool IsListed(const TPicBase* pic) const { return pic && pic->PicIndex >= 0; }
  // Puts an object on top, numbered by its position.
  void AppendPic(std::unique_ptr<TPicBase> pic);
  // Takes an object out of the list; the current and clipboard objects never dangle.
  void RemovePicAt(size_t index);
  void FreeAllPics();
  void RenumberPics();
  void DeselectAll();

  // --- history ---
  // Records whatever changed in the list since the last commit as one step. Changes of
  // one group (arrow keys, the width box) to the same object that follow each other
  // within a second merge. False when nothing changed.
  bool Commit(uint32_t group = DrawingHistory::kNoGroup, uint64_t nowMs = 0);
  // The list as it is becomes the base of the history without a step of its own.
  void Rebase();
  // Puts the list back as the last commit left it (a command that failed half-way).
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
  void ForgetObject(const TPicBase* pic);
  void KeepWithinBudget();
  bool Step(bool undo);

  size_t budget_;
  std::unique_ptr<TPicBase> neutralPic_;
  std::unique_ptr<TPicBase> clipCopy_;  // the clipboard's own copy of a removed object
  DrawingHistory history_;
  DrawingState base_;  // the list as of the last commit
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
