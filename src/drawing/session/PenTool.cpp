#include "drawing/session/PenTool.h"

#include "core/StrokeSimplify.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/session/EditSession.h"

namespace vk {

void PenTool::DrawSegment(TPoint a, TPoint b) {
  win::Canvas& c = s_.OverlayCanvas();
  c.Pen() = Template().PicPen;
  c.Pen().Mode = PenMode::Copy;
  c.MoveTo(a);
  c.LineTo(b);
  c.SetPixel(b.X, b.Y, c.Pen().Color);  // LineTo leaves out the last pixel
}

void PenTool::ShowStraight(TPoint to) {
  s_.RedrawAll(false, true);  // the line or stroke shown so far goes
  DrawSegment(samples_.front(), to);
  straight_ = true;
}

void PenTool::ShowSamples() {
  s_.RedrawAll(false, true);
  for (size_t i = 1; i < samples_.size(); ++i) DrawSegment(samples_[i - 1], samples_[i]);
  straight_ = false;
}

void PenTool::Press(const PointerEvent& e) {
  if (e.Button != TMouseButton::Left) return;
  s_.RedrawAll(true, true);  // the figure drawn last loses its handles, as with every tool
  samples_.assign(1, e.Page);
  drawing_ = true;
  straight_ = false;
  DrawSegment(e.Page, e.Page);
}

void PenTool::Move(const PointerEvent& e) {
  if (!drawing_) return;
  if (e.Shift & kShiftKey) {
    ShowStraight(e.Page);
  } else if (straight_) {
    samples_.push_back(e.Page);
    ShowSamples();
  } else if (!(samples_.back() == e.Page)) {
    // One segment per move: the cost of a move does not grow with the stroke.
    DrawSegment(samples_.back(), e.Page);
    samples_.push_back(e.Page);
  }
}

void PenTool::Release(const PointerEvent& e) {
  if (!drawing_) return;
  drawing_ = false;
  std::vector<TPoint> points;
  if (e.Shift & kShiftKey) {
    points = {samples_.front(), e.Page};
  } else {
    samples_.push_back(e.Page);
    points = SimplifyStroke(samples_, kStrokeTolerance);
  }
  samples_.clear();
  // A click makes a dot: two vertices a pixel apart, which draw and can be hit.
  if (points.size() < 2 || (points.size() == 2 && points.front() == points.back()))
    points = {points.front(), {points.front().X + 1, points.front().Y}};
  auto stroke = std::make_unique<TPolyPic>();
  stroke->Assign(Template());
  stroke->SetPolyType(PolyOpen);
  stroke->PicId = PIC_POLY;
  stroke->PicBrush.Style = kBrushClear;
  stroke->PolyPoint = std::move(points);
  stroke->MoveBy(s_.OverlayCanvas(), {0, 0});  // its bounding rect
  stroke->Choosed = true;
  s_.drawing_.AppendPic(std::move(stroke));
  s_.RedrawAll(false, true);
}

bool PenTool::Cancel() {
  const bool shown = drawing_;
  drawing_ = false;
  samples_.clear();
  return shown;
}

}  // namespace vk
