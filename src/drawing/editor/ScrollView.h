#pragma once
// The drawing area: a scroll box that shows the drawing surface, centred when the surface
// is smaller than the box and scrolled otherwise. Sizes are view pixels.
#include <windows.h>

#include <cstdint>

#include "core/Geometry.h"

namespace vk {

class ScrollView {
 public:
  void Attach(HWND box, HWND surface) {
    box_ = box;
    surface_ = surface;
  }
  // The surface shows a view of width x height: the scroll ranges follow, and it is placed.
  void Show(int32_t width, int32_t height);
  int32_t Pos(int bar) const;
  POINT Position() const { return {Pos(SB_HORZ), Pos(SB_VERT)}; }
  // Scrolls to pos, held to the range.
  void ScrollTo(int bar, int32_t pos);
  void ScrollTo(POINT pos) {
    ScrollTo(SB_HORZ, pos.x);
    ScrollTo(SB_VERT, pos.y);
  }
  // A scroll bar's own request (WM_HSCROLL, WM_VSCROLL).
  void OnScrollBar(int bar, WORD request);
  // The part of the surface the box shows, in surface pixels.
  TRect Visible() const;
  // The middle of the box, in its client pixels.
  POINT Centre() const;

 private:
  void Place();

  HWND box_ = nullptr, surface_ = nullptr;
  int32_t width_ = 0, height_ = 0;
  struct Ranges {
    int32_t Width = -1, Height = -1, ClientWidth = -1, ClientHeight = -1;
    bool operator==(const Ranges&) const = default;
  };
  Ranges ranges_;
};

}  // namespace vk
