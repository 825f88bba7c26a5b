#pragma once
// Driving real windows from a test: running code on the GUI thread, waiting for windows
// and states with deadlines, real mouse and keyboard input through SendInput, and the
// answers to message boxes.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "win/Handle.h"

namespace vkt {

// Created on the GUI thread; Run() executes code there from any thread and waits.
// While one lives, it is the thread whose windows take the test's input: the input
// functions below return once that thread has taken all of it.
class GuiThread {
 public:
  GuiThread();
  ~GuiThread();
  GuiThread(const GuiThread&) = delete;
  GuiThread& operator=(const GuiThread&) = delete;
  void Run(const std::function<void()>& fn);
  bool IsCurrent() const { return ::GetCurrentThreadId() == thread_; }
  // True when the thread is in its message loop with no input and no posted message
  // waiting: everything sent to its windows so far has been handled.
  bool Idle() const;

 private:
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  HWND wnd_ = nullptr;
  DWORD thread_ = 0;
};

// A driver thread beside the GUI thread that makes it. Join() serves the GUI thread's
// messages until the driver has returned, so the driver can still run code there
// (GuiThread::Run, the input waits) after the window under test has closed.
class Driver {
 public:
  explicit Driver(std::function<void()> fn);
  ~Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;
  void Join();

 private:
  vk::win::UniqueHandle<vk::win::KernelTraits> done_;
  std::thread thread_;
};

// Waits until the GUI thread (when there is one) has handled the input given so far.
void WaitInputTaken();

// While it lives, input from the real pointer no longer reaches target, a window of this
// thread. The X server reports pointer moves whenever windows appear or change under the
// pointer, wherever an earlier test left it; a test that works target with sent messages
// then sees its own messages only.
class SentMouseOnly {
 public:
  explicit SentMouseOnly(HWND target);
  ~SentMouseOnly();
  SentMouseOnly(const SentMouseOnly&) = delete;
  SentMouseOnly& operator=(const SentMouseOnly&) = delete;

 private:
  static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp);
  HHOOK hook_ = nullptr;
};

// Polls pred every 20 ms until it holds or the deadline passes.
bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs = 5000);
HWND WaitForWindow(const wchar_t* className, const wchar_t* caption, DWORD timeoutMs = 10000);
HWND FindChildById(HWND parent, int id);  // searches all descendants
// True when top is the foreground window and the keyboard focus is on it or inside it.
bool IsActive(HWND top);
std::wstring WindowText(HWND w);

// Absolute pointer input at screen coordinates. Each returns once the GUI thread has
// handled it (see GuiThread).
void MouseMove(int x, int y);
void MouseButton(int x, int y, bool down, bool right = false);
void Click(int x, int y, bool right = false);
void DoubleClick(int x, int y);
// Press at a, move in steps, release at b.
void Drag(POINT a, POINT b, int steps = 6);
void KeyTap(WORD vk, bool ctrl = false, bool shift = false);
// A point of a window's client area on the screen.
POINT ClientToScreenPt(HWND w, int x, int y);

// Finds a message box (or any dialog) by caption and presses the button with that id.
// The text of its static control goes to text when asked. False when none appears.
bool AnswerDialog(const wchar_t* caption, int buttonId, DWORD timeoutMs = 5000, std::wstring* text = nullptr);
// True when a dialog of that caption (any, for null) is visible now.
bool DialogShowing(const wchar_t* caption);

// Asks the helper script that runs this test to hold or release a key at the X level
// (modifiers held that way reach the mouse messages). A no-op without the script.
bool XKey(const char* action, const char* key);  // action "keydown" / "keyup"

// Folder for a test's files, emptied first. Returns a Windows path with a trailing '\'.
std::string FreshFolder(const std::string& name);
// A whole file (empty when it cannot be read), and the sorted names in a folder.
std::vector<uint8_t> FileBytes(const std::string& path);
std::vector<std::string> Listing(const std::string& dir);

}  // namespace vkt
