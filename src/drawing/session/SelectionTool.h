#pragma once
// The select tool: a press on an object's body or handle selects it, a drag moves or
// resizes it, a drag over empty picture pans the view, the right button opens the object
// menu. With Shift a click adds an object to the selection or takes it out, and a drag
// over empty picture draws a marquee that selects what lies wholly inside it; a drag of
// a selected body moves every selected object. Its cursor follows what the pointer is over.
#include <cstdint>
#include <vector>

#include "drawing/session/Tool.h"

namespace vk {

class EditSession;
class TPicBase;

class SelectionTool : public Tool {
 public:
  SelectionTool(EditSession& session, Gesture& gesture) : s_(session), g_(gesture) {}

  void Activate() override { cursor_ = kModeArrow; }
  void Press(const PointerEvent& e) override;
  void Move(const PointerEvent& e) override;
  void Release(const PointerEvent& e) override;
  void Click(const PointerEvent& e) override;
  bool Cancel() override;
  bool Busy() const override;
  int32_t Cursor() const override { return cursor_; }

 private:
  void Hover(TPoint p);
  // A press on the body of pic, an object already selected among others or with Shift.
  void PressSelectedBody(TPicBase* pic, bool shift);
  // The selected objects that a drag of a body moves, when there are several.
  bool SeveralSelected() const;
  void StartSelection();
  void DrawBand() const;
  // The group's outlines (their bounding rects) moved by offset, XORed: drawn again, gone.
  void DrawGroupOutline(TPoint offset) const;
  void EndMarquee();

  EditSession& s_;
  Gesture& g_;
  int32_t cursor_ = kModeArrow;
  uint8_t hit_ = kHitNone;  // what the press or the pointer is over
  // What the press decided; a click (a release without a move) or a drag completes it.
  bool pressOnEmpty_ = false;
  TPicBase* toggle_ = nullptr;  // Shift on this selected body: a click takes it out
  TPicBase* alone_ = nullptr;   // a press on this body among several selected: a click selects it alone
  std::vector<TPicBase*> group_;  // dragged together
  std::vector<TRect> groupRects_;  // their bounding rects at the press
  bool outlineShown_ = false;
  TPoint outlineAt_;
  bool marquee_ = false;
  bool bandShown_ = false;
  TPoint bandFrom_, bandTo_;
};

}  // namespace vk
