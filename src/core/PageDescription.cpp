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

void PenKeys(IniDocument::Section& s, const DescribedObject& o) {
  s.Set("LineWidth", Num(o.PenWidth));
  s.Set("Color", ColorText(o.PenColor));
  if (o.PenStyle <= 4) s.Set("LineType", Num(o.PenStyle));
}

void FillKeys(IniDocument::Section& s, const DescribedObject& o) {
  s.Set("Fill", o.Filled ? "1" : "0");
  if (o.Filled) s.Set("FillColor", ColorText(o.FillColor));
}

void CornerKeys(IniDocument::Section& s, const DescribedObject& o) {
  s.Set("StartX", Num(o.Start.X));
  s.Set("StartY", Num(o.Start.Y));
  s.Set("EndX", Num(o.End.X));
  s.Set("EndY", Num(o.End.Y));
}

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

IniDocument BuildPageDescription(std::span<const DescribedObject> objects) {
  IniDocument ini;
  ini.Set("SysInfo", "ImageCount", Num(static_cast<int64_t>(objects.size())));
  int line = 0, rect = 0, round = 0, circle = 0, arc = 0, mline = 0;
  for (size_t i = objects.size(); i-- > 0;) {
    const DescribedObject& o = objects[i];
    switch (o.What) {
      case DescribedObject::Kind::Line:
      case DescribedObject::Kind::Rect:
      case DescribedObject::Kind::Circle: {
        int& n = o.What == DescribedObject::Kind::Line ? line : o.What == DescribedObject::Kind::Rect ? rect : circle;
        const char* prefix = o.What == DescribedObject::Kind::Line ? "Line"
                             : o.What == DescribedObject::Kind::Rect ? "Rect"
                                                                     : "Circle";
        IniDocument::Section& s = ini.At(prefix + Num(++n));
        CornerKeys(s, o);
        PenKeys(s, o);
        FillKeys(s, o);
        break;
      }
      case DescribedObject::Kind::Round: {
        IniDocument::Section& s = ini.At("Round" + Num(++round));
        CornerKeys(s, o);
        s.Set("CurvW", Num(o.CurvW));
        s.Set("CurvH", Num(o.CurvH));
        PenKeys(s, o);
        FillKeys(s, o);
        break;
      }
      case DescribedObject::Kind::Arc: {
        IniDocument::Section& s = ini.At("Arc" + Num(++arc));
        CornerKeys(s, o);
        s.Set("ArcSX", Num(o.ArcStart.X));
        s.Set("ArcSY", Num(o.ArcStart.Y));
        s.Set("ArcEX", Num(o.ArcEnd.X));
        s.Set("ArcEY", Num(o.ArcEnd.Y));
        PenKeys(s, o);
        break;
      }
      case DescribedObject::Kind::OpenPolyline: {
        IniDocument::Section& s = ini.At("mLine" + Num(++mline));
        s.Set("Color", ColorText(o.PenColor));
        s.Set("LineWidth", Num(o.PenWidth));
        if (o.PenStyle <= 4) s.Set("LineType", Num(o.PenStyle));
        std::string xy;
        for (const TPoint& p : o.Vertices) xy += Num(p.X) + "," + Num(p.Y) + ",";
        s.Set("XY", xy);
        break;
      }
      case DescribedObject::Kind::NotDescribed:
        break;
    }
  }
  ini.Set("SysInfo", "Line", Num(line));
  ini.Set("SysInfo", "Rect", Num(rect));
  ini.Set("SysInfo", "Circle", Num(circle));
  ini.Set("SysInfo", "RoundRect", Num(round));
  ini.Set("SysInfo", "Arc", Num(arc));
  ini.Set("SysInfo", "mLine", Num(mline));
  return ini;
}

}  // namespace vk
