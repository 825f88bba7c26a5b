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

PageSource::Result PageSource::ReadChanged(const std::string& path, PageSource& next, std::string& error) const {
  win::FileStamp stamp;
  if (loaded_ && !failed_ && path == path_ && win::GetFileStamp(path, stamp) && stamp == stamp_) return Result::Unchanged;
  const Result r = next.TryLoad(path, error);
  // The stand-in already shows for this picture: no new error for it.
  if (r == Result::Failed && loaded_ && failed_ && path == path_) return Result::Unchanged;
  return r;
}

bool PageSource::StandIn(const std::string& path, int32_t width, int32_t height) {
  const int32_t w = std::max(width, 1);
  const int32_t h = std::max(height, 1);
  if (!PagePixelsAllowed(w, h)) return false;
  PixelImage white;
  white.Width = w;
  white.Height = h;
  white.Pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0x00FFFFFFu);
  image_ = std::move(white);
  path_ = path;
  stamp_ = {};
  loaded_ = true;
  failed_ = true;
  return true;
}

void PageSource::KeepPictureFor(const PageSource& other) {
  // A readable picture that could not be shown counts as up to date, so the page's next
  // save leaves the host's file alone instead of writing the old picture over it.
  path_ = other.path_;
  stamp_ = other.stamp_;
  failed_ = other.failed_;
  loaded_ = loaded_ || other.loaded_;
}

bool PageSource::UpToDate(const std::string& path) const {
  win::FileStamp now;
  return Loaded() && win::SamePath(path, path_) && win::GetFileStamp(path, now) && now == stamp_;
}

}  // namespace vk
