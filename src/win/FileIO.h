#pragma once
// Whole-file reads and crash-safe writes. Paths are 8-bit text in the system code page,
// as the host passes them.
#include <cstdint>
#include <string>
#include <vector>

namespace vk::win {

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& out, std::string& error);

// Writes to a temporary file in the same folder, then moves it over the target, so a
// failed write never leaves a half-written file where a good one was.
bool WriteFileReplacing(const std::string& path, const void* data, size_t size, std::string& error);
inline bool WriteFileReplacing(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
  return WriteFileReplacing(path, bytes.data(), bytes.size(), error);
}

// A file written beside its target under a temporary name and moved over the target by
// Commit. Until then the target is untouched; an uncommitted temporary file is deleted.
class StagedFile {
 public:
  StagedFile() = default;
  ~StagedFile();
  StagedFile(const StagedFile&) = delete;
  StagedFile& operator=(const StagedFile&) = delete;

  bool Write(const std::string& path, const void* data, size_t size, std::string& error);
  bool Commit(std::string& error);

 private:
  void Discard();
  std::wstring target_, temp_;
};

// Copies a file to the first of name, name.2, name.3 ... that does not exist yet, so an
// earlier copy is never replaced; copied names the one made.
bool CopyFileToFreeName(const std::string& from, const std::string& name, std::string& copied, std::string& error);

bool FileExists(const std::string& path);
bool DeleteFileIfExists(const std::string& path);

// Size and last-write time, for noticing that a file changed on disk.
struct FileStamp {
  uint64_t Size = 0;
  uint64_t WriteTime = 0;
  bool operator==(const FileStamp&) const = default;
};
bool GetFileStamp(const std::string& path, FileStamp& out);

// "C:\a\Page3.bmp" -> "C:\a\" ; "Page3.bmp"
std::string DirectoryWithSeparator(const std::string& path);
std::string FileNamePart(const std::string& path);
std::string ChangeExtension(const std::string& path, const std::string& ext);

std::string LastErrorText(unsigned long code);

// The two paths name the same file (compared as full paths, without regard to case).
bool SamePath(const std::string& a, const std::string& b);

}  // namespace vk::win
