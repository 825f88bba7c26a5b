#pragma once
// The page description: an INI text that lists the drawn lines, rectangles, ellipses,
// rounded rectangles, arcs and open polylines for the host, in the exact layout that the
// platform's profile writer gives when the keys are written one at a time.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Geometry.h"

namespace vk {

// Sections in the order first written, keys in the order first written; writing a key
// again replaces its value in place, as the profile writer does.
class IniDocument {
 public:
  void Set(const std::string& section, const std::string& key, const std::string& value);
  // "[Section]" CR LF, then "key=value" CR LF per key; no blank lines.
  std::string Text() const;

  struct Entry {
    std::string Key, Value;
  };
  struct Section {
    std::string Name;
    std::vector<Entry> Entries;
  };
  const std::vector<Section>& Sections() const { return sections_; }

 private:
  std::vector<Section> sections_;
};

// "R,G,B" of a COLORREF.
std::string ColorText(uint32_t colorref);

// What the description needs of one object.
struct DescribedObject {
  enum class Kind { Line, Rect, Round, Circle, Arc, OpenPolyline, NotDescribed };
  Kind What = Kind::NotDescribed;
  TPoint Start, End;              // line end points; or the rectangle / ShapeRect corners
  int32_t CurvW = 0, CurvH = 0;   // rounded rectangle corner size
  TPoint ArcStart, ArcEnd;        // arc end points
  std::vector<TPoint> Vertices;   // open polyline
  int32_t PenWidth = 1;
  uint32_t PenColor = 0;
  uint8_t PenStyle = 0;
  bool Filled = false;            // brush style is not clear
  uint32_t FillColor = 0;
};

// The whole description of a drawing, objects given from the bottom of the z-order up
// (PicList order); sections are numbered from the topmost down.
IniDocument BuildPageDescription(std::span<const DescribedObject> objects);
// The same, with imageCount objects counted: the listed ones and others that only count.
IniDocument BuildPageDescription(std::span<const DescribedObject> objects, size_t imageCount);

}  // namespace vk
