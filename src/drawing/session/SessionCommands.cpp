// The session's commands on the drawing: clipboard, object list, history, the style of
// the current object and the object menu.
#include <windows.h>

#include <algorithm>

#include "core/TextRecord.h"
#include "drawing/editor/PicMenu.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/TextPic.h"
#include "drawing/session/CommandScope.h"
#include "drawing/session/EditSession.h"

namespace vk {

using Access = CommandScope::Access;

void EditSession::Run(CommandId command, int32_t tag) {
  switch (command) {
    case CommandId::Copy: Copy(); break;
    case CommandId::Cut: Cut(); break;
    case CommandId::Paste: Paste(); break;
    case CommandId::Delete: Delete(); break;
    case CommandId::Clear: Clear(); break;
    case CommandId::ChooseTool: ChooseTool(tag); break;
    case CommandId::Select: SelectTool(); break;
    case CommandId::SavePicture: SavePicture(); break;
    case CommandId::OpenDrawing: OpenDrawing(); break;
    case CommandId::NewDrawing: NewDrawing(); break;
    case CommandId::ViewPicture: ViewPicture(); break;
    case CommandId::SelectAll: SelectAll(); break;
    case CommandId::BringToFront: ChangeOrder(Order::ToFront); break;
    case CommandId::SendToBack: ChangeOrder(Order::ToBack); break;
    case CommandId::BringForward: ChangeOrder(Order::Forward); break;
    case CommandId::SendBackward: ChangeOrder(Order::Backward); break;
    // Apply and Exit end the editor: the window runs them.
    case CommandId::Apply:
    case CommandId::Exit:
    case CommandId::None: break;
  }
}

void EditSession::Copy() {
  if (std::vector<TPicBase*> targets = Targets(); targets.size() > 1) CopyGroup(targets);
  else if (drawing_.IsListed(CurPic)) ClipPic = CurPic;
  host_.EnablingChanged();
}

void EditSession::CopyGroup(const std::vector<TPicBase*>& pics) {
  // Several objects are copied as they are now: one reference could not follow them all.
  PicDocument::List copies;
  copies.reserve(pics.size());
  for (const TPicBase* pic : pics) {
    std::unique_ptr<TPicBase> copy = pic->CreateEmpty();
    copy->Assign(*pic);
    copy->PicIndex = -1;
    copy->Choosed = false;
    copies.push_back(std::move(copy));
  }
  drawing_.ClipGroup.swap(copies);
  ClipPic = drawing_.ClipGroup.front().get();
}

void EditSession::Cut() {
  CommandScope scope(*this);
  if (!scope) return;
  if (std::vector<TPicBase*> targets = Targets(); targets.size() > 1) {
    CopyGroup(targets);
    drawing_.RemovePicsIf([](const TPicBase& pic) { return pic.Choosed; });
    CurPic = nullptr;
    RedrawAll(false, true);
  } else if (drawing_.IsListed(CurPic)) {
    ClipPic = CurPic;
    drawing_.RemovePicAt(static_cast<size_t>(CurPic->PicIndex));
    CurPic = nullptr;
    RedrawAll(false, true);
  }
  host_.EnablingChanged();
}

void EditSession::Paste() {
  CommandScope scope(*this);
  if (!scope) return;
  if (drawing_.ClipHoldsGroup()) {
    PasteGroup();
  } else if (ClipPic && FigureOfKind(ClipPic->PicId)) {
    if (const auto* text = dynamic_cast<const TTextPic*>(ClipPic); text && text->Text.Text.size() > kMaxTextLength) {
      ReportTextTooLong(text->Text.Text.size());
      host_.EnablingChanged();
      return;
    }
    FailPoint("paste");
    if (std::unique_ptr<TPicBase> pic = CreatePicOfKind(ClipPic->PicId)) {
      drawing_.DeselectAll();
      pic->Assign(*ClipPic);
      pic->MoveBy(OverlayCanvas(), {6, 6});
      pic->Choosed = true;
      CurPic = ClipPic = pic.get();
      drawing_.AppendPic(std::move(pic));
      // The copy is what the user works on next, whatever tool was down.
      SelectTool();
      RedrawAll(false, true);
    }
  }
  host_.EnablingChanged();
}

void EditSession::PasteGroup() {
  for (const auto& pic : drawing_.ClipGroup)
    if (const auto* text = dynamic_cast<const TTextPic*>(pic.get()); text && text->Text.Text.size() > kMaxTextLength) {
      ReportTextTooLong(text->Text.Text.size());
      return;
    }
  FailPoint("paste");
  PicDocument::List made;
  made.reserve(drawing_.ClipGroup.size());
  for (const auto& clip : drawing_.ClipGroup) {
    if (!FigureOfKind(clip->PicId)) continue;
    std::unique_ptr<TPicBase> pic = CreatePicOfKind(clip->PicId);
    if (!pic) continue;
    pic->Assign(*clip);
    pic->MoveBy(OverlayCanvas(), {6, 6});
    pic->Choosed = true;
    made.push_back(std::move(pic));
  }
  if (made.empty()) return;
  // The clipboard steps on with its copies, so the next Paste lands beside this one.
  for (auto& clip : drawing_.ClipGroup) clip->MoveBy(OverlayCanvas(), {6, 6});
  drawing_.DeselectAll();
  CurPic = made.back().get();
  drawing_.AppendPics(std::move(made));
  SelectTool();
  RedrawAll(false, true);
}

bool EditSession::ConfirmDelete() {
  if (noDeleteConfirm_) return true;
  bool dontAsk = false;
  const bool yes = host_.AskDelete(dontAsk);
  noDeleteConfirm_ = dontAsk;
  return yes;  // a dismissed question is not consent
}

void EditSession::Delete() {
  CommandScope scope(*this);
  if (!scope) return;
  // The question's own message loop runs the timers, so the objects may be gone by then.
  if (Targets().size() > 1) {
    if (ConfirmDelete()) {
      drawing_.RemovePicsIf([](const TPicBase& pic) { return pic.Choosed; });
      CurPic = nullptr;
      RedrawAll(false, true);
    }
  } else if (drawing_.IsListed(CurPic)) {
    if (!ConfirmDelete() || !drawing_.IsListed(CurPic)) {
      host_.EnablingChanged();
      return;
    }
    drawing_.RemovePicAt(static_cast<size_t>(CurPic->PicIndex));
    RedrawAll(false, true);
    CurPic = nullptr;
  }
  host_.EnablingChanged();
}

void EditSession::Clear() {
  CommandScope scope(*this);
  if (!scope || PicList.empty()) return;
  if (!host_.AskYesNo(Question::ClearAll) || waitingForPage_) return;
  drawing_.FreeAllPics();
  RedrawAll(false, true);
  CurPic = nullptr;
  SelectTool();
  host_.EnablingChanged();
}

void EditSession::UndoStep(bool redo) {
  CommandScope scope(*this);
  if (!scope) return;
  // An open text entry has its own undo.
  if (const TTextPic* t = TextTool(); t && t->EditShowing()) return;
  if (tool_->Busy()) {
    if (!redo) CancelGesture();
    return;
  }
  if (!(redo ? drawing_.Redo() : drawing_.Undo())) return;
  // The restored object is what the user works on next, whatever tool was down.
  SelectTool();
  RedrawAll(false, true);
  host_.EnablingChanged();
}

void EditSession::MoveBy(TPoint offset) {
  CommandScope scope(*this, Access::Edits, DrawingHistory::kArrowKeys);
  if (!scope) return;
  const std::vector<TPicBase*> targets = Targets();
  for (TPicBase* pic : targets) pic->MoveBy(OverlayCanvas(), offset);
  TouchAll(targets);
  RedrawAll(false, true);
}

// --- the property bar ---

void EditSession::SetLineWidth(int32_t width) {
  // Digits typed into the width box one after another are one change.
  CommandScope scope(*this, Access::Edits, DrawingHistory::kWidthBox);
  if (!scope || !CurPic) return;
  style_.LineWidth = width;
  const std::vector<TPicBase*> targets = Targets();
  for (TPicBase* pic : targets) pic->PicPen.Width = style_.LineStyle != 0 ? 1 : 2 * style_.LineWidth;
  TouchAll(targets);
  RedrawAll(false, true);
}

bool EditSession::SetLineStyle(int32_t style) {
  CommandScope scope(*this);
  if (!scope || !CurPic) return false;
  style_.LineStyle = static_cast<uint8_t>(std::clamp(style, 0, 4));
  // Only a solid line has a width of its own.
  if (style_.LineStyle != 0) style_.LineWidth = 1;
  const std::vector<TPicBase*> targets = Targets();
  for (TPicBase* pic : targets) {
    pic->PicPen.Style = style_.LineStyle;
    pic->PicPen.Width = style_.LineStyle != 0 ? 1 : 2 * style_.LineWidth;
  }
  TouchAll(targets);
  RedrawAll(false, true);
  return true;
}

void EditSession::PickLineColor() {
  CommandScope scope(*this);
  if (!scope) return;
  uint32_t c = style_.LineSwatch;
  if (!host_.PickColor(c)) return;
  style_.LineSwatch = c;
  host_.StyleChanged();
  if (!CurPic) return;
  const std::vector<TPicBase*> targets = Targets();
  for (TPicBase* pic : targets) pic->PicPen.Color = c;
  TouchAll(targets);
  style_.LineColor = c;
  RedrawAll(false, true);
}

void EditSession::PickFillColor() {
  CommandScope scope(*this);
  if (!scope || !style_.Fill) return;
  uint32_t c = style_.FillSwatch;
  if (!host_.PickColor(c) || !CurPic) return;
  style_.FillSwatch = c;
  const std::vector<TPicBase*> targets = Targets();
  for (TPicBase* pic : targets) pic->PicBrush.SetColor(c);
  TouchAll(targets);
  style_.FillColor = c;
  host_.StyleChanged();
  RedrawAll(false, true);
}

bool EditSession::SetFill(bool on) {
  style_.Fill = on;  // the box shows it, whatever becomes of the current object
  CommandScope scope(*this);
  if (!scope || !CurPic) return false;
  const std::vector<TPicBase*> targets = Targets();
  for (TPicBase* pic : targets) {
    if (on) pic->PicBrush.SetColor(style_.FillSwatch);
    else pic->PicBrush.Style = kBrushClear;
  }
  TouchAll(targets);
  RedrawAll(false, true);
  return true;
}

// --- the object menu ---

void EditSession::PopupObjectMenu() {
  PicMenuEnabling enabling = PicMenuEnablingFor(FigureOf(*CurPic));
  enabling.Undo = drawing_.CanUndo();
  enabling.Redo = drawing_.CanRedo();
  const int index = host_.PickMenuItem(enabling);
  const auto items = PicMenuItems();
  if (index < 0 || static_cast<size_t>(index) >= items.size()) return;
  RunMenuItem(items[static_cast<size_t>(index)]);
}

void EditSession::RunMenuItem(const PicMenuItem& item) {
  CommandScope scope(*this);
  if (!scope) return;
  // The menu's own loop runs the timers: the object it was opened on may be gone.
  if (!drawing_.IsListed(CurPic) && item.Handler != PicMenuHandler::N16Click &&
      item.Handler != PicMenuHandler::UndoClick && item.Handler != PicMenuHandler::OrderClick)
    return;
  static constexpr uint32_t kColors[] = {0x0000FF, 0x00FF00, 0x00FFFF};
  const int32_t tag = item.Tag;
  TPicBase* pic = CurPic;
  switch (item.Handler) {
    case PicMenuHandler::N16Click:
      if (tag == 1) Copy();
      if (tag == 2) Cut();
      if (tag == 3) Paste();
      if (tag == 4) Delete();
      return;
    case PicMenuHandler::UndoClick:
      UndoStep(tag == 2);
      return;
    case PicMenuHandler::OrderClick:
      ChangeOrder(tag == 1 ? Order::ToFront : Order::ToBack);
      return;
    case PicMenuHandler::None:
      return;
    default:
      break;
  }
  // The style's values; a dialog asks once, from the current object.
  int32_t width = pic->PicPen.Width;
  FontAttrs font;
  auto* currentText = dynamic_cast<TTextPic*>(pic);
  if (item.Handler == PicMenuHandler::N1Click) {
    // A page may have arrived while the dialog was open and taken the object away.
    if (!host_.PickLineWidth(width) || CurPic != pic) {
      RedrawAll(false, true);
      return;
    }
  }
  std::vector<TPicBase*> targets = Targets();
  if (item.Handler == PicMenuHandler::N11Click) {
    const auto texts = std::find_if(targets.begin(), targets.end(),
                                    [](TPicBase* p) { return dynamic_cast<TTextPic*>(p) != nullptr; });
    if (texts == targets.end()) return;
    TTextPic* from = currentText ? currentText : dynamic_cast<TTextPic*>(*texts);
    font = from->PicFont;
    if (!host_.PickFont(font) || CurPic != pic) return;
    targets = Targets();
  }
  // With several selected, an item goes to those for which the menu would offer it.
  const bool several = targets.size() > 1;
  for (TPicBase* target : targets) {
    if (several && !PicMenuOffers(PicMenuEnablingFor(FigureOf(*target)), item.Handler)) continue;
    auto* text = dynamic_cast<TTextPic*>(target);
    switch (item.Handler) {
      case PicMenuHandler::N1Click:
        target->PicPen.Width = width;
        break;
      case PicMenuHandler::N20Click:
        if (tag >= 1 && tag <= 5) target->PicPen.Style = static_cast<uint8_t>(tag - 1);
        break;
      case PicMenuHandler::N3Click:
        if (tag >= 1 && tag <= 3) target->PicPen.Color = kColors[tag - 1];
        break;
      case PicMenuHandler::N10Click:
        if (tag == 1) {
          target->PicBrush.Style = kBrushClear;
        } else if (tag >= 2 && tag <= 4) {
          target->PicBrush.Color = kColors[tag - 2];
          target->PicBrush.Style = kBrushSolid;
        }
        break;
      case PicMenuHandler::N26Click: {
        static constexpr uint8_t kStyles[] = {kBrushCross,    kBrushDiagCross, kBrushHorizontal,
                                              kBrushVertical, kBrushBDiagonal, kBrushFDiagonal};
        if (tag >= 1 && tag <= 6) target->PicBrush.Style = kStyles[tag - 1];
        break;
      }
      case PicMenuHandler::N11Click:
        if (!text) break;
        text->PicFont = font;
        text->Canvas = &OverlayCanvas();
        text->SetText({kTextKeyAccept, text->Text.Text});
        break;
      case PicMenuHandler::N3D1Click:
        if (!text) break;
        switch (tag) {
          case 1: text->Hollow = text->Sided = text->View3D = 0; break;
          case 2: text->Hollow = 1; break;
          case 3: text->Sided = 1; break;
          case 4: text->View3D = 1; break;
          default: break;
        }
        break;
      default:
        break;
    }
  }
  TouchAll(targets);
  RedrawAll(false, true);
}

// --- the text entry ---

void EditSession::EndTextEdit(bool cancel) {
  TTextPic* t = TextTool();
  if (!t || !t->EditShowing()) return;
  // Text typed counts even when none of it fits the code page: it is committed and the
  // user hears what was left out.
  const bool typed = t->InputMode && ::GetWindowTextLengthW(t->EditWindow()) > 0;
  const bool accept = !cancel && typed && !t->EditMode;
  t->Canvas = imageCanvas_ ? &*imageCanvas_ : nullptr;
  if (accept) t->SetText({kTextKeyAccept, t->EditText()});
  else t->SetText({kTextKeyCancel, {}});
}

}  // namespace vk
