#include "drawing/objects/TextPic.h"

#include <commctrl.h>

#include <cstdlib>

#include "core/ShapeMath.h"
#include "core/TextRecord.h"
#include "drawing/images/BmpFuns.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/TextInk.h"
#include "win/Barrier.h"
#include "win/Dib.h"
#include "win/Text.h"

namespace vk {

namespace {

// How a resize by a handle fits the font: corners both ways, the top and bottom edges by
// height, the side edges by width; the body keeps the size.
int FitModeFor(uint8_t hitCode) {
  switch (hitCode) {
    case kHitTopLeft: case kHitTopRight: case kHitBottomLeft: case kHitBottomRight: return 3;
    case kHitTop: case kHitBottom: return 2;
    case kHitLeft: case kHitRight: return 1;
    default: return 0;
  }
}

// How far the three effects in a row carry a pixel's influence.
constexpr int32_t kEffectReach = 3;

// A hatch keeps its phase relative to the text box, whichever part of it is rendered.
int HatchPhase(int32_t v) { return static_cast<int>(((v % 8) + 8) % 8); }

}  // namespace

TTextPic::TTextPic(HWND editParent) : EditParent(editParent) {}

TTextPic::~TTextPic() { SetEditParent(nullptr); }

void TTextPic::SetEditParent(HWND parent) {
  if (subclassedParent_ && ::IsWindow(subclassedParent_))
    ::RemoveWindowSubclass(subclassedParent_, &ParentProc, reinterpret_cast<UINT_PTR>(this));
  subclassedParent_ = nullptr;
  if (edit_) ::RemoveWindowSubclass(edit_.Get(), &EditProc, 1);
  edit_.Reset();
  InputMode = false;
  EditParent = parent;
}

bool TTextPic::EnsureEdit() {
  if (edit_) return true;
  if (!EditParent || !::IsWindow(EditParent)) return false;
  edit_.Reset(::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 0, 0, EditParent, nullptr,
                                nullptr, nullptr));
  if (!edit_) return false;
  ::SendMessageW(edit_.Get(), EM_SETLIMITTEXT, 0, 0);  // as long as the user likes
  ::SetWindowSubclass(edit_.Get(), &EditProc, 1, reinterpret_cast<DWORD_PTR>(this));
  // The edit reports its changes and asks for its colours to its parent.
  ::SetWindowSubclass(EditParent, &ParentProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
  subclassedParent_ = EditParent;
  return true;
}

LRESULT CALLBACK TTextPic::EditProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
  return win::Guarded(w, 0, [&] { return EditMessage(w, msg, wp, lp, id, self); });
}

LRESULT TTextPic::EditMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
  auto* t = reinterpret_cast<TTextPic*>(self);
  switch (msg) {
    case WM_KEYDOWN:
      if (wp == VK_RETURN) {
        t->SetText({kTextKeyAccept, t->EditText()});
        return 0;
      }
      if (wp == VK_ESCAPE) {
        if (t->EditMode) t->HideEdit();
        else t->SetText({kTextKeyCancel, {}});
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == L'\r' || wp == 27) return 0;  // handled as keys; no beep
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(w, &EditProc, id);
      t->edit_.Release();  // gone with its parent
      t->InputMode = false;
      break;
    default:
      break;
  }
  return ::DefSubclassProc(w, msg, wp, lp);
}

LRESULT CALLBACK TTextPic::ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
  return win::Guarded(w, 0, [&] { return ParentMessage(w, msg, wp, lp, id, self); });
}

LRESULT TTextPic::ParentMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self) {
  auto* t = reinterpret_cast<TTextPic*>(self);
  const bool fromEdit = t->edit_ && reinterpret_cast<HWND>(lp) == t->edit_.Get();
  if (msg == WM_COMMAND && fromEdit && HIWORD(wp) == EN_CHANGE) {
    t->FitEditToText();
    return 0;
  }
  if (msg == WM_CTLCOLOREDIT && fromEdit) {
    HDC dc = reinterpret_cast<HDC>(wp);
    ::SetBkColor(dc, kColorBlack);
    ::SetTextColor(dc, t->PicFont.Color);
    return reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH));
  }
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(w, &ParentProc, id);
    t->subclassedParent_ = nullptr;
  }
  return ::DefSubclassProc(w, msg, wp, lp);
}

