#pragma once
// The editor's commands by identifier: the toolbar's buttons, their keys and the object
// menu's items all name one of these, so that a command is dispatched by what it is, not
// by the name of the control that asked for it.
#include <cstdint>

namespace vk {

enum class CommandId : uint8_t {
  None,
  Copy,
  Cut,
  Paste,
  Delete,
  Clear,
  ChooseTool,  // with the tool's tag
  Select,
  Apply,
  Exit,
  SavePicture,
  OpenDrawing,
  NewDrawing,
  ViewPicture,
  SelectAll,
  BringToFront,
  SendToBack,
  BringForward,
  SendBackward,
};

}  // namespace vk
