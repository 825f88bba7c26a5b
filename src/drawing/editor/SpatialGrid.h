#pragma once
// Finds the objects whose extents may meet a rectangle without visiting every object: the
// page is cut into square cells, and each object is listed in every cell its extent
// covers. Extents past the page's edge count for the cells along that edge. An object
// that would cover very many cells is listed once, among the wide ones that every search
// returns.
#include <cstdint>
#include <vector>

#include "core/Geometry.h"

namespace vk {

class TPicBase;

class SpatialGrid {
 public:
  // Empty, over a page of width x height pixels.
  void Reset(int32_t width, int32_t height);
  void Insert(const TPicBase* pic, const TRect& extent);
  // extent: the one the object was inserted with.
  void Remove(const TPicBase* pic, const TRect& extent);
  // Appends every object listed in a cell that rect meets, and the wide ones; an object
  // may come more than once.
  void Query(const TRect& rect, std::vector<const TPicBase*>& out) const;
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  static constexpr int32_t kCellShift = 6;  // cells of 64 x 64 pixels
  static constexpr int64_t kWideCells = 256;

 private:
  struct Span {
    int32_t X0, Y0, X1, Y1;  // cells, inclusive
    int64_t Count() const { return (int64_t{X1} - X0 + 1) * (int64_t{Y1} - Y0 + 1); }
  };
  Span CellsOf(const TRect& r) const;
  std::vector<const TPicBase*>& Cell(int32_t x, int32_t y) {
    return cells_[static_cast<size_t>(y) * static_cast<size_t>(cols_) + static_cast<size_t>(x)];
  }

  int32_t width_ = 0, height_ = 0, cols_ = 1, rows_ = 1;
  std::vector<std::vector<const TPicBase*>> cells_ = std::vector<std::vector<const TPicBase*>>(1);
  std::vector<const TPicBase*> wide_;
};

}  // namespace vk
