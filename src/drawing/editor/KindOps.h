#pragma once
// What the editor needs to know of particular kinds: the extra setting of a tool tag,
// whether an object is a polyline, a sector or chord, and what the page description
// says of an object.
#include <cstdint>

#include "core/PageDescription.h"
#include "drawing/objects/PicBase.h"

namespace vk {

// Tags 5..7 choose arc, sector or chord; 8 and 9 open or closed polyline.
void ApplyToolTag(TPicBase& tool, int32_t tag);
// A polyline or polygon (a double click finishes one).
bool IsPolyline(const TPicBase& pic);
// A sector or chord (the object menu's fill items apply to them, not to a plain arc).
bool IsSectorOrChord(const TPicBase& pic);

DescribedObject Describe(const TPicBase& pic);

}  // namespace vk
