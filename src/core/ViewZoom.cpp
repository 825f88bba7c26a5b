#include "core/ViewZoom.h"

#include <algorithm>

namespace vk {

namespace {

// floor(a / b) for b > 0.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

std::vector<int32_t> BlockStarts(int32_t pageSize, int32_t zoom) {
  const int32_t n = ViewSize(pageSize, zoom);
  std::vector<int32_t> starts(static_cast<size_t>(n) + 1);
  for (int32_t v = 0; v < n; ++v) starts[static_cast<size_t>(v)] = ViewToPage(v, zoom);
  starts[static_cast<size_t>(n)] = pageSize;
  return starts;
}

}  // namespace

int32_t NextZoomStep(int32_t zoom) {
  for (int32_t s : kZoomSteps)
    if (s > zoom) return s;
  return std::max(zoom, kZoomMax);
}

int32_t PrevZoomStep(int32_t zoom) {
  for (size_t i = std::size(kZoomSteps); i-- > 0;)
    if (kZoomSteps[i] < zoom) return kZoomSteps[i];
  return std::min(zoom, kZoomMin);
}

int32_t MaxZoomFor(int32_t pageW, int32_t pageH) {
  const int64_t side = std::max({pageW, pageH, 1});
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{kMaxViewSize} * 100 / side, 1, kZoomMax));
}

int32_t FitZoom(int32_t pageW, int32_t pageH, int32_t clientW, int32_t clientH) {
  if (pageW <= 0 || pageH <= 0) return 100;
  const int64_t z = std::min(int64_t{std::max(clientW, 0)} * 100 / pageW, int64_t{std::max(clientH, 0)} * 100 / pageH);
  return static_cast<int32_t>(std::clamp<int64_t>(z, kFitMin, kZoomMax));
}

int32_t HandleHalfAt(int32_t zoom) { return std::max((HandleHalfSize * 100 + zoom / 2) / zoom, 1); }

int32_t ViewSize(int32_t pageSize, int32_t zoom) {
  return static_cast<int32_t>((int64_t{std::max(pageSize, 0)} * zoom + 99) / 100);
}

int32_t ViewToPage(int32_t v, int32_t zoom) { return static_cast<int32_t>(FloorDiv(int64_t{v} * 100, zoom)); }

int32_t PageToView(int32_t p, int32_t zoom) {
  // The first v with ViewToPage(v) >= p: ceil(p * zoom / 100).
  return static_cast<int32_t>(-FloorDiv(-int64_t{p} * zoom, 100));
}

TRect PageRectToView(const TRect& r, int32_t zoom) {
  if (r.IsEmpty()) return {};
  // The first view pixel to show page pixel p is the last one that starts at or before
  // it below 100 %, and the first that starts at it above.
  auto first = [zoom](int32_t p) { return std::min(PageToView(p, zoom), PageToView(p + 1, zoom) - 1); };
  return {first(r.Left), first(r.Top), PageToView(r.Right, zoom), PageToView(r.Bottom, zoom)};
}

TRect ViewRectToPage(const TRect& r, int32_t zoom) {
  if (r.IsEmpty()) return {};
  auto end = [zoom](int32_t v) { return std::max(ViewToPage(v, zoom), ViewToPage(v - 1, zoom) + 1); };
  return {ViewToPage(r.Left, zoom), ViewToPage(r.Top, zoom), end(r.Right), end(r.Bottom)};
}

ViewScaler::ViewScaler(int32_t pageW, int32_t pageH, int32_t zoom)
    : pageW_(std::max(pageW, 0)), pageH_(std::max(pageH, 0)), zoom_(zoom),
      cols_(BlockStarts(pageW_, zoom)), rows_(BlockStarts(pageH_, zoom)) {}

