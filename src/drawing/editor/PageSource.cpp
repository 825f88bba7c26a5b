#include "drawing/editor/PageSource.h"

#include <algorithm>
#include <new>
#include <vector>

namespace vk {

PageSource::Result PageSource::TryLoad(const std::string& path, std::string& error) {
  win::FileStamp stamp;
  const bool haveStamp = win::GetFileStamp(path, stamp);
  if (loaded_ && haveStamp && !failed_ && path == path_ && stamp == stamp_) return Result::Unchanged;

  std::vector<uint8_t> bytes;
  PixelImage decoded;
  bool ok = false;
  try {
    ok = haveStamp && win::ReadWholeFile(path, bytes, error) && DecodeBmp(bytes.data(), bytes.size(), decoded, error);
  } catch (const std::bad_alloc&) {
    error = "not enough memory for a picture of this size";
  }
  if (!haveStamp && error.empty()) error = "the file does not exist or cannot be opened";
  if (ok) {
    image_ = std::move(decoded);
    path_ = path;
    stamp_ = stamp;
    loaded_ = true;
    failed_ = false;
    return Result::Reloaded;
  }
  return Result::Failed;
}

PageSource::Result PageSource::Refresh(const std::string& path, int32_t fallbackWidth, int32_t fallbackHeight,
                                       std::string& error) {
  const Result r = TryLoad(path, error);
  if (r != Result::Failed) return r;
  const bool wasFailing = loaded_ && failed_ && path == path_;
  const int32_t w = std::max(fallbackWidth, 1);
  const int32_t h = std::max(fallbackHeight, 1);
  if (!wasFailing || image_.Width != w || image_.Height != h) {
    image_ = PixelImage{};
    image_.Width = w;
    image_.Height = h;
    image_.Pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0x00FFFFFFu);
  }
  path_ = path;
  stamp_ = {};
  loaded_ = true;
  failed_ = true;
  return wasFailing ? Result::Unchanged : Result::Failed;
}

bool PageSource::UpToDate(const std::string& path) const {
  win::FileStamp now;
  return Loaded() && win::SamePath(path, path_) && win::GetFileStamp(path, now) && now == stamp_;
}

}  // namespace vk
