#include "core/PicMath.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <utility>

#include "core/Arith.h"

namespace vk {

namespace {

constexpr double kPi = std::numbers::pi;

// Coordinates come from stored files too; keep the sums defined at the int32 extremes.
int32_t Sat(int64_t v) {
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(v);
}

int32_t Mid(int32_t a, int32_t b) {
  return static_cast<int32_t>((static_cast<int64_t>(a) + b) / 2);  // div 2: toward zero
}

// Radii are 64-bit: a box spanning the whole int32 range has Ry = INT32_MAX, and the band
// reaches past it.
TPoint ArcPoint(const ArcFrame& f, int64_t radius, double a) {
  const double r = static_cast<double>(radius);
  return {RoundEven(std::cos(a) * r * f.K + f.Cx), RoundEven(f.Cy - std::sin(a) * r)};
}

TPoint PiePoint(const ArcFrame& f, int64_t radius, double a) {
  const double r = static_cast<double>(radius);
  return {RoundEven(f.K * (std::cos(a) * r) + f.Cx), RoundEven(f.Cy - r * std::sin(a))};
}

// Angle of the i-th sample (i from 1), single.
double SampleAngle(int32_t i, double thetaS) {
  return Single((i - 1) * static_cast<double>(kArcStep) + thetaS);
}

struct ArcSpan {
  ArcFrame frame;
  double thetaS = 0;
  double thetaE = 0;
  int32_t n = 0;
};

bool MakeSpan(TPoint topLeft, TPoint bottomRight, TPoint start, TPoint end, ArcSpan& s) {
  if (!MakeArcFrame(topLeft, bottomRight, s.frame)) return false;
  s.thetaS = PointAngle(s.frame, start);
  s.thetaE = PointAngle(s.frame, end);
  s.n = ArcSampleCount(s.thetaS, s.thetaE);
  return true;
}

}  // namespace

std::array<TPoint, 4> SegmentQuad(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  // A zero-length extent still gets an area: widen it to one pixel.
  if (x2 == x1) x2 = Sat(static_cast<int64_t>(x2) + 1);
  if (y2 == y1) y2 = Sat(static_cast<int64_t>(y2) + 1);
  const int64_t w = kBandHalfWidth;
  if (std::llabs(static_cast<int64_t>(y1) - y2) > kBandHalfWidth) {
    if (!(y2 > y1)) {
      std::swap(x1, x2);
      std::swap(y1, y2);
    }
    return {{{Sat(x1 - w), y1}, {Sat(x1 + w), y1}, {Sat(x2 + w), y2}, {Sat(x2 - w), y2}}};
  }
  if (!(x2 > x1)) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  return {{{x1, Sat(y1 - w)}, {x1, Sat(y1 + w)}, {x2, Sat(y2 + w)}, {x2, Sat(y2 - w)}}};
}

bool MakeArcFrame(TPoint topLeft, TPoint bottomRight, ArcFrame& f) {
  const int64_t w = static_cast<int64_t>(bottomRight.X) - topLeft.X;
  const int64_t h = static_cast<int64_t>(bottomRight.Y) - topLeft.Y;
  if (h == 0) return false;
  f.Cx = Mid(topLeft.X, bottomRight.X);
  f.Cy = Mid(topLeft.Y, bottomRight.Y);
  f.K = Single(std::fabs(static_cast<double>(w) / static_cast<double>(h)));
  f.Ry = static_cast<int32_t>(std::llabs(h) / 2);
  return true;
}

double PointAngle(const ArcFrame& f, TPoint q) {
  const double dx = static_cast<double>(static_cast<int64_t>(q.X) - f.Cx);
  const double dy = static_cast<double>(static_cast<int64_t>(q.Y) - f.Cy);
  const double phi = dx == 0 ? static_cast<double>(kHalfPiSingle) : std::fabs(std::atan(f.K * dy / dx));
  double theta;
  if (dx >= 0 && dy < 0) {
    theta = phi;
  } else if (dx < 0 && dy <= 0) {
    theta = kPi - phi;
  } else if (dx < 0 && dy > 0) {
    theta = kPi + phi;
  } else {
    theta = 2 * kPi - phi;
  }
  return Single(theta);
}

int32_t ArcSampleCount(double thetaS, double thetaE) {
  const double step = kArcStep;
  const double span = thetaE >= thetaS ? thetaE - thetaS : thetaE - thetaS + 2 * kPi;
  return Trunc(span / step) + 2;
}

std::vector<TPoint> ArcBandPoints(TPoint topLeft, TPoint bottomRight, TPoint start, TPoint end) {
  ArcSpan s;
  if (!MakeSpan(topLeft, bottomRight, start, end, s)) return {};
  const int64_t ri = int64_t{s.frame.Ry} - kBandHalfWidth;
  const int64_t ro = int64_t{s.frame.Ry} + kBandHalfWidth;
  std::vector<TPoint> pts;
  pts.reserve(static_cast<size_t>(2 * s.n));
  for (int32_t i = 1; i <= s.n - 1; ++i) pts.push_back(ArcPoint(s.frame, ro, SampleAngle(i, s.thetaS)));
  pts.push_back(ArcPoint(s.frame, ro, s.thetaE));
  pts.push_back(ArcPoint(s.frame, ri, s.thetaE));
  for (int32_t i = s.n - 1; i >= 1; --i) pts.push_back(ArcPoint(s.frame, ri, SampleAngle(i, s.thetaS)));
  return pts;
}

std::vector<TPoint> PiePolygonPoints(TPoint topLeft, TPoint bottomRight, TPoint start, int kind,
                                     TPoint end) {
  if (kind != 1 && kind != 2) return {};
  ArcSpan s;
  if (!MakeSpan(topLeft, bottomRight, start, end, s)) return {};
  // Built on a radius beyond the ellipse; the caller clips by the ellipse itself.
  const int64_t r = int64_t{s.frame.Ry} + kBandHalfWidth;
  std::vector<TPoint> pts;
  pts.reserve(static_cast<size_t>(s.n + 2));
  for (int32_t i = 1; i <= s.n - 1; ++i) pts.push_back(PiePoint(s.frame, r, SampleAngle(i, s.thetaS)));
  pts.push_back(PiePoint(s.frame, r, s.thetaE));
  const TPoint first = pts.front();
  if (kind == 1) pts.push_back({s.frame.Cx, s.frame.Cy});
  pts.push_back(first);
  return pts;
}

TPoint EllipsePoint(TPoint topLeft, TPoint bottomRight, TPoint p) {
  const TRect box = RectOf(topLeft, bottomRight);
  const int32_t cx = Mid(box.Left, box.Right);
  const int32_t cy = Mid(box.Top, box.Bottom);
  const int64_t w = static_cast<int64_t>(box.Right) - box.Left;
  const int64_t h = static_cast<int64_t>(box.Bottom) - box.Top;
  if (w == 0 || h == 0) return {cx, cy};
  const double q = Single(static_cast<double>(h) / static_cast<double>(w));
  const int32_t ry = static_cast<int32_t>(h / 2);
  const double dx = static_cast<double>(static_cast<int64_t>(p.X) - cx);
  const double dy = static_cast<double>(static_cast<int64_t>(p.Y) - cy);
  const double phi =
      std::fabs(dx) > 1e-12 ? std::fabs(std::atan(dy / (dx * q))) : static_cast<double>(kHalfPiSingle);
  double theta;
  if (dx >= 0 && dy <= 0) {
    theta = phi;
  } else if (dx <= 0 && dy <= 0) {
    theta = kPi - phi;
  } else if (dx <= 0 && dy >= 0) {
    theta = phi - kPi;
  } else {
    theta = -phi;
  }
  theta = Single(theta);
  return {RoundEven(std::cos(theta) * ry / q + cx), RoundEven(cy - std::sin(theta) * ry)};
}

}  // namespace vk
