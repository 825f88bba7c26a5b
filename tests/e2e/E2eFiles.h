#pragma once
// Reading back what the editor wrote, with the project's own portable decoders.
#include <string>
#include <vector>

#include "core/DrawingFile.h"
#include "core/ShapeRecords.h"
#include "core/TextRecord.h"

namespace vkt {

struct SavedObject {
  uint8_t Kind = 0;
  vk::PicRecord Common;
  vk::TPoint A, B;  // line ends, or the corners of a box (an arc's whole ellipse, a text)
  uint8_t Type = 0;  // an arc's or a polyline's type
  // A rounded rectangle's corner size; an arc's start and end; the vertices or the
  // curve's points.
  std::vector<vk::TPoint> Points;
  std::string Text;  // a text's bytes and effects
  uint8_t Hollow = 0, Sided = 0, View3D = 0;
};

// Every object of a drawing file; false when the file is missing or damaged.
bool ReadSavedObjects(const std::string& path, std::vector<SavedObject>& out);

}  // namespace vkt
