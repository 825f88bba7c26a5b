#include "drawing/editor/SpatialGrid.h"

#include <algorithm>

namespace vk {

namespace {

void Erase(std::vector<const TPicBase*>& v, const TPicBase* pic) {
  // Order within a cell does not matter: the caller sorts what it finds.
  const auto it = std::find(v.rbegin(), v.rend(), pic);
  if (it == v.rend()) return;
  *it = v.back();
  v.pop_back();
}

int32_t CellOf(int32_t v, int32_t last) {
  return std::clamp(v >> SpatialGrid::kCellShift, 0, last);  // >> floors negatives too
}

}  // namespace

void SpatialGrid::Reset(int32_t width, int32_t height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  cols_ = std::max((width_ + (1 << kCellShift) - 1) >> kCellShift, 1);
  rows_ = std::max((height_ + (1 << kCellShift) - 1) >> kCellShift, 1);
  cells_.clear();
  cells_.resize(static_cast<size_t>(cols_) * static_cast<size_t>(rows_));
  wide_.clear();
}

SpatialGrid::Span SpatialGrid::CellsOf(const TRect& r) const {
  const TRect n = Normalize(r);
  const int32_t right = n.Right > n.Left ? n.Right - 1 : n.Left;
  const int32_t bottom = n.Bottom > n.Top ? n.Bottom - 1 : n.Top;
  return {CellOf(n.Left, cols_ - 1), CellOf(n.Top, rows_ - 1), CellOf(right, cols_ - 1), CellOf(bottom, rows_ - 1)};
}

void SpatialGrid::Insert(const TPicBase* pic, const TRect& extent) {
  const Span s = CellsOf(extent);
  if (s.Count() > kWideCells) {
    wide_.push_back(pic);
    return;
  }
  for (int32_t y = s.Y0; y <= s.Y1; ++y)
    for (int32_t x = s.X0; x <= s.X1; ++x) Cell(x, y).push_back(pic);
}

void SpatialGrid::Remove(const TPicBase* pic, const TRect& extent) {
  const Span s = CellsOf(extent);
  if (s.Count() > kWideCells) {
    Erase(wide_, pic);
    return;
  }
  for (int32_t y = s.Y0; y <= s.Y1; ++y)
    for (int32_t x = s.X0; x <= s.X1; ++x) Erase(Cell(x, y), pic);
}

void SpatialGrid::Query(const TRect& rect, std::vector<const TPicBase*>& out) const {
  const Span s = CellsOf(rect);
  out.insert(out.end(), wide_.begin(), wide_.end());
  for (int32_t y = s.Y0; y <= s.Y1; ++y)
    for (int32_t x = s.X0; x <= s.X1; ++x) {
      const auto& c = cells_[static_cast<size_t>(y) * static_cast<size_t>(cols_) + static_cast<size_t>(x)];
      out.insert(out.end(), c.begin(), c.end());
    }
}

}  // namespace vk
