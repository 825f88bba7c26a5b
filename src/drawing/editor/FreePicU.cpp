#include "drawing/editor/FreePicU.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "drawing/editor/EditorModule.h"
#include "drawing/editor/EditorWindows.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/TextPic.h"
#include "win/Barrier.h"
#include "win/FileIO.h"
#include "win/Text.h"

namespace vk {

namespace {

bool Intersects(const TRect& a, const TRect& b) { return !Intersect(a, b).IsEmpty(); }

// Disables the host's visible windows while the editor is open, and enables them again
// however the editor ends, an exception included.
class HostWindowsDisabled {
 public:
  explicit HostWindowsDisabled(HWND form) : form_(form) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &HostWindowsDisabled::Disable, reinterpret_cast<LPARAM>(this));
  }
  ~HostWindowsDisabled() {
    for (HWND w : disabled_)
      if (::IsWindow(w)) ::EnableWindow(w, TRUE);
  }
  HostWindowsDisabled(const HostWindowsDisabled&) = delete;
  HostWindowsDisabled& operator=(const HostWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND w, LPARAM self) {
    auto* d = reinterpret_cast<HostWindowsDisabled*>(self);
    if (w == d->form_ || !::IsWindowVisible(w) || !::IsWindowEnabled(w)) return TRUE;
    try {
      d->disabled_.push_back(w);  // remembered first: only what is remembered is disabled
    } catch (const std::bad_alloc&) {
      return TRUE;
    }
    ::EnableWindow(w, FALSE);
    return TRUE;
  }

  HWND form_;
  std::vector<HWND> disabled_;
};

// Copies the rows of rc from one 32-bit picture to another of the same size.
void CopyPixels(const uint32_t* src, uint32_t* dst, int32_t width, const TRect& rc) {
  const size_t n = static_cast<size_t>(rc.Right - rc.Left) * sizeof(uint32_t);
  for (int32_t y = rc.Top; y < rc.Bottom; ++y) {
    const size_t off = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(rc.Left);
    std::memcpy(dst + off, src + off, n);
  }
}

}  // namespace

TFreePicF::TFreePicF(const EditorArgs& args) {
  ImageWidth = args.ImageWidth;
  ImageHeight = args.ImageHeight;
  PageFile = args.PageFile;
  StartScrollX = args.StartScrollX;
  StartScrollY = args.StartScrollY;
  PageCount = args.PageCount;
  ThemeFile = args.ThemeFile;
  IconFile = args.IconFile;
  HostWnd = args.HostWnd;
  // FormCreate
  CreateTools();
  CurLineWidth = 1;
  CurLineStyle = 0;
  CurLineColor = 255;
  CurFillColor = 0xFFFFFF;
}

TFreePicF::~TFreePicF() {
  if (form_) ::DestroyWindow(form_);
  // Objects go from the last to the first, as the list was built up.
  while (!PicList.empty()) PicList.pop_back();
  FreeTools();
}

void TFreePicF::CreateTools() {
  for (int kind = PIC_LINE; kind <= PIC_TEXT; ++kind) {
    tools_[static_cast<size_t>(kind)] = CreatePicOfKind(static_cast<TPicType>(kind));
    if (auto& t = tools_[static_cast<size_t>(kind)]) t->DrawEndEvent = [this](TPicBase* pic) { OnPicDrawEnd(pic); };
  }
}

void TFreePicF::FreeTools() {
  ClipPic = nullptr;
  CurPic = nullptr;
  for (auto& t : tools_) t.reset();
}

HWND TFreePicF::ControlHandle(const char* name) const {
  int i = IndexOfToolButton(name);
  if (i >= 0 && static_cast<size_t>(i) < buttons_.size()) return buttons_[static_cast<size_t>(i)];
  i = IndexOfPropControl(name);
  if (i >= 0 && static_cast<size_t>(i) < props_.size()) return props_[static_cast<size_t>(i)];
  if (std::strcmp(name, "Panel1") == 0) return panel1_;
  if (std::strcmp(name, "pnl1") == 0) return pnl1_;
  if (std::strcmp(name, "ScrollBox1") == 0) return scrollBox1_;
  if (std::strcmp(name, "Image1") == 0) return image1_;
  if (std::strcmp(name, "ToolTips") == 0) return tooltip_;
  return nullptr;
}

