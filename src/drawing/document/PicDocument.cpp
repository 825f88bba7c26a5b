#include "drawing/document/PicDocument.h"

#include <algorithm>

#include "drawing/objects/PicFactory.h"

namespace vk {

PicDocument::PicDocument(size_t historyBudget)
    : budget_(historyBudget), neutralPic_(std::make_unique<TPicBase>()), history_(DrawingHistory::kNoCap) {
  CurPic = neutralPic_.get();
  ClipPic = neutralPic_.get();
}

void PicDocument::AppendPic(std::unique_ptr<TPicBase> pic) {
  pic->PicIndex = static_cast<int32_t>(PicList.size());
  PicList.push_back(std::move(pic));
}

void PicDocument::ForgetObject(const TPicBase* pic) {
  // The clipboard may refer to the object; it keeps a private copy so Paste still works.
  if (ClipPic == pic) {
    std::unique_ptr<TPicBase> copy = pic->CreateEmpty();
    copy->Assign(*pic);
    copy->PicIndex = -1;
    copy->Choosed = false;
    clipCopy_ = std::move(copy);
    ClipPic = clipCopy_.get();
  }
  if (CurPic == pic) CurPic = nullptr;
}

void PicDocument::RemovePicAt(size_t index) {
  ForgetObject(PicList[index].get());
  PicList.erase(PicList.begin() + static_cast<std::ptrdiff_t>(index));
}

void PicDocument::FreeAllPics() {
  while (!PicList.empty()) RemovePicAt(PicList.size() - 1);
}

void PicDocument::RenumberPics() {
  for (size_t i = 0; i < PicList.size(); ++i) PicList[i]->PicIndex = static_cast<int32_t>(i);
}

void PicDocument::DeselectAll() {
  for (auto& p : PicList) p->Choosed = false;
}

DrawingState PicDocument::Snapshot() const { return SnapshotOf(PicList); }

DrawingState PicDocument::SnapshotOf(const List& pics) {
  DrawingState s;
  s.reserve(pics.size());
  // Numbered alike, so that an object moved along by an insertion or removal is unchanged.
  for (const auto& p : pics) s.push_back(StoredEntry(*p, 0));
  return s;
}

bool PicDocument::Commit(uint32_t group, uint64_t nowMs) {
  DrawingState now = Snapshot();
  if (!history_.Record(base_, now, group, nowMs)) return false;
  base_ = std::move(now);
  KeepWithinBudget();
  return true;
}

size_t PicDocument::HistoryBytes() const {
  size_t n = history_.Bytes();
  for (const auto& entry : pages_) n += entry.second.History.Bytes() + entry.second.StateBytes;
  return n;
}

void PicDocument::KeepWithinBudget() {
  size_t total = HistoryBytes();
  while (total > budget_ && !pages_.empty()) {
    const auto oldest = std::min_element(pages_.begin(), pages_.end(), [](const auto& a, const auto& b) {
      return a.second.LeftAt < b.second.LeftAt;
    });
    PageHistory& left = oldest->second;
    while (total > budget_ && left.History.Steps() > 0) {
      const size_t had = left.History.Bytes();
      left.History.DropOldest();
      total -= had - left.History.Bytes();
    }
    // The page's drawing is in its files; without steps its copy serves nothing.
    if (left.History.Steps() == 0) {
      total -= left.StateBytes;
      pages_.erase(oldest);
    }
  }
  // The newest step stays whatever its size, or a large Clear could never be taken back.
  while (total > budget_ && history_.Steps() > 1) {
    const size_t had = history_.Bytes();
    history_.DropOldest();
    total -= had - history_.Bytes();
  }
}

void PicDocument::Rebase() { base_ = Snapshot(); }

void PicDocument::Revert() {
  const DrawingChange c = DiffStates(base_, Snapshot());
  if (c.Before.empty() && c.After.empty()) return;
  List made;
  for (size_t i = 0; i < c.Before.size(); ++i) {
    std::unique_ptr<TPicBase> pic = PicFromEntry(c.Before[i], static_cast<int32_t>(c.First + i));
    if (!pic) break;
    made.push_back(std::move(pic));
  }
  if (made.size() != c.Before.size()) {
    // What was committed cannot be made again: the history no longer describes the list.
    history_.Clear();
    base_ = Snapshot();
    return;
  }
  for (size_t i = c.After.size(); i-- > 0;) RemovePicAt(c.First + i);
  PicList.insert(PicList.begin() + static_cast<std::ptrdiff_t>(c.First), std::make_move_iterator(made.begin()),
                 std::make_move_iterator(made.end()));
  RenumberPics();
}

bool PicDocument::Step(bool undo) {
  Commit();  // a change not recorded yet is the one to take back
  const DrawingChange* c = undo ? history_.Undo() : history_.Redo();
  if (!c) return false;
  const auto& in = undo ? c->Before : c->After;
  const size_t out = (undo ? c->After : c->Before).size();
  // Everything that can fail comes first: a step that does not fit leaves the drawing as
  // it is, and the history, which no longer describes it, goes.
  List made;
  for (size_t i = 0; i < in.size(); ++i) {
    std::unique_ptr<TPicBase> pic = PicFromEntry(in[i], static_cast<int32_t>(c->First + i));
    if (!pic) break;
    made.push_back(std::move(pic));
  }
  if (made.size() != in.size() || c->First + out > PicList.size() || !ApplyChange(base_, *c, undo)) {
    history_.Clear();
    base_ = Snapshot();
    return false;
  }
  const size_t first = c->First;
  for (size_t i = out; i-- > 0;) RemovePicAt(first + i);
  PicList.insert(PicList.begin() + static_cast<std::ptrdiff_t>(first), std::make_move_iterator(made.begin()),
                 std::make_move_iterator(made.end()));
  RenumberPics();
  DeselectAll();
  CurPic = in.empty() ? nullptr : PicList[first].get();
  if (CurPic) CurPic->Choosed = true;
  return true;
}

void PicDocument::EnterPage(int32_t page) { Enter(page, Snapshot()); }

void PicDocument::SwitchPage(int32_t page, List pics) {
  // The clipboard's object may be one of the objects that go: its copy is made first.
  std::unique_ptr<TPicBase> clip;
  for (const auto& p : PicList)
    if (p.get() == ClipPic) {
      clip = p->CreateEmpty();
      clip->Assign(*p);
      clip->PicIndex = -1;
      clip->Choosed = false;
    }
  DrawingState entered = SnapshotOf(pics);
  // Enter allocates before it changes anything; what follows it cannot fail.
  Enter(page, std::move(entered));
  if (clip) {
    clipCopy_ = std::move(clip);
    ClipPic = clipCopy_.get();
  }
  CurPic = nullptr;
  PicList.swap(pics);  // the page left's objects go with pics
}

void PicDocument::Enter(int32_t page, DrawingState entered) {
  // Allocations first (a deque allocates even when empty), then only moves and swaps.
  DrawingHistory fresh(DrawingHistory::kNoCap);
  if (page_ > 0 && history_.Steps() > 0) {
    PageHistory& left = pages_.try_emplace(page_).first->second;
    left.StateBytes = StateBytes(base_);
    left.LeftAt = ++pagesLeft_;
    left.History = std::move(history_);
    left.State = std::move(base_);
  }
  history_ = std::move(fresh);
  page_ = page;
  base_ = std::move(entered);
  if (auto it = pages_.find(page); it != pages_.end()) {
    // Steps recorded against another drawing (the file changed meanwhile) cannot be replayed.
    if (it->second.State == base_) history_ = std::move(it->second.History);
    pages_.erase(it);
  }
  KeepWithinBudget();
}

}  // namespace vk
