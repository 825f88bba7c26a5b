#include "drawing/editor/TestFailPoint.h"

#include <cstring>
#include <new>

namespace vk {

namespace {
const char* g_armed = nullptr;
}  // namespace

void ArmFailPoint(const char* step) { g_armed = step; }

bool FailPointHit(const char* step) {
  if (!g_armed || std::strcmp(g_armed, step) != 0) return false;
  g_armed = nullptr;
  return true;
}

void FailPoint(const char* step) {
  if (FailPointHit(step)) throw std::bad_alloc();
}

}  // namespace vk
