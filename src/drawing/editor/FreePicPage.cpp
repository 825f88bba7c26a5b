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

bool TFreePicF::ReadDrawing(const std::string& fileName, PicDocument::List& pics) {
  std::string error;
  switch (LoadDrawingFile(fileName, pics, error)) {
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
  // Whatever else the reader says, the file was not read whole.
  ShowError("The drawing file " + QuotedPath(fileName) + " could not be read whole.");
  return false;
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
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  const std::string description = win::DirectoryWithSeparator(PageFile) + std::to_string(page) + ".ini";
  RedrawAll(true, false);
  std::string error;
  // The three files are written beside their targets first; a failure up to the renames
  // leaves all three as they were.
  win::StagedFile pictureFile, drawingFile, descriptionFile;
  // The page picture goes back without the drawing. When it is the very file we show and
  // it has not changed, it already is exactly that, and the host's bytes are kept as they
  // are. A picture that could not be read is not replaced by the white stand-in.
  const bool writePicture = page_.Loaded() && !page_.UpToDate(picture);
  if (writePicture) {
    const PixelImage& img = page_.Image();
    const std::vector<uint8_t> bytes = EncodeBmp(img, img.SourceBits == 32 ? 32 : 24);
    if (!pictureFile.Write(picture, bytes.data(), bytes.size(), error)) {
      ShowError("The page picture " + QuotedPath(picture) + " could not be written: " + error);
      return false;
    }
  }
  std::vector<uint8_t> drawingBytes;
  if (!EncodeDrawingFile(PicList, DrawingSignature::Page2011, drawingBytes, error) ||
      !drawingFile.Write(drawing, drawingBytes.data(), drawingBytes.size(), error)) {
    ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
    return false;
  }
  const std::string text = DescriptionText(PicList);
  if (!descriptionFile.Write(description, text.data(), text.size(), error)) {
    ShowError("The page description " + QuotedPath(description) + " could not be written: " + error);
    return false;
  }
  // A drawing file that could not be read whole is copied before anything replaces it,
  // under a name no earlier copy has.
  const bool keepDamaged = !damagedDrawing_.empty() && win::SamePath(damagedDrawing_, drawing) &&
                           win::FileExists(drawing);
  std::string copy;
  if (keepDamaged && !win::CopyFileToFreeName(drawing, drawing + ".damaged", copy, error)) {
    ShowError("The damaged drawing file " + QuotedPath(drawing) + " could not be kept as " +
              QuotedPath(copy) + ", so it was not replaced: " + error);
    return false;
  }
  if (keepDamaged) damagedDrawing_.clear();
  // The renames. One that fails ends the save as failed: the files renamed before it are
  // the new ones, the rest (and the failed one) keep their old contents, and the drawing
  // stays in the editor, so the next save writes all three again.
  if (writePicture && !pictureFile.Commit(error)) {
    ShowError("The page picture " + QuotedPath(picture) + " could not be written: " + error);
    return false;
  }
  if (!drawingFile.Commit(error)) {
    ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
    return false;
  }
  IniFileName = description;
  if (!descriptionFile.Commit(error)) {
    ShowError("The page description " + QuotedPath(description) + " could not be written: " + error);
    return false;
  }
  return true;
}

bool TFreePicF::SwitchToPage(int32_t page, ReadyPicture& ready, const std::string& readError) {
  std::string picture = PagePicturePath(page);
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  const bool unreadable = !ready.Source.Loaded();
  // Everything that can fail comes first; until the page is taken, the editor shows the
  // page it has, with its drawing and history.
  PicDocument::List pics;
  std::string damaged;
  std::string why;
  try {
    if (unreadable && !ready.Source.StandIn(picture, ImageWidth, ImageHeight)) {
      why = StandInTooLargeText(picture, readError);
    } else if (PreparePicture(ready, why)) {
      // A drawing file that cannot be read whole does not hold the page back: the page
      // shows with what could be read, and the file is kept aside before a save replaces it.
      if (win::FileExists(drawing) && !ReadDrawing(drawing, pics)) damaged = drawing;
      if (unreadable) ShowError(UnreadablePictureText(picture, readError));
      drawing_.SwitchPage(page, std::move(pics));  // all or nothing, and the last step that can fail
    }
  } catch (const std::bad_alloc&) {
    why = "there is not enough memory to load it.";
  } catch (const std::exception& e) {
    why = e.what();
  }
  if (!why.empty()) {
    ShowError("Page " + std::to_string(page) + " could not be shown, so the editor stays on page " +
              std::to_string(PageNo) + ": " + why);
    ::SetWindowTextW(ControlHandle("edtPage"), std::to_wstring(PageNo).c_str());
    return false;
  }
  ShowPicture(ready);
  PageFile = std::move(picture);
  PageNo = page;
  damagedDrawing_ = std::move(damaged);
  for (int n = 8; n <= 18; ++n) SetButtonDown(("SpeedButton" + std::to_string(n)).c_str(), false);
  SetMode(kModeArrow);
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
  ReadyPicture ready;
  std::string error;
  const PageSource::Result r = ready.Source.TryLoad(picture, error);
  lastPageReadMs_ = PageReadClock();
  if (r == PageSource::Result::Failed) {
    const uint64_t now = ::GetTickCount64();
    if (unreadableSince_ == 0) unreadableSince_ = now;
    if (now - unreadableSince_ < kUnreadablePageMs) return;
  }
  StopWaitingForPage();
  SwitchToPage(GotoPageNo, ready, error);
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
  // Only the page's own drawing file is ever replaced by a save; another damaged file
  // opened here must not take the place of the page's record of damage.
  PicDocument::List pics;
  if (!ReadDrawing(name, pics) && win::SamePath(name, win::ChangeExtension(PageFile, ".fdf")))
    damagedDrawing_ = name;
  drawing_.AppendPics(std::move(pics));
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
