// Selection, clipboard and object list: Copy, Cut, Paste, Delete, Clear, New, the
// numbering of the objects and the object popup menu.
#include <algorithm>

#include "drawing/editor/EditorModule.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/editor/KindOps.h"
#include "drawing/editor/PicMenu.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/editor/frm_Delete.h"
#include "drawing/objects/PicFactory.h"

namespace vk {

bool TFreePicF::IsListed(const TPicBase* pic) const { return pic && pic->PicIndex >= 0; }

void TFreePicF::ForgetObject(const TPicBase* pic) {
  // The clipboard may refer to the object; it keeps a private copy so Paste still works.
  if (ClipPic == pic) {
    std::unique_ptr<TPicBase> copy = pic->CreateEmpty();
    copy->Assign(*pic);
    copy->PicIndex = -1;
    copy->Choosed = false;
    clipCopy_ = std::move(copy);
    ClipPic = clipCopy_.get();
  }
  if (CurPic == pic) CurPic = nullptr;
}

void TFreePicF::RemovePicAt(size_t index) {
  ForgetObject(PicList[index].get());
  PicList.erase(PicList.begin() + static_cast<std::ptrdiff_t>(index));
}

void TFreePicF::FreeAllPics() {
  while (!PicList.empty()) RemovePicAt(PicList.size() - 1);
}

void TFreePicF::SpeedButton4Click(int32_t tag) {
  // Only Copy may run while a page is awaited: the arriving page replaces the drawing.
  if (tag != 1 && waitingForPage_) return;
  switch (tag) {
    case 1:  // Copy
      if (IsListed(CurPic)) ClipPic = CurPic;
      break;
    case 2:  // Cut
      if (IsListed(CurPic)) {
        ClipPic = CurPic;
        RemovePicAt(static_cast<size_t>(CurPic->PicIndex));
        CurPic = nullptr;
        RenumberPics();
      }
      break;
    case 3:  // Paste
      if (ClipPic && ClipPic->PicId >= PIC_LINE && ClipPic->PicId <= PIC_TEXT) {
        FailPoint("paste");
        std::unique_ptr<TPicBase> pic = CreatePicOfKind(ClipPic->PicId);
        if (!pic) break;
        DeselectAll();
        pic->Assign(*ClipPic);
        pic->MoveBy(*imageCanvas_, {6, 6});
        pic->PicIndex = static_cast<int32_t>(PicList.size());
        pic->Choosed = true;
        CurPic = ClipPic = pic.get();
        PicList.push_back(std::move(pic));
        // The copy is what the user works on next, whatever tool was down.
        SetButtonDown("SpeedButtonSelect", true);
        SpeedButtonSelectClick();
        RedrawAll(false, true);
      }
      break;
    case 4:  // Delete
      if (IsListed(CurPic)) {
        if (!NoDeleteConfirm) {
          bool dontShow = false;
          const INT_PTR answer = AskDelete(form_, dontShow, IconFile);
          NoDeleteConfirm = dontShow;
          // A dismissed question is not consent: only Yes deletes. The question's own
          // message loop runs the timers, so the object may be gone by now.
          if (answer != IDYES || !IsListed(CurPic)) {
            UpdateEditButtons();
            return;
          }
        }
        RemovePicAt(static_cast<size_t>(CurPic->PicIndex));
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
  const bool listed = IsListed(CurPic);
  SetButtonEnabled("SpeedButton4", listed);
  SetButtonEnabled("SpeedButton5", listed);
  SetButtonEnabled("SpeedButton7", listed);
  SetButtonEnabled("SpeedButton20", !PicList.empty());
  SetButtonEnabled("SpeedButton6", ClipPic && CurPic && ClipPic->PicId != PIC_NONE);
}

void TFreePicF::RenumberPics() {
  for (size_t i = 0; i < PicList.size(); ++i) PicList[i]->PicIndex = static_cast<int32_t>(i);
  RedrawAll(false, true);
}

void TFreePicF::DeselectAll() {
  for (auto& p : PicList) p->Choosed = false;
}

void TFreePicF::ClearPics() {
  FreeAllPics();
  for (int n = 8; n <= 18; ++n) SetButtonDown(("SpeedButton" + std::to_string(n)).c_str(), false);
}

void TFreePicF::SpeedButton20Click() {
  if (PicList.empty() || waitingForPage_) return;
  if (::MessageBoxW(form_, L"Are you sure you want to clear all the graphics?", L"Quillora Studio",
                    MB_YESNO | MB_ICONQUESTION) != IDYES || waitingForPage_)
    return;
  FreeAllPics();
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
  win::Menu menu(BuildPicMenu(PicMenuEnablingFor(CurPic->PicId, notPlainArc)));
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
  if (!IsListed(CurPic) && item.Handler != PicMenuHandler::N16Click) return;
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
    case PicMenuHandler::None: return;
  }
}

}  // namespace vk
