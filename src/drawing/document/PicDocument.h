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

  // The pages visited share one history budget: past it, the other pages lose their
  // oldest steps first, then this page does.
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
  // Take back / make again the last step. The object the step touched becomes current
  // and selected (none when the step leaves no object there). False when there is none.
  bool Undo() { return Step(true); }
  bool Redo() { return Step(false); }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // What the histories of all pages visited hold.
  size_t HistoryBytes() const;
  // Called once a page's drawing is in the list: the page left keeps its history, and
  // the page entered takes back its own when its drawing is as this editor left it.
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
  struct PageHistory {
    DrawingHistory History;
    DrawingState State;
  };
  std::map<int32_t, PageHistory> pages_;
  int32_t page_ = 0;  // 0 until a page is entered
};

}  // namespace vk
