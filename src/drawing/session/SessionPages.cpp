// The session's pages: the page picture under the drawing and its bitmaps, the drawing
// file and the page files, going to another page, and the file commands.
#include <windows.h>

#include <algorithm>
#include <exception>
#include <new>

#include "core/DrawingFile.h"
#include "drawing/editor/DrawingIO.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/TextPic.h"
#include "drawing/session/CommandScope.h"
#include "drawing/session/EditSession.h"
#include "win/FileIO.h"
#include "win/Text.h"

namespace vk {

namespace {

// A path of the host's code page as UTF-8 message text, in quotes.
std::string QuotedPath(const std::string& ansiPath) {
  return "\u201C" + win::WideToUtf8(win::AnsiToWide(ansiPath)) + "\u201D";
}

// The tick count can move in 16 ms steps, too coarse for gaps of a few milliseconds.
uint64_t PageReadClock() {
  LARGE_INTEGER f{}, c{};
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<uint64_t>(c.QuadPart) * 1000u / static_cast<uint64_t>(f.QuadPart);
}

}  // namespace

std::string EditSession::PagePicturePath(int32_t page) const {
  return win::DirectoryWithSeparator(pageFile_) + "Page" + std::to_string(page) + ".bmp";
}

// --- the page picture and its bitmaps ---

bool EditSession::RefreshPage() {
  if (fullRebuild_) page_.Invalidate();
  ReadyPicture ready;
  std::string error;
  const PageSource::Result r = page_.ReadChanged(pageFile_, ready.Source, error);
  if (r == PageSource::Result::Unchanged) return true;
  // A picture that changed but cannot be shown leaves the one shown, until it changes again.
  if (r == PageSource::Result::Failed && !ready.Source.StandIn(pageFile_, imageWidth_, imageHeight_)) {
    page_.KeepPictureFor(ready.Source);
    host_.ShowError(StandInTooLargeText(pageFile_, error));
    return false;
  }
  std::string sizeError;
  if (!PreparePicture(ready, sizeError)) {
    page_.KeepPictureFor(ready.Source);
    host_.ShowError(sizeError);
    return false;
  }
  ShowPicture(ready);
  if (r == PageSource::Result::Failed) host_.ShowError(UnreadablePictureText(pageFile_, error));
  return true;
}

std::string EditSession::UnreadablePictureText(const std::string& picture, const std::string& error) const {
  return "The page picture " + QuotedPath(picture) + " cannot be read (" + error +
         "). The drawing goes on over a white page.";
}

std::string EditSession::StandInTooLargeText(const std::string& picture, const std::string& error) const {
  return "The page picture " + QuotedPath(picture) + " cannot be read (" + error + "), and a white page of " +
         std::to_string(std::max(imageWidth_, 1)) + " x " + std::to_string(std::max(imageHeight_, 1)) +
         " pixels cannot stand in for it: a page may have at most " + std::to_string(MaxPagePixels()) + " pixels.";
}

bool EditSession::PreparePicture(ReadyPicture& ready, std::string& error) {
  const PixelImage& img = ready.Source.Image();
  if (workCanvas_ && img.Width == workBmp_.Width() && img.Height == workBmp_.Height()) return true;
  auto bitmaps = std::make_unique<PagePictures>();
  // Both are made before either replaces the ones shown: a page never shows with two
  // bitmaps of different sizes. The second is where memory runs out first.
  if (!bitmaps->Work.Resize(img.Width, img.Height) || FailPointHit("second-page-bitmap") ||
      !bitmaps->Image.Resize(img.Width, img.Height)) {
    error = "There is not enough memory to show a page of " + std::to_string(img.Width) + " x " +
            std::to_string(img.Height) + " pixels.";
    return false;
  }
  ready.Bitmaps = std::move(bitmaps);
  return true;
}

void EditSession::ShowPicture(ReadyPicture& ready) {
  page_ = std::move(ready.Source);
  needFull_ = true;
  if (!ready.Bitmaps) return;
  imageCanvas_.reset();
  workCanvas_.reset();
  workBmp_.Swap(ready.Bitmaps->Work);
  imageBmp_.Swap(ready.Bitmaps->Image);
  ready.Bitmaps.reset();  // the previous page's bitmaps
  workCanvas_.emplace(workBmp_);
  imageCanvas_.emplace(imageBmp_);
  workCanvas_->SetHandleHalf(handleHalf_);
  imageCanvas_->SetHandleHalf(handleHalf_);
  if (TTextPic* t = TextTool()) t->Canvas = &*imageCanvas_;  // an open entry draws there
  ::SetBoundsRect(imageBmp_.Dc(), nullptr, DCB_ENABLE | DCB_RESET);
  taint_ = {};
  tracker_.Reset();
  host_.PageResized();
}

// --- the drawing file and the page files ---

bool EditSession::ReadDrawing(const std::string& fileName, PicDocument::List& pics) {
  std::string error;
  switch (LoadDrawingFile(fileName, pics, error)) {
    case DrawingLoadOutcome::Ok:
      return true;
    case DrawingLoadOutcome::CannotRead:
      host_.ShowError("The drawing file " + QuotedPath(fileName) + " cannot be read: " + error);
      return false;
    case DrawingLoadOutcome::BadFormat:
      host_.ShowError("Invalid file format.");
      return false;
    case DrawingLoadOutcome::Truncated:
      host_.ShowError("The drawing file " + QuotedPath(fileName) +
                      " ends early; the objects before the damage were loaded.");
      return false;
    case DrawingLoadOutcome::TooLarge:
      host_.ShowError("The drawing file " + QuotedPath(fileName) + " is too large: its objects would take more than " +
                      std::to_string(kDrawingMemoryBudget >> 20) + " MB. It was not loaded.");
      return false;
  }
  // Whatever else the reader says, the file was not read whole.
  host_.ShowError("The drawing file " + QuotedPath(fileName) + " could not be read whole.");
  return false;
}

bool EditSession::SavePage(int32_t page) {
  // Writing the page files answers with its result, whatever goes wrong underneath.
  try {
    return SavePageFiles(page);
  } catch (const std::bad_alloc&) {
    host_.ShowError("The page files could not be written: there is not enough memory.");
  } catch (const std::exception& e) {
    host_.ShowError(std::string("The page files could not be written: ") + e.what());
  }
  return false;
}

bool EditSession::SavePageFiles(int32_t page) {
  const std::string picture = PagePicturePath(page);
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  const std::string description = win::DirectoryWithSeparator(pageFile_) + std::to_string(page) + ".ini";
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
      host_.ShowError("The page picture " + QuotedPath(picture) + " could not be written: " + error);
      return false;
    }
  }
  std::vector<uint8_t> drawingBytes;
  if (!EncodeDrawingFile(PicList, DrawingSignature::Page2011, drawingBytes, error) ||
      !drawingFile.Write(drawing, drawingBytes.data(), drawingBytes.size(), error)) {
    host_.ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
    return false;
  }
  const std::string text = DescriptionText(PicList);
  if (!descriptionFile.Write(description, text.data(), text.size(), error)) {
    host_.ShowError("The page description " + QuotedPath(description) + " could not be written: " + error);
    return false;
  }
  // A drawing file that could not be read whole is copied before anything replaces it,
  // under a name no earlier copy has.
  const bool keepDamaged =
      !damagedDrawing_.empty() && win::SamePath(damagedDrawing_, drawing) && win::FileExists(drawing);
  std::string copy;
  if (keepDamaged && !win::CopyFileToFreeName(drawing, drawing + ".damaged", copy, error)) {
    host_.ShowError("The damaged drawing file " + QuotedPath(drawing) + " could not be kept as " + QuotedPath(copy) +
                    ", so it was not replaced: " + error);
    return false;
  }
  if (keepDamaged) damagedDrawing_.clear();
  // The renames. One that fails ends the save as failed: the files renamed before it are
  // the new ones, the rest (and the failed one) keep their old contents, and the drawing
  // stays in the editor, so the next save writes all three again.
  if (writePicture && !pictureFile.Commit(error)) {
    host_.ShowError("The page picture " + QuotedPath(picture) + " could not be written: " + error);
    return false;
  }
  if (!drawingFile.Commit(error)) {
    host_.ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
    return false;
  }
  iniFileName_ = description;
  if (!descriptionFile.Commit(error)) {
    host_.ShowError("The page description " + QuotedPath(description) + " could not be written: " + error);
    return false;
  }
  return true;
}

