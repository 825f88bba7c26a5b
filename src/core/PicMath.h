#pragma once
// The arithmetic of the hit-region builders and ellipse geometry, without GDI.
//
// Angles are radians counter-clockwise from +x with the screen's y pointing down (up is
// pi/2). Values the figures keep in single precision are rounded through vk::Single
// between steps; that decides the last pixel and the number of arc samples.
#include <array>
#include <cstdint>
#include <vector>

#include "core/Geometry.h"

namespace vk {

inline constexpr int32_t kBandHalfWidth = 5;    // half-width of segment and arc bands
inline constexpr float kArcStep = 0.08726646f;  // 5 degrees, single
inline constexpr float kHalfPiSingle = 1.5707964f;

// The quadrilateral of a thick segment's hit region (used with ALTERNATE fill).
// A segment with equal X or equal Y is first widened by one on that axis.
std::array<TPoint, 4> SegmentQuad(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

// The ellipse of a box as the arc rules see it.
struct ArcFrame {
  int32_t Cx = 0;   // (Left + Right) div 2
  int32_t Cy = 0;   // (Top + Bottom) div 2
  double K = 0;     // |width / height|, single
  int32_t Ry = 0;   // |height| div 2
};
// False for a box of zero height (the ratio would divide by zero).
bool MakeArcFrame(TPoint topLeft, TPoint bottomRight, ArcFrame& frame);

// Parameter angle of the ellipse point in the direction of q, single, in (0, 2pi]:
// a point straight to the right gives 2pi.
double PointAngle(const ArcFrame& frame, TPoint q);

// Samples along the arc from thetaS counter-clockwise to thetaE, both single:
// trunc(span / step) + 2, the span taken modulo 2pi when thetaE < thetaS.
int32_t ArcSampleCount(double thetaS, double thetaE);

// The 2n polygon points of the band 5 pixels either side of the arc of the box's
// ellipse from the direction of start to the direction of end (outer samples, outer and
// inner point at the end angle, inner samples back). Empty for a zero-height box.
std::vector<TPoint> ArcBandPoints(TPoint topLeft, TPoint bottomRight, TPoint start, TPoint end);

// The polygon that, clipped by the box's ellipse, is the pie (kind 1: n + 2 points,
// through the centre) or chord (kind 2: n + 1 points). Empty for another kind or a
// zero-height box.
std::vector<TPoint> PiePolygonPoints(TPoint topLeft, TPoint bottomRight, TPoint start, int kind,
                                     TPoint end);

// Where the ray from the centre of the box (corners in any order) through p meets the
// inscribed ellipse. A box of zero width or height gives its centre.
TPoint EllipsePoint(TPoint topLeft, TPoint bottomRight, TPoint p);

}  // namespace vk
