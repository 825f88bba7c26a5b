#include "RemoteListView.h"

namespace optaset::e2e {

namespace {
constexpr size_t kBufferSize = 4096;
constexpr size_t kTextOffset = 1024;
constexpr size_t kTextChars = 1024;
}  // namespace

RemoteListView::RemoteListView(HWND list, DWORD processId)
    : list_(list),
      process_(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                             FALSE, processId)) {
  if (process_) buffer_ = ::VirtualAllocEx(process_.Get(), nullptr, kBufferSize, MEM_COMMIT, PAGE_READWRITE);
}

RemoteListView::~RemoteListView() {
  if (buffer_) ::VirtualFreeEx(process_.Get(), buffer_, 0, MEM_RELEASE);
}

LRESULT RemoteListView::Send(UINT msg, WPARAM wp, LPARAM lp) const {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutW(list_, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

bool RemoteListView::Write(size_t offset, const void* data, size_t size) const {
  SIZE_T done = 0;
  return ::WriteProcessMemory(process_.Get(), static_cast<char*>(buffer_) + offset, data, size, &done) &&
         done == size;
}

bool RemoteListView::Read(size_t offset, void* data, size_t size) const {
  SIZE_T done = 0;
  return ::ReadProcessMemory(process_.Get(), static_cast<char*>(buffer_) + offset, data, size, &done) &&
         done == size;
}

int RemoteListView::Count() const { return static_cast<int>(Send(LVM_GETITEMCOUNT, 0, 0)); }

bool RemoteListView::Ticked(int row) const {
  const LRESULT state = Send(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK);
  return state != -1 && ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

int RemoteListView::Selected() const {
  return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::wstring RemoteListView::Text(int row, int column) const {
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(Remote(kTextOffset));
  item.cchTextMax = static_cast<int>(kTextChars);
  if (!Write(0, &item, sizeof(item))) return L"<unreadable>";
  const LRESULT n = Send(LVM_GETITEMTEXTW, static_cast<WPARAM>(row), Remote(0));
  if (n < 0 || static_cast<size_t>(n) >= kTextChars) return L"<unreadable>";
  std::wstring text(static_cast<size_t>(n), L'\0');
  if (n > 0 && !Read(kTextOffset, text.data(), static_cast<size_t>(n) * sizeof(wchar_t))) return L"<unreadable>";
  return text;
}

LPARAM RemoteListView::Data(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = -1;
  if (!Write(0, &item, sizeof(item)) || !Send(LVM_GETITEMW, 0, Remote(0)) || !Read(0, &item, sizeof(item)))
    return -1;
  return item.lParam;
}

RECT RemoteListView::ItemRect(int row, int part) const {
  RECT r{part, 0, 0, 0};
  if (!Write(0, &r, sizeof(r)) || !Send(LVM_GETITEMRECT, static_cast<WPARAM>(row), Remote(0)) ||
      !Read(0, &r, sizeof(r)))
    return RECT{-1, -1, -1, -1};
  return r;
}

RemoteListView::Span RemoteListView::CheckBox(int row) const {
  const RECT bounds = ItemRect(row, LVIR_BOUNDS);
  if (bounds.left == -1 && bounds.right == -1) return {};
  const int y = (bounds.top + bounds.bottom) / 2;
  int first = -1;
  int last = -1;
  for (int x = bounds.left; x < bounds.left + 60 && x < bounds.right; ++x) {
    LVHITTESTINFO hit{};
    hit.pt = POINT{x, y};
    if (!Write(0, &hit, sizeof(hit))) break;
    const LRESULT item = Send(LVM_HITTEST, 0, Remote(0));
    if (!Read(0, &hit, sizeof(hit))) break;
    if (item == row && (hit.flags & LVHT_ONITEMSTATEICON)) {
      if (first < 0) first = x;
      last = x;
    }
  }
  if (first < 0) return {};
  return {first, last, y};
}

}  // namespace optaset::e2e
