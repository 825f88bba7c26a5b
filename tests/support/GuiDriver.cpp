#include "GuiDriver.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace vkt {

namespace {
constexpr UINT kRunMessage = WM_APP + 77;
constexpr UINT kIdleMessage = WM_APP + 78;
// The GuiThread that takes the test's input; tests make one at a time, and it outlives
// the driver threads that give input.
std::atomic<const GuiThread*> inputThread{nullptr};
thread_local HWND sentMouseTarget = nullptr;

bool Poll(const std::function<bool()>& pred, DWORD timeoutMs, DWORD intervalMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (pred()) return true;
    if (::GetTickCount64() > end) return false;
    ::Sleep(intervalMs);
  }
}
}  // namespace

GuiThread::GuiThread() : thread_(::GetCurrentThreadId()) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &GuiThread::Proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VkTestGuiThread";
  ::RegisterClassW(&wc);
  wnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  inputThread = this;
}

GuiThread::~GuiThread() {
  const GuiThread* self = this;
  inputThread.compare_exchange_strong(self, nullptr);
  if (wnd_) ::DestroyWindow(wnd_);
}

bool GuiThread::Idle() const {
  DWORD_PTR idle = 0;
  return ::SendMessageTimeoutW(wnd_, kIdleMessage, 0, 0, SMTO_NORMAL, 1000, &idle) != 0 && idle == 1;
}

void GuiThread::Run(const std::function<void()>& fn) {
  ::SendMessageW(wnd_, kRunMessage, 0, reinterpret_cast<LPARAM>(&fn));
}

LRESULT CALLBACK GuiThread::Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == kRunMessage) {
    (*reinterpret_cast<const std::function<void()>*>(lp))();
    return 0;
  }
  // Sent messages come before input and posted ones, so the thread is answering from its
  // message loop (or a dialog's) and sees what is still queued for it.
  if (m == kIdleMessage) return HIWORD(::GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0 ? 1 : 0;
  return ::DefWindowProcW(w, m, wp, lp);
}

Driver::Driver(std::function<void()> fn)
    : done_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)), thread_([this, fn = std::move(fn)] {
        fn();
        ::SetEvent(done_.Get());
      }) {}

Driver::~Driver() { Join(); }

void Driver::Join() {
  if (!thread_.joinable()) return;
  const HANDLE done = done_.Get();
  while (::MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  thread_.join();
}

void WaitInputTaken() {
  const GuiThread* gui = inputThread.load();
  if (!gui || gui->IsCurrent()) return;
  Poll([gui] { return gui->Idle(); }, 5000, 2);
}

SentMouseOnly::SentMouseOnly(HWND target) {
  sentMouseTarget = target;
  hook_ = ::SetWindowsHookExW(WH_MOUSE, &SentMouseOnly::Proc, nullptr, ::GetCurrentThreadId());
}

SentMouseOnly::~SentMouseOnly() {
  if (hook_) ::UnhookWindowsHookEx(hook_);
  sentMouseTarget = nullptr;
}

LRESULT CALLBACK SentMouseOnly::Proc(int code, WPARAM wp, LPARAM lp) {
  // Non-zero drops the message from the queue; sent messages never pass here.
  if (code >= 0 && reinterpret_cast<const MOUSEHOOKSTRUCT*>(lp)->hwnd == sentMouseTarget) return 1;
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs) { return Poll(pred, timeoutMs, 20); }

HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = ::FindWindowW(className, caption)) != nullptr && ::IsWindowVisible(found); }, timeoutMs);
  return found;
}

namespace {
struct ChildSearch {
  int id;
  HWND found;
};
BOOL CALLBACK FindChild(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  if (::GetDlgCtrlID(w) == s->id) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND FindChildById(HWND parent, int id) {
  ChildSearch s{id, nullptr};
  ::EnumChildWindows(parent, &FindChild, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

bool IsActive(HWND top) {
  if (::GetForegroundWindow() != top) return false;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(top, nullptr), &info)) return false;
  return info.hwndFocus == top || ::IsChild(top, info.hwndFocus);
}

std::wstring WindowText(HWND w) {
  wchar_t buf[1024] = {};
  ::SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_BLOCK, 2000, nullptr);
  return buf;
}

namespace {
INPUT MouseInput(int x, int y, DWORD flags) {
  const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>(static_cast<long long>(x) * 65535 / (sw - 1));
  in.mi.dy = static_cast<LONG>(static_cast<long long>(y) * 65535 / (sh - 1));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  return in;
}

void SendMouse(int x, int y, DWORD flags) {
  INPUT in = MouseInput(x, y, flags);
  ::SendInput(1, &in, sizeof in);
  WaitInputTaken();
}
}  // namespace

void MouseMove(int x, int y) { SendMouse(x, y, 0); }

void MouseButton(int x, int y, bool down, bool right) {
  SendMouse(x, y, right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                        : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP));
}

