// The drawing file, the page files and their description, and going to another page.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

#include "core/DrawingFile.h"
#include "drawing/editor/DrawingIO.h"
#include "drawing/editor/EditorWindows.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/images/BmpFuns.h"
#include "win/FileIO.h"
#include "win/Text.h"

namespace vk {

namespace {

constexpr UINT kPageMessage = WM_USER + 232;

std::string HostExeFolder() {
  wchar_t buf[MAX_PATH * 2] = {};
  ::GetModuleFileNameW(nullptr, buf, MAX_PATH * 2);
  return win::DirectoryWithSeparator(win::WideToAnsi(buf));
}

// The Save and Open dialogs: both start in "Bmps\" beside the host's program. Returns
// the chosen name, or an empty text when the user cancels.
std::string AskFileName(HWND owner, bool save, const wchar_t* filterText, const wchar_t* pattern,
                        const wchar_t* defaultExt) {
  const std::wstring dir = win::AnsiToWide(HostExeFolder() + "Bmps\\");
  std::wstring filter = filterText;
  filter.push_back(L'\0');
  filter += pattern;
  filter.push_back(L'\0');
  wchar_t file[MAX_PATH * 2] = {};
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file;
  ofn.nMaxFile = MAX_PATH * 2;
  ofn.lpstrInitialDir = dir.c_str();
  ofn.lpstrDefExt = defaultExt;
  ofn.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL ok = save ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
  return ok ? win::WideToAnsi(file) : std::string();
}

}  // namespace

std::string TFreePicF::QuotedPath(const std::string& ansiPath) {
  return "\u201C" + win::WideToUtf8(win::AnsiToWide(ansiPath)) + "\u201D";
}

std::string TFreePicF::PagePicturePath(int32_t page) const {
  return win::DirectoryWithSeparator(PageFile) + "Page" + std::to_string(page) + ".bmp";
}

bool TFreePicF::WriteDrawing(const std::string& fileName, DrawingSignature signature, std::string& error) {
  return SaveDrawingFile(PicList, fileName, signature, error);
}

bool TFreePicF::ReadDrawing(const std::string& fileName) {
  std::string error;
  const DrawingLoadOutcome outcome = LoadDrawingFile(fileName, PicList, error);
  // What could not be read whole must not be overwritten unseen: the next save keeps it.
  if (outcome != DrawingLoadOutcome::Ok) damagedDrawing_ = fileName;
  switch (outcome) {
    case DrawingLoadOutcome::Ok:
      return true;
    case DrawingLoadOutcome::CannotRead:
      ShowError("The drawing file " + QuotedPath(fileName) + " cannot be read: " + error);
      return false;
    case DrawingLoadOutcome::BadFormat:
      ShowError("Invalid file format.");
      return false;
    case DrawingLoadOutcome::Truncated:
      ShowError("The drawing file " + QuotedPath(fileName) + " ends early; the objects before the damage were loaded.");
      return false;
    case DrawingLoadOutcome::TooLarge:
      ShowError("The drawing file " + QuotedPath(fileName) + " is too large: its objects would take more than " +
                std::to_string(kDrawingMemoryBudget >> 20) + " MB. It was not loaded.");
      return false;
  }
  return false;
}

bool TFreePicF::WriteDescription(std::string& error) {
  const std::string text = DescriptionText(PicList);
  return win::WriteFileReplacing(IniFileName, text.data(), text.size(), error);
}

bool TFreePicF::SavePage(int32_t page) {
  // Writing the page files answers with its result, whatever goes wrong underneath.
  try {
    return SavePageFiles(page);
  } catch (const std::bad_alloc&) {
    ShowError("The page files could not be written: there is not enough memory.");
  } catch (const std::exception& e) {
    ShowError(std::string("The page files could not be written: ") + e.what());
  }
  return false;
}

bool TFreePicF::SavePageFiles(int32_t page) {
  const std::string picture = PagePicturePath(page);
  RedrawAll(true, false);
  std::string error;
  // The page picture goes back without the drawing. When it is the very file we show and
  // it has not changed, it already is exactly that, and the host's bytes are kept as they
  // are. A picture that could not be read is not replaced by the white stand-in.
  if (page_.Loaded() && !page_.UpToDate(picture)) {
    const PixelImage& img = page_.Image();
    if (!win::WriteFileReplacing(picture, EncodeBmp(img, img.SourceBits == 32 ? 32 : 24), error)) {
      ShowError("The page picture " + QuotedPath(picture) + " could not be written: " + error);
      return false;
    }
  }
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  const bool keepDamaged = !damagedDrawing_.empty() && win::SamePath(damagedDrawing_, drawing) &&
                           win::FileExists(drawing);
  if (keepDamaged && !win::CopyFileReplacing(drawing, drawing + ".damaged", error)) {
    ShowError("The damaged drawing file " + QuotedPath(drawing) + " could not be kept as " +
              QuotedPath(drawing + ".damaged") + ", so it was not replaced: " + error);
    return false;
  }
  if (!WriteDrawing(drawing, DrawingSignature::Page2011, error)) {
    ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
    return false;
  }
  if (keepDamaged) damagedDrawing_.clear();
  IniFileName = win::DirectoryWithSeparator(PageFile) + std::to_string(page) + ".ini";
  if (!WriteDescription(error)) {
    ShowError("The page description " + QuotedPath(IniFileName) + " could not be written: " + error);
    return false;
  }
  return true;
}

bool TFreePicF::LoadPage(int32_t page) {
  const std::string picture = PagePicturePath(page);
  if (!win::FileExists(picture)) return false;
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  if (!win::FileExists(drawing)) return false;
  PageFile = picture;
  ClearPics();
  CurPic = nullptr;
  SetMode(kModeArrow);
  RedrawAll(false, true);
  ReadDrawing(drawing);
  CurPic = nullptr;
  drawing_.EnterPage(page);
  RedrawAll(false, true);
  return true;
}

int32_t TFreePicF::ClampPageBox() {
  HWND box = ControlHandle("edtPage");
  wchar_t buf[16] = {};
  ::GetWindowTextW(box, buf, 16);
  // Held to the pages that exist, as the arrows are; text that is no number keeps this page.
  const int32_t page = std::clamp(ParseIntOr(win::WideToUtf8(buf), PageNo), 1, std::max(PageCount, 1));
  const std::wstring text = std::to_wstring(page);
  if (text != buf) ::SetWindowTextW(box, text.c_str());
  return page;
}

void TFreePicF::btn1Click() {
  GotoPageNo = ClampPageBox();
  EndTextEdit(false);
  CommitChange();  // the page's history must end where its saved drawing is
  if (GotoPageNo == PageNo || !SavePage(PageNo)) return;
  waitingForPage_ = true;
  unreadableSince_ = 0;
  // The poll stays as the fallback; the folder's change notification answers at once.
  ::SetTimer(form_, EditorWindows::kTimerPage, 500, nullptr);
  // The watch stays open between waits: closing one can take Wine tens of milliseconds,
  // which the user would wait for the page. A change seen in between only wakes us once.
  const std::string folder = win::DirectoryWithSeparator(PagePicturePath(GotoPageNo));
  if (folder != watchedFolder_ || pageFolderWatch_.Get() == nullptr ||
      pageFolderWatch_.Get() == INVALID_HANDLE_VALUE) {
    pageFolderWatch_.Reset(::FindFirstChangeNotificationW(
        win::AnsiToWide(folder).c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE));
    watchedFolder_ = folder;
  }
  ::EnableWindow(image1_, FALSE);
  SetButtonDown("SpeedButtonSelect", true);
  SpeedButtonSelectClick();
  const uint64_t host = ParseHandleBits(HostWnd, sizeof(HWND) * 8);
  if (host != 0) ::SendMessageA(reinterpret_cast<HWND>(static_cast<uintptr_t>(host)), kPageMessage,
                                static_cast<WPARAM>(GotoPageNo), 0);
  SetMode(kModeWait);
  // A host that answered while handling the message need not cost half a second.
  if (waitingForPage_) tmrPageTimer();
}

void TFreePicF::StopWaitingForPage() {
  waitingForPage_ = false;
  ::KillTimer(form_, EditorWindows::kTimerPage);
  ::EnableWindow(image1_, TRUE);
  SetMode(kModeArrow);
}

void TFreePicF::tmrPageTimer() {
  if (!waitingForPage_) return;
  const std::string picture = PagePicturePath(GotoPageNo);
  if (!win::FileExists(picture)) return;
  // A picture that is still being written cannot be read yet: wait for the next change or
  // poll, and give up on it (the error box, a white page) only after a while.
  std::string error;
  const PageSource::Result r = page_.TryLoad(picture, error);
  if (r == PageSource::Result::Failed) {
    const uint64_t now = ::GetTickCount64();
    if (unreadableSince_ == 0) unreadableSince_ = now;
    if (now - unreadableSince_ < kUnreadablePageMs) return;
  } else {
    AdoptPageImage(r, error);
  }
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  if (win::FileExists(drawing)) {
    StopWaitingForPage();
    if (LoadPage(GotoPageNo)) PageNo = GotoPageNo;
  } else {
    PageFile = picture;
    ClearPics();
    CurPic = nullptr;
    drawing_.EnterPage(GotoPageNo);
    SetMode(kModeArrow);
    RedrawAll(false, true);
    PageNo = GotoPageNo;
    StopWaitingForPage();
  }
}

void TFreePicF::SpeedButton3Click() {
  const std::string name = AskFileName(form_, true, L"BMP图象文件(*.bmp)", L"*.bmp", L"bmp");
  if (name.empty()) return;
  RedrawAll(true, false);
  ::GdiFlush();
  PixelImage img;
  img.Width = WorkBmp.Width();
  img.Height = WorkBmp.Height();
  img.XPelsPerMeter = page_.Image().XPelsPerMeter;
  img.YPelsPerMeter = page_.Image().YPelsPerMeter;
  img.Pixels.assign(WorkBmp.Bits(), WorkBmp.Bits() + static_cast<size_t>(img.Width) * static_cast<size_t>(img.Height));
  for (uint32_t& px : img.Pixels) px &= 0x00FFFFFFu;
  std::string error;
  if (!win::WriteFileReplacing(name, EncodeBmp(img, page_.Image().SourceBits == 32 ? 32 : 24), error)) {
    ShowError("The picture " + QuotedPath(name) + " could not be written: " + error);
    return;
  }
  const std::string drawing = win::ChangeExtension(name, ".fdf");
  if (!WriteDrawing(drawing, DrawingSignature::Save2004, error))
    ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
}

void TFreePicF::SpeedButton2Click() {
  const std::string name = AskFileName(form_, false, L"自由画图文件(*.fdf)", L"*.fdf", L"fdf");
  if (name.empty()) return;
  SpeedButton1Click();
  ReadDrawing(name);
  CurPic = nullptr;
  RedrawAll(false, true);
}

void TFreePicF::SpeedButton1Click() {
  if (!PicList.empty() &&
      ::MessageBoxW(form_, L"Save changes?", L"Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
    SpeedButton3Click();
  ClearPics();
  CurPic = nullptr;
  SetMode(kModeArrow);
  RedrawAll(false, true);
}

void TFreePicF::SpeedButton0Click() {
  RedrawAll(true, false);
  if (!ShowImageWindow(form_, WorkBmp)) ShowError("There is not enough memory to show the picture.");
  RedrawAll(false, true);  // the deselected drawing, now rather than at the next change
}

void TFreePicF::OnHiddenCommand(const std::string& name) {
  if (name == "SpeedButton0") {
    SpeedButton0Click();  // View only shows the page: it runs while one is awaited, as F5 does
    return;
  }
  // Save, Open and New open dialogs whose loops would let the awaited page arrive midway.
  if (waitingForPage_) return;
  if (name == "SpeedButton3") SpeedButton3Click();
  else if (name == "SpeedButton2") SpeedButton2Click();
  else if (name == "SpeedButton1") SpeedButton1Click();
}

}  // namespace vk
