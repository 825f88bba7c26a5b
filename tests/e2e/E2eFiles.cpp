#include "E2eFiles.h"

#include "GuiDriver.h"
#include "core/PicConst.h"

namespace vkt {

bool ReadSavedObjects(const std::string& path, std::vector<SavedObject>& out) {
  const std::vector<uint8_t> bytes = FileBytes(path);
  if (bytes.empty()) return false;
  const vk::DrawingReadResult r = vk::DecodeDrawing(bytes.data(), bytes.size());
  if (r.Status != vk::DrawingReadStatus::Ok) return false;
  out.clear();
  for (const vk::DrawingEntry& e : r.Entries) {
    vk::ByteReader rd(e.Record.data(), e.Record.size());
    SavedObject o;
    o.Kind = e.Kind;
    // Decodes the record with read, then takes what fill picks from it.
    const auto take = [&](auto rec, auto read, auto fill) {
      if (!read(rd, rec)) return false;
      o.Common = rec.common;
      fill(rec);
      return true;
    };
    const auto box = [&](const vk::TRect& b) {
      o.A = b.TopLeft();
      o.B = b.BottomRight();
    };
    bool ok = false;
    switch (e.Kind) {
      case 1: ok = take(vk::LineRecord{}, vk::ReadLineRecord, [&](auto& r) { o.A = r.line.Start; o.B = r.line.End; }); break;
      case 2:
      case 4: ok = take(vk::BoxRecord{}, vk::ReadBoxRecord, [&](auto& r) { box(r.box); }); break;
      case 3: ok = take(vk::RoundRecord{}, vk::ReadRoundRecord, [&](auto& r) { box(r.box); o.Points = {r.corner}; }); break;
      case 5:
        ok = take(vk::ArcRecord{}, vk::ReadArcRecord, [&](auto& r) { box(r.box); o.Type = r.type; o.Points = {r.start, r.end}; });
        break;
      case 6: ok = take(vk::PolyRecord{}, vk::ReadPolyRecord, [&](auto& r) { o.Type = r.type; o.Points = r.vertices; }); break;
      case 7:
        ok = take(vk::CurveRecord{}, vk::ReadCurveRecord,
                  [&](auto& r) { o.Points.assign(r.points.begin(), r.points.begin() + r.count); });
        break;
      case 8:
        ok = take(vk::TextRecord{}, vk::ReadTextRecord, [&](auto& r) {
          box(r.shape);
          o.Text = r.text;
          o.Hollow = r.hollow;
          o.Sided = r.sided;
          o.View3D = r.view3d;
        });
        break;
      default: break;
    }
    if (!ok || !rd.AtEnd()) return false;
    out.push_back(o);
  }
  return true;
}

}  // namespace vkt
