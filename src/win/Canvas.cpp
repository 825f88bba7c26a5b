#include "win/Canvas.h"

#include "win/Dib.h"

#include <algorithm>
#include <cstring>

namespace vk::win {

namespace {

// Widths and sizes beyond these come only from damaged files; GDI would crawl on them.
constexpr int32_t kMaxPenWidth = 1000;
constexpr int32_t kMaxFontSize = 5000;

int PenStyleFor(uint8_t code) {
  switch (code) {
    case kPenSolid: return PS_SOLID;
    case kPenDash: return PS_DASH;
    case kPenDot: return PS_DOT;
    case kPenDashDot: return PS_DASHDOT;
    case kPenDashDotDot: return PS_DASHDOTDOT;
    case kPenClear: return PS_NULL;
    case kPenInsideFrame: return PS_INSIDEFRAME;
    default: return PS_SOLID;
  }
}

bool SamePenObject(const PenAttrs& a, const PenAttrs& b) {
  return a.Color == b.Color && a.Width == b.Width && a.Style == b.Style;
}

bool SameFontObject(const FontAttrs& a, const FontAttrs& b) {
  return a.Name == b.Name && a.Charset == b.Charset && a.Size == b.Size && a.Style == b.Style;
}

}  // namespace

Pen MakePen(const PenAttrs& pen) {
  const int width = std::clamp<int32_t>(pen.Width, 0, kMaxPenWidth);
  return Pen(::CreatePen(PenStyleFor(pen.Style), width, pen.Color));
}

Brush MakeBrush(const BrushAttrs& brush) {
  int hatch = -1;
  switch (brush.Style) {
    case kBrushClear: return Brush();
    case kBrushHorizontal: hatch = HS_HORIZONTAL; break;
    case kBrushVertical: hatch = HS_VERTICAL; break;
    case kBrushFDiagonal: hatch = HS_FDIAGONAL; break;
    case kBrushBDiagonal: hatch = HS_BDIAGONAL; break;
    case kBrushCross: hatch = HS_CROSS; break;
    case kBrushDiagCross: hatch = HS_DIAGCROSS; break;
    default: break;
  }
  if (hatch >= 0) return Brush(::CreateHatchBrush(hatch, brush.Color));
  return Brush(::CreateSolidBrush(brush.Color));
}

int FontPixelHeight(const FontAttrs& font, HDC refDc) {
  int dpi;
  if (refDc != nullptr) {
    dpi = ::GetDeviceCaps(refDc, LOGPIXELSY);
  } else {
    WindowDc screen(nullptr);
    dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }
  const int size = std::clamp<int32_t>(font.Size, -kMaxFontSize, kMaxFontSize);
  return -::MulDiv(size, dpi, 72);
}

LOGFONTA LogFontFor(const FontAttrs& font, HDC refDc, BYTE quality) {
  LOGFONTA lf{};
  lf.lfHeight = FontPixelHeight(font, refDc);
  lf.lfWeight = (font.Style & kFontBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.Style & kFontItalic) ? 1 : 0;
  lf.lfUnderline = (font.Style & kFontUnderline) ? 1 : 0;
  lf.lfStrikeOut = (font.Style & kFontStrikeOut) ? 1 : 0;
  lf.lfCharSet = font.Charset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = quality;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // The face name is ANSI bytes; a longer one than GDI takes is cut, a NUL ends it.
  const size_t n = std::min<size_t>(font.Name.size(), LF_FACESIZE - 1);
  for (size_t i = 0; i < n && font.Name[i] != '\0'; ++i) lf.lfFaceName[i] = font.Name[i];
  return lf;
}

Font MakeFont(const FontAttrs& font, HDC refDc, BYTE quality) {
  const LOGFONTA lf = LogFontFor(font, refDc, quality);
  return Font(::CreateFontIndirectA(&lf));
}

int RopForMode(PenMode mode) {
  switch (mode) {
    case PenMode::Xor: return R2_XORPEN;
    case PenMode::NotXor: return R2_NOTXORPEN;
    case PenMode::Copy: break;
  }
  return R2_COPYPEN;
}

Canvas::Canvas(HDC dc) : dc_(dc) {
  pen_ = PenAttrs{kColorBlack, 1, kPenSolid, PenMode::Copy};
  brush_ = BrushAttrs{kColorWhite, kBrushSolid};
  font_.Color = kColorBlack;
  oldRop_ = ::GetROP2(dc_);
  oldBkMode_ = ::GetBkMode(dc_);
  oldBkColor_ = ::GetBkColor(dc_);
  oldTextColor_ = ::GetTextColor(dc_);
}

Canvas::Canvas(Dib& surface) : Canvas(surface.Dc()) { surface_ = &surface; }

Canvas::~Canvas() {
  // Put the DC back as we found it before our objects are deleted.
  if (oldPen_ != nullptr) ::SelectObject(dc_, oldPen_);
  if (oldBrush_ != nullptr) ::SelectObject(dc_, oldBrush_);
  if (oldFont_ != nullptr) ::SelectObject(dc_, oldFont_);
  if (oldRop_ != 0) ::SetROP2(dc_, oldRop_);
  if (oldBkMode_ != 0) ::SetBkMode(dc_, oldBkMode_);
  if (oldBkColor_ != CLR_INVALID) ::SetBkColor(dc_, oldBkColor_);
  if (oldTextColor_ != CLR_INVALID) ::SetTextColor(dc_, oldTextColor_);
}

void Canvas::RealizePen() {
  if (!penRealized_ || !SamePenObject(pen_, penSel_)) {
    vk::win::Pen p = MakePen(pen_);
    if (p) {
      HGDIOBJ prev = ::SelectObject(dc_, p.Get());
      if (oldPen_ == nullptr) oldPen_ = prev;
      penObj_ = std::move(p);  // the previous pen is no longer selected: delete it
    }
  }
  if (!penRealized_ || pen_.Mode != penSel_.Mode) ::SetROP2(dc_, RopForMode(pen_.Mode));
  penSel_ = pen_;
  penRealized_ = true;
}

void Canvas::RealizeBrush() {
  if (brushRealized_ && brush_ == brushSel_) return;
  vk::win::Brush b = MakeBrush(brush_);
  HGDIOBJ obj = b ? static_cast<HGDIOBJ>(b.Get()) : ::GetStockObject(NULL_BRUSH);
  HGDIOBJ prev = ::SelectObject(dc_, obj);
  if (oldBrush_ == nullptr) oldBrush_ = prev;
  brushObj_ = std::move(b);
  // A solid brush also paints the gaps of text and hatches; others leave them alone.
  if (brush_.Style == kBrushSolid) {
    ::SetBkColor(dc_, brush_.Color);
    ::SetBkMode(dc_, OPAQUE);
  } else {
    ::SetBkMode(dc_, TRANSPARENT);
  }
  brushSel_ = brush_;
  brushRealized_ = true;
}

void Canvas::RealizeFont() {
  if (!fontRealized_ || !SameFontObject(font_, fontSel_)) {
    vk::win::Font f = MakeFont(font_, dc_, NONANTIALIASED_QUALITY);
    if (f) {
      HGDIOBJ prev = ::SelectObject(dc_, f.Get());
      if (oldFont_ == nullptr) oldFont_ = prev;
      fontObj_ = std::move(f);
    }
  }
  if (!fontRealized_ || font_.Color != fontSel_.Color) ::SetTextColor(dc_, font_.Color);
  fontSel_ = font_;
  fontRealized_ = true;
}

std::vector<POINT> Canvas::ToPoints(std::span<const TPoint> pts) {
  std::vector<POINT> out;
  out.reserve(pts.size());
  for (const TPoint& p : pts) out.push_back(ToPOINT(p));
  return out;
}

void Canvas::MoveTo(int x, int y) { ::MoveToEx(dc_, x, y, nullptr); }

void Canvas::LineTo(int x, int y) {
  RealizeShapeTools();
  ::LineTo(dc_, x, y);
}

void Canvas::Rectangle(int l, int t, int r, int b) {
  RealizeShapeTools();
  ::Rectangle(dc_, l, t, r, b);
}

void Canvas::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH) {
  RealizeShapeTools();
  ::RoundRect(dc_, l, t, r, b, cornerW, cornerH);
}

