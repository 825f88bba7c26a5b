#include "core/PageDescription.h"

#include <algorithm>

namespace vk {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  // Profile files treat section and key names without regard to case.
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
           return lower(x) == lower(y);
         });
}

std::string Num(int64_t v) { return std::to_string(v); }

void PenKeys(IniDocument& ini, const std::string& s, const DescribedObject& o) {
  ini.Set(s, "LineWidth", Num(o.PenWidth));
  ini.Set(s, "Color", ColorText(o.PenColor));
  if (o.PenStyle <= 4) ini.Set(s, "LineType", Num(o.PenStyle));
}

void FillKeys(IniDocument& ini, const std::string& s, const DescribedObject& o) {
  ini.Set(s, "Fill", o.Filled ? "1" : "0");
  if (o.Filled) ini.Set(s, "FillColor", ColorText(o.FillColor));
}

void CornerKeys(IniDocument& ini, const std::string& s, const DescribedObject& o) {
  ini.Set(s, "StartX", Num(o.Start.X));
  ini.Set(s, "StartY", Num(o.Start.Y));
  ini.Set(s, "EndX", Num(o.End.X));
  ini.Set(s, "EndY", Num(o.End.Y));
}

}  // namespace

void IniDocument::Set(const std::string& section, const std::string& key, const std::string& value) {
  auto sec = std::find_if(sections_.begin(), sections_.end(), [&](const Section& s) { return SameName(s.Name, section); });
  if (sec == sections_.end()) {
    sections_.push_back({section, {}});
    sec = sections_.end() - 1;
  }
  auto e = std::find_if(sec->Entries.begin(), sec->Entries.end(), [&](const Entry& x) { return SameName(x.Key, key); });
  if (e == sec->Entries.end()) sec->Entries.push_back({key, value});
  else e->Value = value;
}

std::string IniDocument::Text() const {
  std::string out;
  for (const Section& s : sections_) {
    out += "[" + s.Name + "]\r\n";
    for (const Entry& e : s.Entries) out += e.Key + "=" + e.Value + "\r\n";
  }
  return out;
}

std::string ColorText(uint32_t c) {
  return Num(c & 255) + "," + Num((c >> 8) & 255) + "," + Num((c >> 16) & 255);
}

IniDocument BuildPageDescription(std::span<const DescribedObject> objects) {
  return BuildPageDescription(objects, objects.size());
}

IniDocument BuildPageDescription(std::span<const DescribedObject> objects, size_t imageCount) {
  IniDocument ini;
  ini.Set("SysInfo", "ImageCount", Num(static_cast<int64_t>(imageCount)));
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
        const std::string s = prefix + Num(++n);
        CornerKeys(ini, s, o);
        PenKeys(ini, s, o);
        FillKeys(ini, s, o);
        break;
      }
      case DescribedObject::Kind::Round: {
        const std::string s = "Round" + Num(++round);
        CornerKeys(ini, s, o);
        ini.Set(s, "CurvW", Num(o.CurvW));
        ini.Set(s, "CurvH", Num(o.CurvH));
        PenKeys(ini, s, o);
        FillKeys(ini, s, o);
        break;
      }
      case DescribedObject::Kind::Arc: {
        const std::string s = "Arc" + Num(++arc);
        CornerKeys(ini, s, o);
        ini.Set(s, "ArcSX", Num(o.ArcStart.X));
        ini.Set(s, "ArcSY", Num(o.ArcStart.Y));
        ini.Set(s, "ArcEX", Num(o.ArcEnd.X));
        ini.Set(s, "ArcEY", Num(o.ArcEnd.Y));
        PenKeys(ini, s, o);
        break;
      }
      case DescribedObject::Kind::OpenPolyline: {
        const std::string s = "mLine" + Num(++mline);
        ini.Set(s, "Color", ColorText(o.PenColor));
        ini.Set(s, "LineWidth", Num(o.PenWidth));
        if (o.PenStyle <= 4) ini.Set(s, "LineType", Num(o.PenStyle));
        std::string xy;
        for (const TPoint& p : o.Vertices) xy += Num(p.X) + "," + Num(p.Y) + ",";
        ini.Set(s, "XY", xy);
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
