#pragma once
// Modal dialogs laid out in pixels. The dialog manager gives us keyboard handling
// (mnemonics, Tab, Enter, Esc) and a real modal loop; the template only lists the
// controls, and the dialog places them in pixels when it starts.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vk::win {

struct DialogItem {
  std::wstring ClassName;  // L"BUTTON", L"STATIC", L"EDIT", L"msctls_updown32", ...
  std::wstring Text;
  WORD Id = 0;
  DWORD Style = 0;  // WS_CHILD | WS_VISIBLE are added
  RECT Pixels{};    // left, top, right, bottom in the client area
};

struct DialogSpec {
  std::wstring Caption;
  int ClientWidth = 0;
  int ClientHeight = 0;
  DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  std::wstring FontFace;  // empty: the system font
  int FontPixels = 0;     // character height in pixels
  BYTE FontCharset = DEFAULT_CHARSET;
  std::vector<DialogItem> Items;
  HICON Icon = nullptr;  // window icon, not owned
  // Runs when the dialog has placed its controls; return value ignored.
  std::function<void(HWND)> OnInit;
  // WM_COMMAND before the default handling; return true when handled.
  std::function<bool(HWND, WORD id, WORD code)> OnCommand;
  // Any other message first (painting, mouse, cursor); a value means handled, and it is
  // the message's result.
  std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> OnMessage;
  // Called just before the dialog ends with the given result.
  std::function<void(HWND, INT_PTR result)> OnEnd;
  // Centred on this window (the desktop when null).
  HWND CenterOn = nullptr;
};

// Shows the dialog modally and returns the id of the button that ended it (IDCANCEL
// for the close box and Esc). Buttons with ids IDOK, IDCANCEL, IDYES and IDNO end it.
INT_PTR RunDialog(HINSTANCE inst, HWND owner, const DialogSpec& spec);

}  // namespace vk::win
