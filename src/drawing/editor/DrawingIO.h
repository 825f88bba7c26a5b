#pragma once
// The drawing file of a list of objects, and its page description: written and read
// here, shown to the user by the editor form.
#include <memory>
#include <string>
#include <vector>

#include "core/DrawingFile.h"
#include "drawing/objects/PicFactory.h"

namespace vk {

// The drawing file's bytes: every object stored deselected and numbered by its position.
// False, with nothing written, when an object's record is longer than a reader takes.
bool EncodeDrawingFile(const PicListType& pics, DrawingSignature signature, std::vector<uint8_t>& bytes,
                       std::string& error);
// Every object stored deselected and numbered by its position. Replaces the file only
// once the new one is complete; writes nothing when an object's record is longer than a
// reader takes (kMaxRecordLength).
bool SaveDrawingFile(const PicListType& pics, const std::string& path, DrawingSignature signature,
                     std::string& error);

// Appends the file's objects (the complete ones before any damage), deselected and
// numbered by their new position. Kinds without a class are kept as opaque objects
// that are written back byte for byte. A file whose objects would pass
// kDrawingMemoryBudget is TooLarge and appends nothing.
DrawingLoadOutcome LoadDrawingFile(const std::string& path, PicListType& pics, std::string& error);

// The page description of the objects, as the profile writer would leave it.
std::string DescriptionText(const PicListType& pics);

}  // namespace vk
