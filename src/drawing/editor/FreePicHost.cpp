// The window's side of the editing session: the surface, the dialogs and questions, the
// controls that show the session's state, and the wait for a page.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "core/EditorLayout.h"
#include "drawing/editor/EditorControls.h"
#include "drawing/editor/EditorWindows.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/SetLineW.h"
#include "drawing/editor/frm_Delete.h"
#include "drawing/images/BmpFuns.h"
#include "drawing/objects/PicFuns.h"
#include "win/Text.h"

namespace vk {

void TFreePicF::ShowRect(const TRect& rc) {
  if (!image1_ || rc.IsEmpty()) return;
  RECT r = win::ToRECT(zoom_ == 100 ? rc : Intersect(PageRectToView(rc, zoom_), area_.Visible()));
  ::InvalidateRect(image1_, &r, FALSE);
}

void TFreePicF::PageResized() {
  const win::Dib& work = session_.Work();
  zoom_ = std::min(zoom_, MaxZoomFor(work.Width(), work.Height()));  // a larger page may not take the zoom shown
  session_.SetZoom(zoom_);
  session_.SetHandleHalf(HandleHalfAt(zoom_));
  UpdateZoomReadout();
  ShowView();
  if (fit_) FitPage();  // a page of another size fits too
}

void TFreePicF::CursorChanged(int32_t mode) {
  // Show the new cursor now when the pointer is over the surface.
  POINT pt{};
  ::GetCursorPos(&pt);
  if (image1_ && ::WindowFromPoint(pt) == image1_) ::SetCursor(SurfaceCursor(mode));
}

void TFreePicF::CaptureMouse(bool capture) {
  if (capture) ::SetCapture(image1_);
  else if (::GetCapture() == image1_) ::ReleaseCapture();
}

bool TFreePicF::AskDelete(bool& dontAskAgain) { return vk::AskDelete(form_, dontAskAgain, args_.IconFile) == IDYES; }

void TFreePicF::ShowError(const std::string& utf8Text) {
  ::MessageBoxW(form_, win::Utf8ToWide(utf8Text).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

bool TFreePicF::PickLineWidth(int32_t& width) { return AskLineWidth(form_, width); }

bool TFreePicF::ShowPicture(const win::Dib& picture) { return ShowImageWindow(form_, picture); }

void TFreePicF::WaitForPage(const std::string& folder) {
  if (folder.empty()) {
    ::KillTimer(form_, EditorWindows::kTimerPage);
    ::EnableWindow(image1_, TRUE);
    return;
  }
  // The poll stays as the fallback; the folder's change notification answers at once.
  ::SetTimer(form_, EditorWindows::kTimerPage, 500, nullptr);
  // The watch stays open between waits: closing one can take Wine tens of milliseconds,
  // which the user would wait for the page. A change seen in between only wakes us once.
  if (folder != watchedFolder_ || pageFolderWatch_.Get() == nullptr || pageFolderWatch_.Get() == INVALID_HANDLE_VALUE) {
    pageFolderWatch_.Reset(::FindFirstChangeNotificationW(
        win::AnsiToWide(folder).c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE));
    watchedFolder_ = folder;
  }
  ::EnableWindow(image1_, FALSE);
}

void TFreePicF::ToolsChanged() {
  // Only the button that comes up and the one that goes down are painted again: painting
  // the toolbar costs more than most commands.
  const int32_t down = session_.ToolDown();
  if (down == shownToolDown_) return;
  const auto defs = ToolButtons();
  for (size_t i = 0; i < defs.size() && i < buttons_.size(); ++i)
    if (ShowsToolDown(defs[i], down) || ShowsToolDown(defs[i], shownToolDown_))
      ::InvalidateRect(buttons_[i], nullptr, FALSE);
  shownToolDown_ = down;
}

void TFreePicF::EnablingChanged() {
  const bool listed = session_.CanCopy();
  SetButtonEnabled(CommandId::Copy, listed);
  SetButtonEnabled(CommandId::Cut, listed);
  SetButtonEnabled(CommandId::Delete, listed);
  SetButtonEnabled(CommandId::Clear, session_.CanClear());
  SetButtonEnabled(CommandId::Paste, session_.CanPaste());
}

void TFreePicF::StyleChanged() {
  EditorWindows::SetSwatchColor(ControlHandle(PropRole::LineColor), session_.Style().LineSwatch);
  EditorWindows::SetSwatchColor(ControlHandle(PropRole::FillColor), session_.Style().FillSwatch);
}

void TFreePicF::PageNumberChanged() {
  ::SetWindowTextW(ControlHandle(PropRole::PageBox), std::to_wstring(session_.PageNo()).c_str());
}

}  // namespace vk
