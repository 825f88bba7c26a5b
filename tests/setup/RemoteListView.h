#pragma once
// Reads a list view that lives in another process. Messages whose arguments point to memory
// are not carried across processes, so their structures go through a buffer allocated in
// the owner's address space.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win/Handle.h"

namespace optaset::e2e {

class RemoteListView {
 public:
  RemoteListView(HWND list, DWORD processId);
  ~RemoteListView();
  RemoteListView(const RemoteListView&) = delete;
  RemoteListView& operator=(const RemoteListView&) = delete;

  explicit operator bool() const { return buffer_ != nullptr; }
  HWND Window() const { return list_; }
  int Count() const;
  bool Ticked(int row) const;
  int Selected() const;
  std::wstring Text(int row, int column) const;
  LPARAM Data(int row) const;  // the item's data: frmMain keeps the row's text colour there
  RECT ItemRect(int row, int part) const;  // LVIR_BOUNDS, LVIR_LABEL, ... in client coordinates
  // The client x range and middle y of the row's check box, found by hit testing.
  struct Span {
    int first = -1;
    int last = -1;
    int y = -1;
  };
  Span CheckBox(int row) const;

 private:
  LRESULT Send(UINT msg, WPARAM wp, LPARAM lp) const;
  bool Write(size_t offset, const void* data, size_t size) const;
  bool Read(size_t offset, void* data, size_t size) const;
  LPARAM Remote(size_t offset) const { return reinterpret_cast<LPARAM>(static_cast<char*>(buffer_) + offset); }

  HWND list_;
  vk::win::UniqueHandle<vk::win::KernelTraits> process_;
  void* buffer_ = nullptr;
};

}  // namespace optaset::e2e