// --- going to another page ---

bool EditSession::SwitchToPage(int32_t page, ReadyPicture& ready, const std::string& readError) {
  std::string picture = PagePicturePath(page);
  const std::string drawing = win::ChangeExtension(picture, ".fdf");
  const bool unreadable = !ready.Source.Loaded();
  // Everything that can fail comes first; until the page is taken, the editor shows the
  // page it has, with its drawing and history.
  PicDocument::List pics;
  std::string damaged;
  std::string why;
  try {
    if (unreadable && !ready.Source.StandIn(picture, imageWidth_, imageHeight_)) {
      why = StandInTooLargeText(picture, readError);
    } else if (PreparePicture(ready, why)) {
      // A drawing file that cannot be read whole does not hold the page back: the page
      // shows with what could be read, and the file is kept aside before a save replaces it.
      if (win::FileExists(drawing) && !ReadDrawing(drawing, pics)) damaged = drawing;
      if (unreadable) host_.ShowError(UnreadablePictureText(picture, readError));
      drawing_.SwitchPage(page, std::move(pics));  // all or nothing, and the last step that can fail
    }
  } catch (const std::bad_alloc&) {
    why = "there is not enough memory to load it.";
  } catch (const std::exception& e) {
    why = e.what();
  }
  if (!why.empty()) {
    host_.ShowError("Page " + std::to_string(page) + " could not be shown, so the editor stays on page " +
                    std::to_string(pageNo_) + ": " + why);
    host_.PageNumberChanged();
    return false;
  }
  ShowPicture(ready);
  pageFile_ = std::move(picture);
  pageNo_ = page;
  damagedDrawing_ = std::move(damaged);
  ToolButtonsUp();
  UseSelectTool();
  host_.ToolsChanged();
  RedrawAll(false, true);
  return true;
}

