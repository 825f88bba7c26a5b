#pragma once
// The nine texts the host passes to the editor's export, parsed once on entry.
#include <cstdint>
#include <string>

namespace vk {

// Decimal text to a number; anything that is not a whole decimal number (blanks around
// it are allowed) gives def. Values outside 32 bits also give def.
int32_t ParseIntOr(const std::string& text, int32_t def);

// The window handle a host wrote in decimal, as the bits of a pointer of pointerBits
// (32 or 64). Hosts print handles signed or unsigned, so both are taken; 0 when the text
// is no number or does not fit the pointer.
uint64_t ParseHandleBits(const std::string& text, unsigned pointerBits);

struct EditorArgs {
  int32_t ImageWidth = 100;
  int32_t ImageHeight = 100;
  std::string PageFile;
  int32_t StartScrollX = 0;
  int32_t StartScrollY = 0;
  int32_t PageCount = 1;
  std::string ThemeFile;
  std::string IconFile;
  std::string HostWnd;
};

// args[i] is the address of a pointer to zero-terminated text. A null address or a null
// text counts as empty text, so numbers take their defaults.
EditorArgs ParseEditorArgs(const char* const* const args[9]);

// The page number text of a page picture's file name: the name without its first four
// and last four characters ("Page12.bmp" gives "12"); empty when the name is shorter.
std::string PageNumberText(const std::string& fileName);

}  // namespace vk
