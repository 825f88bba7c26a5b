#pragma once
// Points and rectangles of the drawing, in the canvas's units.
//
// The one rule for rectangles, used everywhere in the project: a TRect is half-open.
// Left and Top are inside, Right and Bottom are outside (as PtInRect and GDI regions
// treat them), so a rect (0, 0, 6, 6) holds 36 pixels.
#include <algorithm>
#include <cstdint>

namespace vk {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend constexpr bool operator==(TPoint, TPoint) = default;
  friend constexpr TPoint operator+(TPoint a, TPoint b) { return {a.X + b.X, a.Y + b.Y}; }
  friend constexpr TPoint operator-(TPoint a, TPoint b) { return {a.X - b.X, a.Y - b.Y}; }
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend constexpr bool operator==(const TRect&, const TRect&) = default;

  constexpr int32_t Width() const { return Right - Left; }
  constexpr int32_t Height() const { return Bottom - Top; }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
};

// The rect spanned by two corners given in any order.
constexpr TRect RectOf(TPoint a, TPoint b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

// Left <= Right and Top <= Bottom, swapping sides where needed.
constexpr TRect Normalize(const TRect& r) { return RectOf(r.TopLeft(), r.BottomRight()); }

// Half-open containment: the right and bottom edges are outside.
constexpr bool Contains(const TRect& r, TPoint p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

// The smallest rect holding both; an empty rect adds nothing.
constexpr TRect Union(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
          std::max(a.Bottom, b.Bottom)};
}

// The common part of both; an empty rect when they do not meet.
constexpr TRect Intersect(const TRect& a, const TRect& b) {
  const TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                std::min(a.Bottom, b.Bottom)};
  return r.IsEmpty() ? TRect{} : r;
}

constexpr TRect Offset(const TRect& r, TPoint d) {
  return {r.Left + d.X, r.Top + d.Y, r.Right + d.X, r.Bottom + d.Y};
}

// v held to the int32 range: stored coordinates may sit at its ends.
constexpr int32_t SaturateInt32(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

// Grows every side by (dx, dy); negative values shrink. Sides stop at the int32 limits.
constexpr TRect Inflate(const TRect& r, int32_t dx, int32_t dy) {
  return {SaturateInt32(int64_t{r.Left} - dx), SaturateInt32(int64_t{r.Top} - dy),
          SaturateInt32(int64_t{r.Right} + dx), SaturateInt32(int64_t{r.Bottom} + dy)};
}

// The square of a selection handle around p, half-size h: (x - h, y - h, x + h, y + h).
constexpr TRect HandleRect(TPoint p, int32_t h) { return {p.X - h, p.Y - h, p.X + h, p.Y + h}; }

}  // namespace vk
