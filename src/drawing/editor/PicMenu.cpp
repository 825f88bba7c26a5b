#include "drawing/editor/PicMenu.h"

#include <cstring>
#include <string>

#include "core/PicConst.h"
#include "drawing/objects/FigureKinds.h"
#include "win/Text.h"

namespace vk {

namespace {

constexpr PicMenuItem kItems[] = {
    {"N14", "剪切(&U)", 2, PicMenuHandler::N16Click, nullptr, false},
    {"N13", "复制(&C)", 1, PicMenuHandler::N16Click, nullptr, true},
    {"N15", "粘贴(&V)", 3, PicMenuHandler::N16Click, nullptr, true},
    {"N16", "删除(&D)", 4, PicMenuHandler::N16Click, nullptr, true},
    {"N12", "-", 0, PicMenuHandler::None, nullptr, true},
    {"N1", "线宽(&K)", 1, PicMenuHandler::N1Click, nullptr, true},
    {"X1", "线格式(&X)", 0, PicMenuHandler::None, nullptr, true},
    {"S1", "光滑(&S)", 1, PicMenuHandler::N20Click, "X1", true},
    {"N20", "断续(&D)", 2, PicMenuHandler::N20Click, "X1", true},
    {"I1", "点线(&I)", 3, PicMenuHandler::N20Click, "X1", true},
    {"A1", "线点(&A)", 4, PicMenuHandler::N20Click, "X1", true},
    {"O1", "线点点(&O)", 5, PicMenuHandler::N20Click, "X1", true},
    {"N2", "线色(&S)", 0, PicMenuHandler::None, nullptr, true},
    {"N3", "红色(&R)", 1, PicMenuHandler::N3Click, "N2", true},
    {"N4", "绿色(&G)", 2, PicMenuHandler::N3Click, "N2", true},
    {"N5", "黄色(&Y)", 3, PicMenuHandler::N3Click, "N2", true},
    {"N6", "填充(&T)", 0, PicMenuHandler::None, nullptr, true},
    {"N7", "透明(&T)", 1, PicMenuHandler::N10Click, "N6", true},
    {"N8", "红色(&R)", 2, PicMenuHandler::N10Click, "N6", true},
    {"N9", "绿色(&G)", 3, PicMenuHandler::N10Click, "N6", true},
    {"N10", "黄色(&Y)", 4, PicMenuHandler::N10Click, "N6", true},
    {"C1", "填充格式(&C)", 0, PicMenuHandler::None, "N6", true},
    {"N21", "正网格(&Z)", 1, PicMenuHandler::N26Click, "C1", true},
    {"N22", "斜网格(&X)", 2, PicMenuHandler::N26Click, "C1", true},
    {"N23", "水平线(H)", 3, PicMenuHandler::N26Click, "C1", true},
    {"N24", "垂直线(&V)", 4, PicMenuHandler::N26Click, "C1", true},
    {"N25", "正斜线(&N)", 5, PicMenuHandler::N26Click, "C1", true},
    {"N26", "反斜线(&Y)", 6, PicMenuHandler::N26Click, "C1", true},
    {"N11", "字体(&F)", 0, PicMenuHandler::N11Click, nullptr, true},
    {"G1", "效果(&G)", 0, PicMenuHandler::None, nullptr, true},
    {"N17", "无(&N)", 1, PicMenuHandler::N3D1Click, "G1", true},
    {"N18", "空心(&X)", 2, PicMenuHandler::N3D1Click, "G1", true},
    {"N19", "描边(&B)", 3, PicMenuHandler::N3D1Click, "G1", true},
    {"N3D1", "3D(&O)", 4, PicMenuHandler::N3D1Click, "G1", true},
    {"N27", "-", 0, PicMenuHandler::None, nullptr, true},
    {"Undo1", "Undo", 1, PicMenuHandler::UndoClick, nullptr, true},
    {"Redo1", "Redo", 2, PicMenuHandler::UndoClick, nullptr, true},
    {"Front1", "Bring to Front", 1, PicMenuHandler::OrderClick, nullptr, true},
    {"Back1", "Send to Back", 2, PicMenuHandler::OrderClick, nullptr, true},
};

bool IsSubmenu(const char* name) {
  for (const PicMenuItem& it : kItems)
    if (it.Parent && std::strcmp(it.Parent, name) == 0) return true;
  return false;
}

bool Enabled(const PicMenuEnabling& e, const char* name) {
  if (!std::strcmp(name, "N1")) return e.N1;
  if (!std::strcmp(name, "N2")) return e.N2;
  if (!std::strcmp(name, "X1")) return e.X1;
  if (!std::strcmp(name, "N6")) return e.N6;
  if (!std::strcmp(name, "N11")) return e.N11;
  if (!std::strcmp(name, "G1")) return e.G1;
  if (!std::strcmp(name, "Undo1")) return e.Undo;
  if (!std::strcmp(name, "Redo1")) return e.Redo;
  return true;
}

void Fill(HMENU menu, const char* parent, const PicMenuEnabling& e) {
  for (size_t i = 0; i < std::size(kItems); ++i) {
    const PicMenuItem& it = kItems[i];
    const bool here = parent ? (it.Parent && std::strcmp(it.Parent, parent) == 0) : it.Parent == nullptr;
    if (!here || !it.Visible) continue;
    const UINT grey = Enabled(e, it.Name) ? 0 : MF_GRAYED;
    if (std::strcmp(it.Caption, "-") == 0) {
      ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (IsSubmenu(it.Name)) {
      HMENU sub = ::CreatePopupMenu();
      Fill(sub, it.Name, e);
      ::AppendMenuW(menu, MF_POPUP | MF_STRING | grey, reinterpret_cast<UINT_PTR>(sub), win::Utf8ToWide(it.Caption).c_str());
    } else {
      ::AppendMenuW(menu, MF_STRING | grey, kPicMenuFirstId + i, win::Utf8ToWide(it.Caption).c_str());
    }
  }
}

}  // namespace

std::span<const PicMenuItem> PicMenuItems() { return kItems; }

int IndexOfPicMenuItem(const char* name) {
  for (size_t i = 0; i < std::size(kItems); ++i)
    if (std::strcmp(kItems[i].Name, name) == 0) return static_cast<int>(i);
  return -1;
}

PicMenuEnabling PicMenuEnablingFor(const FigureKind* figure) {
  if (figure && figure->Text) return {false, false, false, true, true, true, false, false};
  // The pen's items; the fill's where the figure has an inside.
  return {true, true, true, !figure || figure->Filled, false, false, false, false};
}

bool PicMenuOffers(const PicMenuEnabling& e, PicMenuHandler handler) {
  switch (handler) {
    case PicMenuHandler::N1Click: return e.N1;
    case PicMenuHandler::N20Click: return e.X1;
    case PicMenuHandler::N3Click: return e.N2;
    case PicMenuHandler::N10Click:
    case PicMenuHandler::N26Click: return e.N6;
    case PicMenuHandler::N11Click: return e.N11;
    case PicMenuHandler::N3D1Click: return e.G1;
    case PicMenuHandler::UndoClick:
    case PicMenuHandler::OrderClick:
    case PicMenuHandler::N16Click:
    case PicMenuHandler::None: return true;
  }
  return true;
}

HMENU BuildPicMenu(const PicMenuEnabling& e) {
  HMENU menu = ::CreatePopupMenu();
  Fill(menu, nullptr, e);
  return menu;
}

}  // namespace vk
