#pragma once
// Objects by kind, for the editor's tool templates and the drawing-file reader.
#include <memory>

#include "drawing/objects/PicBase.h"

namespace vk {

// A new default object of the class for kind; null for a kind without a class
// (PIC_NONE, PIC_IMAG, values outside the enumeration, and the text until it is built).
std::unique_ptr<TPicBase> CreatePicOfKind(TPicType kind);

}  // namespace vk