void Canvas::Ellipse(int l, int t, int r, int b) {
  RealizeShapeTools();
  ::Ellipse(dc_, l, t, r, b);
}

void Canvas::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
  RealizeShapeTools();
  ::Arc(dc_, l, t, r, b, x1, y1, x2, y2);
}

void Canvas::Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
  RealizeShapeTools();
  ::Pie(dc_, l, t, r, b, x1, y1, x2, y2);
}

void Canvas::Chord(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
  RealizeShapeTools();
  ::Chord(dc_, l, t, r, b, x1, y1, x2, y2);
}

void Canvas::Polyline(std::span<const TPoint> pts) {
  if (pts.empty()) return;
  RealizeShapeTools();
  const std::vector<POINT> p = ToPoints(pts);
  ::Polyline(dc_, p.data(), static_cast<int>(p.size()));
}

void Canvas::PolyPolyline(std::span<const TPoint> pts, std::span<const DWORD> counts) {
  if (pts.empty() || counts.empty()) return;
  RealizeShapeTools();
  const std::vector<POINT> p = ToPoints(pts);
  ::PolyPolyline(dc_, p.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

void Canvas::Polygon(std::span<const TPoint> pts) {
  if (pts.empty()) return;
  RealizeShapeTools();
  const std::vector<POINT> p = ToPoints(pts);
  ::Polygon(dc_, p.data(), static_cast<int>(p.size()));
}

void Canvas::PolyBezier(std::span<const TPoint> pts) {
  if (pts.empty()) return;
  RealizeShapeTools();
  const std::vector<POINT> p = ToPoints(pts);
  ::PolyBezier(dc_, p.data(), static_cast<DWORD>(p.size()));
}

void Canvas::TextOut(int x, int y, std::string_view text) {
  RealizeFont();
  RealizeBrush();
  ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

int Canvas::TextWidth(std::string_view text) {
  RealizeFont();
  SIZE sz{};
  ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &sz);
  return sz.cx;
}

int Canvas::TextHeight(std::string_view text) {
  RealizeFont();
  SIZE sz{};
  ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &sz);
  return sz.cy;
}

UINT Canvas::TextCodePage() {
  RealizeFont();
  // As GDI itself picks it for the font's character set.
  const int charset = ::GetTextCharset(dc_);
  CHARSETINFO info{};
  if (::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<uintptr_t>(static_cast<unsigned>(charset))), &info,
                             TCI_SRCCHARSET))
    return info.ciACP;
  return charset == OEM_CHARSET ? ::GetOEMCP() : CP_ACP;
}

