#pragma once
// Driving another process's windows as a user would: starting it, finding its windows,
// real mouse clicks, answering message boxes. Every wait has a deadline.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>

#include "win/Handle.h"

namespace optaset::e2e {

// A started program; terminated by its handle if it is still running when this goes.
class Process {
 public:
  Process(const std::filesystem::path& exe, const std::filesystem::path& folder);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  explicit operator bool() const { return static_cast<bool>(process_); }
  DWORD Id() const { return id_; }
  bool Running() const;
  // Waits for the end; the exit status, or -1 when the deadline passed first.
  long WaitExit(DWORD ms) const;

 private:
  vk::win::UniqueHandle<vk::win::KernelTraits> process_;
  vk::win::UniqueHandle<vk::win::KernelTraits> thread_;
  DWORD id_ = 0;
};

// Polls until the condition holds or the deadline passes; true when it held.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms);

// A visible top-level window of that process with that class (and caption, when given).
HWND FindProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption = nullptr);
HWND WaitForProcessWindow(DWORD processId, const wchar_t* className, const wchar_t* caption, DWORD ms);

// The text and buttons of a standard message box.
std::wstring MessageBoxText(HWND box);
bool HasButton(HWND box, int id);
void Answer(HWND box, int id);

// Left clicks (two make a double click) at a point of a window's client area, with real input.
void ClickClient(HWND foreground, HWND target, POINT client, int clicks = 1);
// How many pixels of a screen rectangle have exactly that colour, as drawn on the screen.
int CountScreenPixels(const RECT& area, COLORREF colour);
// A window's text, read through the window manager (works across processes).
std::wstring WindowText(HWND wnd);

// A path as Windows programs see it (Wine maps the host's absolute paths to a drive).
std::filesystem::path WindowsPath(const std::string& hostPath);

}  // namespace optaset::e2e
