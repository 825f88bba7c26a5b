#pragma once
// The editor's zoom: its steps, the fit value, the mapping between page pixels and view
// pixels, and the scaling of page pixels into a view. A view pixel v covers the page
// pixels from floor(v * 100 / zoom) up to the next view pixel's start (at least one), so
// below 100 % it is the average of a block of page pixels and above 100 % a copy of one.
#include <cstdint>
#include <span>
#include <vector>

#include "core/Geometry.h"
#include "core/PicConst.h"

namespace vk {

inline constexpr int32_t kZoomSteps[] = {25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400};
inline constexpr int32_t kZoomMin = 25, kZoomMax = 400;
// Fit may go below the smallest step for a page far larger than the view.
inline constexpr int32_t kFitMin = 5;

// Mouse positions reach the window as signed 16-bit values: a view larger than this
// would give positions that wrap negative.
inline constexpr int32_t kMaxViewSize = 32767;
// The largest zoom, kZoomMax at most and 1 at least, at which the page's view stays within
// kMaxViewSize pixels each way: 400 % up to 8,191 page pixels, less on larger pages.
int32_t MaxZoomFor(int32_t pageW, int32_t pageH);

// The step after / before zoom (which may lie between steps); zoom itself at the ends.
int32_t NextZoomStep(int32_t zoom);
int32_t PrevZoomStep(int32_t zoom);
// The largest zoom (kFitMin..kZoomMax) at which the whole page fits in the client area.
int32_t FitZoom(int32_t pageW, int32_t pageH, int32_t clientW, int32_t clientH);

// Half the side of a selection handle in page pixels, so that it shows about as large on
// the screen as at 100 %.
int32_t HandleHalfAt(int32_t zoom);

// Size in view pixels of pageSize page pixels.
int32_t ViewSize(int32_t pageSize, int32_t zoom);
// The page pixel under view pixel v (floor; negative v gives negative pages).
int32_t ViewToPage(int32_t v, int32_t zoom);
// The first view pixel of page pixel p.
int32_t PageToView(int32_t p, int32_t zoom);
// The view pixels that show any of the page rect's pixels / the page pixels that any of
// the view rect's pixels show.
TRect PageRectToView(const TRect& r, int32_t zoom);
TRect ViewRectToPage(const TRect& r, int32_t zoom);

// Scales a 32-bit page picture (0x00RRGGBB words, top row first) for one zoom; the column
// and row tables are made once per zoom and page size.
class ViewScaler {
 public:
  ViewScaler(int32_t pageW, int32_t pageH, int32_t zoom);
  int32_t Zoom() const { return zoom_; }
  int32_t PageWidth() const { return pageW_; }
  int32_t PageHeight() const { return pageH_; }
  // Writes the view pixels of viewRc (clipped to the view) into out, rows of
  // viewRc.Width() words; pixels outside the view are left as they were. out must hold
  // viewRc.Width() * viewRc.Height() words.
  void Scale(std::span<const uint32_t> page, const TRect& viewRc, std::span<uint32_t> out) const;
  // After Scale, below 100 %: a view pixel whose block holds, inside the page rect marked, a
  // pixel of page that differs from under (a picture of the same size) shows that pixel
  // instead of the average. Lines drawn over the page for a moment (rubber bands) then stay
  // solid and one view pixel wide at any reduction, where an average would fade them.
  void Overlay(std::span<const uint32_t> page, std::span<const uint32_t> under, const TRect& marked,
               const TRect& viewRc, std::span<uint32_t> out) const;

 private:
  int32_t pageW_, pageH_, zoom_;
  std::vector<int32_t> cols_, rows_;  // start of each view pixel's block, then the page's end
};

}  // namespace vk
