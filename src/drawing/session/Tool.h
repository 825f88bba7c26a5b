#pragma once
// The tools of the drawing surface. A press-drag-release is one Gesture, shared by the
// tools (a tool chosen while a button is held takes the press over); what a gesture does
// is the tool's.
#include <windows.h>

#include <cstdint>

#include "core/Geometry.h"
#include "drawing/objects/PicConst.h"

namespace vk {

// Mode values of the drawing surface: what it does and the cursor it shows.
enum : int32_t {
  kModeArrow = -2,
  kModeSizeNWSE = -8,
  kModeSizeNS = -7,
  kModeSizeNESW = -6,
  kModeSizeWE = -9,
  kModeMove = -22,
  kModeLineEnd = 31,
  kModeTrunVer = 32,
  kModePen = kCursorPen,
  kModeWait = -11,
};

// One mouse event on the surface.
struct PointerEvent {
  TMouseButton Button = TMouseButton::Left;
  TShiftState Shift = 0;
  TPoint Page;   // page pixels, where the figures work at every scale
  POINT View{};  // surface pixels
  POINT Box{};   // the drawing area's client pixels: they stay put while the surface scrolls
};

struct Gesture {
  bool PressActive = false;   // a button went down on the surface and is not up yet
  bool Cancelled = false;     // that press was cancelled: its moves and release are void
  bool Moved = false;         // the pointer moved since the press
  bool ButtonIsDown = false;  // a press came and no release after a move yet
  TPoint Down, Last;
  POINT DownScroll{}, DownBox{};
};

class Tool {
 public:
  virtual ~Tool() = default;
  // The tool becomes the surface's.
  virtual void Activate() {}
  virtual void Press(const PointerEvent& e) = 0;
  virtual void Move(const PointerEvent& e) = 0;
  // A release after a move, or one that completes a figure.
  virtual void Release(const PointerEvent& e) = 0;
  // A release without a move that completes nothing.
  virtual void Click(const PointerEvent&) {}
  // True when a release completes something even without a move since the press.
  virtual bool CompletesOnRelease() const { return false; }
  // Ends what the tool is doing; true when it showed something that must be wiped.
  virtual bool Cancel() = 0;
  // A gesture or a figure built over several presses holds the view and the history.
  virtual bool Busy() const = 0;
  virtual int32_t Cursor() const = 0;
};

}  // namespace vk
