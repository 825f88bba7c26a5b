#include "GuiDriver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace vkt {

namespace {
constexpr UINT kRunMessage = WM_APP + 77;
}

GuiThread::GuiThread() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = &GuiThread::Proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VkTestGuiThread";
  ::RegisterClassW(&wc);
  wnd_ = ::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

GuiThread::~GuiThread() {
  if (wnd_) ::DestroyWindow(wnd_);
}

void GuiThread::Run(const std::function<void()>& fn) {
  ::SendMessageW(wnd_, kRunMessage, 0, reinterpret_cast<LPARAM>(&fn));
}

LRESULT CALLBACK GuiThread::Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == kRunMessage) {
    (*reinterpret_cast<const std::function<void()>*>(lp))();
    return 0;
  }
  return ::DefWindowProcW(w, m, wp, lp);
}

bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs) {
  const ULONGLONG end = ::GetTickCount64() + timeoutMs;
  for (;;) {
    if (pred()) return true;
    if (::GetTickCount64() > end) return false;
    ::Sleep(20);
  }
}

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

std::wstring WindowText(HWND w) {
  wchar_t buf[1024] = {};
  ::SendMessageTimeoutW(w, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buf), SMTO_BLOCK, 2000, nullptr);
  return buf;
}

namespace {
void SendMouse(int x, int y, DWORD flags) {
  const int sw = ::GetSystemMetrics(SM_CXSCREEN), sh = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>(static_cast<long long>(x) * 65535 / (sw - 1));
  in.mi.dy = static_cast<LONG>(static_cast<long long>(y) * 65535 / (sh - 1));
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  ::SendInput(1, &in, sizeof in);
  ::Sleep(25);
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
  ::Sleep(60);
}

void DoubleClick(int x, int y) {
  MouseMove(x, y);
  MouseButton(x, y, true);
  MouseButton(x, y, false);
  MouseButton(x, y, true);
  MouseButton(x, y, false);
  ::Sleep(60);
}

void Drag(POINT a, POINT b, int steps) {
  MouseMove(a.x, a.y);
  MouseButton(a.x, a.y, true);
  for (int i = 1; i <= steps; ++i) MouseMove(a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps);
  MouseButton(b.x, b.y, false);
  ::Sleep(80);
}

void KeyTap(WORD vk, bool ctrl) {
  INPUT in[4] = {};
  int n = 0;
  auto key = [&](WORD k, bool up) {
    in[n].type = INPUT_KEYBOARD;
    in[n].ki.wVk = k;
    in[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ++n;
  };
  if (ctrl) key(VK_CONTROL, false);
  key(vk, false);
  key(vk, true);
  if (ctrl) key(VK_CONTROL, true);
  ::SendInput(static_cast<UINT>(n), in, sizeof(INPUT));
  ::Sleep(80);
}

void KeyChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> in;
  for (int up = 0; up < 2; ++up)
    for (WORD k : keys) {
      INPUT i{};
      i.type = INPUT_KEYBOARD;
      i.ki.wVk = k;
      i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
      in.push_back(i);
    }
  ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
  ::Sleep(100);
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
  return WaitFor([&] { return !::IsWindow(d) || !::IsWindowVisible(d); }, timeoutMs);
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
  const bool ok = WaitFor([&] { return std::filesystem::exists(base + ".ack"); }, 5000);
  ::Sleep(50);
  return ok;
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