void TFreePicF::ShowModal() {
  // Once per load of the library, with its own module; never from DllMain.
  [[maybe_unused]] static const bool cursorsLoaded = (LoadPicCursors(EditorInstance()), true);
  ManifestScope manifest;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  EditorWindows classes;
  if (!classes.Register()) return;
  form_ = EditorWindows::CreateForm(this, ImageWidth, ImageHeight);
  if (!form_) return;
  CreateControls();

  {
    // Modal: the host's other windows wait until the editor closes.
    HostWindowsDisabled modal(form_);
    ::ShowWindow(form_, SW_SHOW);
    if (FormShow()) {
      ::SetTimer(form_, EditorWindows::kTimerApply, 1000, nullptr);
      RunModalLoop();
    }
  }

  ::KillTimer(form_, EditorWindows::kTimerApply);
  ::KillTimer(form_, EditorWindows::kTimerPage);
  pageFolderWatch_.Reset();
  if (::IsWindow(form_)) ::DestroyWindow(form_);
  form_ = nullptr;
  panel1_ = pnl1_ = scrollBox1_ = image1_ = tooltip_ = nullptr;
  buttons_.clear();
  props_.clear();
}

uint64_t TFreePicF::PageReadClock() {
  // The tick count can move in 16 ms steps, too coarse for gaps of a few milliseconds.
  LARGE_INTEGER f{}, c{};
  ::QueryPerformanceFrequency(&f);
  ::QueryPerformanceCounter(&c);
  return static_cast<uint64_t>(c.QuadPart) * 1000u / static_cast<uint64_t>(f.QuadPart);
}

void TFreePicF::RunModalLoop() {
  // false on WM_QUIT, which ends the loop.
  auto handle = [&](MSG& msg) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // the host's loop must see it too
      return false;
    }
    if (win::Guarded(form_, false, [&] { return PreviewZoom(msg); })) return true;
    win::Guarded(form_, false, [&] { return PreviewKey(msg); });
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    return true;
  };
  MSG msg;
  while (!closed_) {
    // Input always goes first; the awaited page is looked at only when no message waits.
    if (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!handle(msg)) break;
      continue;
    }
    HANDLE watch = waitingForPage_ ? pageFolderWatch_.Get() : nullptr;
    if (!watch || watch == INVALID_HANDLE_VALUE) {
      if (::GetMessageW(&msg, nullptr, 0, 0) < 0 || !handle(msg)) break;
      continue;
    }
    // A change in the page folder is read at most every few milliseconds: a picture being
    // written changes many times, and each read takes the whole file.
    DWORD timeout = INFINITE;
    if (pageChangeSeen_) {
      const uint64_t since = PageReadClock() - lastPageReadMs_;
      if (since >= kPageReadGapMs) {
        pageChangeSeen_ = false;
        win::Guarded(form_, 0, [&] { tmrPageTimer(); return 0; });
        continue;
      }
      timeout = static_cast<DWORD>(kPageReadGapMs - since);
    }
    const DWORD handles = pageChangeSeen_ ? 0 : 1;
    if (::MsgWaitForMultipleObjectsEx(handles, &watch, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE) == WAIT_OBJECT_0 &&
        handles == 1) {
      ::FindNextChangeNotification(watch);
      pageChangeSeen_ = true;
    }
  }
}

