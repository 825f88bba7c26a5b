// Selection, clipboard and object list: Copy, Cut, Paste, Delete, Clear, New, the
// numbering of the objects and the object popup menu.
#include <algorithm>

#include "core/TextRecord.h"
#include "drawing/editor/EditorModule.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/KindOps.h"
#include "drawing/editor/PicMenu.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/editor/frm_Delete.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/TextPic.h"

namespace vk {

void TFreePicF::CommitChange(uint32_t group) {
  drawing_.Touch(CurPic);  // the handlers change the current object in place
  drawing_.Commit(group, ::GetTickCount64());
}

void TFreePicF::SpeedButton4Click(int32_t tag) {
  // Only Copy may run while a page is awaited: the arriving page replaces the drawing.
  if (tag != 1 && waitingForPage_) return;
  switch (tag) {
    case 1:  // Copy
      if (drawing_.IsListed(CurPic)) ClipPic = CurPic;
      break;
    case 2:  // Cut
      if (drawing_.IsListed(CurPic)) {
        ClipPic = CurPic;
        drawing_.RemovePicAt(static_cast<size_t>(CurPic->PicIndex));
        CurPic = nullptr;
        RenumberPics();
      }
      break;
    case 3:  // Paste
      if (ClipPic && ClipPic->PicId >= PIC_LINE && ClipPic->PicId <= PIC_TEXT) {
        if (const auto* text = dynamic_cast<const TTextPic*>(ClipPic); text && text->Text.Text.size() > kMaxTextLength) {
          ReportTextTooLong(text->Text.Text.size());
          break;
        }
        FailPoint("paste");
        std::unique_ptr<TPicBase> pic = CreatePicOfKind(ClipPic->PicId);
        if (!pic) break;
        drawing_.DeselectAll();
        pic->Assign(*ClipPic);
        pic->MoveBy(*imageCanvas_, {6, 6});
        pic->Choosed = true;
        CurPic = ClipPic = pic.get();
        drawing_.AppendPic(std::move(pic));
        // The copy is what the user works on next, whatever tool was down.
        SetButtonDown("SpeedButtonSelect", true);
        SpeedButtonSelectClick();
        RedrawAll(false, true);
      }
      break;
    case 4:  // Delete
      if (drawing_.IsListed(CurPic)) {
        if (!NoDeleteConfirm) {
          bool dontShow = false;
          const INT_PTR answer = AskDelete(form_, dontShow, IconFile);
          NoDeleteConfirm = dontShow;
          // A dismissed question is not consent: only Yes deletes. The question's own
          // message loop runs the timers, so the object may be gone by now.
          if (answer != IDYES || !drawing_.IsListed(CurPic)) {
            UpdateEditButtons();
            return;
          }
        }
        drawing_.RemovePicAt(static_cast<size_t>(CurPic->PicIndex));
        RenumberPics();
        CurPic = nullptr;
        SetButtonEnabled("SpeedButton6", false);
        SetButtonEnabled("SpeedButton7", false);
      }
      break;
    default:
      return;
  }
  UpdateEditButtons();
}

void TFreePicF::UpdateEditButtons() {
  const bool listed = drawing_.IsListed(CurPic);
  SetButtonEnabled("SpeedButton4", listed);
  SetButtonEnabled("SpeedButton5", listed);
  SetButtonEnabled("SpeedButton7", listed);
  SetButtonEnabled("SpeedButton20", !PicList.empty());
  SetButtonEnabled("SpeedButton6", ClipPic && CurPic && ClipPic->PicId != PIC_NONE);
}

void TFreePicF::RenumberPics() {
  drawing_.RenumberPics();
  RedrawAll(false, true);
}

void TFreePicF::UndoStep(bool redo) {
  if (waitingForPage_) return;
  // An open text entry has its own undo.
  if (const TTextPic* t = TextTool(); t && t->EditShowing()) return;
  if (GestureInProgress()) {
    if (!redo) CancelGesture();
    return;
  }
  if (!(redo ? drawing_.Redo() : drawing_.Undo())) return;
  // The restored object is what the user works on next, whatever tool was down.
  SetButtonDown("SpeedButtonSelect", true);
  SpeedButtonSelectClick();
  RedrawAll(false, true);
  UpdateEditButtons();
}

void TFreePicF::ClearPics() {
  drawing_.FreeAllPics();
  for (int n = 8; n <= 18; ++n) SetButtonDown(("SpeedButton" + std::to_string(n)).c_str(), false);
}

void TFreePicF::SpeedButton20Click() {
  if (PicList.empty() || waitingForPage_) return;
  if (::MessageBoxW(form_, L"Are you sure you want to clear all the graphics?", L"Quillora Studio",
                    MB_YESNO | MB_ICONQUESTION) != IDYES || waitingForPage_)
    return;
  drawing_.FreeAllPics();
  RedrawAll(false, true);
  CurPic = nullptr;
  SetButtonDown("SpeedButtonSelect", true);
  SpeedButtonSelectClick();
  UpdateEditButtons();
  SetButtonEnabled("SpeedButton6", false);
  SetButtonEnabled("SpeedButton7", false);
  SetButtonEnabled("SpeedButton4", false);
}

void TFreePicF::PopupPicMenu() {
  const bool notPlainArc = IsSectorOrChord(*CurPic);
  PicMenuEnabling enabling = PicMenuEnablingFor(CurPic->PicId, notPlainArc);
  enabling.Undo = drawing_.CanUndo();
  enabling.Redo = drawing_.CanRedo();
  win::Menu menu(BuildPicMenu(enabling));
  POINT pt{};
  ::GetCursorPos(&pt);
  const UINT cmd = static_cast<UINT>(
      ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, pt.x, pt.y, 0, form_, nullptr));
  if (cmd < kPicMenuFirstId) return;
  const size_t index = cmd - kPicMenuFirstId;
  const auto items = PicMenuItems();
  if (index >= items.size()) return;
  OnPicMenuItem(items[index]);
}

void TFreePicF::OnPicMenuItem(const PicMenuItem& item) {
  // The menu's own loop runs the timers: the object it was opened on may be gone.
  if (!drawing_.IsListed(CurPic) && item.Handler != PicMenuHandler::N16Click &&
      item.Handler != PicMenuHandler::UndoClick)
    return;
  switch (item.Handler) {
    case PicMenuHandler::N16Click:
      if (item.Tag >= 1 && item.Tag <= 4) SpeedButton4Click(item.Tag);
      return;
    case PicMenuHandler::N1Click: N1Click(); return;
    case PicMenuHandler::N20Click: N20Click(item.Tag); return;
    case PicMenuHandler::N3Click: N3Click(item.Tag); return;
    case PicMenuHandler::N10Click: N10Click(item.Tag); return;
    case PicMenuHandler::N26Click: N26Click(item.Tag); return;
    case PicMenuHandler::N11Click: N11Click(); return;
    case PicMenuHandler::N3D1Click: N3D1Click(item.Tag); return;
    case PicMenuHandler::UndoClick: UndoStep(item.Tag == 2); return;
    case PicMenuHandler::None: return;
  }
}

}  // namespace vk
