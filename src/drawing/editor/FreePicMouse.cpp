// Tools and mouse handling: which object gets which call, in which mode, with which cursor.
#include <algorithm>

#include "drawing/editor/FreePicU.h"
#include "drawing/editor/KindOps.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/TextPic.h"

namespace vk {

namespace {

bool IsDrawingMode(int32_t mode) { return mode >= 1 && mode <= 8; }

struct ToolTag {
  int32_t Tag;
  int32_t Mode;
};

// Mode of each tool tag (tags 5..7 share the arc tool, 8 and 9 the polyline tool).
int32_t ModeOfTag(int32_t tag) {
  static constexpr ToolTag kTags[] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 5},
                                      {7, 5}, {8, 6}, {9, 6}, {10, 7}, {11, 8}};
  for (const ToolTag& t : kTags)
    if (t.Tag == tag) return t.Mode;
  return 0;
}

}  // namespace

HCURSOR TFreePicF::CursorForMode(int32_t mode) const {
  if (IsDrawingMode(mode) || mode == kModeLineEnd || mode == kModeTrunVer) {
    if (HCURSOR c = PicCursor(mode)) return c;
    return ::LoadCursorW(nullptr, IDC_CROSS);
  }
  const wchar_t* id = IDC_ARROW;
  switch (mode) {
    case kModeSizeNWSE: id = IDC_SIZENWSE; break;
    case kModeSizeNS: id = IDC_SIZENS; break;
    case kModeSizeNESW: id = IDC_SIZENESW; break;
    case kModeSizeWE: id = IDC_SIZEWE; break;
    case kModeMove: id = IDC_SIZEALL; break;
    case kModeWait: id = IDC_WAIT; break;
    default: break;
  }
  return ::LoadCursorW(nullptr, id);
}

void TFreePicF::SetMode(int32_t mode) {
  if (mode_ == mode) return;
  mode_ = mode;
  // Show the new cursor now when the pointer is over the surface.
  POINT pt{};
  ::GetCursorPos(&pt);
  if (image1_ && ::WindowFromPoint(pt) == image1_) ::SetCursor(CursorForMode(mode_));
}

bool TFreePicF::ToolExists(int32_t tag) const {
  const int32_t mode = ModeOfTag(tag);
  return mode != 0 && tools_[static_cast<size_t>(mode)] != nullptr;
}

void TFreePicF::OnToolButton(size_t index) {
  const ToolButtonDef& d = ToolButtons()[index];
  if (d.Group == 1) SetButtonDown(d.Name, true);
  const std::string name = d.Name;
  if (name == "SpeedButtonSelect") SpeedButtonSelectClick();
  else if (d.Group == 1) SpeedButton8Click(d.Tag);
  else if (name == "SpeedButtonApply") SpeedButtonApplyClick();
  else if (name == "SpeedButtonExit") SpeedButtonExitClick();
  else if (name == "SpeedButton20") SpeedButton20Click();
  else if (name == "SpeedButton4" || name == "SpeedButton5" || name == "SpeedButton6" || name == "SpeedButton7")
    SpeedButton4Click(d.Tag);
  else OnHiddenCommand(name);
  CommitChange();
  TakeTaint();
}

void TFreePicF::SpeedButton8Click(int32_t tag) {
  const int32_t mode = ModeOfTag(tag);
  TPicBase* tool = mode ? tools_[static_cast<size_t>(mode)].get() : nullptr;
  if (!tool) return;  // a kind this editor does not draw
  // A figure left half made (a polyline's first points) does not come back when its tool
  // is chosen again: every tool starts afresh.
  if (CurPic && CurPic->PicIndex < 0) CurPic->DropDrawing();
  tool->DropDrawing();
  SetMode(mode);
  ApplyToolTag(*tool, tag);
  EndTextEdit(true);
  CurPic = tool;
  tool->PicPen.Style = CurLineStyle;
  tool->PicPen.Width = CurLineStyle != 0 ? 1 : 2 * CurLineWidth;
  tool->PicPen.Color = CurLineColor;
  if (FillTicked()) tool->PicBrush.SetColor(CurFillColor);
  else tool->PicBrush.Style = kBrushClear;
  RedrawAll(false, true);
}

void TFreePicF::SpeedButtonSelectClick() {
  SetMode(kModeArrow);
  // A figure left half made goes, with its rubber band.
  if (CurPic && CurPic->PicIndex < 0 && CurPic->UnderConstruction()) {
    CurPic->DropDrawing();
    RedrawAll(false, true);
  }
}

uint8_t TFreePicF::FindPicAt(TPoint p, int32_t& index) {
  if (CurPic && CurPic->PicIndex != -1) {
    const uint8_t code = CurPic->HitTest(*imageCanvas_, p);
    if (code != 0) {
      index = CurPic->PicIndex;
      return code;
    }
  }
  for (size_t i = PicList.size(); i-- > 0;) {
    const uint8_t code = PicList[i]->HitTest(*imageCanvas_, p);
    if (code != 0) {
      index = PicList[i]->PicIndex;
      return code;
    }
  }
  return 0;
}