bool TFreePicF::FormShow() {
  // 1-2: the work bitmap takes the page picture's size; without one there is no page to edit.
  if (!RefreshPage()) return false;
  // 3: the page number is the file name without "Page" and ".bmp".
  const std::string numberText = PageNumberText(win::FileNamePart(PageFile));
  ::SetWindowTextW(ControlHandle("edtPage"), win::AnsiToWide(numberText).c_str());
  ::SendMessageW(pageSpin_, UDM_SETRANGE32, 1, std::max(PageCount, 1));
  PageNo = ParseIntOr(numberText, 1);
  drawing_.EnterPage(PageNo);
  // 4
  RedrawAll(false, true);
  CenterImage();
  // 5
  IniFileName = win::DirectoryWithSeparator(PageFile) + numberText + ".ini";
  // 6: the theme file names a skin for the property bar; these controls use the system look.
  // 7-8
  ::SetFocus(scrollBox1_);
  ApplyScroll(SB_HORZ, StartScrollX);
  ApplyScroll(SB_VERT, StartScrollY);
  // 9
  if (!IconFile.empty()) {
    const std::wstring icon = win::AnsiToWide(IconFile);
    bigIcon_.Reset(static_cast<HICON>(::LoadImageW(nullptr, icon.c_str(), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                   ::GetSystemMetrics(SM_CYICON), LR_LOADFROMFILE)));
    smallIcon_.Reset(static_cast<HICON>(::LoadImageW(nullptr, icon.c_str(), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE)));
    if (bigIcon_) ::SendMessageW(form_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    if (smallIcon_) ::SendMessageW(form_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  }
  return true;
}

bool TFreePicF::RefreshPage() {
  if (fullRebuild_) page_.Invalidate();
  ReadyPicture ready;
  std::string error;
  const PageSource::Result r = page_.ReadChanged(PageFile, ready.Source, error);
  if (r == PageSource::Result::Unchanged) return true;
  // A picture that changed but cannot be shown leaves the one shown, until it changes again.
  if (r == PageSource::Result::Failed && !ready.Source.StandIn(PageFile, ImageWidth, ImageHeight)) {
    page_.KeepPictureFor(ready.Source);
    if (form_) ShowError(StandInTooLargeText(PageFile, error));
    return false;
  }
  std::string sizeError;
  if (!PreparePicture(ready, sizeError)) {
    page_.KeepPictureFor(ready.Source);
    if (form_) ShowError(sizeError);
    return false;
  }
  ShowPicture(ready);
  if (r == PageSource::Result::Failed && form_) ShowError(UnreadablePictureText(PageFile, error));
  return true;
}

std::string TFreePicF::UnreadablePictureText(const std::string& picture, const std::string& error) const {
  return "The page picture " + QuotedPath(picture) + " cannot be read (" + error +
         "). The drawing goes on over a white page.";
}

std::string TFreePicF::StandInTooLargeText(const std::string& picture, const std::string& error) const {
  return "The page picture " + QuotedPath(picture) + " cannot be read (" + error + "), and a white page of " +
         std::to_string(std::max(ImageWidth, 1)) + " x " + std::to_string(std::max(ImageHeight, 1)) +
         " pixels cannot stand in for it: a page may have at most " + std::to_string(MaxPagePixels()) + " pixels.";
}

bool TFreePicF::PreparePicture(ReadyPicture& ready, std::string& error) {
  const PixelImage& img = ready.Source.Image();
  if (workCanvas_ && img.Width == WorkBmp.Width() && img.Height == WorkBmp.Height()) return true;
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

void TFreePicF::ShowPicture(ReadyPicture& ready) {
  page_ = std::move(ready.Source);
  needFull_ = true;
  if (!ready.Bitmaps) return;
  imageCanvas_.reset();
  workCanvas_.reset();
  WorkBmp.Swap(ready.Bitmaps->Work);
  imageBmp_.Swap(ready.Bitmaps->Image);
  ready.Bitmaps.reset();  // the previous page's bitmaps
  zoom_ = std::min(zoom_, MaxZoomFor(WorkBmp.Width(), WorkBmp.Height()));  // a larger page may not take the zoom shown
  tracker_.SetHandleHalf(HandleHalfAt(zoom_));
  UpdateZoomReadout();
  workCanvas_.emplace(WorkBmp);
  imageCanvas_.emplace(imageBmp_);
  workCanvas_->SetHandleHalf(HandleHalfAt(zoom_));
  imageCanvas_->SetHandleHalf(HandleHalfAt(zoom_));
  if (TTextPic* t = TextTool()) t->Canvas = &*imageCanvas_;  // an open entry draws there
  ::SetBoundsRect(imageBmp_.Dc(), nullptr, DCB_ENABLE | DCB_RESET);
  taint_ = {};
  tracker_.Reset();
  PicturesResized();
}

void TFreePicF::PicturesResized() {
  if (!image1_) return;
  ::SetWindowPos(image1_, nullptr, 0, 0, ViewWidth(), ViewHeight(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  CenterImage();
  if (fit_) FitPage();  // a page of another size fits too
}

void TFreePicF::RedrawAll(bool deselect, bool show) {
  drawing_.Touch(CurPic);  // the handlers change the current object in place
  if (deselect) drawing_.DeselectAll();
  RefreshPage();
  const TRect full{0, 0, WorkBmp.Width(), WorkBmp.Height()};
  TRect dirty = tracker_.Update(drawing_.TakeRedrawChanges(), PicList);
  if (needFull_ || fullRebuild_) {
    dirty = full;
    needFull_ = false;
  }
  dirty = Intersect(dirty, full);
  if (!dirty.IsEmpty()) {
    ::GdiFlush();
    const PixelImage& img = page_.Image();
    if (img.Width == full.Right && img.Height == full.Bottom) {
      CopyPixels(img.Pixels.data(), WorkBmp.Bits(), full.Right, dirty);
    } else {
      // The work bitmap could not take the picture's size: show white paper.
      RECT r = win::ToRECT(dirty);
      win::Brush white(::CreateSolidBrush(RGB(255, 255, 255)));
      ::FillRect(WorkBmp.Dc(), &r, white.Get());
    }
    HDC dc = WorkBmp.Dc();
    win::Region clip(::CreateRectRgn(dirty.Left, dirty.Top, dirty.Right, dirty.Bottom));
    ::SelectClipRgn(dc, clip.Get());
    for (auto& p : PicList)
      if (fullRebuild_ || Intersects(tracker_.VisualExtent(*p), dirty)) p->Draw(*workCanvas_);
    ::SelectClipRgn(dc, nullptr);
    unshown_ = Union(unshown_, dirty);
  }
  if (show) {
    TakeTaint();
    TRect r = Intersect(Union(unshown_, taint_), full);
    unshown_ = {};
    taint_ = {};
    // The two bitmaps are only ever sized together; a copy between sizes must never run.
    if (!r.IsEmpty() && imageBmp_.Width() == full.Right && imageBmp_.Height() == full.Bottom) {
      ::GdiFlush();
      CopyPixels(WorkBmp.Bits(), imageBmp_.Bits(), full.Right, r);
      ShowRect(r);
    }
  }
}

void TFreePicF::AppendPic(std::unique_ptr<TPicBase> pic) { drawing_.AppendPic(std::move(pic)); }

void TFreePicF::TakeTaint() {
  RECT rc{};
  if (!imageBmp_.Dc()) return;
  if (::GetBoundsRect(imageBmp_.Dc(), &rc, DCB_RESET) & DCB_SET) {
    TRect t = Intersect(win::FromRECT(rc), TRect{0, 0, imageBmp_.Width(), imageBmp_.Height()});
    taint_ = Union(taint_, t);
    ShowRect(t);
  }
}

void TFreePicF::ShowRect(const TRect& rc) {
  if (!image1_ || rc.IsEmpty()) return;
  RECT r = win::ToRECT(zoom_ == 100 ? rc : Intersect(PageRectToView(rc, zoom_), VisibleViewRect()));
  ::InvalidateRect(image1_, &r, FALSE);
}

void TFreePicF::CenterImage() {
  if (!scrollBox1_ || !image1_) return;
  const int32_t w = ViewWidth(), h = ViewHeight();
  // Two passes: showing one scroll bar can make the other necessary. Scroll bars are
  // only touched when their range or page changes; redrawing them is slow.
  for (int pass = 0; pass < 2; ++pass) {
    RECT client{};
    ::GetClientRect(scrollBox1_, &client);
    const ScrollRanges want{w, h, client.right, client.bottom};
    if (want == ranges_) break;
    ranges_ = want;
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    si.nMax = std::max(w - 1, 0);
    si.nPage = static_cast<UINT>(std::max<LONG>(client.right, 0));
    ::SetScrollInfo(scrollBox1_, SB_HORZ, &si, TRUE);
    si.nMax = std::max(h - 1, 0);
    si.nPage = static_cast<UINT>(std::max<LONG>(client.bottom, 0));
    ::SetScrollInfo(scrollBox1_, SB_VERT, &si, TRUE);
  }
  PlaceImage();
}

void TFreePicF::PlaceImage() {
  RECT client{};
  ::GetClientRect(scrollBox1_, &client);
  const int32_t w = ViewWidth(), h = ViewHeight();
  const int32_t left = SurfaceOffset(client.right, w, ScrollPos(SB_HORZ));
  const int32_t top = SurfaceOffset(client.bottom, h, ScrollPos(SB_VERT));
  RECT now{};
  ::GetWindowRect(image1_, &now);
  ::MapWindowPoints(nullptr, scrollBox1_, reinterpret_cast<POINT*>(&now), 2);
  if (now.left == left && now.top == top && now.right - now.left == w && now.bottom - now.top == h) return;
  ::SetWindowPos(image1_, nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

int32_t TFreePicF::ScrollPos(int bar) const {
  SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 0, 0};
  if (!scrollBox1_ || !::GetScrollInfo(scrollBox1_, bar, &si)) return 0;
  return si.nPos;
}

void TFreePicF::ApplyScroll(int bar, int32_t pos) {
  if (!scrollBox1_) return;
  SCROLLINFO si{sizeof si, SIF_POS | SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  ::GetScrollInfo(scrollBox1_, bar, &si);
  const int32_t maxPos = std::max<int32_t>(si.nMax - static_cast<int32_t>(si.nPage) + 1, 0);
  pos = std::clamp<int32_t>(pos, 0, maxPos);
  if (pos == si.nPos) return;
  si.fMask = SIF_POS;
  si.nPos = pos;
  ::SetScrollInfo(scrollBox1_, bar, &si, TRUE);
  PlaceImage();
}

void TFreePicF::FormResize() {
  if (!form_) return;
  RECT rc{};
  ::GetClientRect(form_, &rc);
  const EditorLayout l = LayoutForClient(rc.right, rc.bottom);
  auto place = [](HWND w, const TRect& r) {
    if (w) ::SetWindowPos(w, nullptr, r.Left, r.Top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(panel1_, l.Toolbar);
  place(pnl1_, l.PropertyBar);
  place(scrollBox1_, l.ScrollBox);
  // The readout goes when the bar is too narrow to hold it whole.
  if (HWND zoom = ControlHandle("lblZoom")) {
    const PropControlDef& d = PropControls()[static_cast<size_t>(IndexOfPropControl("lblZoom"))];
    ::ShowWindow(zoom, rc.right >= d.Left + d.Width ? SW_SHOWNA : SW_HIDE);
  }
  CenterImage();
  if (fit_) FitPage();
}

// --- buttons ---

void TFreePicF::SpeedButtonApplyClick() {
  EndTextEdit(false);
  Applied = true;
  if (!SavePage(PageNo)) {
    Applied = false;  // nothing is lost: the window stays open
    return;
  }
  closed_ = true;
}

void TFreePicF::SpeedButtonExitClick() {
  Applied = false;
  RequestClose();
}

void TFreePicF::RequestClose() {
  if (closing_) return;
  EndTextEdit(false);
  closing_ = true;
  const bool close = FormClose();
  closing_ = false;
  if (close) closed_ = true;
}

bool TFreePicF::FormClose() {
  if (!PicList.empty() && !Applied) {
    int answer = ::MessageBoxW(form_, L"Do you want to save changes?", L"Quillora Studio", MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES && !SavePage(PageNo)) return false;
  }
  ::KillTimer(form_, EditorWindows::kTimerApply);
  return true;
}

void TFreePicF::tmr1Timer() { SetButtonEnabled("SpeedButtonApply", !PicList.empty()); }

void TFreePicF::OnPicDrawEnd(TPicBase* pic) {
  std::unique_ptr<TPicBase> copy = CreatePicOfKind(pic->PicId);
  if (copy) {
    copy->Assign(*pic);
    drawing_.AppendPic(std::move(copy));
  }
  pic->DropDrawing();  // the next polyline or curve starts empty
  CommitChange();
  RedrawAll(false, true);
}

void TFreePicF::ShowError(const std::string& utf8Text) {
  ::MessageBoxW(form_, win::Utf8ToWide(utf8Text).c_str(), L"Error", MB_OK | MB_ICONERROR);
}

void TFreePicF::SetButtonEnabled(const char* name, bool enabled) {
  if (HWND b = ControlHandle(name)) ::EnableWindow(b, enabled ? TRUE : FALSE);
}

void TFreePicF::SetButtonDown(const char* name, bool down) {
  int i = IndexOfToolButton(name);
  if (i < 0 || static_cast<size_t>(i) >= buttonDown_.size()) return;
  const ToolButtonDef& def = ToolButtons()[static_cast<size_t>(i)];
  if (down && def.Group != 0) {
    for (size_t j = 0; j < buttonDown_.size(); ++j)
      if (j != static_cast<size_t>(i) && ToolButtons()[j].Group == def.Group && buttonDown_[j]) {
        buttonDown_[j] = false;
        ::InvalidateRect(buttons_[j], nullptr, FALSE);
      }
  }
  buttonDown_[static_cast<size_t>(i)] = down;
  ::InvalidateRect(buttons_[static_cast<size_t>(i)], nullptr, FALSE);
}

}  // namespace vk
