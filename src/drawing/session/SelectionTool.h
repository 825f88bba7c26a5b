#pragma once
// The select tool: a press on an object's body or handle selects it, a drag moves or
// resizes it, a drag over empty picture pans the view, the right button opens the object
// menu. Its cursor follows what the pointer is over.
#include <cstdint>

#include "drawing/session/Tool.h"

namespace vk {

class EditSession;

class SelectionTool : public Tool {
 public:
  SelectionTool(EditSession& session, Gesture& gesture) : s_(session), g_(gesture) {}

  void Activate() override { cursor_ = kModeArrow; }
  void Press(const PointerEvent& e) override;
  void Move(const PointerEvent& e) override;
  void Release(const PointerEvent& e) override;
  bool Cancel() override;
  bool Busy() const override;
  int32_t Cursor() const override { return cursor_; }

 private:
  void Hover(TPoint p);

  EditSession& s_;
  Gesture& g_;
  int32_t cursor_ = kModeArrow;
  uint8_t hit_ = kHitNone;  // what the press or the pointer is over
};

}  // namespace vk
