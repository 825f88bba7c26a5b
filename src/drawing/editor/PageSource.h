#pragma once
// The page picture under the drawing, decoded once into the work bitmap's pixel layout
// and read again only when the file's size or modification time changes.
#include <cstdint>
#include <string>

#include "core/BmpCodec.h"
#include "win/FileIO.h"

namespace vk {

class PageSource {
 public:
  enum class Result { Unchanged, Reloaded, Failed };

  // Makes Image() show the picture at path. When it cannot be read, Image() becomes a
  // white page of the fallback size and the result is Failed (error says why).
  Result Refresh(const std::string& path, int32_t fallbackWidth, int32_t fallbackHeight, std::string& error);
  // Reads the picture at path when it can; when it cannot, nothing changes (Failed).
  Result TryLoad(const std::string& path, std::string& error);
  const PixelImage& Image() const { return image_; }
  // The picture was read from its file (not the white stand-in).
  bool Loaded() const { return loaded_ && !failed_; }
  // The picture was read from path, and the file has not changed since.
  bool UpToDate(const std::string& path) const;
  // Forget what was read, so that the next Refresh reads the file again.
  void Invalidate() { loaded_ = false; }

 private:
  PixelImage image_;
  std::string path_;
  win::FileStamp stamp_;
  bool loaded_ = false;
  bool failed_ = false;
};

}  // namespace vk