SIZE Canvas::TextExtents(std::wstring_view text, std::vector<int>& ends) {
  RealizeFont();
  ends.assign(text.size(), 0);
  SIZE sz{};
  ::GetTextExtentExPointW(dc_, text.data(), static_cast<int>(text.size()), 0, nullptr, ends.data(), &sz);
  return sz;
}

void Canvas::FillRect(const TRect& rc) {
  RealizeBrush();
  if (!brushObj_) return;  // a clear brush fills nothing
  const RECT r = ToRECT(rc);
  ::FillRect(dc_, &r, brushObj_.Get());
}

uint32_t Canvas::Pixel(int x, int y) const { return ::GetPixel(dc_, x, y); }

void Canvas::SetPixel(int x, int y, uint32_t color) { ::SetPixelV(dc_, x, y, color); }

void Canvas::CopyFrom(int x, int y, int w, int h, HDC src, int srcX, int srcY, DWORD rop) {
  ::BitBlt(dc_, x, y, w, h, src, srcX, srcY, rop);
}

void Canvas::LPtoDP(std::span<TPoint> pts) const {
  if (pts.empty()) return;
  std::vector<POINT> p = ToPoints(pts);
  ::LPtoDP(dc_, p.data(), static_cast<int>(p.size()));
  for (size_t i = 0; i < p.size(); ++i) pts[i] = FromPOINT(p[i]);
}

void Canvas::DPtoLP(std::span<TPoint> pts) const {
  if (pts.empty()) return;
  std::vector<POINT> p = ToPoints(pts);
  ::DPtoLP(dc_, p.data(), static_cast<int>(p.size()));
  for (size_t i = 0; i < p.size(); ++i) pts[i] = FromPOINT(p[i]);
}

TPoint Canvas::LPtoDP(TPoint p) const {
  LPtoDP(std::span<TPoint>(&p, 1));
  return p;
}

TPoint Canvas::DPtoLP(TPoint p) const {
  DPtoLP(std::span<TPoint>(&p, 1));
  return p;
}

}  // namespace vk::win
