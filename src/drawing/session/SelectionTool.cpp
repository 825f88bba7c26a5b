#include "drawing/session/SelectionTool.h"

#include <algorithm>

#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/session/EditSession.h"

namespace vk {

namespace {

int32_t CursorForHit(uint8_t hit) {
  switch (hit) {
    case 1: case 8: return kModeSizeNWSE;
    case 2: case 7: return kModeSizeNS;
    case 3: case 6: return kModeSizeNESW;
    case 4: case 5: return kModeSizeWE;
    case 9: return kModeMove;
    case 10: case 11: return kModeLineEnd;
    default: return hit >= 12 && hit <= 17 ? kModeTrunVer : kModeArrow;
  }
}

}  // namespace

void SelectionTool::Hover(TPoint p) {
  int32_t index = -1;
  hit_ = s_.FindPicAt(p, index);
  cursor_ = CursorForHit(hit_);
}

void SelectionTool::Press(const PointerEvent& e) {
  int32_t index = -1;
  hit_ = s_.FindPicAt(e.Page, index);
  // Shift acts with the left button only; the others select and open the menu as always.
  const bool shift = (e.Shift & kShiftKey) != 0 && e.Button == TMouseButton::Left;
  toggle_ = alone_ = nullptr;
  group_.clear();
  marquee_ = bandShown_ = outlineShown_ = false;
  // A handle of a listed object that is not the current one (the figure just drawn shows
  // its handles while the tool template stays current) selects that object, as its body
  // does, so that the drag acts on what the user sees.
  const bool handle = (hit_ >= 1 && hit_ <= 8) || (hit_ >= 10 && hit_ <= 17);
  const bool listed = index >= 0 && static_cast<size_t>(index) < s_.PicList.size();
  pressOnEmpty_ = !listed || hit_ == kHitNone;
  if (pressOnEmpty_) {
    // Shift over empty picture draws a marquee; without it a drag pans.
    if (shift) {
      marquee_ = true;
      bandFrom_ = bandTo_ = e.Page;
    }
    return;
  }
  TPicBase* pic = s_.PicList[static_cast<size_t>(index)].get();
  const bool several = pic->Choosed && SeveralSelected();
  if (hit_ == kHitBody && (shift || several)) {
    PressSelectedBody(pic, shift);
    return;
  }
  if (handle && several) {
    // A handle of one of several selected objects keeps the selection.
    s_.CurPic = pic;
    return;
  }
  if (hit_ == kHitBody || (handle && pic != s_.CurPic)) {
    s_.RedrawAll(true, true);
    s_.CurPic = pic;
    s_.CurPic->Choosed = true;
    s_.CurPic->DrawFocus(s_.OverlayCanvas());
  }
}

bool SelectionTool::SeveralSelected() const {
  if (!s_.drawing_.Holds(s_.CurPic)) return false;  // the figure just drawn is no selection yet
  int n = 0;
  for (const auto& p : s_.PicList)
    if (p->Choosed && ++n > 1) return true;
  return false;
}

void SelectionTool::PressSelectedBody(TPicBase* pic, bool shift) {
  StartSelection();
  if (shift && !pic->Choosed) {
    s_.drawing_.Select(pic);
    s_.CurPic = pic;
    s_.RedrawAll(false, true);
  } else {
    // Whether this is a click or a drag, the release tells.
    (shift ? toggle_ : alone_) = pic;
    s_.CurPic = pic;
  }
  group_ = s_.drawing_.Selected();
  if (group_.size() < 2) group_.clear();  // one object drags as it always has
  groupRects_.clear();
  for (const TPicBase* p : group_) groupRects_.push_back(p->GetRect());
}

void SelectionTool::Move(const PointerEvent& e) {
  if (marquee_) {
    if (!(e.Shift & kLeftButton)) return;
    if (bandShown_) DrawBand();
    bandTo_ = e.Page;
    DrawBand();
    bandShown_ = true;
    return;
  }
  if (!group_.empty()) {
    if (!(e.Shift & kLeftButton)) return;
    // One outline call for the whole group, however many it holds.
    if (outlineShown_) DrawGroupOutline(outlineAt_);
    outlineAt_ = {e.Page.X - g_.Down.X, e.Page.Y - g_.Down.Y};
    DrawGroupOutline(outlineAt_);
    outlineShown_ = true;
    g_.Last = e.Page;
    cursor_ = kModeMove;
    return;
  }
  if (cursor_ == kModeArrow) {
    // Over empty picture: the cursor follows only once a press has come, and a held left
    // button pans the view.
    if (!g_.ButtonIsDown) return;
    Hover(e.Page);
    if (e.Shift & kLeftButton)
      s_.host_.ScrollTo({g_.DownScroll.x + g_.DownBox.x - e.Box.x, g_.DownScroll.y + g_.DownBox.y - e.Box.y});
    return;
  }
  if (!(e.Shift & kLeftButton)) {
    Hover(e.Page);
    return;
  }
  if (static_cast<int8_t>(hit_) > 0 && s_.CurPic) {
    TPicBase& pic = *s_.CurPic;
    pic.DragTrack(s_.OverlayCanvas(), hit_, pic.GetRect(), g_.Down.X, g_.Down.Y, g_.Last.X, g_.Last.Y, e.Page.X,
                  e.Page.Y);
    g_.Last = e.Page;
  }
}

void SelectionTool::Release(const PointerEvent& e) {
  if (marquee_) {
    EndMarquee();
  } else if (!group_.empty() && e.Button == TMouseButton::Left) {
    outlineShown_ = false;  // the redraw wipes it
    for (TPicBase* pic : group_)
      if (s_.drawing_.Holds(pic)) {
        pic->DragEnd(s_.OverlayCanvas(), kHitBody, pic->GetRect(), g_.Down.X, g_.Down.Y, e.Page.X, e.Page.Y);
        s_.drawing_.Touch(pic);
      }
    s_.RedrawAll(false, true);
  } else if (cursor_ == kModeArrow) {
    // A pan keeps the selection, so the user can scroll on to the next object to add.
  } else if (e.Button == TMouseButton::Right || e.Button == TMouseButton::Middle) {
    if (s_.CurPic) s_.PopupObjectMenu();
  } else if (s_.CurPic) {
    TPicBase& pic = *s_.CurPic;
    pic.DragEnd(s_.OverlayCanvas(), hit_, pic.GetRect(), g_.Down.X, g_.Down.Y, e.Page.X, e.Page.Y);
    s_.RedrawAll(false, true);
  }
  toggle_ = alone_ = nullptr;
  group_.clear();
}

void SelectionTool::Click(const PointerEvent& e) {
  PicDocument& drawing = s_.drawing_;
  if (marquee_ || e.Button != TMouseButton::Left) {
    // A Shift click on empty picture leaves the selection as it is.
  } else if (toggle_ && drawing.Holds(toggle_)) {
    drawing.Deselect(toggle_);
    if (s_.CurPic == toggle_) {
      const std::vector<TPicBase*> left = drawing.Selected();
      s_.CurPic = left.empty() ? nullptr : left.back();
    }
    s_.RedrawAll(false, true);
  } else if (alone_ && drawing.Holds(alone_)) {
    drawing.DeselectAll();
    drawing.Select(alone_);
    s_.CurPic = alone_;
    s_.RedrawAll(false, true);
  } else if (pressOnEmpty_) {
    s_.CurPic = nullptr;
    s_.RedrawAll(true, true);
  }
  marquee_ = false;
  toggle_ = alone_ = nullptr;
  group_.clear();
  s_.host_.EnablingChanged();
}

void SelectionTool::DrawBand() const {
  // Dotted and XORed as the drag outlines are: drawn again, it is gone.
  win::Canvas& canvas = s_.OverlayCanvas();
  canvas.SetPen({kColorWhite, 1, kPenDot, PenMode::Xor});
  UseDragOutlineTools(canvas);
  canvas.Rectangle(std::min(bandFrom_.X, bandTo_.X), std::min(bandFrom_.Y, bandTo_.Y),
                   std::max(bandFrom_.X, bandTo_.X) + 1, std::max(bandFrom_.Y, bandTo_.Y) + 1);
}

void SelectionTool::StartSelection() {
  // While a tool's template is current, the figure just drawn shows its handles without
  // being selected: what Shift adds to starts empty.
  if (!s_.drawing_.Holds(s_.CurPic)) s_.drawing_.DeselectAll();
}

void SelectionTool::DrawGroupOutline(TPoint offset) const {
  std::vector<TPoint> pts;
  pts.reserve(groupRects_.size() * 5);
  for (const TRect& r : groupRects_) {
    const TRect m{r.Left + offset.X, r.Top + offset.Y, r.Right + offset.X, r.Bottom + offset.Y};
    pts.insert(pts.end(), {{m.Left, m.Top}, {m.Right, m.Top}, {m.Right, m.Bottom}, {m.Left, m.Bottom}, {m.Left, m.Top}});
  }
  const std::vector<DWORD> counts(groupRects_.size(), 5);
  win::Canvas& canvas = s_.OverlayCanvas();
  canvas.SetPen({kColorWhite, 1, kPenDot, PenMode::Xor});
  UseDragOutlineTools(canvas);
  canvas.PolyPolyline(pts, counts);
}

void SelectionTool::EndMarquee() {
  if (bandShown_) DrawBand();
  marquee_ = bandShown_ = false;
  StartSelection();
  const TRect band{std::min(bandFrom_.X, bandTo_.X), std::min(bandFrom_.Y, bandTo_.Y),
                   std::max(bandFrom_.X, bandTo_.X), std::max(bandFrom_.Y, bandTo_.Y)};
  TPicBase* last = nullptr;
  for (const auto& p : s_.PicList) {
    if (p->Choosed) continue;
    const TRect r = p->GetRect();
    // Kinds this editor cannot make are kept as they are, never selected.
    if (r.Left >= band.Left && r.Top >= band.Top && r.Right <= band.Right && r.Bottom <= band.Bottom &&
        FigureOf(*p)) {
      s_.drawing_.Select(p.get());
      last = p.get();
    }
  }
  if (last) s_.CurPic = last;
  s_.RedrawAll(false, true);
  s_.host_.EnablingChanged();
}

bool SelectionTool::Cancel() {
  hit_ = kHitNone;
  const bool shown = bandShown_ || outlineShown_;
  marquee_ = bandShown_ = outlineShown_ = false;
  toggle_ = alone_ = nullptr;
  group_.clear();
  return shown;
}

bool SelectionTool::Busy() const { return g_.PressActive; }

}  // namespace vk
