#include "drawing/session/SelectionTool.h"

#include "drawing/session/EditSession.h"

namespace vk {

namespace {

int32_t CursorForHit(uint8_t hit) {
  switch (hit) {
    case 1: case 8: return kModeSizeNWSE;
    case 2: case 7: return kModeSizeNS;
    case 3: case 6: return kModeSizeNESW;
    case 4: case 5: return kModeSizeWE;
    case 9: return kModeMove;
    case 10: case 11: return kModeLineEnd;
    default: return hit >= 12 && hit <= 17 ? kModeTrunVer : kModeArrow;
  }
}

}  // namespace

void SelectionTool::Hover(TPoint p) {
  int32_t index = -1;
  hit_ = s_.FindPicAt(p, index);
  cursor_ = CursorForHit(hit_);
}

void SelectionTool::Press(const PointerEvent& e) {
  int32_t index = -1;
  hit_ = s_.FindPicAt(e.Page, index);
  // A handle of a listed object that is not the current one (the figure just drawn shows
  // its handles while the tool template stays current) selects that object, as its body
  // does, so that the drag acts on what the user sees.
  const bool handle = (hit_ >= 1 && hit_ <= 8) || (hit_ >= 10 && hit_ <= 17);
  const bool listed = index >= 0 && static_cast<size_t>(index) < s_.PicList.size();
  if (listed && (hit_ == kHitBody || (handle && s_.PicList[static_cast<size_t>(index)].get() != s_.CurPic))) {
    s_.RedrawAll(true, true);
    s_.CurPic = s_.PicList[static_cast<size_t>(index)].get();
    s_.CurPic->Choosed = true;
    s_.CurPic->DrawFocus(s_.OverlayCanvas());
  }
}

void SelectionTool::Move(const PointerEvent& e) {
  if (cursor_ == kModeArrow) {
    // Over empty picture: the cursor follows only once a press has come, and a held left
    // button pans the view.
    if (!g_.ButtonIsDown) return;
    Hover(e.Page);
    if (e.Shift & kLeftButton)
      s_.host_.ScrollTo({g_.DownScroll.x + g_.DownBox.x - e.Box.x, g_.DownScroll.y + g_.DownBox.y - e.Box.y});
    return;
  }
  if (!(e.Shift & kLeftButton)) {
    Hover(e.Page);
    return;
  }
  if (static_cast<int8_t>(hit_) > 0 && s_.CurPic) {
    TPicBase& pic = *s_.CurPic;
    pic.DragTrack(s_.OverlayCanvas(), hit_, pic.GetRect(), g_.Down.X, g_.Down.Y, g_.Last.X, g_.Last.Y, e.Page.X,
                  e.Page.Y);
    g_.Last = e.Page;
  }
}

void SelectionTool::Release(const PointerEvent& e) {
  if (cursor_ == kModeArrow) {
    s_.CurPic = nullptr;
    s_.RedrawAll(true, true);
  } else if (e.Button == TMouseButton::Right || e.Button == TMouseButton::Middle) {
    if (s_.CurPic) s_.PopupObjectMenu();
  } else if (s_.CurPic) {
    TPicBase& pic = *s_.CurPic;
    pic.DragEnd(s_.OverlayCanvas(), hit_, pic.GetRect(), g_.Down.X, g_.Down.Y, e.Page.X, e.Page.Y);
    s_.RedrawAll(false, true);
  }
}

bool SelectionTool::Cancel() {
  hit_ = kHitNone;
  return false;
}

bool SelectionTool::Busy() const { return g_.PressActive; }

}  // namespace vk
