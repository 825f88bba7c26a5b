#pragma once
// The vocabulary shared by the picture objects and the editor: kinds, hit codes,
// modifier bits, mouse buttons, cursor numbers.
#include <cstdint>
#include <string>

namespace vk {

// Kind of a picture object; also the editor's tool numbers, the tool cursor numbers and
// the kind byte of the drawing file.
enum TPicType : uint8_t {
  PIC_NONE = 0,
  PIC_LINE = 1,
  PIC_RECT = 2,
  PIC_ROUN = 3,
  PIC_CIRC = 4,
  PIC_ARCC = 5,
  PIC_POLY = 6,
  PIC_CURVE = 7,
  PIC_TEXT = 8,
  PIC_IMAG = 9,  // reserved for an image object; no class
};

// Half the side of a selection handle square: (x - 3, y - 3, x + 3, y + 3), 6 x 6 pixels.
inline constexpr int32_t HandleHalfSize = 3;

// Hit codes returned by HitTest and passed to DragTrack / DragEnd.
inline constexpr uint8_t kHitNone = 0;
inline constexpr uint8_t kHitTopLeft = 1;
inline constexpr uint8_t kHitTop = 2;
inline constexpr uint8_t kHitTopRight = 3;
inline constexpr uint8_t kHitLeft = 4;
inline constexpr uint8_t kHitRight = 5;
inline constexpr uint8_t kHitBottomLeft = 6;
inline constexpr uint8_t kHitBottom = 7;
inline constexpr uint8_t kHitBottomRight = 8;
inline constexpr uint8_t kHitBody = 9;
inline constexpr uint8_t kHitLineStart = 10;
inline constexpr uint8_t kHitLineEnd = 11;
inline constexpr uint8_t kHitCornerX = 12;  // rounded rectangle corner-size handles
inline constexpr uint8_t kHitCornerY = 13;
inline constexpr uint8_t kHitArcStart = 14;
inline constexpr uint8_t kHitArcEnd = 15;
inline constexpr uint8_t kHitVertex = 16;
inline constexpr uint8_t kHitControl = 17;  // Bezier control point

// The modifier set given with mouse events (one byte). Bits 0..2 are also what
// GetShiftState returns.
using TShiftState = uint8_t;
inline constexpr TShiftState kShiftKey = 1 << 0;
inline constexpr TShiftState kAltKey = 1 << 1;
inline constexpr TShiftState kCtrlKey = 1 << 2;
inline constexpr TShiftState kLeftButton = 1 << 3;
inline constexpr TShiftState kRightButton = 1 << 4;
inline constexpr TShiftState kMiddleButton = 1 << 5;
inline constexpr TShiftState kDoubleClick = 1 << 6;

enum class TMouseButton : uint8_t { Left = 0, Right = 1, Middle = 2 };

// Cursor numbers beyond the tool numbers 1..8.
inline constexpr int kCursorLineEnd = 31;  // hovering a line end (hit 10, 11)
inline constexpr int kCursorTrunVer = 32;  // hovering a control point (hit 12..17)
inline constexpr int kCursorMove = 33;
inline constexpr int kCursorPen = 34;      // the freehand pen's tool
inline constexpr int kCursorCount = 35;    // cursor numbers are below this

// Result of in-place text entry handed to a text object.
inline constexpr uint16_t kTextKeyAccept = 13;
inline constexpr uint16_t kTextKeyCancel = 27;
struct TTextInfo {
  uint16_t Key = 0;
  std::string Text;  // 8-bit text in the system code page
};

}  // namespace vk
