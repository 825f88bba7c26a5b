#include "Desktop.h"

#include <vector>

#include "win/Text.h"

namespace optaset::e2e {

Process::Process(const std::filesystem::path& exe, const std::filesystem::path& folder) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                       &pi)) {
    process_.Reset(pi.hProcess);
    thread_.Reset(pi.hThread);
    id_ = pi.dwProcessId;
  }
}

Process::~Process() {
  if (Running()) {
    ::TerminateProcess(process_.Get(), 99);
    ::WaitForSingleObject(process_.Get(), 5000);
  }
}

bool Process::Running() const { return process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }

long Process::WaitExit(DWORD ms) const {
  if (!process_ || ::WaitForSingleObject(process_.Get(), ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  if (!::GetExitCodeProcess(process_.Get(), &code)) return -1;
  return static_cast<long>(code);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD ms) {
  const ULONGLONG deadline = ::GetTickCount64() + ms;
  for (;;) {
    if (condition()) return true;
    if (::GetTickCount64() >= deadline) return false;
    // Nothing of ours to pump: give the other process the processor for a moment.
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 15, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
}

namespace {
struct Search {
  DWORD processId;
  const wchar_t* className;
  const wchar_t* caption;
  HWND found;
};

BOOL CALLBACK Visit(HWND wnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(wnd, &pid);
  if (pid != s->processId || !::IsWindowVisible(wnd)) return TRUE;
  wchar_t cls[64] = {};
  ::GetClassNameW(wnd, cls, 64);
  if (std::wstring(cls) != s->className) return TRUE;
  if (s->caption && WindowText(wnd) != s->caption) return TRUE;
  s->found = wnd;
  return FALSE;
}
}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption) {
  Search s{processId, className, caption, nullptr};
  ::EnumWindows(&Visit, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption, DWORD ms) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindProcessWindow(processId, className, caption)) != nullptr; }, ms);
  return found;
}

std::wstring WindowText(HWND wnd) {
  wchar_t buf[2048] = {};
  DWORD_PTR n = 0;
  if (!::SendMessageTimeoutW(wnd, WM_GETTEXT, std::size(buf), reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000,
                             &n))
    return {};
  return std::wstring(buf, n < std::size(buf) ? n : 0);
}

std::wstring MessageBoxText(HWND box) {
  HWND text = ::GetDlgItem(box, 0xFFFF);  // the message box's static text
  return text ? WindowText(text) : std::wstring();
}

bool HasButton(HWND box, int id) { return ::GetDlgItem(box, id) != nullptr; }

void Answer(HWND box, int id) {
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

void ClickClient(HWND foreground, HWND target, POINT client, int clicks) {
  ::SetForegroundWindow(foreground);
  POINT p = client;
  ::ClientToScreen(target, &p);
  const int w = ::GetSystemMetrics(SM_CXSCREEN);
  const int h = ::GetSystemMetrics(SM_CYSCREEN);
  std::vector<INPUT> in(1 + 2 * static_cast<size_t>(clicks));
  for (INPUT& i : in) {
    i.type = INPUT_MOUSE;
    i.mi.dx = static_cast<LONG>(p.x * 65535LL / (w - 1));
    i.mi.dy = static_cast<LONG>(p.y * 65535LL / (h - 1));
    i.mi.dwFlags = MOUSEEVENTF_ABSOLUTE;
  }
  in[0].mi.dwFlags |= MOUSEEVENTF_MOVE;
  for (size_t i = 1; i < in.size(); ++i) in[i].mi.dwFlags |= (i % 2) ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

int CountScreenPixels(const RECT& area, COLORREF colour) {
  HDC screen = ::GetDC(nullptr);
  if (!screen) return 0;
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (::GetPixel(screen, x, y) == colour) ++n;
  ::ReleaseDC(nullptr, screen);
  return n;
}

std::filesystem::path WindowsPath(const std::string& hostPath) {
  using ToDos = LPWSTR(CDECL*)(LPCSTR);
  HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
  auto toDos = reinterpret_cast<ToDos>(
      reinterpret_cast<void*>(kernel ? ::GetProcAddress(kernel, "wine_get_dos_file_name") : nullptr));
  if (!hostPath.empty() && hostPath[0] == '/' && toDos) {
    if (LPWSTR dos = toDos(hostPath.c_str())) {
      std::filesystem::path p(dos);
      ::HeapFree(::GetProcessHeap(), 0, dos);
      return p;
    }
  }
  return std::filesystem::path(vk::win::AnsiToWide(hostPath));
}

}  // namespace optaset::e2e