void TFreePicF::UpdateHoverCursor(int32_t x, int32_t y) {
  int32_t index = -1;
  HitCode = FindPicAt({x, y}, index);
  int32_t mode = kModeArrow;
  switch (HitCode) {
    case 1: case 8: mode = kModeSizeNWSE; break;
    case 2: case 7: mode = kModeSizeNS; break;
    case 3: case 6: mode = kModeSizeNESW; break;
    case 4: case 5: mode = kModeSizeWE; break;
    case 9: mode = kModeMove; break;
    case 10: case 11: mode = kModeLineEnd; break;
    default:
      if (HitCode >= 12 && HitCode <= 17) mode = kModeTrunVer;
      break;
  }
  SetMode(mode);
}

POINT TFreePicF::SurfaceToBox() const {
  POINT p = viewPt_;
  ::MapWindowPoints(image1_, scrollBox1_, &p, 1);
  return p;
}

void TFreePicF::Image1MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  gestureCancelled_ = false;
  pressActive_ = true;
  MovedSinceDown = false;
  ButtonIsDown = true;
  DownScrollX = ScrollPos(SB_HORZ);
  DownScrollY = ScrollPos(SB_VERT);
  const POINT box = SurfaceToBox();
  DownBoxX = box.x;
  DownBoxY = box.y;
  DownX = LastX = x;
  DownY = LastY = y;
  EndTextEdit(false);
  if (!IsDrawingMode(mode_)) {
    int32_t index = -1;
    HitCode = FindPicAt({x, y}, index);
    // A handle of a listed object that is not the current one (the figure just drawn shows
    // its handles while the tool template stays current) selects that object, as its body
    // does, so that the drag acts on what the user sees.
    const bool handle = (HitCode >= 1 && HitCode <= 8) || (HitCode >= 10 && HitCode <= 17);
    const bool listed = index >= 0 && static_cast<size_t>(index) < PicList.size();
    if (listed && (HitCode == kHitBody || (handle && PicList[static_cast<size_t>(index)].get() != CurPic))) {
      RedrawAll(true, true);
      CurPic = PicList[static_cast<size_t>(index)].get();
      CurPic->Choosed = true;
      CurPic->DrawFocus(*imageCanvas_);
    }
  } else if (CurPic) {
    // A figure built over several presses keeps its rubber band on the surface.
    if (!CurPic->UnderConstruction()) RedrawAll(true, true);
    CurPic->Choosed = false;
    CurPic->DrawMouseDown(*imageCanvas_, static_cast<TPicType>(mode_), button, shift, {x, y});
    // The entry sits where the user clicked on the screen, whatever the scale.
    if (zoom_ != 100 && CurPic == TextTool() && TextTool()->EditShowing())
      ::SetWindowPos(TextTool()->EditWindow(), nullptr, viewPt_.x, viewPt_.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::SetCapture(image1_);
  UpdateEditButtons();
}

void TFreePicF::Image1MouseMove(TShiftState shift, int32_t x, int32_t y) {
  // After a cancel, nothing happens until the buttons are up and a new press comes.
  if (gestureCancelled_) {
    if (shift & (kLeftButton | kRightButton | kMiddleButton)) return;
    gestureCancelled_ = false;
  }
  MovedSinceDown = true;
  if (mode_ == kModeArrow) {
    if (!ButtonIsDown) return;
    UpdateHoverCursor(x, y);
    if (shift & kLeftButton) {
      const POINT box = SurfaceToBox();
      ApplyScroll(SB_HORZ, DownScrollX + DownBoxX - box.x);
      ApplyScroll(SB_VERT, DownScrollY + DownBoxY - box.y);
    }
    return;
  }
  if (IsDrawingMode(mode_)) {
    if (CurPic) CurPic->DrawMouseMove(*imageCanvas_, static_cast<TPicType>(mode_), shift, {x, y});
    return;
  }
  if (shift & kLeftButton) {
    if (static_cast<int8_t>(HitCode) > 0) {
      if (!CurPic) return;
      CurPic->DragTrack(*imageCanvas_, HitCode, CurPic->GetRect(), DownX, DownY, LastX, LastY, x, y);
      LastX = x;
      LastY = y;
    }
  } else {
    UpdateHoverCursor(x, y);
  }
}

void TFreePicF::Image1MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  if (gestureCancelled_) {
    gestureCancelled_ = false;
    return;
  }
  pressActive_ = false;
  // A figure that a release completes (a curve's fourth point, an arc's end angle) gets
  // it even after a click without a move; otherwise the press has done its work.
  const bool completes = IsDrawingMode(mode_) && CurPic && CurPic->AwaitsRelease();
  if (!MovedSinceDown && !completes) {
    // The press has done its work. Capture still goes: holding it would send every later
    // click, also on the toolbar, to the surface.
    ::ReleaseCapture();
    return;
  }
  MovedSinceDown = false;
  ButtonIsDown = false;
  if (mode_ == kModeArrow) {
    CurPic = nullptr;
    RedrawAll(true, true);
  } else if (IsDrawingMode(mode_)) {
    if (CurPic) {
      CurPic->Choosed = true;
      CurPic->DrawMouseUp(*imageCanvas_, static_cast<TPicType>(mode_), button, shift, {x, y});
    }
  } else if (button == TMouseButton::Right || button == TMouseButton::Middle) {
    if (CurPic) PopupPicMenu();
  } else if (CurPic) {
    CurPic->DragEnd(*imageCanvas_, HitCode, CurPic->GetRect(), DownX, DownY, x, y);
    RedrawAll(false, true);
  }
  ::ReleaseCapture();
}

