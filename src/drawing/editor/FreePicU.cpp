#include "drawing/editor/FreePicU.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "core/EditorLayout.h"
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

}  // namespace

TFreePicF::TFreePicF(const EditorArgs& args) : args_(args), session_(*this, args) {}

TFreePicF::~TFreePicF() {
  if (form_) ::DestroyWindow(form_);
}

HWND TFreePicF::ControlHandle(PropRole role) const {
  const int i = IndexOfPropControl(role);
  return i >= 0 && static_cast<size_t>(i) < props_.size() ? props_[static_cast<size_t>(i)] : nullptr;
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
  form_ = EditorWindows::CreateForm(this, args_.ImageWidth, args_.ImageHeight);
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
  area_.Attach(nullptr, nullptr);
  buttons_.clear();
  props_.clear();
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
    HANDLE watch = session_.WaitingForPage() ? pageFolderWatch_.Get() : nullptr;
    if (!watch || watch == INVALID_HANDLE_VALUE) {
      if (::GetMessageW(&msg, nullptr, 0, 0) < 0 || !handle(msg)) break;
      continue;
    }
    // A change in the page folder is read at most every few milliseconds: a picture being
    // written changes many times, and each read takes the whole file.
    DWORD timeout = INFINITE;
    if (pageChangeSeen_) {
      const uint64_t since = session_.MsSincePageRead();
      if (since >= kPageReadGapMs) {
        pageChangeSeen_ = false;
        win::Guarded(form_, 0, [&] { session_.PageTimer(); return 0; });
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
  if (!session_.Open()) return false;
  // 3: the page number is the file name without "Page" and ".bmp", as it stands there.
  const std::string numberText = PageNumberText(win::FileNamePart(session_.PageFile()));
  ::SetWindowTextW(ControlHandle(PropRole::PageBox), win::AnsiToWide(numberText).c_str());
  ::SendMessageW(pageSpin_, UDM_SETRANGE32, 1, std::max(session_.PageCount(), 1));
  // 4
  ShowView();
  // 6: the theme file names a skin for the property bar; these controls use the system look.
  // 7-8
  ::SetFocus(scrollBox1_);
  area_.ScrollTo(SB_HORZ, args_.StartScrollX);
  area_.ScrollTo(SB_VERT, args_.StartScrollY);
  // 9
  if (!args_.IconFile.empty()) {
    const std::wstring icon = win::AnsiToWide(args_.IconFile);
    bigIcon_.Reset(static_cast<HICON>(::LoadImageW(nullptr, icon.c_str(), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                   ::GetSystemMetrics(SM_CYICON), LR_LOADFROMFILE)));
    smallIcon_.Reset(static_cast<HICON>(::LoadImageW(nullptr, icon.c_str(), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE)));
    if (bigIcon_) ::SendMessageW(form_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.Get()));
    if (smallIcon_) ::SendMessageW(form_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.Get()));
  }
  return true;
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
  if (HWND zoom = ControlHandle(PropRole::ZoomReadout)) {
    const PropControlDef& d = PropControls()[static_cast<size_t>(IndexOfPropControl("lblZoom"))];
    ::ShowWindow(zoom, rc.right >= d.Left + d.Width ? SW_SHOWNA : SW_HIDE);
  }
  ShowView();
  if (fit_) FitPage();
}

void TFreePicF::RequestClose() {
  if (closing_) return;
  closing_ = true;
  const bool close = session_.ConfirmClose();
  closing_ = false;
  if (!close) return;
  ::KillTimer(form_, EditorWindows::kTimerApply);
  closed_ = true;
}

void TFreePicF::SetButtonEnabled(CommandId command, bool enabled) {
  const ToolButtonDef* b = ButtonOf(command);
  if (b && static_cast<size_t>(b - ToolButtons().data()) < buttons_.size())
    ::EnableWindow(buttons_[static_cast<size_t>(b - ToolButtons().data())], enabled ? TRUE : FALSE);
}

}  // namespace vk
