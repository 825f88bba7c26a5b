#pragma once
// The export's arguments every benchmark opens the editor with: a window of 1000 x 740 on
// the given page picture.
#include <string>

#include "core/EditorArgs.h"

namespace bench {

inline vk::EditorArgs BenchArgs(const std::string& pageFile) {
  vk::EditorArgs args;
  args.ImageWidth = 1000;
  args.ImageHeight = 740;
  args.PageFile = pageFile;
  return args;
}

}  // namespace bench
