#pragma once
// A seam for tests: they arm a named step, and the next time the editor reaches it, the
// step fails as an allocation would. Nothing arms it outside the tests.
namespace vk {

void ArmFailPoint(const char* step);  // null disarms
// Throws std::bad_alloc once when step is the armed one.
void FailPoint(const char* step);
// True once when step is the armed one: for steps that fail by returning false.
bool FailPointHit(const char* step);

}  // namespace vk
