#pragma once
// A tool that makes figures of one kind by mouse, on a template object of that kind: the
// template takes the presses, moves and releases, and once a figure is complete the
// session puts a copy of it into the drawing. The rows of a kind (arc, sector and chord)
// share one tool, set to the row's subtype when chosen.
#include <cstdint>
#include <memory>

#include "drawing/objects/PicBase.h"
#include "drawing/session/Tool.h"

namespace vk {

class EditSession;
struct FigureKind;

class CreateTool : public Tool {
 public:
  // The tool of figure's kind, with a template of its class.
  CreateTool(EditSession& session, Gesture& gesture, const FigureKind& figure);

  TPicBase& Template() { return *template_; }
  // Whether this is the tool of figure (the rows of a kind share one, the pen has its own).
  bool Serves(const FigureKind& figure) const;

  void Press(const PointerEvent& e) override;
  void Move(const PointerEvent& e) override;
  void Release(const PointerEvent& e) override;
  bool CompletesOnRelease() const override;
  bool Cancel() override;
  bool Busy() const override;
  int32_t Cursor() const override { return mode_; }

 protected:
  EditSession& s_;
  Gesture& g_;

 private:
  std::unique_ptr<TPicBase> template_;
  TPicType kind_;
  int32_t mode_;
  bool freehand_;
};

// The text tool: its press opens an entry over the surface, where the user clicked.
class TextCreateTool : public CreateTool {
 public:
  using CreateTool::CreateTool;
  void Press(const PointerEvent& e) override;
};

}  // namespace vk
