#pragma once
// Objects by kind, for the editor's tool templates and the drawing-file reader.
#include <memory>

#include "core/DrawingFile.h"
#include "drawing/objects/PicBase.h"

namespace vk {

// A new default object of the class for kind; null for a kind without a class
// (PIC_NONE, PIC_IMAG, values outside the enumeration, and the text until it is built).
std::unique_ptr<TPicBase> CreatePicOfKind(TPicType kind);

// The stored form of an object: its record deselected and numbered index, whatever it
// shows now.
DrawingEntry StoredEntry(TPicBase& pic, int32_t index);
// The object a stored record describes, deselected and numbered index; a kind without a
// class is kept as an opaque object that writes its record back byte for byte. Null when
// the record does not load.
std::unique_ptr<TPicBase> PicFromEntry(const DrawingEntry& entry, int32_t index);

}  // namespace vk
