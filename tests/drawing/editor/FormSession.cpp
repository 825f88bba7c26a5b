#include "FormSession.h"

#include <gtest/gtest.h>

#include "EditorWindow.h"
#include "PageHost.h"
#include "drawing/editor/EditorIds.h"
#include "win/Dib.h"

namespace vkt {

FormSession::FormSession(const std::string& name, int pageWidth, int pageHeight) {
  dir_ = FreshFolder(name);
  std::string err;
  pagehost::WritePagePicture(dir_, 1, pageWidth, pageHeight, err);
  args_.ImageWidth = 900;
  args_.ImageHeight = 700;
  args_.PageFile = pagehost::PagePicturePath(dir_, 1);
  args_.PageCount = 9;  // room for the page changes the tests make
  form_ = std::make_unique<vk::TFreePicF>(args_);
}

void FormSession::Run(const std::function<void(FormSession&)>& driver) {
  Driver th([&] {
    HWND w = WaitForWindow(L"TFreePicF", L"Draw Graphics");
    if (w) {
      // Answered once the form has finished showing and runs its loop.
      OnGui([&] {
        handle_ = form_->Handle();
        surface_ = form_->SurfaceHandle();
        scrollBox_ = form_->ScrollBoxHandle();
        sentMouseOnly_ = std::make_unique<SentMouseOnly>(surface_);
      });
      ::SetForegroundWindow(w);
      // Keys go where the focus is.
      WaitFor([&] { return IsActive(w) || DialogShowing(nullptr); });
      driver(*this);
    }
    CloseEditorsLeft();
  });
  form_->ShowModal();
  th.Join();  // the driver may still read the form after it closed
  sentMouseOnly_.reset();
}

vk::TFreePicF& FormSession::Form() {
  if (!gui_.IsCurrent()) ADD_FAILURE() << "the form is read off its thread: read it inside OnGui";
  return *form_;
}

int32_t FormSession::Mode() { return Read([&] { return form_->Mode(); }); }
int32_t FormSession::Zoom() { return Read([&] { return form_->Zoom(); }); }
int32_t FormSession::PageNo() { return Read([&] { return form_->CurrentPageNo(); }); }
HWND FormSession::Control(const char* name) { return Read([&] { return form_->ControlHandle(name); }); }

void FormSession::ClickSurface(int x, int y, bool right) {
  OnGui([&] {
    HWND s = form_->SurfaceHandle();
    ::SendMessageW(s, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(s, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  });
}

void FormSession::DragSurface(int x1, int y1, int x2, int y2) {
  OnGui([&] {
    HWND s = form_->SurfaceHandle();
    ::SendMessageW(s, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x1, y1));
    for (int i = 1; i <= 4; ++i)
      ::SendMessageW(s, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x1 + (x2 - x1) * i / 4, y1 + (y2 - y1) * i / 4));
    ::SendMessageW(s, WM_LBUTTONUP, 0, MAKELPARAM(x2, y2));
  });
}

void FormSession::PostButton(const char* name) {
  HWND b = FindChildById(handle_, vk::ToolButtonId(name));
  ::PostMessageW(b, BM_CLICK, 0, 0);
}

bool FormSession::ButtonEnabled(const char* name) {
  return ::IsWindowEnabled(FindChildById(handle_, vk::ToolButtonId(name))) != FALSE;
}

size_t FormSession::Count() {
  size_t n = 0;
  OnGui([&] { n = form_->Pics().size(); });
  return n;
}

vk::TRect FormSession::RectOf(size_t index) {
  vk::TRect r;
  OnGui([&] { r = form_->Pics().at(index)->GetRect(); });
  return r;
}

void FormSession::Add(const std::function<std::unique_ptr<vk::TPicBase>()>& make) {
  OnGui([&] {
    form_->AppendPic(make());
    form_->RedrawAll(false, true);
    // The scene a test starts from (kind numbers set by drawing) is no step to take back.
    form_->Drawing().Rebase();
  });
}

}  // namespace vkt
