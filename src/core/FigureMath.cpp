#include "core/FigureMath.h"

#include <algorithm>
#include <cmath>

#include "core/Arith.h"
#include "core/PicConst.h"
#include "core/ShapeMath.h"

namespace vk {

namespace {

int32_t RoundProduct(float ratio, int32_t length) {
  return RoundEven(static_cast<double>(ratio) * static_cast<double>(length));
}

// (size + sign * delta) / size in single precision; 1 for a side of zero length.
float Factor(int32_t size, int32_t delta, int sign) {
  if (size == 0) return 1.0f;
  const double s = static_cast<double>(size);
  return static_cast<float>((s + sign * static_cast<double>(delta)) / s);
}

// The factors of hit 1..8: a grabbed left or top side shrinks with +d, a right or
// bottom side grows.
std::optional<std::pair<float, float>> HandleFactors(const TRect& b, uint8_t hit, TPoint d) {
  const int32_t w = WrapSub(b.Right, b.Left), h = WrapSub(b.Bottom, b.Top);
  const float left = Factor(w, d.X, -1), right = Factor(w, d.X, 1);
  const float top = Factor(h, d.Y, -1), bottom = Factor(h, d.Y, 1);
  switch (hit) {
    case kHitTopLeft: return std::pair{left, top};
    case kHitTop: return std::pair{1.0f, top};
    case kHitTopRight: return std::pair{right, top};
    case kHitLeft: return std::pair{left, 1.0f};
    case kHitRight: return std::pair{right, 1.0f};
    case kHitBottomLeft: return std::pair{left, bottom};
    case kHitBottom: return std::pair{1.0f, bottom};
    case kHitBottomRight: return std::pair{right, bottom};
    default: return std::nullopt;
  }
}

}  // namespace

TPoint CornerSizeFor(const TRect& box, float ratioX, float ratioY) {
  return {RoundProduct(ratioX, WrapSub(box.Right, box.Left)), RoundProduct(ratioY, WrapSub(box.Bottom, box.Top))};
}

float CornerRatio(int32_t at, int32_t lo, int32_t hi) {
  if (hi == lo) return 0.0f;
  const float r = static_cast<float>((static_cast<double>(at) - lo) / (static_cast<double>(hi) - lo));
  if (!(r >= 0.0f)) return 0.0f;
  return std::min(r, 1.0f);
}

float RatioOf(int32_t corner, int32_t size, float fallback) {
  if (size == 0) return fallback;
  return static_cast<float>(static_cast<double>(corner) / size);
}

std::optional<ScaleStep> EdgeScale(const TRect& b, uint8_t hit, TPoint d) {
  const auto f = HandleFactors(b, hit, d);
  if (!f) return std::nullopt;
  // The anchor is the side opposite the grabbed one; an edge handle keeps the other axis.
  TPoint a;
  switch (hit) {
    case kHitTopLeft: case kHitTop: a = {b.Right, b.Bottom}; break;
    case kHitTopRight: case kHitRight: a = {b.Left, b.Bottom}; break;
    case kHitLeft: case kHitBottomLeft: a = {b.Right, b.Top}; break;
    default: a = {b.Left, b.Top}; break;
  }
  return ScaleStep{a, f->first, f->second};
}

std::optional<ScaleStep> CentreScale(const TRect& b, uint8_t hit, TPoint d) {
  const auto f = HandleFactors(b, hit, d);
  if (!f) return std::nullopt;
  return ScaleStep{Midpoint(b.TopLeft(), b.BottomRight()), f->first, f->second};
}

TPoint ScalePoint(TPoint v, const ScaleStep& s) {
  const auto axis = [](int32_t value, int32_t anchor, float factor) {
    const double off = static_cast<double>(value) - anchor;
    return WrapAdd(anchor, RoundEven(off * static_cast<double>(factor)));
  };
  return {axis(v.X, s.Anchor.X, s.Sx), axis(v.Y, s.Anchor.Y, s.Sy)};
}

TRect PointsBounds(std::span<const TPoint> pts, int32_t raise) {
  if (pts.empty()) return {};
  TRect r{pts[0].X, pts[0].Y, pts[0].X, pts[0].Y};
  for (const TPoint& p : pts) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  return SpanRect(r.TopLeft(), r.BottomRight(), raise);
}

TRect CircleThrough(TPoint c, TPoint p) {
  const double dx = static_cast<double>(p.X) - c.X, dy = static_cast<double>(p.Y) - c.Y;
  const int32_t r = RoundEven(std::sqrt(dx * dx + dy * dy));
  return {WrapSub(c.X, r), WrapSub(c.Y, r), WrapAdd(c.X, r), WrapAdd(c.Y, r)};
}

TRect ArcMinimumSize(const TRect& box) {
  const int64_t w = static_cast<int64_t>(box.Right) - box.Left, h = static_cast<int64_t>(box.Bottom) - box.Top;
  if (w >= kMinShapeSize && h >= kMinShapeSize) return box;
  return {box.Left, box.Top, WrapAdd(box.Right, kMinShapeSize), WrapAdd(box.Bottom, kMinShapeSize)};
}

}  // namespace vk