std::string TTextPic::EditText() const {
  if (!edit_) return {};
  const int n = ::GetWindowTextLengthW(edit_.Get());
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  s.resize(static_cast<size_t>(::GetWindowTextW(edit_.Get(), s.data(), n + 1)));
  return win::WideToAnsiKeeping(s, typedLeftOut_);
}

void TTextPic::FitEditToText() {
  std::wstring lost;
  const int n = ::GetWindowTextLengthW(edit_.Get());
  std::wstring s(static_cast<size_t>(n) + 1, L'\0');
  s.resize(static_cast<size_t>(::GetWindowTextW(edit_.Get(), s.data(), n + 1)));
  const int32_t width = MeasureText(win::WideToAnsiKeeping(s + L"  ", lost), PicFont, true);
  RECT r{};
  ::GetWindowRect(edit_.Get(), &r);
  ::SetWindowPos(edit_.Get(), nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The edit scrolled when the text outgrew it a moment ago; now all of it fits again.
  DWORD from = 0, to = 0;
  ::SendMessageW(edit_.Get(), EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
  ::SendMessageW(edit_.Get(), EM_SETSEL, 0, 0);
  ::SendMessageW(edit_.Get(), EM_SETSEL, from, to);
}

void TTextPic::HideEdit() {
  if (!edit_) return;
  if (::GetFocus() == edit_.Get()) ::SetFocus(EditParent);
  ::ShowWindow(edit_.Get(), SW_HIDE);
}

void TTextPic::DrawMouseDown(win::Canvas& canvas, TPicType, TMouseButton button, TShiftState, TPoint p) {
  if (button == TMouseButton::Right) return;
  Canvas = &canvas;
  ShapeRect = {p.X, p.Y, p.X, p.Y};
  InputMode = true;
  if (!EnsureEdit()) return;
  win::Font font = win::MakeFont(PicFont, nullptr);
  ::SendMessageW(edit_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
  editFont_ = std::move(font);  // the edit no longer uses the old one
  const int h = std::abs(win::FontPixelHeight(PicFont, nullptr));
  ::SetWindowPos(edit_.Get(), HWND_TOP, p.X, p.Y, h, h + 2, SWP_SHOWWINDOW);
  const LRESULT len = ::GetWindowTextLengthW(edit_.Get());
  ::SendMessageW(edit_.Get(), EM_SETSEL, static_cast<WPARAM>(len), len);
  ::SetFocus(edit_.Get());
}

void TTextPic::SetText(const TTextInfo& value) {
  if (value.Key == kTextKeyAccept && value.Text.size() > kMaxTextLength) {
    // No drawing file could take it back.
    SetText({kTextKeyCancel, {}});
    if (TooLongEvent) TooLongEvent(value.Text.size());
    return;
  }
  HideEdit();
  const bool typed = InputMode;
  // A re-commit first wipes its old rendering. An entry has none yet: its bounding rect
  // is still the previous text's, which stays where it is.
  if (Canvas && !typed) ClearTextArea(*Canvas, Bounds);
  if (value.Key == kTextKeyAccept) {
    Text.Text = value.Text.empty() ? std::string(" ") : value.Text;
    InputMode = false;
    EditMode = false;
    leftOut_ = typed ? typedLeftOut_ : std::wstring();
    const TPoint tl = ShapeRect.TopLeft();
    NormaliseRect(tl, {tl.X + MeasureText(Text.Text, PicFont, true), tl.Y + MeasureText(Text.Text, PicFont, false)});
    Choosed = true;
    PicId = PIC_TEXT;
    if (Canvas) {
      std::array<TPoint, 2> pts{ShapeRect.TopLeft(), ShapeRect.BottomRight()};
      Canvas->LPtoDP(pts);
      Render(*Canvas, pts[0], pts[1]);
    }
    if (DrawEndEvent) DrawEndEvent(this);
  } else if (value.Key == kTextKeyCancel) {
    InputMode = false;
    if (EditMode && Canvas) {
      std::array<TPoint, 2> pts{ShapeRect.TopLeft(), ShapeRect.BottomRight()};
      Canvas->LPtoDP(pts);
      Render(*Canvas, pts[0], pts[1]);
    }
  }
  typedLeftOut_.clear();
  if (edit_) ::SetWindowTextW(edit_.Get(), L"");
}

std::array<TPoint, 2> TTextPic::ToLogical(TPoint a, TPoint b) const {
  std::array<TPoint, 2> pts{a, b};
  if (Canvas) Canvas->DPtoLP(pts);
  return pts;
}

void TTextPic::NormaliseRect(TPoint topLeft, TPoint bottomRight) {
  const std::array<TPoint, 2> pts = ToLogical(topLeft, bottomRight);
  ShapeRect = SpanRect(pts[0], pts[1], kRaiseAtCreation);
  Bounds = ShapeRect;
}

void TTextPic::Render(win::Canvas& canvas, TPoint topLeft, TPoint bottomRight) {
  if (Text.Text.empty()) return;
  // The bitmap reaches one pixel past the box. Only the part the canvas can show is
  // rendered (a long text can be far wider than any bitmap), with a pixel more on every
  // side per effect, so that each effect sees the same neighbours as in a whole rendering.
  const TRect box{topLeft.X, topLeft.Y, WrapAdd(bottomRight.X, 1), WrapAdd(bottomRight.Y, 1)};
  RECT clip{};
  TRect part;
  if (::GetClipBox(canvas.Handle(), &clip) != ERROR) {
    std::array<TPoint, 2> c{TPoint{clip.left, clip.top}, TPoint{clip.right, clip.bottom}};
    canvas.LPtoDP(c);
    part = Intersect(box, Inflate(RectOf(c[0], c[1]), kEffectReach, kEffectReach));
  }
  if (!part.IsEmpty() && !PutKeptInk(canvas, box)) {
    win::Dib bmp;
    if (RenderInk(bmp, box, part)) PutInk(canvas, part.TopLeft(), bmp);
  }
  if (Choosed) DrawFocus(canvas);
  PicId = PIC_TEXT;
}

bool TTextPic::RenderInk(win::Dib& bmp, const TRect& box, const TRect& part) const {
  if (!bmp.Resize(part.Width(), part.Height()) || !bmp.Bits()) return false;
  const TPoint origin{box.Left - part.Left, box.Top - part.Top};  // the box's corner in the bitmap
  {
    win::Canvas c(bmp.Dc());  // the new bitmap is black
    if (PicBrush.Style != kBrushClear) {
      ::SetBrushOrgEx(bmp.Dc(), HatchPhase(origin.X), HatchPhase(origin.Y), nullptr);
      c.SetBrush(PicBrush);
      c.FillRect({0, 0, part.Width(), part.Height()});
    }
    c.SetFont(PicFont);
    c.SetPen(PicPen);
    c.SetBrush(PicBrush);
    c.Brush().Style = kBrushClear;
    c.TextOut(origin.X + 1, origin.Y + 1, Text.Text);
  }
  if (Hollow) MakeHollow(bmp);
  if (Sided) MakeSided(bmp);
  if (View3D) MakeView3D(bmp);
  return true;
}

bool TTextPic::PutKeptInk(win::Canvas& canvas, const TRect& box) {
  TRect clip;
  if (TextInk::Bypassed() || !DirectTarget(canvas, clip)) return false;
  TextInk::Inputs now{Text.Text, PicFont, PicPen, PicBrush, Hollow, Sided, View3D, box.Width(), box.Height()};
  if (ink_ && ink_->For() == now) return ink_->Put(canvas, box.TopLeft());
  ink_.reset();
  // Rendered whole once, then copied; a box too large to keep is rendered in part, each time.
  if (box.Width() <= 0 || box.Height() <= 0 || int64_t{box.Width()} * box.Height() > TextInk::kMaxBoxPixels)
    return false;
  win::Dib whole;
  if (!RenderInk(whole, box, box)) return false;
  if (TextInk::Keep(std::move(now), whole, ink_)) return ink_->Put(canvas, box.TopLeft());
  PutInk(canvas, box.TopLeft(), whole);
  return true;
}

void TTextPic::Draw(win::Canvas& canvas) {
  std::array<TPoint, 2> pts{ShapeRect.TopLeft(), ShapeRect.BottomRight()};
  canvas.LPtoDP(pts);
  Canvas = &canvas;
  canvas.SetPen(PicPen);
  canvas.SetBrush(PicBrush);
  canvas.SetFont(PicFont);
  Render(canvas, pts[0], pts[1]);  // the handles too, when selected
}

void TTextPic::MoveBy(win::Canvas&, TPoint offset) {
  ShapeRect = {WrapAdd(ShapeRect.Left, offset.X), WrapAdd(ShapeRect.Top, offset.Y), WrapAdd(ShapeRect.Right, offset.X),
               WrapAdd(ShapeRect.Bottom, offset.Y)};
  Bounds = NormalizeRaised(ShapeRect, kRaiseAfterEdit);
}

win::Region TTextPic::CreateRegion(win::Canvas& canvas) {
  std::array<TPoint, 2> pts{Bounds.TopLeft(), Bounds.BottomRight()};
  canvas.LPtoDP(pts);
  return win::Region(::CreateRectRgn(pts[0].X, pts[0].Y, pts[1].X, pts[1].Y));
}

uint8_t TTextPic::HitTest(win::Canvas& canvas, TPoint p) {
  uint8_t result = kHitNone;
  const win::Region region = CreateRegion(canvas);
  if (region && ::PtInRegion(region.Get(), p.X, p.Y)) result = kHitBody;
  if (Choosed) {
    Handles = FrameHandles(ShapeRect);
    canvas.LPtoDP(Handles);
    const int i = FindHandle(canvas, Handles, p, false);
    if (i >= 0) result = static_cast<uint8_t>(kHitTopLeft + i);
  }
  return result;
}

void TTextPic::DrawFocus(win::Canvas& canvas) {
  Handles = FrameHandles(ShapeRect);
  canvas.LPtoDP(Handles);
  DrawHandleSquares(canvas, Handles, FocusPen, FocusBrush, Handles.size());
}

void TTextPic::DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX, int32_t downY,
                         int32_t lastX, int32_t lastY, int32_t x, int32_t y) {
  std::array<TPoint, 3> pts{TPoint{downX, downY}, TPoint{lastX, lastY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  UseDragOutlineTools(canvas);
  for (const TPoint& to : {pts[1], pts[2]}) {
    const auto outline = BoxDragOutline(ShapeRect, hitCode, false, WrapSub(to, pts[0]));
    if (!outline) return;
    GhostRect = *outline;
    std::array<TPoint, 2> c{GhostRect.TopLeft(), GhostRect.BottomRight()};
    canvas.LPtoDP(c);
    canvas.Rectangle(c[0].X, c[0].Y, c[1].X, c[1].Y);
    ghostShown_ = true;
  }
}

void TTextPic::DragEnd(win::Canvas& canvas, uint8_t hitCode, TRect, int32_t downX, int32_t downY, int32_t x,
                       int32_t y) {
  Canvas = &canvas;
  if (ghostShown_) {
    UseDragOutlineTools(canvas);
    std::array<TPoint, 2> c{GhostRect.TopLeft(), GhostRect.BottomRight()};
    canvas.LPtoDP(c);
    canvas.Rectangle(c[0].X, c[0].Y, c[1].X, c[1].Y);
    ghostShown_ = false;
  }
  std::array<TPoint, 2> pts{TPoint{downX, downY}, TPoint{x, y}};
  canvas.DPtoLP(pts);
  const TRect moved = NormalizeRaised(
      BoxDragOutline(ShapeRect, hitCode, false, WrapSub(pts[1], pts[0])).value_or(ShapeRect), kRaiseAfterEdit);
  PicFont.Size = FitFontSize(moved, Text.Text, PicFont, FitModeFor(hitCode));
  const TPoint tl = moved.TopLeft();
  NormaliseRect(tl, {tl.X + MeasureText(Text.Text, PicFont, true), tl.Y + MeasureText(Text.Text, PicFont, false)});
}

void TTextPic::Assign(const TPicBase& source) {
  TPicBase::Assign(source);
  const auto* t = dynamic_cast<const TTextPic*>(&source);
  if (!t || t == this) return;
  ShapeRect = t->ShapeRect;
  Text = t->Text;
  Hollow = t->Hollow;
  Sided = t->Sided;
  View3D = t->View3D;
  BkColor = t->BkColor;
  Canvas = t->Canvas;
  EditParent = t->EditParent;
}

bool TTextPic::LoadFromBuffer(ByteReader& r) {
  TextRecord rec;
  if (!ReadTextRecord(r, rec)) return false;
  FromRecord(rec.common);
  ShapeRect = rec.shape;
  Text.Text = std::move(rec.text);
  Hollow = rec.hollow;
  Sided = rec.sided;
  View3D = rec.view3d;
  BkColor = rec.bkColor;
  return true;
}

void TTextPic::SaveToBuffer(ByteWriter& w) const {
  WriteTextRecord(w, {ToRecord(), ShapeRect, Text.Text, Hollow, Sided, View3D, BkColor});
}

std::unique_ptr<TPicBase> TTextPic::CreateEmpty() const { return std::make_unique<TTextPic>(); }

}  // namespace vk
