#include "core/EditorLayout.h"

#include <algorithm>
#include <cstring>

#include "core/Arith.h"

namespace vk {

namespace {

constexpr ToolButtonDef kButtons[] = {
    {"SpeedButton4", "Copy", "", 1, 0, true, false, 1, 49, CommandId::Copy},
    {"SpeedButton6", "Paste", "", 3, 0, true, false, 50, 49, CommandId::Paste},
    {"SpeedButton7", "Delete", "", 4, 0, true, false, 100, 49, CommandId::Delete},
    {"SpeedButton20", "Clear", "", -1, 0, true, false, 149, 49, CommandId::Clear},
    {"SpeedButton8", "Line", "Line", 1, 1, true, true, 198, 49, CommandId::ChooseTool},
    {"SpeedButton9", "Rect", "Rect", 2, 1, true, true, 247, 49, CommandId::ChooseTool},
    {"SpeedButton10", "RoundRect", "RoundRect", 3, 1, true, true, 297, 72, CommandId::ChooseTool},
    {"SpeedButton11", "Round", "Round", 4, 1, true, true, 369, 49, CommandId::ChooseTool},
    {"SpeedButton13", "Polyline", "Polyline", 8, 1, true, true, 418, 49, CommandId::ChooseTool},
    {"SpeedButtonSelect", "Select", "", -1, 1, true, true, 467, 49, CommandId::Select},
    {"SpeedButtonApply", "Apply", "", -1, 0, true, false, 517, 49, CommandId::Apply},
    {"SpeedButtonExit", "Exit", "", -1, 0, true, true, 566, 49, CommandId::Exit},
    {"SpeedButton3", "保存", "", 0, 0, false, true, 624, 32, CommandId::SavePicture},
    {"SpeedButton0", "查看", "", 0, 0, false, true, 672, 32, CommandId::ViewPicture},
    {"SpeedButton18", "玄形", "玄形", 7, 1, false, true, 705, 32, CommandId::ChooseTool},
    {"SpeedButton5", "Cut", "", 2, 0, false, false, 714, 49, CommandId::Cut},
    {"SpeedButton15", "文字", "", 11, 1, false, true, 745, 32, CommandId::ChooseTool},
    {"SpeedButton12", "Arc", "Arc", 5, 1, false, true, 771, 57, CommandId::ChooseTool},
    {"SpeedButton2", "打开", "", 0, 0, false, true, 830, 32, CommandId::OpenDrawing},
    {"SpeedButton17", "多封", "封闭多边形", 9, 1,
     false, true, 865, 32, CommandId::ChooseTool},
    {"SpeedButton14", "曲线", "贝塞尔曲线", 10, 1,
     false, true, 889, 32, CommandId::ChooseTool},
    {"SpeedButton1", "新建", "", 0, 0, false, true, 933, 32, CommandId::NewDrawing},
    {"SpeedButton16", "扇形", "扇形", 6, 1, false, true, 985, 32, CommandId::ChooseTool},
    // Last, so that the buttons before it keep their control ids; it sits after Exit.
    {"SpeedButtonPen", "Pen", "Pen (Ctrl+Shift+F)", 12, 1, true, true, 615, 49, CommandId::ChooseTool},
};

constexpr CommandKey kCommandKeys[] = {
    {'X', false, CommandId::Cut},
    {'S', false, CommandId::SavePicture},
    {'O', false, CommandId::OpenDrawing},
    {'N', false, CommandId::NewDrawing},
};

// ] and [ are the virtual keys of those US keyboard positions (VK_OEM_6, VK_OEM_4).
constexpr uint8_t kKeyCloseBracket = 0xDD, kKeyOpenBracket = 0xDB;
constexpr CommandKey kSelectionKeys[] = {
    {'A', false, CommandId::SelectAll},
    {kKeyCloseBracket, true, CommandId::BringToFront},
    {kKeyOpenBracket, true, CommandId::SendToBack},
    {kKeyCloseBracket, false, CommandId::BringForward},
    {kKeyOpenBracket, false, CommandId::SendBackward},
};

struct KeyTip {
  const char* Button;
  const char* Text;
};
constexpr KeyTip kKeyTips[] = {
    {"SpeedButton4", "Copy (Ctrl+C)"},
    {"SpeedButton6", "Paste (Ctrl+V)"},
    {"SpeedButton7", "Delete (Del)"},
};

constexpr PropControlDef kProps[] = {
    {"lbl1", PropControlKind::Label, PropRole::Label, "Line Size", 10, 2, 70, 17},
    {"cbbLineW", PropControlKind::LineWidthCombo, PropRole::LineWidth, "1", 9, 20, 58, 21},
    {"lbl2", PropControlKind::Label, PropRole::Label, "Line Color", 89, 2, 74, 17},
    {"pnlLineColor", PropControlKind::ColorSwatch, PropRole::LineColor, "", 88, 20, 50, 21},
    {"lbl3", PropControlKind::Label, PropRole::Label, "Line Type", 163, 2, 74, 17},
    {"cbbLineStype", PropControlKind::LineStyleCombo, PropRole::LineStyle, "", 160, 20, 135, 22},
    {"lbl4", PropControlKind::Label, PropRole::Label, "Fill Color", 315, 2, 66, 17},
    {"pnlFillColor", PropControlKind::ColorSwatch, PropRole::FillColor, "", 315, 20, 50, 21},
    {"schckbxFillColor", PropControlKind::CheckBox, PropRole::Fill, "Fill with color", 371, 21, 94, 19},
    {"lbl5", PropControlKind::Label, PropRole::Label, "Page", 482, 2, 47, 17},
    {"edtPage", PropControlKind::PageEdit, PropRole::PageBox, "1", 482, 20, 41, 19},
    {"btn1", PropControlKind::Button, PropRole::Goto, "Goto", 530, 18, 40, 20},
    {"lblZoom", PropControlKind::Label, PropRole::ZoomReadout, "100 %", 578, 22, 48, 17},
};

}  // namespace

std::span<const ToolButtonDef> ToolButtons() { return kButtons; }

int IndexOfToolButton(const char* name) {
  for (size_t i = 0; i < std::size(kButtons); ++i)
    if (std::strcmp(kButtons[i].Name, name) == 0) return static_cast<int>(i);
  return -1;
}

const char* ToolTipText(const ToolButtonDef& button) {
  if (button.Hint[0] != '\0') return button.Hint;
  for (const KeyTip& t : kKeyTips)
    if (std::strcmp(t.Button, button.Name) == 0) return t.Text;
  return "";
}

std::span<const CommandKey> CommandKeys() { return kCommandKeys; }

std::span<const CommandKey> SelectionKeys() { return kSelectionKeys; }

CommandId CommandForKey(unsigned key, bool shift) {
  for (const std::span<const CommandKey> table : {CommandKeys(), SelectionKeys()})
    for (const CommandKey& k : table)
      if (k.Key == key && k.Shift == shift) return k.Command;
  return CommandId::None;
}

const ToolButtonDef* ButtonOf(CommandId command) {
  for (const ToolButtonDef& b : kButtons)
    if (b.Command == command) return &b;
  return nullptr;
}

std::span<const PropControlDef> PropControls() { return kProps; }

int IndexOfPropControl(PropRole role) {
  for (size_t i = 0; i < std::size(kProps); ++i)
    if (kProps[i].Role == role) return static_cast<int>(i);
  return -1;
}

int IndexOfPropControl(const char* name) {
  for (size_t i = 0; i < std::size(kProps); ++i)
    if (std::strcmp(kProps[i].Name, name) == 0) return static_cast<int>(i);
  return -1;
}

EditorLayout LayoutForClient(int32_t clientWidth, int32_t clientHeight) {
  const int32_t w = std::max(clientWidth, 0);
  const int32_t h = std::max(clientHeight, 0);
  EditorLayout l;
  l.Toolbar = {0, 0, w, std::min(h, kToolbarHeight)};
  l.PropertyBar = {0, l.Toolbar.Bottom, w, std::min(h, l.Toolbar.Bottom + kPropertyBarHeight)};
  l.ScrollBox = {0, l.PropertyBar.Bottom, w, std::max(h, l.PropertyBar.Bottom)};
  return l;
}

int32_t SurfaceOffset(int32_t clientSize, int32_t imageSize, int32_t scrollPos) {
  if (imageSize < clientSize) return RoundEven((static_cast<double>(clientSize) - imageSize) / 2.0);
  return -scrollPos;
}

int32_t MaxScroll(int32_t clientSize, int32_t imageSize) { return std::max(imageSize - clientSize, 0); }

}  // namespace vk
