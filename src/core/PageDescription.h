#pragma once
// The page description: an INI text that lists the drawn lines, rectangles, ellipses,
// rounded rectangles, arcs and open polylines for the host, in the exact layout that the
// platform's profile writer gives when the keys are written one at a time.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Geometry.h"

namespace vk {

// Sections in the order first written, keys in the order first written; writing a key
// again replaces its value in place, as the profile writer does. Finding a section takes
// constant time; keys are searched within their section, which holds a dozen at most.
class IniDocument {
 public:
  struct Entry {
    std::string Key, Value;
  };
  struct Section {
    std::string Name;
    std::vector<Entry> Entries;
    void Set(const std::string& key, const std::string& value);
  };

  // The section of that name, added at the end when there is none yet. The reference
  // holds until the next section is added.
  Section& At(const std::string& section);
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    At(section).Set(key, value);
  }
  // "[Section]" CR LF, then "key=value" CR LF per key; no blank lines.
  std::string Text() const;
  const std::vector<Section>& Sections() const { return sections_; }

 private:
  std::vector<Section> sections_;
  // Section index by lower-cased name: a description has a section per object, and a
  // search through all of them per key made building one quadratic.
  std::unordered_map<std::string, size_t> index_;
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

// Receives a description as it is written: each section once, then its keys, each once.
class DescriptionSink {
 public:
  virtual void Section(std::string_view name) = 0;
  virtual void Key(std::string_view key, std::string_view value) = 0;

 protected:
  ~DescriptionSink() = default;
};

// The whole description of a drawing, objects given from the bottom of the z-order up
// (PicList order); sections are numbered from the topmost down. ImageCount is imageCount.
void DescribePage(std::span<const DescribedObject> objects, size_t imageCount, DescriptionSink& out);
IniDocument BuildPageDescription(std::span<const DescribedObject> objects);
// The same, with imageCount objects counted: the listed ones and others that only count.
IniDocument BuildPageDescription(std::span<const DescribedObject> objects, size_t imageCount);
// The same as BuildPageDescription(objects, imageCount).Text(), written straight into the text.
std::string PageDescriptionText(std::span<const DescribedObject> objects, size_t imageCount);

}  // namespace vk
