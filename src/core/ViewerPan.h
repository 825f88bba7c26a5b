#pragma once
// Placing and panning a picture in the image viewer, without a window: where the
// picture starts, in which directions it can be dragged, and where a drag puts it.
// Positions are the picture's top-left corner in the viewer's client area.
#include <cstdint>

#include "core/Geometry.h"

namespace vk {

// The picture's place before any centring: one pixel inside the sunken frame.
inline constexpr int32_t kViewerImageMargin = 1;

enum class PanAxes : uint8_t { None, Vertical, Horizontal, Both };

struct ViewerPlacement {
  TPoint ImagePos;
  PanAxes Axes = PanAxes::None;
};

// A direction in which the picture fits is centred (truncated halves); in one where it
// is larger than the client area it starts at the margin and can be dragged.
ViewerPlacement PlaceViewerImage(int32_t clientW, int32_t clientH, int32_t imageW, int32_t imageH);

// The bounds of the mouse point for a drag that starts at press with the picture at
// start. Clamping the mouse point (not an accumulated offset) keeps the picture's edges
// from moving inside the client area; in a direction that cannot pan, Min exceeds Max
// and the picture keeps its place.
struct PanBounds {
  int32_t MinX = 0, MinY = 0, MaxX = 0, MaxY = 0;
};
PanBounds PanBoundsFor(PanAxes axes, TPoint press, TPoint start, int32_t clientW, int32_t clientH,
                       int32_t imageW, int32_t imageH);
// Where the picture goes when the mouse is at mouse during that drag.
TPoint PannedImagePos(const PanBounds& b, TPoint press, TPoint start, TPoint mouse);

}  // namespace vk
