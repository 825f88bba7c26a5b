#include "core/PageDescription.h"

#include <algorithm>

namespace vk {

namespace {

// Profile files treat section and key names without regard to case.
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string LowerName(std::string s) {
  for (char& c : s) c = Lower(c);
  return s;
}

std::string Num(int64_t v) { return std::to_string(v); }

void PenKeys(DescriptionSink& out, const DescribedObject& o) {
  out.Key("LineWidth", Num(o.PenWidth));
  out.Key("Color", ColorText(o.PenColor));
  if (o.PenStyle <= 4) out.Key("LineType", Num(o.PenStyle));
}

void FillKeys(DescriptionSink& out, const DescribedObject& o) {
  out.Key("Fill", o.Filled ? "1" : "0");
  if (o.Filled) out.Key("FillColor", ColorText(o.FillColor));
}

void CornerKeys(DescriptionSink& out, const DescribedObject& o) {
  out.Key("StartX", Num(o.Start.X));
  out.Key("StartY", Num(o.Start.Y));
  out.Key("EndX", Num(o.End.X));
  out.Key("EndY", Num(o.End.Y));
}

class IniSink final : public DescriptionSink {
 public:
  void Section(std::string_view name) override { section_ = &ini_.At(std::string(name)); }
  void Key(std::string_view key, std::string_view value) override {
    section_->Set(std::string(key), std::string(value));
  }
  IniDocument Take() { return std::move(ini_); }

 private:
  IniDocument ini_;
  IniDocument::Section* section_ = nullptr;
};

// Straight into the text: the description writes each section and key once, so the
// document's replace-in-place never applies.
class TextSink final : public DescriptionSink {
 public:
  explicit TextSink(size_t expected) { text_.reserve(expected); }
  void Section(std::string_view name) override { text_.append("[").append(name).append("]\r\n"); }
  void Key(std::string_view key, std::string_view value) override {
    text_.append(key).append("=").append(value).append("\r\n");
  }
  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

IniDocument::Section& IniDocument::At(const std::string& section) {
  const auto [at, added] = index_.try_emplace(LowerName(section), sections_.size());
  if (added) {
    sections_.push_back({section, {}});
    sections_.back().Entries.reserve(12);  // the most any object writes
  }
  return sections_[at->second];
}

void IniDocument::Section::Set(const std::string& key, const std::string& value) {
  auto e = std::find_if(Entries.begin(), Entries.end(), [&](const Entry& x) { return SameName(x.Key, key); });
  if (e == Entries.end()) Entries.push_back({key, value});
  else e->Value = value;
}

std::string IniDocument::Text() const {
  size_t size = 0;
  for (const Section& s : sections_) {
    size += s.Name.size() + 4;
    for (const Entry& e : s.Entries) size += e.Key.size() + e.Value.size() + 3;
  }
  std::string out;
  out.reserve(size);
  for (const Section& s : sections_) {
    out.append("[").append(s.Name).append("]\r\n");
    for (const Entry& e : s.Entries) out.append(e.Key).append("=").append(e.Value).append("\r\n");
  }
  return out;
}

std::string ColorText(uint32_t c) {
  return Num(c & 255) + "," + Num((c >> 8) & 255) + "," + Num((c >> 16) & 255);
}

void DescribePage(std::span<const DescribedObject> objects, size_t imageCount, DescriptionSink& out) {
  using Kind = DescribedObject::Kind;
  // The counts come first in the text, so they are taken before the sections are written.
  int counts[7] = {};
  for (const DescribedObject& o : objects) ++counts[static_cast<int>(o.What)];
  out.Section("SysInfo");
  out.Key("ImageCount", Num(static_cast<int64_t>(imageCount)));
  out.Key("Line", Num(counts[static_cast<int>(Kind::Line)]));
  out.Key("Rect", Num(counts[static_cast<int>(Kind::Rect)]));
  out.Key("Circle", Num(counts[static_cast<int>(Kind::Circle)]));
  out.Key("RoundRect", Num(counts[static_cast<int>(Kind::Round)]));
  out.Key("Arc", Num(counts[static_cast<int>(Kind::Arc)]));
  out.Key("mLine", Num(counts[static_cast<int>(Kind::OpenPolyline)]));
  static constexpr const char* kPrefix[] = {"Line", "Rect", "Round", "Circle", "Arc", "mLine", ""};
  int numbers[7] = {};
  for (size_t i = objects.size(); i-- > 0;) {
    const DescribedObject& o = objects[i];
    const int k = static_cast<int>(o.What);
    if (o.What == Kind::NotDescribed) continue;
    out.Section(kPrefix[k] + Num(++numbers[k]));
    switch (o.What) {
      case Kind::Line:
      case Kind::Rect:
      case Kind::Circle:
        CornerKeys(out, o);
        PenKeys(out, o);
        FillKeys(out, o);
        break;
      case Kind::Round:
        CornerKeys(out, o);
        out.Key("CurvW", Num(o.CurvW));
        out.Key("CurvH", Num(o.CurvH));
        PenKeys(out, o);
        FillKeys(out, o);
        break;
      case Kind::Arc:
        CornerKeys(out, o);
        out.Key("ArcSX", Num(o.ArcStart.X));
        out.Key("ArcSY", Num(o.ArcStart.Y));
        out.Key("ArcEX", Num(o.ArcEnd.X));
        out.Key("ArcEY", Num(o.ArcEnd.Y));
        PenKeys(out, o);
        break;
      case Kind::OpenPolyline: {
        out.Key("Color", ColorText(o.PenColor));
        out.Key("LineWidth", Num(o.PenWidth));
        if (o.PenStyle <= 4) out.Key("LineType", Num(o.PenStyle));
        std::string xy;
        for (const TPoint& p : o.Vertices) xy.append(Num(p.X)).append(",").append(Num(p.Y)).append(",");
        out.Key("XY", xy);
        break;
      }
      case Kind::NotDescribed:
        break;
    }
  }
}

IniDocument BuildPageDescription(std::span<const DescribedObject> objects) {
  return BuildPageDescription(objects, objects.size());
}

IniDocument BuildPageDescription(std::span<const DescribedObject> objects, size_t imageCount) {
  IniSink sink;
  DescribePage(objects, imageCount, sink);
  return sink.Take();
}

std::string PageDescriptionText(std::span<const DescribedObject> objects, size_t imageCount) {
  TextSink sink(objects.size() * 128);  // about what a figure's section takes
  DescribePage(objects, imageCount, sink);
  return sink.Take();
}

}  // namespace vk
