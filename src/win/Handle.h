#pragma once
// Move-only owners for Win32 handles. Every GDI and USER handle we create lives in one.
#include <windows.h>

#include <utility>

namespace vk::win {

template <typename Traits>
class UniqueHandle {
 public:
  using Type = typename Traits::Type;
  UniqueHandle() = default;
  explicit UniqueHandle(Type h) : h_(h) {}
  ~UniqueHandle() { Reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, Type{})) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, Type{});
    }
    return *this;
  }
  Type Get() const { return h_; }
  explicit operator bool() const { return h_ != Type{}; }
  Type Release() { return std::exchange(h_, Type{}); }
  void Reset(Type h = Type{}) {
    if (h_ != Type{}) Traits::Close(h_);
    h_ = h;
  }

 private:
  Type h_{};
};

struct GdiTraits {
  using Type = HGDIOBJ;
  static void Close(HGDIOBJ h) { ::DeleteObject(h); }
};
template <typename T>
struct TypedGdiTraits {
  using Type = T;
  static void Close(T h) { ::DeleteObject(h); }
};
struct DcTraits {
  using Type = HDC;
  static void Close(HDC h) { ::DeleteDC(h); }
};
struct IconTraits {
  using Type = HICON;
  static void Close(HICON h) { ::DestroyIcon(h); }
};
struct KernelTraits {
  using Type = HANDLE;
  static void Close(HANDLE h) {
    if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
  }
};
struct FileTraits {
  using Type = HANDLE;
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct ModuleTraits {
  using Type = HMODULE;
  static void Close(HMODULE h) { ::FreeLibrary(h); }
};
struct WindowTraits {
  using Type = HWND;
  // A child dies with its parent; only a window that still exists is destroyed.
  static void Close(HWND h) {
    if (::IsWindow(h)) ::DestroyWindow(h);
  }
};
struct MenuTraits {
  using Type = HMENU;
  static void Close(HMENU h) { ::DestroyMenu(h); }
};

struct ChangeNotificationTraits {
  using Type = HANDLE;
  static void Close(HANDLE h) {
    if (h != INVALID_HANDLE_VALUE) ::FindCloseChangeNotification(h);
  }
};

using Pen = UniqueHandle<TypedGdiTraits<HPEN>>;
using Brush = UniqueHandle<TypedGdiTraits<HBRUSH>>;
using Font = UniqueHandle<TypedGdiTraits<HFONT>>;
using Region = UniqueHandle<TypedGdiTraits<HRGN>>;
using Bitmap = UniqueHandle<TypedGdiTraits<HBITMAP>>;
using MemoryDc = UniqueHandle<DcTraits>;
using Icon = UniqueHandle<IconTraits>;
using Module = UniqueHandle<ModuleTraits>;
using Menu = UniqueHandle<MenuTraits>;
// A folder's change notification (FindFirstChangeNotification); invalid is INVALID_HANDLE_VALUE.
using ChangeNotification = UniqueHandle<ChangeNotificationTraits>;
using Window = UniqueHandle<WindowTraits>;
using KernelHandle = UniqueHandle<KernelTraits>;  // processes, threads, events

// Files opened with CreateFile report failure as INVALID_HANDLE_VALUE, not null.
class File {
 public:
  File() = default;
  explicit File(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  explicit operator bool() const { return static_cast<bool>(h_); }
  HANDLE Get() const { return h_.Get(); }
  void Close() { h_.Reset(); }

 private:
  UniqueHandle<FileTraits> h_;
};

// Selects an object into a DC and puts the previous one back when it leaves scope.
// Declare it after the object it selects, so the object outlives the selection.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
  ~SelectGuard() {
    if (old_ != nullptr && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A DC borrowed from a window with GetDC; released with the window it came from.
class WindowDc {
 public:
  explicit WindowDc(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(wnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint / EndPaint as one scope.
class PaintDc {
 public:
  explicit PaintDc(HWND wnd) : wnd_(wnd) { dc_ = ::BeginPaint(wnd, &ps_); }
  ~PaintDc() { ::EndPaint(wnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC Get() const { return dc_; }
  const RECT& Dirty() const { return ps_.rcPaint; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace vk::win
