#include "win/FileIO.h"

#include <windows.h>

#include "win/Handle.h"
#include "win/Text.h"

namespace vk::win {

std::string LastErrorText(unsigned long code) {
  wchar_t* buf = nullptr;
  DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, code, 0, reinterpret_cast<wchar_t*>(&buf), 0, nullptr);
  std::wstring text = n && buf ? std::wstring(buf, n) : L"error " + std::to_wstring(code);
  if (buf) ::LocalFree(buf);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  return WideToUtf8(text);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error) {
  File f(::CreateFileW(AnsiToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!f) {
    error = LastErrorText(::GetLastError());
    return false;
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(f.Get(), &size) || size.QuadPart > 0x7FFFFFFF) {
    error = "the file is too large";
    return false;
  }
  out.resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < out.size()) {
    DWORD got = 0;
    DWORD want = static_cast<DWORD>(std::min<size_t>(out.size() - done, 1u << 24));
    if (!::ReadFile(f.Get(), out.data() + done, want, &got, nullptr)) {
      error = LastErrorText(::GetLastError());
      return false;
    }
    if (got == 0) break;
    done += got;
  }
  out.resize(done);
  return true;
}

StagedFile::~StagedFile() { Discard(); }

void StagedFile::Discard() {
  if (!temp_.empty()) ::DeleteFileW(temp_.c_str());
  temp_.clear();
}

bool StagedFile::Write(const std::string& path, const void* data, size_t size, std::string& error) {
  Discard();
  target_ = AnsiToWide(path);
  const std::wstring temp = target_ + L".tmp" + std::to_wstring(::GetCurrentProcessId());
  File f(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!f) {
    error = LastErrorText(::GetLastError());
    return false;
  }
  temp_ = temp;  // ours from here on: deleted unless committed
  const auto* p = static_cast<const uint8_t*>(data);
  size_t done = 0;
  while (done < size) {
    DWORD put = 0;
    DWORD want = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 24));
    if (!::WriteFile(f.Get(), p + done, want, &put, nullptr) || put == 0) {
      error = LastErrorText(::GetLastError());
      f.Close();
      Discard();
      return false;
    }
    done += put;
  }
  if (!::FlushFileBuffers(f.Get())) {
    // Not every file system supports flushing; the data is still written.
  }
  return true;
}

bool StagedFile::Commit(std::string& error) {
  if (temp_.empty()) {
    error = "nothing was written";
    return false;
  }
  if (!::MoveFileExW(temp_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastErrorText(::GetLastError());
    Discard();
    return false;
  }
  temp_.clear();
  return true;
}

bool WriteFileReplacing(const std::string& path, const void* data, size_t size, std::string& error) {
  StagedFile f;
  return f.Write(path, data, size, error) && f.Commit(error);
}

bool CopyFileToFreeName(const std::string& from, const std::string& name, std::string& copied, std::string& error) {
  const std::wstring source = AnsiToWide(from);
  for (unsigned n = 1; n < 100000; ++n) {
    copied = n == 1 ? name : name + "." + std::to_string(n);
    // Failing when the name exists is what keeps an earlier copy.
    if (::CopyFileW(source.c_str(), AnsiToWide(copied).c_str(), TRUE)) return true;
    const DWORD e = ::GetLastError();
    if (e != ERROR_FILE_EXISTS && e != ERROR_ALREADY_EXISTS) {
      error = LastErrorText(e);
      return false;
    }
  }
  error = "every name for the copy is taken";
  return false;
}

bool FileExists(const std::string& path) {
  DWORD a = ::GetFileAttributesW(AnsiToWide(path).c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool DeleteFileIfExists(const std::string& path) {
  const std::wstring w = AnsiToWide(path);
  if (::DeleteFileW(w.c_str())) return true;
  DWORD e = ::GetLastError();
  return e == ERROR_FILE_NOT_FOUND || e == ERROR_PATH_NOT_FOUND;
}

bool GetFileStamp(const std::string& path, FileStamp& out) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  if (!::GetFileAttributesExW(AnsiToWide(path).c_str(), GetFileExInfoStandard, &d)) return false;
  out.Size = (static_cast<uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
  out.WriteTime = (static_cast<uint64_t>(d.ftLastWriteTime.dwHighDateTime) << 32) | d.ftLastWriteTime.dwLowDateTime;
  return true;
}

// Paths are split in UTF-16: in a double-byte code page a trail byte can equal '\\'.
namespace {
size_t LastSeparator(const std::wstring& path) { return path.find_last_of(L"\\/:"); }
}  // namespace

std::string DirectoryWithSeparator(const std::string& path) {
  const std::wstring w = AnsiToWide(path);
  size_t p = LastSeparator(w);
  return p == std::wstring::npos ? std::string() : WideToAnsi(w.substr(0, p + 1));
}

std::string FileNamePart(const std::string& path) {
  const std::wstring w = AnsiToWide(path);
  size_t p = LastSeparator(w);
  return p == std::wstring::npos ? path : WideToAnsi(w.substr(p + 1));
}

std::string ChangeExtension(const std::string& path, const std::string& ext) {
  const std::wstring w = AnsiToWide(path);
  size_t dot = w.find_last_of(L'.');
  size_t sep = LastSeparator(w);
  if (dot == std::wstring::npos || (sep != std::wstring::npos && dot < sep)) return path + ext;
  return WideToAnsi(w.substr(0, dot)) + ext;
}

bool SamePath(const std::string& a, const std::string& b) {
  auto full = [](const std::string& p) {
    wchar_t buf[MAX_PATH * 4] = {};
    const DWORD n = ::GetFullPathNameW(AnsiToWide(p).c_str(), MAX_PATH * 4, buf, nullptr);
    return n ? std::wstring(buf, n) : AnsiToWide(p);
  };
  return ::CompareStringOrdinal(full(a).c_str(), -1, full(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

}  // namespace vk::win