void ViewScaler::Scale(std::span<const uint32_t> page, const TRect& viewRc, std::span<uint32_t> out) const {
  const int32_t outW = viewRc.Width();
  if (viewRc.IsEmpty() || page.size() < static_cast<size_t>(pageW_) * static_cast<size_t>(pageH_) ||
      out.size() < static_cast<size_t>(outW) * static_cast<size_t>(viewRc.Height()))
    return;
  const TRect rc = Intersect(viewRc, {0, 0, static_cast<int32_t>(cols_.size()) - 1, static_cast<int32_t>(rows_.size()) - 1});
  std::vector<uint64_t> sums;
  for (int32_t vy = rc.Top; vy < rc.Bottom; ++vy) {
    const int32_t y0 = rows_[static_cast<size_t>(vy)];
    const int32_t y1 = std::max(rows_[static_cast<size_t>(vy) + 1], y0 + 1);
    uint32_t* row = out.data() + static_cast<size_t>(vy - viewRc.Top) * static_cast<size_t>(outW);
    auto dst = [&](int32_t vx) -> uint32_t& { return row[vx - viewRc.Left]; };
    if (zoom_ >= 100) {
      const uint32_t* src = page.data() + static_cast<size_t>(y0) * static_cast<size_t>(pageW_);
      for (int32_t vx = rc.Left; vx < rc.Right; ++vx) dst(vx) = src[cols_[static_cast<size_t>(vx)]] & 0x00FFFFFFu;
      continue;
    }
    // Channel sums per page column over the block's rows, then per block of columns.
    const int32_t x0 = cols_[static_cast<size_t>(rc.Left)], x1 = cols_[static_cast<size_t>(rc.Right)];
    sums.assign(static_cast<size_t>(x1 - x0) * 3, 0);
    for (int32_t y = y0; y < y1; ++y) {
      const uint32_t* src = page.data() + static_cast<size_t>(y) * static_cast<size_t>(pageW_);
      for (int32_t x = x0; x < x1; ++x) {
        const uint32_t c = src[x];
        uint64_t* s = &sums[static_cast<size_t>(x - x0) * 3];
        s[0] += c & 0xFF;
        s[1] += (c >> 8) & 0xFF;
        s[2] += (c >> 16) & 0xFF;
      }
    }
    for (int32_t vx = rc.Left; vx < rc.Right; ++vx) {
      const int32_t a = cols_[static_cast<size_t>(vx)], b = std::max(cols_[static_cast<size_t>(vx) + 1], a + 1);
      uint64_t s[3] = {0, 0, 0};
      for (int32_t x = a; x < b; ++x)
        for (int k = 0; k < 3; ++k) s[k] += sums[static_cast<size_t>(x - x0) * 3 + static_cast<size_t>(k)];
      const uint64_t n = static_cast<uint64_t>(b - a) * static_cast<uint64_t>(y1 - y0);
      uint32_t c = 0;
      for (int k = 0; k < 3; ++k) c |= static_cast<uint32_t>((s[k] + n / 2) / n) << (8 * k);
      dst(vx) = c;
    }
  }
}

void ViewScaler::Overlay(std::span<const uint32_t> page, std::span<const uint32_t> under, const TRect& marked,
                         const TRect& viewRc, std::span<uint32_t> out) const {
  const size_t n = static_cast<size_t>(pageW_) * static_cast<size_t>(pageH_);
  const int32_t outW = viewRc.Width();
  if (zoom_ >= 100 || viewRc.IsEmpty() || page.size() < n || under.size() < n ||
      out.size() < static_cast<size_t>(outW) * static_cast<size_t>(viewRc.Height()))
    return;
  const TRect area = Intersect(marked, {0, 0, pageW_, pageH_});
  const TRect rc = Intersect(viewRc, PageRectToView(area, zoom_));
  for (int32_t vy = rc.Top; vy < rc.Bottom; ++vy) {
    const int32_t y0 = std::max(rows_[static_cast<size_t>(vy)], area.Top);
    const int32_t y1 = std::min(rows_[static_cast<size_t>(vy) + 1], area.Bottom);
    for (int32_t vx = rc.Left; vx < rc.Right; ++vx) {
      const int32_t x0 = std::max(cols_[static_cast<size_t>(vx)], area.Left);
      const int32_t x1 = std::min(cols_[static_cast<size_t>(vx) + 1], area.Right);
      for (int32_t y = y0; y < y1; ++y) {
        const size_t row = static_cast<size_t>(y) * static_cast<size_t>(pageW_);
        int32_t x = x0;
        while (x < x1 && page[row + static_cast<size_t>(x)] == under[row + static_cast<size_t>(x)]) ++x;
        if (x < x1) {
          out[static_cast<size_t>(vy - viewRc.Top) * static_cast<size_t>(outW) + static_cast<size_t>(vx - viewRc.Left)] =
              page[row + static_cast<size_t>(x)] & 0x00FFFFFFu;
          break;
        }
      }
    }
  }
}

}  // namespace vk
