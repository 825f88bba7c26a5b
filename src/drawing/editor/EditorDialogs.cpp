#include "drawing/editor/EditorDialogs.h"

#include <commdlg.h>

#include "core/EditorArgs.h"
#include "drawing/editor/PicMenu.h"
#include "win/Canvas.h"
#include "win/FileIO.h"
#include "win/Handle.h"
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

bool AskQuestion(HWND owner, Question question) {
  const wchar_t* text = L"Do you want to save changes?";
  const wchar_t* caption = L"Quillora Studio";
  if (question == Question::ClearAll) text = L"Are you sure you want to clear all the graphics?";
  if (question == Question::SaveBeforeNew) {
    text = L"Save changes?";
    caption = L"Confirm";
  }
  return ::MessageBoxW(owner, text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool PickColour(HWND owner, uint32_t& color) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = color;
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorW(&cc)) return false;
  color = cc.rgbResult;
  return true;
}

bool PickFont(HWND owner, FontAttrs& font) {
  LOGFONTA lf = win::LogFontFor(font, nullptr);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = owner;
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

std::string PickDrawingFile(HWND owner, FileDialog dialog) {
  const bool save = dialog == FileDialog::SavePicture;
  const std::wstring dir = win::AnsiToWide(HostExeFolder() + "Bmps\\");
  std::wstring filter = save ? L"BMP图象文件(*.bmp)" : L"自由画图文件(*.fdf)";
  filter.push_back(L'\0');
  filter += save ? L"*.bmp" : L"*.fdf";
  filter.push_back(L'\0');
  wchar_t file[MAX_PATH * 2] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH * 2;
  ofn.lpstrInitialDir = dir.c_str();
  ofn.lpstrDefExt = save ? L"bmp" : L"fdf";
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL ok = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
  return ok ? win::WideToAnsi(file) : std::string();
}

int PickObjectMenuItem(HWND owner, const PicMenuEnabling& enabling) {
  win::Menu menu(BuildPicMenu(enabling));
  POINT pt{};
  ::GetCursorPos(&pt);
  const UINT cmd = static_cast<UINT>(
      ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, pt.x, pt.y, 0, owner, nullptr));
  return cmd < kPicMenuFirstId ? -1 : static_cast<int>(cmd - kPicMenuFirstId);
}

void SendPageToHost(const std::string& hostWnd, int32_t page) {
  const uint64_t host = ParseHandleBits(hostWnd, sizeof(HWND) * 8);
  if (host != 0)
    ::SendMessageA(reinterpret_cast<HWND>(static_cast<uintptr_t>(host)), kPageMessage, static_cast<WPARAM>(page), 0);
}

}  // namespace vk
