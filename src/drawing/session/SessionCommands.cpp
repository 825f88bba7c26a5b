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
    // Apply and Exit end the editor: the window runs them.
    case CommandId::Apply:
    case CommandId::Exit:
    case CommandId::None: break;
  }
}

void EditSession::Copy() {
  if (drawing_.IsListed(CurPic)) ClipPic = CurPic;
  host_.EnablingChanged();
}

void EditSession::Cut() {
  CommandScope scope(*this);
  if (!scope) return;
  if (drawing_.IsListed(CurPic)) {
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
  if (ClipPic && FigureOfKind(ClipPic->PicId)) {
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

void EditSession::Delete() {
  CommandScope scope(*this);
  if (!scope) return;
  if (drawing_.IsListed(CurPic)) {
    if (!noDeleteConfirm_) {
      bool dontAsk = false;
      const bool yes = host_.AskDelete(dontAsk);
      noDeleteConfirm_ = dontAsk;
      // A dismissed question is not consent. The question's own message loop runs the
      // timers, so the object may be gone by now.
      if (!yes || !drawing_.IsListed(CurPic)) {
        host_.EnablingChanged();
        return;
      }
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
  if (CurPic) CurPic->MoveBy(OverlayCanvas(), offset);
  RedrawAll(false, true);
}

// --- the property bar ---

void EditSession::SetLineWidth(int32_t width) {
  // Digits typed into the width box one after another are one change.
  CommandScope scope(*this, Access::Edits, DrawingHistory::kWidthBox);
  if (!scope || !CurPic) return;
  style_.LineWidth = width;
  CurPic->PicPen.Width = style_.LineStyle != 0 ? 1 : 2 * style_.LineWidth;
  RedrawAll(false, true);
}

bool EditSession::SetLineStyle(int32_t style) {
  CommandScope scope(*this);
  if (!scope || !CurPic) return false;
  style_.LineStyle = static_cast<uint8_t>(std::clamp(style, 0, 4));
  CurPic->PicPen.Style = style_.LineStyle;
  // Only a solid line has a width of its own.
  if (style_.LineStyle != 0) style_.LineWidth = 1;
  CurPic->PicPen.Width = style_.LineStyle != 0 ? 1 : 2 * style_.LineWidth;
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
  CurPic->PicPen.Color = c;
  style_.LineColor = c;
  RedrawAll(false, true);
}

void EditSession::PickFillColor() {
  CommandScope scope(*this);
  if (!scope || !style_.Fill) return;
  uint32_t c = style_.FillSwatch;
  if (!host_.PickColor(c) || !CurPic) return;
  style_.FillSwatch = c;
  CurPic->PicBrush.SetColor(c);
  style_.FillColor = c;
  host_.StyleChanged();
  RedrawAll(false, true);
}

bool EditSession::SetFill(bool on) {
  style_.Fill = on;  // the box shows it, whatever becomes of the current object
  CommandScope scope(*this);
  if (!scope || !CurPic) return false;
  if (on) CurPic->PicBrush.SetColor(style_.FillSwatch);
  else CurPic->PicBrush.Style = kBrushClear;
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
      item.Handler != PicMenuHandler::UndoClick)
    return;
  static constexpr uint32_t kColors[] = {0x0000FF, 0x00FF00, 0x00FFFF};
  const int32_t tag = item.Tag;
  TPicBase* pic = CurPic;
  auto* text = dynamic_cast<TTextPic*>(pic);
  switch (item.Handler) {
    case PicMenuHandler::N16Click:
      if (tag == 1) Copy();
      if (tag == 2) Cut();
      if (tag == 3) Paste();
      if (tag == 4) Delete();
      return;
    case PicMenuHandler::N1Click: {
      int32_t w = pic->PicPen.Width;
      if (host_.PickLineWidth(w) && CurPic == pic) pic->PicPen.Width = w;
      break;
    }
    case PicMenuHandler::N20Click:
      if (tag >= 1 && tag <= 5) pic->PicPen.Style = static_cast<uint8_t>(tag - 1);
      break;
    case PicMenuHandler::N3Click:
      if (tag >= 1 && tag <= 3) pic->PicPen.Color = kColors[tag - 1];
      break;
    case PicMenuHandler::N10Click:
      if (tag == 1) {
        pic->PicBrush.Style = kBrushClear;
      } else if (tag >= 2 && tag <= 4) {
        pic->PicBrush.Color = kColors[tag - 2];
        pic->PicBrush.Style = kBrushSolid;
      }
      break;
    case PicMenuHandler::N26Click: {
      static constexpr uint8_t kStyles[] = {kBrushCross,    kBrushDiagCross, kBrushHorizontal,
                                            kBrushVertical, kBrushBDiagonal, kBrushFDiagonal};
      if (tag >= 1 && tag <= 6) pic->PicBrush.Style = kStyles[tag - 1];
      break;
    }
    case PicMenuHandler::N11Click: {
      if (!text) return;
      FontAttrs f = text->PicFont;
      // A page may have arrived while the dialog was open and taken the object away.
      if (!host_.PickFont(f) || CurPic != text) return;
      text->PicFont = f;
      text->Canvas = &OverlayCanvas();
      text->SetText({kTextKeyAccept, text->Text.Text});
      break;
    }
    case PicMenuHandler::N3D1Click:
      if (!text) return;
      switch (tag) {
        case 1: text->Hollow = text->Sided = text->View3D = 0; break;
        case 2: text->Hollow = 1; break;
        case 3: text->Sided = 1; break;
        case 4: text->View3D = 1; break;
        default: return;
      }
      break;
    case PicMenuHandler::UndoClick:
      UndoStep(tag == 2);
      return;
    case PicMenuHandler::None:
      return;
  }
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
