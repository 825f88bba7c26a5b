#pragma once
// TPicBase: what every figure of the drawing editor shares, and the virtual operations
// through which the editor draws, hit-tests, creates, moves, resizes, copies, saves and
// loads a figure without knowing its kind.
//
// The persistent state is plain data (pen, brush and font are values); GDI objects
// exist only inside a Canvas while drawing, so saving and loading never touch GDI.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/ByteIO.h"
#include "core/Geometry.h"
#include "core/PageDescription.h"
#include "core/PicAttrs.h"
#include "core/PicRecord.h"
#include "drawing/objects/PicConst.h"
#include "win/Canvas.h"
#include "win/Handle.h"

namespace vk {

class TPicBase;

// Fired by a figure when its creation by mouse (or text entry) completes.
using TDrawEndEvent = std::function<void(TPicBase* pic)>;

class TPicBase {
 public:
  TPicBase() = default;
  virtual ~TPicBase() = default;
  // Copies go through CreateEmpty + Assign, which knows what to leave out.
  TPicBase(const TPicBase&) = delete;
  TPicBase& operator=(const TPicBase&) = delete;

  // --- the operations, in slot order. Points given by the editor are device units. ---

  // Draws the figure with its own pen, brush and font; then the handles if Choosed.
  virtual void Draw(win::Canvas& canvas);
  // Moves every point by offset and recomputes the bounding rect.
  virtual void MoveBy(win::Canvas& canvas, TPoint offset);
  // Hit code at p (kHit*). The base answers kHitBody.
  virtual uint8_t HitTest(win::Canvas& canvas, TPoint p);
  // The body's area in device units. The base gives the bounding rect's region.
  virtual win::Region CreateRegion(win::Canvas& canvas);
  // Draws every handle as a HandleHalfSize square with FocusPen and FocusBrush.
  virtual void DrawFocus(win::Canvas& canvas);
  // Rubber band while a selected figure is dragged: erase the outline for (last - down),
  // draw it for (x, y) - down, XOR with a dotted pen of width 1 and a clear brush.
  virtual void DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX,
                         int32_t downY, int32_t lastX, int32_t lastY, int32_t x, int32_t y);
  // Applies the move or resize for (x - downX, y - downY).
  virtual void DragEnd(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX,
                       int32_t downY, int32_t x, int32_t y);
  // Creation by mouse on the active tool's template object.
  virtual void DrawMouseDown(win::Canvas& canvas, TPicType kind, TMouseButton button,
                             TShiftState shift, TPoint p);
  virtual void DrawMouseUp(win::Canvas& canvas, TPicType kind, TMouseButton button,
                           TShiftState shift, TPoint p);
  virtual void DrawMouseMove(win::Canvas& canvas, TPicType kind, TShiftState shift, TPoint p);
  // Forgets a figure being drawn by mouse: the half-made one when a gesture is
  // cancelled, or the finished one once the editor has copied it, so that the next
  // press starts afresh. Whatever band it showed is the caller's to repaint.
  virtual void DropDrawing() {}
  // True between the presses of a figure built over several presses (a polyline, an
  // arc's second phase, a curve): its rubber band is on the surface and must stay there.
  virtual bool UnderConstruction() const { return false; }
  // True when the next release completes the figure, even after a click without a move.
  virtual bool AwaitsRelease() const { return false; }
  // Copies pen, brush, font, bounding rect, Choosed, FocusPen, FocusBrush, PicId,
  // PicIndex and Tail from source; DrawEndEvent stays. Shapes call this, then copy their fields.
  virtual void Assign(const TPicBase& source);
  TRect GetRect() const { return Bounds; }
  // Where the figure's points and handles may lie: the bounding rect, and whatever a
  // figure loaded from a damaged file holds outside it.
  virtual TRect PaintBounds() const { return Bounds; }
  // The common record; shapes call the base, then read/append their tail. A failed load
  // leaves the common fields as they were. Pen mode, focus pen and brush and
  // DrawEndEvent are not part of the record.
  virtual bool LoadFromBuffer(ByteReader& r);
  virtual void SaveToBuffer(ByteWriter& w) const;

  // A new, default-constructed object of the same class (the editor's factory and
  // clipboard use it; fill it with Assign).
  virtual std::unique_ptr<TPicBase> CreateEmpty() const;

  // What the kind's class tells apart within its kind (an arc from a sector, a polyline
  // from a polygon); 0 for a class that tells nothing apart. The table of figure kinds
  // has a row per kind and subtype.
  virtual uint8_t Subtype() const { return 0; }
  virtual void SetSubtype(uint8_t) {}
  // The geometry the page description gives of the figure (its points and corners).
  virtual void DescribeShape(DescribedObject&) const {}

  // The common record of this object / set from one (keeps the pen mode).
  PicRecord ToRecord() const;
  void FromRecord(const PicRecord& rec);

  // --- fields (the published properties) ---
  PenAttrs PicPen;  // red, width 1, solid, copy
  BrushAttrs PicBrush;  // black, clear
  FontAttrs PicFont;    // default face, 10 pt, red
  bool Choosed = false;
  TPicType PicId = PIC_NONE;  // set by each shape whenever it draws
  int32_t PicIndex = -1;      // position in the editor's list
  PenAttrs FocusPen{kColorWhite, 1, kPenSolid, PenMode::Copy};
  BrushAttrs FocusBrush{kColorMagenta, kBrushSolid};
  TDrawEndEvent DrawEndEvent;

  // Bytes stored after this object's record, past what this editor reads of it (a newer
  // editor may keep more there), and a digest of the record they followed. They go back
  // after the record as long as the record is the same; see StoredEntry.
  struct StoredTail {
    std::vector<uint8_t> Bytes;
    uint64_t RecordDigest = 0;
  };
  std::unique_ptr<StoredTail> Tail;

 protected:
  // Logical units; each shape keeps it up to date. Read it from outside with GetRect.
  TRect Bounds;

  // Canvas pen, brush and font := the figure's own.
  void UseOwnTools(win::Canvas& canvas) const;
  // The figure's own pen in the given mix mode and its brush: a rubber band that drawing
  // again erases.
  void UseBandTools(win::Canvas& canvas, PenMode mode) const;
  // Whether p (device units) lies in CreateRegion.
  bool InRegion(win::Canvas& canvas, TPoint p);
};

}  // namespace vk
