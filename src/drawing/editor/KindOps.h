#pragma once
// What the page description says of an object.
#include "core/PageDescription.h"
#include "drawing/objects/PicBase.h"

namespace vk {

DescribedObject Describe(const TPicBase& pic);

}  // namespace vk
