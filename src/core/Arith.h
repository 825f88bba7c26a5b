#pragma once
// The arithmetic rules the figures rely on, in one place so that every shape rounds alike.
#include <cstdint>

namespace vk {

// Real to integer: nearest, ties to even (the FPU's default rounding).
int32_t RoundEven(double v);

// Integer halving that truncates toward zero (-3 div 2 = -1).
constexpr int32_t Div2(int32_t v) { return v / 2; }

// Truncation toward zero of a real.
int32_t Trunc(double v);

// Values that the figures store as IEEE single precision between steps.
inline double Single(double v) { return static_cast<double>(static_cast<float>(v)); }

}  // namespace vk
