#include "drawing/editor/ScrollView.h"

#include <algorithm>

#include "core/EditorLayout.h"

namespace vk {

void ScrollView::Show(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
  if (!box_ || !surface_) return;
  // Two passes: showing one scroll bar can make the other necessary. Scroll bars are
  // only touched when their range or page changes; redrawing them is slow.
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{};
    ::GetClientRect(box_, &client);
    const Ranges want{width, height, client.right, client.bottom};
    if (want == ranges_) break;
    ranges_ = want;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    si.nMax = std::max(width - 1, 0);
    si.nPage = static_cast<UINT>(std::max<LONG>(client.right, 0));
    ::SetScrollInfo(box_, SB_HORZ, &si, TRUE);
    si.nMax = std::max(height - 1, 0);
    si.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    ::SetScrollInfo(box_, SB_VERT, &si, TRUE);
  }
  Place();
}

void ScrollView::Place() {
  RECT client{};
  ::GetClientRect(box_, &client);
  const int32_t left = SurfaceOffset(client.right, width_, Pos(SB_HORZ));
  const int32_t top = SurfaceOffset(client.bottom, height_, Pos(SB_VERT));
  RECT now{};
  ::GetWindowRect(surface_, &now);
  ::MapWindowPoints(nullptr, box_, reinterpret_cast<POINT*>(&now), 2);
  if (now.left == left && now.top == top && now.right - now.left == width_ && now.bottom - now.top == height_) return;
  ::SetWindowPos(surface_, nullptr, left, top, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

int32_t ScrollView::Pos(int bar) const {
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 0, 0};
  if (!box_ || !::GetScrollInfo(box_, bar, &si)) return 0;
  return si.nPos;
}

void ScrollView::ScrollTo(int bar, int32_t pos) {
  if (!box_) return;
  SCROLLINFO si{sizeof si, SIF_POS | SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  ::GetScrollInfo(box_, bar, &si);
  const int32_t maxPos = std::max<int32_t>(si.nMax - static_cast<int32_t>(si.nPage) + 1, 0);
  pos = std::clamp<int32_t>(pos, 0, maxPos);
  if (pos == si.nPos) return;
  si.fMask = SIF_POS;
  si.nPos = pos;
  ::SetScrollInfo(box_, bar, &si, TRUE);
  Place();
}

void ScrollView::OnScrollBar(int bar, WORD request) {
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(box_, bar, &si);
  int pos = si.nPos;
  const int line = 16, page = std::max<int>(static_cast<int>(si.nPage) - line, line);
  switch (request) {
    case SB_LINELEFT: pos -= line; break;
    case SB_LINERIGHT: pos += line; break;
    case SB_PAGELEFT: pos -= page; break;
    case SB_PAGERIGHT: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_LEFT: pos = si.nMin; break;
    case SB_RIGHT: pos = si.nMax; break;
    default: return;
  }
  ScrollTo(bar, pos);
}

TRect ScrollView::Visible() const {
  RECT client{};
  if (!box_ || !surface_ || !::GetClientRect(box_, &client)) return {};
  POINT origin{0, 0};
  ::MapWindowPoints(box_, surface_, &origin, 1);
  return Intersect({origin.x, origin.y, origin.x + client.right, origin.y + client.bottom}, {0, 0, width_, height_});
}

POINT ScrollView::Centre() const {
  RECT client{};
  if (box_) ::GetClientRect(box_, &client);
  return {client.right / 2, client.bottom / 2};
}

}  // namespace vk
