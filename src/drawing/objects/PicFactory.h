#pragma once
// Objects by kind, for the editor's tool templates and the drawing-file reader.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/DrawingFile.h"
#include "drawing/objects/PicBase.h"

namespace vk {

using PicListType = std::vector<std::unique_ptr<TPicBase>>;

// A new default object of the class for kind; null for a kind without a class
// (PIC_NONE, PIC_IMAG, values outside the enumeration, and the text until it is built).
std::unique_ptr<TPicBase> CreatePicOfKind(TPicType kind);

// The stored form of an object under its kind: its record deselected and numbered index,
// whatever it shows now, then the bytes it was read with past its record's end while the
// record is the one they were read with. Objects of kinds without a class give one
// packed entry of everything they keep.
DrawingEntry StoredEntry(TPicBase& pic, int32_t index);
// How many entries of a file pic stands for.
uint32_t StoredCountOf(const TPicBase& pic);

// The object a stored entry describes, deselected and numbered index. The entry's kind
// picks its class and is its kind, whatever its record says. A kind without a class is
// kept as an opaque object that writes its entry back byte for byte. Null when the
// record does not load.
std::unique_ptr<TPicBase> PicFromEntry(const DrawingEntry& entry, int32_t index);
std::unique_ptr<TPicBase> PicFromEntry(uint8_t kind, std::span<const uint8_t> record, int32_t index);

// What the objects of one drawing may take in memory. With the page bitmaps, the history,
// the file's own bytes and a copy being saved, this keeps a 32-bit editor well inside its
// 2 GB of address space.
inline constexpr uint64_t kDrawingMemoryBudget = uint64_t{128} << 20;
// What the objects read from a drawing file would take, judged from the kinds and
// lengths of its entries alone (those before any damage), before anything is made.
uint64_t DrawingMemoryNeed(const uint8_t* data, size_t size);

enum class DrawingLoadOutcome { Ok, CannotRead, BadFormat, Truncated, TooLarge };
// Appends the objects of a drawing file's bytes (the complete ones before any damage),
// deselected and numbered by their new position. A drawing whose objects would pass
// kDrawingMemoryBudget appends nothing and is TooLarge.
DrawingLoadOutcome PicsFromDrawing(const uint8_t* data, size_t size, PicListType& pics);
// The entries of a drawing file of pics: each stored deselected and numbered by its
// place in the file.
std::vector<DrawingEntry> StoredEntries(const PicListType& pics);

}  // namespace vk
