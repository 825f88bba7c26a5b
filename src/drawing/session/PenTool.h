#pragma once
// The freehand pen: press, drag and release draw one stroke that follows the pointer, in
// the line style of the property bar (its template, as every tool has). The stroke shows
// as it is drawn and is stored as an open polyline, thinned to the points that keep every
// sample within kStrokeTolerance. Shift draws it straight, from the press to the pointer; a
// click makes a dot.
#include <vector>

#include "drawing/session/CreateTool.h"

namespace vk {

class PenTool : public CreateTool {
 public:
  static constexpr double kStrokeTolerance = 0.75;  // page pixels

  using CreateTool::CreateTool;

  void Press(const PointerEvent& e) override;
  void Move(const PointerEvent& e) override;
  void Release(const PointerEvent& e) override;
  bool CompletesOnRelease() const override { return drawing_; }  // a click is a dot
  bool Cancel() override;
  bool Busy() const override { return g_.PressActive || drawing_; }

 private:
  void DrawSegment(TPoint a, TPoint b);
  // What the overlay shows while drawing: the samples so far, or the straight line.
  void ShowStraight(TPoint to);
  void ShowSamples();

  std::vector<TPoint> samples_;
  bool drawing_ = false;
  bool straight_ = false;  // the straight line shows instead of the samples
};

}  // namespace vk
