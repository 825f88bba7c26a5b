#pragma once
// The page picture under the drawing, decoded once into the work bitmap's pixel layout
// and read again only when the file's size or modification time changes. A picture read
// anew goes into a separate source first, so that the one shown stays until the new one
// can be shown whole.
#include <cstdint>
#include <string>

#include "core/BmpCodec.h"
#include "win/FileIO.h"

namespace vk {

class PageSource {
 public:
  enum class Result { Unchanged, Reloaded, Failed };

  // Reads the picture at path when it can; when it cannot, nothing changes (Failed).
  Result TryLoad(const std::string& path, std::string& error);
  // Unchanged when the picture at path is the one this source holds, or still cannot be
  // read while a stand-in shows for it; otherwise reads it into next (Reloaded), or says
  // why it cannot be read (Failed, next untouched).
  Result ReadChanged(const std::string& path, PageSource& next, std::string& error) const;
  // Makes Image() a white page of width x height for path, whose picture cannot be read.
  // False, with nothing changed, when the page pixel limit refuses that size.
  bool StandIn(const std::string& path, int32_t width, int32_t height);
  // Takes other's file as seen while keeping this picture: other could not be shown.
  void KeepPictureFor(const PageSource& other);

  const PixelImage& Image() const { return image_; }
  // The picture was read from its file (not the white stand-in).
  bool Loaded() const { return loaded_ && !failed_; }
  // The picture was read from path, and the file has not changed since.
  bool UpToDate(const std::string& path) const;
  // Forget what was read, so that the next read takes the file again.
  void Invalidate() { loaded_ = false; }

 private:
  PixelImage image_;
  std::string path_;
  win::FileStamp stamp_;
  bool loaded_ = false;
  bool failed_ = false;
};

}  // namespace vk
