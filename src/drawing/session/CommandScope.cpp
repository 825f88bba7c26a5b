#include "drawing/session/CommandScope.h"

#include <windows.h>

#include <exception>

#include "drawing/session/EditSession.h"

namespace vk {

CommandScope::CommandScope(EditSession& session, Access access, uint32_t group)
    : session_(session),
      group_(group),
      exceptions_(std::uncaught_exceptions()),
      allowed_(access == Access::ReadOnly || !session.waitingForPage_),
      outer_(session.commandDepth_ == 0) {
  ++session_.commandDepth_;
  // What a command changes in place is the current object, the one it starts with or the
  // one it ends with; the document hears of additions and removals itself.
  if (outer_) session_.drawing_.Touch(session_.CurPic);
}

CommandScope::~CommandScope() noexcept(false) {
  --session_.commandDepth_;
  if (!outer_) return;
  PicDocument& drawing = session_.drawing_;
  if (std::uncaught_exceptions() == exceptions_) {
    drawing.Touch(session_.CurPic);
    drawing.Commit(group_, ::GetTickCount64());
    return;
  }
  // Half a command is no step: the drawing goes back to where the last one left it, and
  // whatever the gesture showed goes with it.
  try {
    drawing.Revert();
    session_.CancelGesture();
    session_.RedrawAll(false, true);
  } catch (...) {
    // The first failure is the one the user hears of; the drawing is as Revert left it.
  }
}

}  // namespace vk