void Click(int x, int y, bool right) {
  MouseMove(x, y);
  MouseButton(x, y, true, right);
  MouseButton(x, y, false, right);
}

void DoubleClick(int x, int y) {
  MouseMove(x, y);
  // In one go: however slow the machine, the two presses fall within the double-click time.
  INPUT in[4] = {MouseInput(x, y, MOUSEEVENTF_LEFTDOWN), MouseInput(x, y, MOUSEEVENTF_LEFTUP),
                 MouseInput(x, y, MOUSEEVENTF_LEFTDOWN), MouseInput(x, y, MOUSEEVENTF_LEFTUP)};
  ::SendInput(4, in, sizeof(INPUT));
  WaitInputTaken();
}

void Drag(POINT a, POINT b, int steps) {
  MouseMove(a.x, a.y);
  MouseButton(a.x, a.y, true);
  for (int i = 1; i <= steps; ++i) MouseMove(a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps);
  MouseButton(b.x, b.y, false);
}

void KeyTap(WORD vk, bool ctrl, bool shift) {
  INPUT in[6] = {};
  int n = 0;
  auto key = [&](WORD k, bool up) {
    in[n].type = INPUT_KEYBOARD;
    in[n].ki.wVk = k;
    in[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ++n;
  };
  if (ctrl) key(VK_CONTROL, false);
  if (shift) key(VK_SHIFT, false);
  key(vk, false);
  key(vk, true);
  if (shift) key(VK_SHIFT, true);
  if (ctrl) key(VK_CONTROL, true);
  ::SendInput(static_cast<UINT>(n), in, sizeof(INPUT));
  WaitInputTaken();
}

POINT ClientToScreenPt(HWND w, int x, int y) {
  POINT p{x, y};
  ::ClientToScreen(w, &p);
  return p;
}

namespace {
BOOL CALLBACK FirstStatic(HWND w, LPARAM lp) {
  wchar_t cls[32] = {};
  ::GetClassNameW(w, cls, 32);
  if (_wcsicmp(cls, L"Static") == 0 && ::GetWindowTextLengthW(w) > 0) {
    *reinterpret_cast<std::wstring*>(lp) = WindowText(w);
    return FALSE;
  }
  return TRUE;
}
}  // namespace

bool DialogShowing(const wchar_t* caption) {
  HWND d = ::FindWindowW(L"#32770", caption);
  return d && ::IsWindowVisible(d);
}

bool AnswerDialog(const wchar_t* caption, int buttonId, DWORD timeoutMs, std::wstring* text) {
  HWND d = WaitForWindow(L"#32770", caption, timeoutMs);
  if (!d) return false;
  if (text) ::EnumChildWindows(d, &FirstStatic, reinterpret_cast<LPARAM>(text));
  ::PostMessageW(d, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), 0);
  // A dialog hides when answered and is destroyed once its loop has ended; only then has
  // the code that asked the question gone on with the answer.
  const bool gone = WaitFor([&] { return !::IsWindow(d); }, timeoutMs);
  WaitInputTaken();
  return gone;
}

bool XKey(const char* action, const char* key) {
  const char* dir = std::getenv("E2E_X_REQUESTS");
  if (!dir || !*dir) return false;
  static int seq = 0;
  ++seq;
  const std::string base = std::string(dir) + "\\req" + std::to_string(seq);
  {
    std::ofstream f(base + ".tmp", std::ios::binary);
    f << action << " " << key << "\n";
  }
  std::filesystem::rename(base + ".tmp", base + ".req");
  // The script acknowledges once xdotool has returned, and xdotool syncs with the X server
  // as it closes: the key is held (or let go) there when the answer comes.
  return WaitFor([&] { return std::filesystem::exists(base + ".ack"); }, 5000);
}

std::vector<uint8_t> FileBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::string FreshFolder(const std::string& name) {
  char tmp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, tmp);
  std::string dir = std::string(tmp) + "vk-" + name;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir, ec);
  return dir + "\\";
}

}  // namespace vkt
