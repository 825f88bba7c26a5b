// The session's commands on several objects at once: selecting them by keyboard, what
// the selection's commands act on, and the drawing order.
#include <algorithm>

#include "drawing/objects/FigureKinds.h"
#include "drawing/session/CommandScope.h"
#include "drawing/session/EditSession.h"
#include "drawing/session/SelectionTool.h"

namespace vk {

std::vector<TPicBase*> EditSession::Targets() const {
  // While a tool's template is current, the figure just drawn shows its handles but no
  // selection is made yet.
  if (drawing_.Holds(CurPic) && CurPic->Choosed) {
    std::vector<TPicBase*> selected = drawing_.Selected();
    if (selected.size() > 1) return selected;
  }
  if (CurPic) return {CurPic};
  return {};
}

void EditSession::TouchAll(const std::vector<TPicBase*>& pics) {
  for (TPicBase* pic : pics) drawing_.Touch(pic);
}

void EditSession::LeaveDrawingMode() {
  if (tool_ == select_.get()) return;
  FinishFigure(PointerEvent{});
}

void EditSession::SelectAll() {
  CommandScope scope(*this);
  if (!scope) return;
  LeaveDrawingMode();
  // Records of kinds this editor cannot make are kept as they are: never selected, so a
  // Delete cannot take them.
  TPicBase* last = nullptr;
  for (auto& p : PicList)
    if (FigureOf(*p)) {
      if (!p->Choosed) drawing_.Select(p.get());
      last = p.get();
    }
  if (last && !(drawing_.Holds(CurPic) && CurPic->Choosed)) CurPic = last;
  RedrawAll(false, true);
  host_.EnablingChanged();
}

void EditSession::SelectNext(bool back) {
  CommandScope scope(*this);
  if (!scope) return;
  LeaveDrawingMode();
  const auto n = static_cast<int64_t>(PicList.size());
  int64_t at = drawing_.Holds(CurPic) ? CurPic->PicIndex : (back ? n : -1);
  for (int64_t k = 0; k < n; ++k) {
    at = (at + (back ? n - 1 : 1)) % n;
    TPicBase* pic = PicList[static_cast<size_t>(at)].get();
    if (!FigureOf(*pic)) continue;
    drawing_.DeselectAll();
    drawing_.Select(pic);
    CurPic = pic;
    RedrawAll(false, true);
    break;
  }
  host_.EnablingChanged();
}

void EditSession::ChangeOrder(Order how) {
  CommandScope scope(*this);
  if (!scope) return;
  const size_t n = PicList.size();
  std::vector<char> moves(n, 0);
  bool any = false;
  for (TPicBase* pic : Targets())
    if (drawing_.Holds(pic)) {
      moves[static_cast<size_t>(pic->PicIndex)] = 1;
      any = true;
    }
  if (!any) return;
  std::vector<size_t> order;
  order.reserve(n);
  switch (how) {
    case Order::ToFront:
    case Order::ToBack:
      // The others first for the front, the selected first for the back.
      for (const bool pass : {false, true})
        for (size_t i = 0; i < n; ++i)
          if ((moves[i] != 0) == (pass == (how == Order::ToFront))) order.push_back(i);
      break;
    case Order::Forward:
      // From the top down, each selected object passes the unselected one above it.
      for (size_t i = 0; i < n; ++i) order.push_back(i);
      for (size_t i = n - 1; i-- > 0;)
        if (moves[order[i]] && !moves[order[i + 1]]) std::swap(order[i], order[i + 1]);
      break;
    case Order::Backward:
      for (size_t i = 0; i < n; ++i) order.push_back(i);
      for (size_t i = 1; i < n; ++i)
        if (moves[order[i]] && !moves[order[i - 1]]) std::swap(order[i], order[i - 1]);
      break;
  }
  drawing_.Reorder(order);
  RedrawAll(false, true);
}

}  // namespace vk
