#pragma once
// What the editor needs to know of particular kinds: the extra setting of a tool tag,
// whether a polyline is being built, and what the page description says of an object.
#include <cstdint>

#include "core/PageDescription.h"
#include "drawing/objects/PicBase.h"

namespace vk {

// Tags 5..7 choose arc, sector or chord; 8 and 9 open or closed polyline.
void ApplyToolTag(TPicBase& tool, int32_t tag);
bool IsPolyline(const TPicBase& pic);
bool IsPolylineUnderConstruction(const TPicBase& pic);
// A sector or chord (the object menu's fill items apply to them, not to a plain arc).
bool IsSectorOrChord(const TPicBase& pic);
// Empties a template's point storage after its object was copied into the list.
void ResetTemplatePoints(TPicBase& tool);

DescribedObject Describe(const TPicBase& pic);

}  // namespace vk
