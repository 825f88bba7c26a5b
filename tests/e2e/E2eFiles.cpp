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
    if (e.Kind == 1) {
      vk::LineRecord lr;
      if (!vk::ReadLineRecord(rd, lr)) return false;
      o.Common = lr.common;
      o.A = lr.line.Start;
      o.B = lr.line.End;
    } else if (e.Kind == vk::PIC_TEXT) {
      vk::TextRecord tr;
      if (!vk::ReadTextRecord(rd, tr)) return false;
      o.Common = tr.common;
      o.A = tr.shape.TopLeft();
      o.B = tr.shape.BottomRight();
      o.Text = tr.text;
      o.Hollow = tr.hollow;
      o.Sided = tr.sided;
      o.View3D = tr.view3d;
    } else {
      vk::BoxRecord br;
      if (!vk::ReadBoxRecord(rd, br)) return false;
      o.Common = br.common;
      o.A = br.box.TopLeft();
      o.B = br.box.BottomRight();
    }
    out.push_back(o);
  }
  return true;
}

}  // namespace vkt
