#include "drawing/session/CreateTool.h"

#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/TextPic.h"
#include "drawing/session/EditSession.h"

namespace vk {

CreateTool::CreateTool(EditSession& session, Gesture& gesture, const FigureKind& figure)
    : s_(session),
      g_(gesture),
      template_(figure.Create()),
      kind_(figure.Kind),
      mode_(figure.Mode),
      freehand_(figure.Freehand) {}

bool CreateTool::Serves(const FigureKind& figure) const {
  return figure.Kind == kind_ && figure.Freehand == freehand_;
}

// The figure in the making is the current object: the template, unless a command made
// another object current while this tool stayed chosen.
void CreateTool::Press(const PointerEvent& e) {
  TPicBase* pic = s_.CurPic;
  if (!pic) return;
  // A figure built over several presses keeps its rubber band on the surface.
  if (!pic->UnderConstruction()) s_.RedrawAll(true, true);
  pic->Choosed = false;
  pic->DrawMouseDown(s_.OverlayCanvas(), kind_, e.Button, e.Shift, e.Page);
}

void CreateTool::Move(const PointerEvent& e) {
  if (s_.CurPic) s_.CurPic->DrawMouseMove(s_.OverlayCanvas(), kind_, e.Shift, e.Page);
}

void CreateTool::Release(const PointerEvent& e) {
  if (!s_.CurPic) return;
  s_.CurPic->Choosed = true;
  s_.CurPic->DrawMouseUp(s_.OverlayCanvas(), kind_, e.Button, e.Shift, e.Page);
}

bool CreateTool::CompletesOnRelease() const { return s_.CurPic && s_.CurPic->AwaitsRelease(); }

bool CreateTool::Cancel() {
  if (!s_.CurPic) return false;
  const bool shown = s_.CurPic->UnderConstruction();
  s_.CurPic->DropDrawing();
  return shown;
}

bool CreateTool::Busy() const { return g_.PressActive || (s_.CurPic && s_.CurPic->UnderConstruction()); }

void TextCreateTool::Press(const PointerEvent& e) {
  CreateTool::Press(e);
  // The entry sits where the user clicked on the screen, whatever the scale.
  TTextPic* text = s_.TextTool();
  if (s_.zoom_ != 100 && s_.CurPic == text && text && text->EditShowing())
    ::SetWindowPos(text->EditWindow(), nullptr, e.View.x, e.View.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vk
