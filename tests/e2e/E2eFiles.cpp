#include "E2eFiles.h"

#include "GuiDriver.h"

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
    bool ok = false;
    switch (e.Kind) {
      case 1: {
        vk::LineRecord r;
        ok = vk::ReadLineRecord(rd, r);
        o.Common = r.common;
        o.A = r.line.Start;
        o.B = r.line.End;
        break;
      }
      case 2:
      case 4: {
        vk::BoxRecord r;
        ok = vk::ReadBoxRecord(rd, r);
        o.Common = r.common;
        o.A = r.box.TopLeft();
        o.B = r.box.BottomRight();
        break;
      }
      case 3: {
        vk::RoundRecord r;
        ok = vk::ReadRoundRecord(rd, r);
        o.Common = r.common;
        o.A = r.box.TopLeft();
        o.B = r.box.BottomRight();
        o.Points = {r.corner};
        break;
      }
      case 5: {
        vk::ArcRecord r;
        ok = vk::ReadArcRecord(rd, r);
        o.Common = r.common;
        o.Type = r.type;
        o.A = r.box.TopLeft();
        o.B = r.box.BottomRight();
        o.Points = {r.start, r.end};
        break;
      }
      case 6: {
        vk::PolyRecord r;
        ok = vk::ReadPolyRecord(rd, r);
        o.Common = r.common;
        o.Type = r.type;
        o.Points = r.vertices;
        break;
      }
      case 7: {
        vk::CurveRecord r;
        ok = vk::ReadCurveRecord(rd, r);
        o.Common = r.common;
        o.Points.assign(r.points.begin(), r.points.begin() + r.count);
        break;
      }
      default:
        break;
    }
    if (!ok || !rd.AtEnd()) return false;
    out.push_back(o);
  }
  return true;
}

}  // namespace vkt