void TFreePicF::Image1DblClick() {
  if (mode_ == kModeArrow) return;
  if (CurPic && IsPolyline(*CurPic)) {
    Image1MouseDown(TMouseButton::Right, kRightButton, LastX, LastY);
    Image1MouseUp(TMouseButton::Right, kRightButton, LastX, LastY);
  }
  SetButtonDown("SpeedButtonSelect", true);
  SpeedButtonSelectClick();
}

void TFreePicF::OnSurfaceMouse(UINT msg, WPARAM wp, int x, int y) {
  const bool alt = (::GetKeyState(VK_MENU) & 0x8000) != 0;
  const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  const TShiftState shift = ShiftStateFromMouse(wp, alt, dbl);
  // The figures work in page pixels at every scale.
  viewPt_ = {x, y};
  x = ViewToPage(x, zoom_);
  y = ViewToPage(y, zoom_);
  switch (msg) {
    case WM_LBUTTONDBLCLK:
      Image1DblClick();
      Image1MouseDown(TMouseButton::Left, shift, x, y);
      break;
    case WM_LBUTTONDOWN: Image1MouseDown(TMouseButton::Left, shift, x, y); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: Image1MouseDown(TMouseButton::Right, shift, x, y); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: Image1MouseDown(TMouseButton::Middle, shift, x, y); break;
    case WM_MOUSEMOVE: Image1MouseMove(shift, x, y); break;
    case WM_LBUTTONUP: Image1MouseUp(TMouseButton::Left, shift, x, y); break;
    case WM_RBUTTONUP: Image1MouseUp(TMouseButton::Right, shift, x, y); break;
    case WM_MBUTTONUP: Image1MouseUp(TMouseButton::Middle, shift, x, y); break;
    default: break;
  }
  // A release ends a drag or a figure; the object menu's commands run inside it.
  if (msg != WM_MOUSEMOVE) CommitChange();
  TakeTaint();
}

void TFreePicF::OnSurfaceCaptureLost(HWND newCapture) {
  // Another window took the mouse in the middle of a press (a message box, the system):
  // end the gesture rather than apply half of it.
  if (newCapture == image1_ || !pressActive_) return;
  CancelGesture();
}

void TFreePicF::CancelGesture() {
  const bool dragging = pressActive_;
  pressActive_ = false;
  ButtonIsDown = false;
  MovedSinceDown = false;
  HitCode = kHitNone;
  LastX = DownX;
  LastY = DownY;
  // A half-made figure goes too; one built over several presses has its band showing.
  bool dropped = false;
  if (IsDrawingMode(mode_) && CurPic) {
    dropped = CurPic->UnderConstruction();
    CurPic->DropDrawing();
  }
  if (dragging) gestureCancelled_ = true;  // the button is still held: its moves and release are void
  if (::GetCapture() == image1_) ::ReleaseCapture();
  // Wipes the rubber band or the drag outline from the surface.
  if (dragging || dropped) RedrawAll(false, true);
}

bool TFreePicF::GestureInProgress() const {
  return pressActive_ || (IsDrawingMode(mode_) && CurPic && CurPic->UnderConstruction());
}

void TFreePicF::FormKeyDown(UINT key) {
  const bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
  const bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  TPoint offset{};
  switch (key) {
    case VK_LEFT: offset = {-1, 0}; break;
    case VK_UP: offset = {0, -1}; break;
    case VK_RIGHT: offset = {1, 0}; break;
    case VK_DOWN: offset = {0, 1}; break;
    case VK_DELETE:
      SpeedButton4Click(4);
      CommitChange();
      return;
    case VK_RETURN:
      if (::GetFocus() == ControlHandle("edtPage")) ClampPageBox();
      return;
    case 'C': if (ctrl) SpeedButton4Click(1); return;
    case 'V':
      if (ctrl) SpeedButton4Click(3);  // whatever Shift does
      CommitChange();
      return;
    case 'Z': if (ctrl) UndoStep(shift); return;
    case 'Y': if (ctrl) UndoStep(true); return;
    case VK_F5: SpeedButton0Click(); return;
    case VK_ESCAPE:
      EndTextEdit(true);  // also when the focus has left the entry
      CancelGesture();
      return;
    default:
      // The hidden tools and commands, each by its button's own handler.
      if (ctrl) {
        if (const char* button = ButtonForKey(key, shift)) OnToolButton(static_cast<size_t>(IndexOfToolButton(button)));
      }
      return;
  }
  if (waitingForPage_) return;
  if (CurPic) CurPic->MoveBy(*imageCanvas_, offset);
  CommitChange(DrawingHistory::kArrowKeys);
  RedrawAll(false, true);
}

}  // namespace vk
