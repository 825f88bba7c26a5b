// The window's side of the editing session: the surface, the dialogs and questions, the
// controls that show the session's state, and the wait for a page.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>

#include "core/EditorLayout.h"
#include "drawing/editor/EditorWindows.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/PicMenu.h"
#include "drawing/editor/SetLineW.h"
#include "drawing/editor/frm_Delete.h"
#include "drawing/images/BmpFuns.h"
#include "drawing/objects/PicFuns.h"
#include "win/Text.h"

namespace vk {

namespace {

constexpr UINT kPageMessage = WM_USER + 232;

std::string HostExeFolder() {
  wchar_t buf[MAX_PATH * 2] = {};
  ::GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
  return win::DirectoryWithSeparator(win::WideToAnsi(buf));
}

}  // namespace

HCURSOR TFreePicF::CursorForMode(int32_t mode) {
  if ((mode >= PIC_LINE && mode <= PIC_TEXT) || mode == kModeLineEnd || mode == kModeTrunVer) {
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

void TFreePicF::ShowRect(const TRect& rc) {
  if (!image1_ || rc.IsEmpty()) return;
  RECT r = win::ToRECT(zoom_ == 100 ? rc : Intersect(PageRectToView(rc, zoom_), VisibleViewRect()));
  ::InvalidateRect(image1_, &r, FALSE);
}

void TFreePicF::PageResized() {
  const win::Dib& work = session_.Work();
  zoom_ = std::min(zoom_, MaxZoomFor(work.Width(), work.Height()));  // a larger page may not take the zoom shown
  session_.SetZoom(zoom_);
  session_.SetHandleHalf(HandleHalfAt(zoom_));
  UpdateZoomReadout();
  if (!image1_) return;
  ::SetWindowPos(image1_, nullptr, 0, 0, ViewWidth(), ViewHeight(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  CenterImage();
  if (fit_) FitPage();  // a page of another size fits too
}

void TFreePicF::CursorChanged(int32_t mode) {
  // Show the new cursor now when the pointer is over the surface.
  POINT pt{};
  ::GetCursorPos(&pt);
  if (image1_ && ::WindowFromPoint(pt) == image1_) ::SetCursor(CursorForMode(mode));
}

void TFreePicF::CaptureMouse(bool capture) {
  if (capture) ::SetCapture(image1_);
  else if (::GetCapture() == image1_) ::ReleaseCapture();
}

void TFreePicF::ScrollTo(POINT position) {
  ApplyScroll(SB_HORZ, position.x);
  ApplyScroll(SB_VERT, position.y);
}

bool TFreePicF::AskYesNo(Question question) {
  const wchar_t* text = L"Do you want to save changes?";
  const wchar_t* caption = L"Quillora Studio";
  if (question == Question::ClearAll) text = L"Are you sure you want to clear all the graphics?";
  if (question == Question::SaveBeforeNew) {
    text = L"Save changes?";
    caption = L"Confirm";
  }
  return ::MessageBoxW(form_, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool TFreePicF::AskDelete(bool& dontAskAgain) { return vk::AskDelete(form_, dontAskAgain, args_.IconFile) == IDYES; }

void TFreePicF::ShowError(const std::string& utf8Text) {
  ::MessageBoxW(form_, win::Utf8ToWide(utf8Text).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

bool TFreePicF::PickColor(uint32_t& color) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = form_;
  cc.rgbResult = color;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorW(&cc)) return false;
  color = cc.rgbResult;
  return true;
}

bool TFreePicF::PickFont(FontAttrs& font) {
  LOGFONTA lf = win::LogFontFor(font, nullptr);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = form_;
  cf.lpLogFont = &lf;
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
  cf.rgbColors = font.Color;
  if (!::ChooseFontA(&cf)) return false;
  FontAttrs f;
  f.Name = lf.lfFaceName;
  f.Charset = lf.lfCharSet;
  f.Size = cf.iPointSize / 10;
  f.Style = static_cast<uint8_t>((lf.lfWeight >= FW_BOLD ? kFontBold : 0) | (lf.lfItalic ? kFontItalic : 0) |
                                 (lf.lfUnderline ? kFontUnderline : 0) | (lf.lfStrikeOut ? kFontStrikeOut : 0));
  f.Color = cf.rgbColors;
  font = f;
  return true;
}

bool TFreePicF::PickLineWidth(int32_t& width) { return AskLineWidth(form_, width); }

std::string TFreePicF::PickFile(FileDialog dialog) {
  // Both dialogs start in "Bmps\" beside the host's program.
  const bool save = dialog == FileDialog::SavePicture;
  const std::wstring dir = win::AnsiToWide(HostExeFolder() + "Bmps\\");
  std::wstring filter = save ? L"BMP图象文件(*.bmp)" : L"自由画图文件(*.fdf)";
  filter.push_back(L'\0');
  filter += save ? L"*.bmp" : L"*.fdf";
  filter.push_back(L'\0');
  wchar_t file[MAX_PATH * 2] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = form_;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH * 2;
  ofn.lpstrInitialDir = dir.c_str();
  ofn.lpstrDefExt = save ? L"bmp" : L"fdf";
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL ok = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
  return ok ? win::WideToAnsi(file) : std::string();
}

int TFreePicF::PickMenuItem(const PicMenuEnabling& enabling) {
  win::Menu menu(BuildPicMenu(enabling));
  POINT pt{};
  ::GetCursorPos(&pt);
  const UINT cmd = static_cast<UINT>(
      ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, pt.x, pt.y, 0, form_, nullptr));
  return cmd < kPicMenuFirstId ? -1 : static_cast<int>(cmd - kPicMenuFirstId);
}

bool TFreePicF::ShowPicture(const win::Dib& picture) { return ShowImageWindow(form_, picture); }

void TFreePicF::SendPageMessage(int32_t page) {
  const uint64_t host = ParseHandleBits(args_.HostWnd, sizeof(HWND) * 8);
  if (host != 0)
    ::SendMessageA(reinterpret_cast<HWND>(static_cast<uintptr_t>(host)), kPageMessage, static_cast<WPARAM>(page), 0);
}

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
  for (HWND b : buttons_) ::InvalidateRect(b, nullptr, FALSE);
}

void TFreePicF::EnablingChanged() {
  const bool listed = session_.CanCopy();
  SetButtonEnabled("SpeedButton4", listed);
  SetButtonEnabled("SpeedButton5", listed);
  SetButtonEnabled("SpeedButton7", listed);
  SetButtonEnabled("SpeedButton20", session_.CanClear());
  SetButtonEnabled("SpeedButton6", session_.CanPaste());
}

void TFreePicF::StyleChanged() {
  EditorWindows::SetSwatchColor(ControlHandle("pnlLineColor"), session_.Style().LineSwatch);
  EditorWindows::SetSwatchColor(ControlHandle("pnlFillColor"), session_.Style().FillSwatch);
}

void TFreePicF::PageNumberChanged() {
  ::SetWindowTextW(ControlHandle("edtPage"), std::to_wstring(session_.PageNo()).c_str());
}

}  // namespace vk
