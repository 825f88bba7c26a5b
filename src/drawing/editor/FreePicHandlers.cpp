// The form's handlers: each turns a control's message into the session's command.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "core/EditorLayout.h"
#include "drawing/editor/EditorControls.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/TextPic.h"
#include "win/Text.h"

namespace vk {

namespace {

bool KeyHeld(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

}  // namespace

// --- toolbar ---

void TFreePicF::OnToolButton(size_t index) {
  const ToolButtonDef& d = ToolButtons()[index];
  switch (d.Command) {
    case CommandId::Apply: SpeedButtonApplyClick(); break;
    case CommandId::Exit: SpeedButtonExitClick(); break;
    default: session_.Run(d.Command, d.Tag); break;
  }
  session_.TakeTaint();
}

void TFreePicF::SpeedButtonApplyClick() {
  if (session_.Apply()) closed_ = true;
}

void TFreePicF::SpeedButtonExitClick() { RequestClose(); }

void TFreePicF::tmr1Timer() { SetButtonEnabled(CommandId::Apply, session_.CanApply()); }

// --- the surface ---

void TFreePicF::OnSurfaceMouse(UINT msg, WPARAM wp, int x, int y) {
  const bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  PointerEvent e;
  e.Shift = ShiftStateFromMouse(wp, KeyHeld(VK_MENU), dbl);
  // The figures work in page pixels at every scale; panning in the drawing area's pixels.
  e.View = {x, y};
  e.Page = {ViewToPage(x, zoom_), ViewToPage(y, zoom_)};
  e.Box = e.View;
  ::MapWindowPoints(image1_, scrollBox1_, &e.Box, 1);
  switch (msg) {
    case WM_LBUTTONDBLCLK:
      session_.DoubleClick(e);
      session_.Press(e);
      break;
    case WM_LBUTTONDOWN: session_.Press(e); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      e.Button = TMouseButton::Right;
      session_.Press(e);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      e.Button = TMouseButton::Middle;
      session_.Press(e);
      break;
    case WM_MOUSEMOVE: session_.Move(e); break;
    case WM_LBUTTONUP: session_.Release(e); break;
    case WM_RBUTTONUP:
      e.Button = TMouseButton::Right;
      session_.Release(e);
      break;
    case WM_MBUTTONUP:
      e.Button = TMouseButton::Middle;
      session_.Release(e);
      break;
    default: break;
  }
  session_.TakeTaint();
}

void TFreePicF::FormKeyDown(UINT key) {
  const bool ctrl = KeyHeld(VK_CONTROL);
  const bool shift = KeyHeld(VK_SHIFT);
  switch (key) {
    case VK_LEFT: session_.MoveBy({-1, 0}); break;
    case VK_UP: session_.MoveBy({0, -1}); break;
    case VK_RIGHT: session_.MoveBy({1, 0}); break;
    case VK_DOWN: session_.MoveBy({0, 1}); break;
    case VK_DELETE: session_.Delete(); break;
    case VK_RETURN:
      if (::GetFocus() == ControlHandle(PropRole::PageBox)) ClampPageBox();
      break;
    case 'C':
      if (ctrl) session_.Copy();
      break;
    case 'V':
      if (ctrl) session_.Paste();  // whatever Shift does
      break;
    case 'Z':
      if (ctrl) session_.UndoStep(shift);
      break;
    case 'Y':
      if (ctrl) session_.UndoStep(true);
      break;
    case VK_TAB:
      // The keyboard's way to every object; elsewhere Tab is the controls'.
      if (HWND focus = ::GetFocus(); focus == scrollBox1_ || ::IsChild(scrollBox1_, focus)) session_.SelectNext(shift);
      break;
    case VK_F5: session_.ViewPicture(); break;
    case VK_ESCAPE: session_.Escape(); break;
    default:
      // The hidden tools and commands.
      if (!ctrl) break;
      if (const FigureKind* figure = shift ? FigureForKey(key, true) : nullptr) session_.ChooseTool(figure->Tag);
      else session_.Run(CommandForKey(key, shift));
      break;
  }
  session_.TakeTaint();
}

// --- the property bar ---

void TFreePicF::OnPropCommand(size_t index, int code) {
  switch (PropControls()[index].Role) {
    case PropRole::LineWidth:
      if (code == CBN_SELCHANGE) {
        // The edit part shows the new item only after this notification.
        HWND combo = ControlHandle(PropRole::LineWidth);
        const LRESULT sel = ::SendMessageW(combo, CB_GETCURSEL, 0, 0);
        if (sel >= 0) ::SetWindowTextW(combo, std::to_wstring(sel + 1).c_str());
      }
      if (code == CBN_EDITCHANGE || code == CBN_SELCHANGE) cbbLineWChange();
      if (code == CBN_KILLFOCUS) cbbLineWExit();
      break;
    case PropRole::LineStyle:
      if (code == CBN_SELCHANGE) cbbLineStypeChange();
      break;
    case PropRole::LineColor: session_.PickLineColor(); break;
    case PropRole::FillColor: session_.PickFillColor(); break;
    case PropRole::Fill:
      if (code == BN_CLICKED) schckbxFillColorClick();
      break;
    case PropRole::Goto:
      if (code == BN_CLICKED) btn1Click();
      break;
    case PropRole::PageBox:
      if (code == EN_KILLFOCUS) ClampPageBox();
      break;
    case PropRole::Label:
    case PropRole::ZoomReadout: break;
  }
}

void TFreePicF::cbbLineWExit() { FirstItemIfBlank(ControlHandle(PropRole::LineWidth)); }

void TFreePicF::cbbLineWChange() {
  session_.SetLineWidth(ParseIntOr(win::WideToUtf8(WindowText(ControlHandle(PropRole::LineWidth))), 1));
}

void TFreePicF::cbbLineStypeChange() {
  const LRESULT sel = ::SendMessageW(ControlHandle(PropRole::LineStyle), CB_GETCURSEL, 0, 0);
  if (!session_.SetLineStyle(static_cast<int32_t>(std::clamp<LRESULT>(sel, 0, 4)))) return;
  // Only a solid line has a width of its own: the box shows 1 for the others.
  HWND width = ControlHandle(PropRole::LineWidth);
  if (session_.Style().LineStyle != 0 && ::SendMessageW(width, CB_GETCURSEL, 0, 0) != 0)
    ::SendMessageW(width, CB_SETCURSEL, 0, 0);
  ::SetFocus(scrollBox1_);
}

void TFreePicF::schckbxFillColorClick() {
  HWND box = ControlHandle(PropRole::Fill);
  if (session_.SetFill(box && ::SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED)) ::SetFocus(scrollBox1_);
}

int32_t TFreePicF::ClampPageBox() {
  return vk::ClampPageBox(ControlHandle(PropRole::PageBox), session_.PageNo(), session_.PageCount());
}

void TFreePicF::btn1Click() { session_.Goto(ClampPageBox()); }

}  // namespace vk