void EditSession::Goto(int32_t page) {
  CommandScope scope(*this, CommandScope::Access::ReadOnly);
  gotoPageNo_ = page;
  EndTextEdit(false);
  drawing_.Touch(CurPic);
  drawing_.Commit();  // the page's history must end where its saved drawing is
  if (gotoPageNo_ == pageNo_ || !SavePage(pageNo_)) return;
  waitingForPage_ = true;
  unreadableSince_ = 0;
  host_.WaitForPage(win::DirectoryWithSeparator(PagePicturePath(gotoPageNo_)));
  SelectTool();
  host_.SendPageMessage(gotoPageNo_);
  NoteCursor();
  // A host that answered while handling the message need not cost half a second.
  if (waitingForPage_) PageTimer();
}

void EditSession::StopWaitingForPage() {
  waitingForPage_ = false;
  host_.WaitForPage({});
  UseSelectTool();
}

uint64_t EditSession::MsSincePageRead() const { return PageReadClock() - lastPageReadMs_; }

void EditSession::PageTimer() {
  if (!waitingForPage_) return;
  const std::string picture = PagePicturePath(gotoPageNo_);
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
  SwitchToPage(gotoPageNo_, ready, error);
}

// --- closing ---

bool EditSession::Apply() {
  EndTextEdit(false);
  return SavePage(pageNo_);  // a failed save keeps the window open: nothing is lost
}

bool EditSession::ConfirmClose() {
  EndTextEdit(false);
  return PicList.empty() || !host_.AskYesNo(Question::SaveOnClose) || SavePage(pageNo_);
}

// --- the file commands ---

void EditSession::SavePicture() {
  CommandScope scope(*this);
  if (!scope) return;
  const std::string name = host_.PickFile(FileDialog::SavePicture);
  if (name.empty()) return;
  RedrawAll(true, false);
  ::GdiFlush();
  PixelImage img;
  img.Width = workBmp_.Width();
  img.Height = workBmp_.Height();
  img.XPelsPerMeter = page_.Image().XPelsPerMeter;
  img.YPelsPerMeter = page_.Image().YPelsPerMeter;
  img.Pixels.assign(workBmp_.Bits(),
                    workBmp_.Bits() + static_cast<size_t>(img.Width) * static_cast<size_t>(img.Height));
  for (uint32_t& px : img.Pixels) px &= 0x00FFFFFFu;
  std::string error;
  if (!win::WriteFileReplacing(name, EncodeBmp(img, page_.Image().SourceBits == 32 ? 32 : 24), error)) {
    host_.ShowError("The picture " + QuotedPath(name) + " could not be written: " + error);
    return;
  }
  const std::string drawing = win::ChangeExtension(name, ".fdf");
  if (!SaveDrawingFile(PicList, drawing, DrawingSignature::Save2004, error))
    host_.ShowError("The drawing file " + QuotedPath(drawing) + " could not be written: " + error);
}

void EditSession::OpenDrawing() {
  CommandScope scope(*this);
  if (!scope) return;
  const std::string name = host_.PickFile(FileDialog::OpenDrawing);
  if (name.empty()) return;
  NewDrawing();
  // Only the page's own drawing file is ever replaced by a save; another damaged file
  // opened here must not take the place of the page's record of damage.
  PicDocument::List pics;
  if (!ReadDrawing(name, pics) && win::SamePath(name, win::ChangeExtension(pageFile_, ".fdf")))
    damagedDrawing_ = name;
  drawing_.AppendPics(std::move(pics));
  CurPic = nullptr;
  RedrawAll(false, true);
}

void EditSession::NewDrawing() {
  CommandScope scope(*this);
  if (!scope) return;
  if (!PicList.empty() && host_.AskYesNo(Question::SaveBeforeNew)) SavePicture();
  drawing_.FreeAllPics();
  ToolButtonsUp();
  host_.ToolsChanged();
  CurPic = nullptr;
  UseSelectTool();
  RedrawAll(false, true);
}

void EditSession::ViewPicture() {
  // View only shows the page: it runs while one is awaited, as F5 does.
  RedrawAll(true, false);
  if (!host_.ShowPicture(workBmp_)) host_.ShowError("There is not enough memory to show the picture.");
  RedrawAll(false, true);  // the deselected drawing, now rather than at the next change
}

}  // namespace vk
