#include "win/DialogTemplate.h"

#include "win/Barrier.h"
#include "win/Handle.h"

namespace vk::win {

namespace {

struct Running {
  const DialogSpec* Spec;
  Font DialogFont;
};

void Align4(std::vector<WORD>& t) {
  if (t.size() % 2) t.push_back(0);
}

void PutString(std::vector<WORD>& t, const std::wstring& s) {
  for (wchar_t c : s) t.push_back(static_cast<WORD>(c));
  t.push_back(0);
}

void EndWith(HWND dlg, INT_PTR result) {
  auto* run = reinterpret_cast<Running*>(::GetWindowLongPtrW(dlg, DWLP_USER));
  if (run && run->Spec->OnEnd) run->Spec->OnEnd(dlg, result);
  ::EndDialog(dlg, result);
}

INT_PTR DialogMessage(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* run = reinterpret_cast<Running*>(lp);
      ::SetWindowLongPtrW(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(run));
      const DialogSpec& s = *run->Spec;
      ::SetWindowTextW(dlg, s.Caption.c_str());
      if (!s.FontFace.empty()) {
        run->DialogFont.Reset(::CreateFontW(-s.FontPixels, 0, 0, 0, FW_NORMAL, 0, 0, 0, s.FontCharset, 0, 0,
                                            DEFAULT_QUALITY, 0, s.FontFace.c_str()));
      }
      HFONT font = run->DialogFont ? run->DialogFont.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
      RECT wr{0, 0, s.ClientWidth, s.ClientHeight};
      ::AdjustWindowRectEx(&wr, static_cast<DWORD>(::GetWindowLongPtrW(dlg, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(::GetWindowLongPtrW(dlg, GWL_EXSTYLE)));
      const int w = wr.right - wr.left, h = wr.bottom - wr.top;
      RECT area{};
      if (s.CenterOn && ::IsWindow(s.CenterOn)) ::GetWindowRect(s.CenterOn, &area);
      else ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
      ::SetWindowPos(dlg, nullptr, area.left + (area.right - area.left - w) / 2, area.top + (area.bottom - area.top - h) / 2,
                     w, h, SWP_NOZORDER | SWP_NOACTIVATE);
      for (const DialogItem& it : s.Items) {
        HWND c = ::GetDlgItem(dlg, it.Id);
        if (!c) continue;
        ::SetWindowPos(c, nullptr, it.Pixels.left, it.Pixels.top, it.Pixels.right - it.Pixels.left,
                       it.Pixels.bottom - it.Pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      }
      if (s.Icon) {
        ::SendMessageW(dlg, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(s.Icon));
        ::SendMessageW(dlg, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(s.Icon));
      }
      if (s.OnInit) s.OnInit(dlg);
      return TRUE;
    }
    case WM_COMMAND: {
      auto* run = reinterpret_cast<Running*>(::GetWindowLongPtrW(dlg, DWLP_USER));
      const WORD id = LOWORD(wp), code = HIWORD(wp);
      if (run && run->Spec->OnCommand && run->Spec->OnCommand(dlg, id, code)) return TRUE;
      if (id == IDOK || id == IDCANCEL || id == IDYES || id == IDNO) {
        EndWith(dlg, id);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CLOSE:
      EndWith(dlg, IDCANCEL);
      return TRUE;
    default: {
      auto* run = reinterpret_cast<Running*>(::GetWindowLongPtrW(dlg, DWLP_USER));
      if (!run || !run->Spec->OnMessage) return FALSE;
      const std::optional<LRESULT> result = run->Spec->OnMessage(dlg, msg, wp, lp);
      if (!result) return FALSE;
      ::SetWindowLongPtrW(dlg, DWLP_MSGRESULT, *result);
      return TRUE;
    }
  }
}

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  return Guarded(dlg, FALSE, [&] { return DialogMessage(dlg, msg, wp, lp); });
}

}  // namespace

INT_PTR RunDialog(HINSTANCE inst, HWND owner, const DialogSpec& spec) {
  std::vector<WORD> t;
  auto put32 = [&t](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  put32(spec.Style);
  put32(0);  // extended style
  t.push_back(static_cast<WORD>(spec.Items.size()));
  for (int i = 0; i < 4; ++i) t.push_back(0);  // x, y, cx, cy: set in pixels at start
  t.push_back(0);  // no menu
  t.push_back(0);  // the default dialog class
  t.push_back(0);  // caption set at start
  for (const DialogItem& it : spec.Items) {
    Align4(t);
    put32(it.Style | WS_CHILD | WS_VISIBLE);
    put32(0);
    for (int i = 0; i < 4; ++i) t.push_back(1);
    t.push_back(it.Id);
    PutString(t, it.ClassName);
    PutString(t, it.Text);
    t.push_back(0);  // no creation data
  }
  Running run{&spec, {}};
  return ::DialogBoxIndirectParamW(inst, reinterpret_cast<LPCDLGTEMPLATEW>(t.data()), owner, &DialogProc,
                                   reinterpret_cast<LPARAM>(&run));
}

}  // namespace vk::win
