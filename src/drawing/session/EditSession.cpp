// The session's life, its tools and the surface's mouse, and the redraw.
#include "drawing/session/EditSession.h"

#include <algorithm>
#include <cstring>

#include "core/TextRecord.h"
#include "drawing/editor/TestFailPoint.h"
#include "drawing/objects/FigureKinds.h"
#include "drawing/objects/PicFactory.h"
#include "drawing/objects/TextInk.h"
#include "drawing/objects/TextPic.h"
#include "drawing/session/CommandScope.h"
#include "drawing/session/CreateTool.h"
#include "drawing/session/PenTool.h"
#include "drawing/session/SelectionTool.h"
#include "win/FileIO.h"
#include "win/Text.h"

namespace vk {

namespace {

bool Intersects(const TRect& a, const TRect& b) { return !Intersect(a, b).IsEmpty(); }

// Copies the rows of rc from one 32-bit picture to another of the same size.
void CopyPixels(const uint32_t* src, uint32_t* dst, int32_t width, const TRect& rc) {
  const size_t n = static_cast<size_t>(rc.Right - rc.Left) * sizeof(uint32_t);
  for (int32_t y = rc.Top; y < rc.Bottom; ++y) {
    const size_t off = static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(rc.Left);
    std::memcpy(dst + off, src + off, n);
  }
}

// The listed objects among found, bottom first, each once. False when one of them is not
// at the place its number gives: the caller then walks the list itself.
bool InListOrder(const PicDocument::List& list, const std::vector<const TPicBase*>& found,
                 std::vector<TPicBase*>& out) {
  out.clear();
  out.reserve(found.size());
  for (const TPicBase* p : found) {
    const int32_t i = p->PicIndex;
    if (i < 0 || static_cast<size_t>(i) >= list.size() || list[static_cast<size_t>(i)].get() != p) return false;
    out.push_back(list[static_cast<size_t>(i)].get());
  }
  std::sort(out.begin(), out.end(), [](const TPicBase* a, const TPicBase* b) { return a->PicIndex < b->PicIndex; });
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return true;
}

}  // namespace

EditSession::EditSession(EditorHost& host, const EditorArgs& args)
    : host_(host),
      imageWidth_(args.ImageWidth),
      imageHeight_(args.ImageHeight),
      pageCount_(args.PageCount),
      pageFile_(args.PageFile),
      iconFile_(args.IconFile) {
  CreateTools();
}

EditSession::~EditSession() {
  // Objects go from the last to the first, as the list was built up.
  while (!PicList.empty()) PicList.pop_back();
  ClipPic = nullptr;
  CurPic = nullptr;
}

void EditSession::CreateTools() {
  select_ = std::make_unique<SelectionTool>(*this, gesture_);
  for (const FigureKind& figure : FigureKinds()) {
    if (CreatorOf(figure)) continue;  // the rows of a kind share its tool
    if (figure.Text) creators_.push_back(std::make_unique<TextCreateTool>(*this, gesture_, figure));
    else if (figure.Freehand) creators_.push_back(std::make_unique<PenTool>(*this, gesture_, figure));
    else creators_.push_back(std::make_unique<CreateTool>(*this, gesture_, figure));
    TPicBase& t = creators_.back()->Template();
    t.PicId = figure.Kind;
    t.DrawEndEvent = [this](TPicBase* pic) { OnPicDrawEnd(pic); };
  }
  tool_ = select_.get();
}

CreateTool* EditSession::CreatorOf(const FigureKind& figure) const {
  for (const auto& tool : creators_)
    if (tool->Serves(figure)) return tool.get();
  return nullptr;
}

TTextPic* EditSession::TextTool() const {
  for (const auto& tool : creators_)
    if (auto* text = dynamic_cast<TTextPic*>(&tool->Template())) return text;
  return nullptr;
}

bool EditSession::Open() {
  if (TTextPic* t = TextTool()) {
    // The entry lives on the drawing surface, so it shows where the user clicked and
    // scrolls with the picture.
    t->SetEditParent(host_.TextEntryParent());
    t->DrawEndEvent = [this, t](TPicBase* pic) {
      OnPicDrawEnd(pic);
      if (!t->LeftOutOfLastCommit().empty())
        host_.ShowError(
            "The drawing stores text in the system's code page, which has no place for these characters, so "
            "they were left out of the text: \u201C" +
            win::WideToUtf8(t->LeftOutOfLastCommit()) + "\u201D.");
    };
    t->TooLongEvent = [this](size_t length) { ReportTextTooLong(length); };
  }
  // The work bitmap takes the page picture's size; without one there is no page to edit.
  if (!RefreshPage()) return false;
  // The page number is the file name without "Page" and ".bmp".
  const std::string numberText = PageNumberText(win::FileNamePart(pageFile_));
  pageNo_ = ParseIntOr(numberText, 1);
  drawing_.EnterPage(pageNo_);
  RedrawAll(false, true);
  iniFileName_ = win::DirectoryWithSeparator(pageFile_) + numberText + ".ini";
  return true;
}

int32_t EditSession::Mode() const { return waitingForPage_ ? kModeWait : tool_->Cursor(); }

bool EditSession::Busy() const { return tool_->Busy(); }

bool EditSession::CanPaste() const { return ClipPic && CurPic && ClipPic->PicId != PIC_NONE; }

// --- tools ---

void EditSession::UseTool(Tool& tool) {
  tool_ = &tool;
  tool.Activate();
  NoteCursor();
}

void EditSession::UseSelectTool() { UseTool(*select_); }

void EditSession::NoteCursor() {
  const int32_t mode = Mode();
  if (mode == shownMode_) return;
  shownMode_ = mode;
  host_.CursorChanged(mode);
}

void EditSession::ToolButtonsUp() {
  if (toolDown_ > 0) toolDown_ = 0;
}

void EditSession::ChooseTool(int32_t tag) {
  const FigureKind* figure = FigureOfTag(tag);
  CreateTool* tool = figure ? CreatorOf(*figure) : nullptr;
  if (!tool) return;  // a kind this editor does not draw
  toolDown_ = tag;
  // A figure left half made (a polyline's first points) does not come back when its tool
  // is chosen again: every tool starts afresh.
  if (CurPic && CurPic->PicIndex < 0) CurPic->DropDrawing();
  TPicBase& t = tool->Template();
  t.DropDrawing();
  UseTool(*tool);
  t.SetSubtype(figure->Subtype);
  EndTextEdit(true);
  CurPic = &t;
  t.PicPen.Style = style_.LineStyle;
  t.PicPen.Width = style_.LineStyle != 0 ? 1 : 2 * style_.LineWidth;
  t.PicPen.Color = style_.LineColor;
  if (style_.Fill) t.PicBrush.SetColor(style_.FillColor);
  else t.PicBrush.Style = kBrushClear;
  RedrawAll(false, true);
  host_.ToolsChanged();
}

void EditSession::SelectTool() {
  toolDown_ = kSelectDown;
  UseSelectTool();
  // A figure left half made goes, with its rubber band.
  if (CurPic && CurPic->PicIndex < 0 && CurPic->UnderConstruction()) {
    CurPic->DropDrawing();
    RedrawAll(false, true);
  }
  host_.ToolsChanged();
}

void EditSession::OnPicDrawEnd(TPicBase* pic) {
  CommandScope scope(*this);
  if (!scope) return;
  if (std::unique_ptr<TPicBase> copy = CreatePicOfKind(pic->PicId)) {
    copy->Assign(*pic);
    drawing_.AppendPic(std::move(copy));
    FailPoint("draw-end");  // a failure after the drawing changed
  }
  pic->DropDrawing();  // the next polyline or curve starts empty
  RedrawAll(false, true);
}

void EditSession::ReportTextTooLong(size_t length) {
  host_.ShowError("The text is too long to be stored in a drawing: it has " + std::to_string(length) +
                  " bytes, and a text may have at most " + std::to_string(kMaxTextLength) + ".");
}

uint8_t EditSession::FindPicAt(TPoint p, int32_t& index) {
  if (CurPic && CurPic->PicIndex != -1) {
    const uint8_t code = CurPic->HitTest(OverlayCanvas(), p);
    if (code != 0) {
      index = CurPic->PicIndex;
      return code;
    }
  }
  // Then from the topmost down, among the objects whose hit area may hold p.
  SyncIndex();
  found_.clear();
  tracker_.Near(p, found_);
  std::vector<TPicBase*> nearby;
  if (!InListOrder(PicList, found_, nearby)) {
    nearby.clear();
    for (auto& pic : PicList) nearby.push_back(pic.get());
  }
  for (size_t i = nearby.size(); i-- > 0;) {
    const uint8_t code = nearby[i]->HitTest(OverlayCanvas(), p);
    if (code != 0) {
      index = nearby[i]->PicIndex;
      return code;
    }
  }
  return 0;
}

// --- the surface's mouse ---

void EditSession::Press(const PointerEvent& e) {
  CommandScope scope(*this);
  if (!scope) return;
  gesture_.Cancelled = false;
  gesture_.PressActive = true;
  gesture_.Moved = false;
  gesture_.ButtonIsDown = true;
  gesture_.DownScroll = host_.ScrollPosition();
  gesture_.DownBox = e.Box;
  gesture_.Down = gesture_.Last = e.Page;
  EndTextEdit(false);
  tool_->Press(e);
  host_.CaptureMouse(true);
  NoteCursor();
  host_.EnablingChanged();
}

void EditSession::Move(const PointerEvent& e) {
  // After a cancel, nothing happens until the buttons are up and a new press comes.
  if (gesture_.Cancelled) {
    if (e.Shift & (kLeftButton | kRightButton | kMiddleButton)) return;
    gesture_.Cancelled = false;
  }
  gesture_.Moved = true;
  tool_->Move(e);
  NoteCursor();
}

void EditSession::Release(const PointerEvent& e) {
  CommandScope scope(*this);
  if (!scope) return;
  if (gesture_.Cancelled) {
    gesture_.Cancelled = false;
    return;
  }
  gesture_.PressActive = false;
  // A figure that a release completes (a curve's fourth point, an arc's end angle) gets
  // it even after a click without a move; otherwise the press has done its work.
  if (!gesture_.Moved && !tool_->CompletesOnRelease()) {
    // Capture still goes: holding it would send every later click, also on the toolbar,
    // to the surface.
    host_.CaptureMouse(false);
    tool_->Click(e);
    return;
  }
  gesture_.Moved = false;
  gesture_.ButtonIsDown = false;
  tool_->Release(e);
  host_.CaptureMouse(false);
  NoteCursor();
}

void EditSession::DoubleClick(const PointerEvent& e) {
  CommandScope scope(*this);
  if (!scope || Mode() == kModeArrow) return;
  FinishFigure(e);
}

void EditSession::FinishFigure(const PointerEvent& e) {
  // A double click finishes a polyline as a right click at its last point does.
  const FigureKind* figure = CurPic ? FigureOf(*CurPic) : nullptr;
  if (figure && figure->EndsOnDoubleClick) {
    PointerEvent right = e;
    right.Button = TMouseButton::Right;
    right.Shift = kRightButton;
    right.Page = gesture_.Last;
    Press(right);
    Release(right);
  }
  SelectTool();
}

void EditSession::Escape() {
  EndTextEdit(true);  // also when the focus has left the entry
  CancelGesture();
}

void EditSession::CaptureLost() {
  if (gesture_.PressActive) CancelGesture();
}

void EditSession::CancelGesture() {
  const bool dragging = gesture_.PressActive;
  gesture_.PressActive = false;
  gesture_.ButtonIsDown = false;
  gesture_.Moved = false;
  gesture_.Last = gesture_.Down;
  const bool shown = tool_->Cancel();
  if (dragging) gesture_.Cancelled = true;  // the button is still held: its moves and release are void
  host_.CaptureMouse(false);
  // Wipes the rubber band or the drag outline from the surface.
  if (dragging || shown) RedrawAll(false, true);
}

// --- the pictures ---

void EditSession::RedrawAll(bool deselect, bool show) {
  // Commands change the current object in place; the document hears of the rest itself.
  drawing_.Touch(CurPic);
  if (deselect) drawing_.DeselectAll();
  RefreshPage();
  const TRect full{0, 0, workBmp_.Width(), workBmp_.Height()};
  SyncIndex();
  std::vector<TRect> areas;
  areas.swap(pendingAreas_);
  if (needFull_ || fullRebuild_) {
    areas.assign(1, full);
    needFull_ = false;
  }
  for (const TRect& area : areas) {
    const TRect dirty = Intersect(area, full);
    if (dirty.IsEmpty()) continue;
    ::GdiFlush();
    const PixelImage& img = page_.Image();
    if (img.Width == full.Right && img.Height == full.Bottom) {
      CopyPixels(img.Pixels.data(), workBmp_.Bits(), full.Right, dirty);
    } else {
      // The work bitmap could not take the picture's size: show white paper.
      RECT r = win::ToRECT(dirty);
      win::Brush white(::CreateSolidBrush(RGB(255, 255, 255)));
      ::FillRect(workBmp_.Dc(), &r, white.Get());
    }
    HDC dc = workBmp_.Dc();
    win::Region clip(::CreateRectRgn(dirty.Left, dirty.Top, dirty.Right, dirty.Bottom));
    ::SelectClipRgn(dc, clip.Get());
    DrawUnder(dirty, dirty == full);
    ::SelectClipRgn(dc, nullptr);
    RenderTracker::AddArea(unshown_, dirty);
  }
  if (show) {
    TakeTaint();
    RenderTracker::AddArea(unshown_, Intersect(taint_, full));
    std::vector<TRect> shown;
    shown.swap(unshown_);
    taint_ = {};
    // The two bitmaps are only ever sized together; a copy between sizes must never run.
    if (imageBmp_.Width() == full.Right && imageBmp_.Height() == full.Bottom) {
      ::GdiFlush();
      for (const TRect& r : shown) {
        CopyPixels(workBmp_.Bits(), imageBmp_.Bits(), full.Right, r);
        ShowOverlayRect(r);
      }
    }
  }
}

void EditSession::SyncIndex() {
  tracker_.SetArea(workBmp_.Width(), workBmp_.Height());
  tracker_.Update(drawing_.TakeRedrawChanges(), PicList, &pendingAreas_);
}

void EditSession::DrawUnder(const TRect& dirty, bool whole) {
  // The full rebuild is the reference the others are checked against: everything afresh.
  const TextInk::Bypass fresh(fullRebuild_);
  std::vector<TPicBase*> under;
  found_.clear();
  if (!whole && !fullRebuild_) tracker_.Under(dirty, found_);
  if (whole || fullRebuild_ || found_.size() >= PicList.size() || !InListOrder(PicList, found_, under)) {
    under.clear();
    for (auto& p : PicList) under.push_back(p.get());
  }
  for (TPicBase* p : under)
    if (fullRebuild_ || Intersects(tracker_.VisualExtent(*p), dirty)) p->Draw(*workCanvas_);
}

void EditSession::SetHandleHalf(int32_t half) {
  handleHalf_ = half;
  if (workCanvas_) workCanvas_->SetHandleHalf(half);
  if (imageCanvas_) imageCanvas_->SetHandleHalf(half);
  tracker_.SetHandleHalf(half);
}

void EditSession::TakeTaint() {
  RECT rc{};
  if (!imageBmp_.Dc()) return;
  if (::GetBoundsRect(imageBmp_.Dc(), &rc, DCB_RESET) & DCB_SET) {
    TRect t = Intersect(win::FromRECT(rc), TRect{0, 0, imageBmp_.Width(), imageBmp_.Height()});
    taint_ = Union(taint_, t);
    ShowOverlayRect(t);
  }
}

void EditSession::ShowOverlayRect(const TRect& rc) {
  if (!rc.IsEmpty()) host_.ShowRect(rc);
}

}  // namespace vk
