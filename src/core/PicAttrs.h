#pragma once
// Pen, brush and font of a figure as plain values. A canvas realises them into GDI
// objects only when it draws, so objects can be saved, loaded and copied without GDI.
#include <cstdint>
#include <string>

namespace vk {

// Colours are COLORREF values 0x00BBGGRR.
inline constexpr uint32_t kColorBlack = 0x000000;
inline constexpr uint32_t kColorWhite = 0xFFFFFF;
inline constexpr uint32_t kColorRed = 0x0000FF;
inline constexpr uint32_t kColorGreen = 0x00FF00;
inline constexpr uint32_t kColorMagenta = 0xFF00FF;

// Pen style codes as stored in records.
enum : uint8_t {
  kPenSolid = 0,
  kPenDash = 1,
  kPenDot = 2,
  kPenDashDot = 3,
  kPenDashDotDot = 4,
  kPenClear = 5,
  kPenInsideFrame = 6,
};

// How a pen mixes with what is already drawn; never stored.
enum class PenMode : uint8_t { Copy, Xor, NotXor };

struct PenAttrs {
  uint32_t Color = kColorRed;
  int32_t Width = 1;
  uint8_t Style = kPenSolid;
  PenMode Mode = PenMode::Copy;
  friend bool operator==(const PenAttrs&, const PenAttrs&) = default;
};

// Brush style codes as stored in records.
enum : uint8_t {
  kBrushSolid = 0,
  kBrushClear = 1,
  kBrushHorizontal = 2,
  kBrushVertical = 3,
  kBrushFDiagonal = 4,
  kBrushBDiagonal = 5,
  kBrushCross = 6,
  kBrushDiagCross = 7,
};

struct BrushAttrs {
  uint32_t Color = kColorBlack;
  uint8_t Style = kBrushClear;
  // Giving a brush a colour makes a clear brush solid; a hatch keeps its hatch.
  void SetColor(uint32_t c) {
    Color = c;
    if (Style == kBrushClear) Style = kBrushSolid;
  }
  friend bool operator==(const BrushAttrs&, const BrushAttrs&) = default;
};

// Font style bits.
enum : uint8_t {
  kFontBold = 1 << 0,
  kFontItalic = 1 << 1,
  kFontUnderline = 1 << 2,
  kFontStrikeOut = 1 << 3,
};

inline constexpr uint8_t kDefaultCharset = 1;  // DEFAULT_CHARSET
inline constexpr uint8_t kGb2312Charset = 134;
// The editor's default face name, as 8-bit bytes in the GBK code page.
inline constexpr const char kDefaultFontName[] = "\xCB\xCE\xCC\xE5";

struct FontAttrs {
  std::string Name = kDefaultFontName;  // 8-bit bytes in the system code page
  uint8_t Charset = kDefaultCharset;
  int32_t Size = 10;  // points
  uint8_t Style = 0;  // kFont* bits
  uint32_t Color = kColorRed;
  friend bool operator==(const FontAttrs&, const FontAttrs&) = default;
};

}  // namespace vk
