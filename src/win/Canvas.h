#pragma once
// A thin canvas over a borrowed HDC. It holds pen, brush and font as values and
// realises them into GDI objects lazily, just before a drawing call that uses them and
// only when they differ from what is already selected. When the canvas goes away it
// puts back the objects (and the mix mode, background and text colours) the DC had.
//
// The values live in the canvas, not in the DC: keep one canvas per drawing surface for
// as long as the surface lives, because a figure sets the rubber-band pen in one mouse
// event and draws with it in the next.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/Geometry.h"
#include "core/PicAttrs.h"
#include "core/PicConst.h"
#include "win/Handle.h"

namespace vk::win {

inline POINT ToPOINT(TPoint p) { return {p.X, p.Y}; }
inline TPoint FromPOINT(POINT p) { return {static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)}; }
inline RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }
inline TRect FromRECT(const RECT& r) {
  return {static_cast<int32_t>(r.left), static_cast<int32_t>(r.top), static_cast<int32_t>(r.right),
          static_cast<int32_t>(r.bottom)};
}

// GDI objects for attribute values (also for controls that need an HFONT).
// Unknown pen style codes draw solid; unknown brush codes fill solid. A clear brush
// gives an empty owner (the canvas selects the stock null brush for it).
Pen MakePen(const PenAttrs& pen);
Brush MakeBrush(const BrushAttrs& brush);
// Height = -MulDiv(size, LOGPIXELSY of refDc (the screen when null), 72); the name
// bytes are ANSI. Quality is the LOGFONT's: controls follow the system's smoothing.
Font MakeFont(const FontAttrs& font, HDC refDc, BYTE quality = DEFAULT_QUALITY);
LOGFONTA LogFontFor(const FontAttrs& font, HDC refDc, BYTE quality = DEFAULT_QUALITY);  // what MakeFont asks for
int FontPixelHeight(const FontAttrs& font, HDC refDc);  // the negative lfHeight
int RopForMode(PenMode mode);                           // R2_COPYPEN / R2_XORPEN / R2_NOTXORPEN

class Dib;

class Canvas {
 public:
  // Starts with a black solid pen of width 1 in copy mode, a white solid brush and the
  // default font in black.
  explicit Canvas(HDC dc);
  // Over a bitmap of ours, whose pixels can then also be written directly.
  explicit Canvas(Dib& surface);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Handle() const { return dc_; }
  Dib* Surface() const { return surface_; }  // null when the canvas only has a DC

  // The values may be changed in place; the change takes effect at the next drawing call.
  PenAttrs& Pen() { return pen_; }
  const PenAttrs& Pen() const { return pen_; }
  BrushAttrs& Brush() { return brush_; }
  const BrushAttrs& Brush() const { return brush_; }
  FontAttrs& Font() { return font_; }
  const FontAttrs& Font() const { return font_; }
  void SetPen(const PenAttrs& p) { pen_ = p; }
  void SetBrush(const BrushAttrs& b) { brush_ = b; }
  void SetFont(const FontAttrs& f) { font_ = f; }
  void SetPenMode(PenMode m) { pen_.Mode = m; }
  // Half the side of a selection handle, in this surface's units: a view at another
  // scale draws and finds handles at a size that shows the same on the screen.
  int32_t HandleHalf() const { return handleHalf_; }
  void SetHandleHalf(int32_t half) { handleHalf_ = half; }

  void MoveTo(int x, int y);
  void MoveTo(TPoint p) { MoveTo(p.X, p.Y); }
  void LineTo(int x, int y);
  void LineTo(TPoint p) { LineTo(p.X, p.Y); }
  void Rectangle(int l, int t, int r, int b);
  void Rectangle(const TRect& rc) { Rectangle(rc.Left, rc.Top, rc.Right, rc.Bottom); }
  void RoundRect(int l, int t, int r, int b, int cornerW, int cornerH);
  void Ellipse(int l, int t, int r, int b);
  void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
  void Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
  void Chord(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
  void Polyline(std::span<const TPoint> pts);
  // Several polylines in one call, counts[i] points each (outlines of many objects at once).
  void PolyPolyline(std::span<const TPoint> pts, std::span<const DWORD> counts);
  void Polygon(std::span<const TPoint> pts);  // filled with the brush, DC fill mode
  void PolyBezier(std::span<const TPoint> pts);  // 1 + 3k points

  // 8-bit text in the system code page, in the font's colour. A solid brush gives an
  // opaque background of the brush colour, any other brush a transparent one. Glyphs are
  // never smoothed: every pixel is the font's colour or untouched, whatever the system's
  // font smoothing, because text drawn here is ink that the effects and the transparent
  // transfer tell from black by its exact colour.
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text);
  int TextHeight(std::string_view text);
  // The code page the 8-bit text calls use with the current font.
  UINT TextCodePage();
  // The extent of text in the current font; ends[i] is the width of its first i + 1
  // characters.
  SIZE TextExtents(std::wstring_view text, std::vector<int>& ends);

  // Fills with the brush (ignores the pen and its mix mode). Half-open rect.
  void FillRect(const TRect& rc);
  uint32_t Pixel(int x, int y) const;  // COLORREF, CLR_INVALID outside the surface
  void SetPixel(int x, int y, uint32_t color);
  // Copies a block from another DC (SRCCOPY unless told otherwise).
  void CopyFrom(int x, int y, int w, int h, HDC src, int srcX, int srcY, DWORD rop = SRCCOPY);

  // Logical <-> device units of this DC, in place.
  void LPtoDP(std::span<TPoint> pts) const;
  void DPtoLP(std::span<TPoint> pts) const;
  TPoint LPtoDP(TPoint p) const;
  TPoint DPtoLP(TPoint p) const;

 private:
  void RealizePen();
  void RealizeBrush();
  void RealizeFont();
  void RealizeShapeTools() {
    RealizePen();
    RealizeBrush();
  }
  static std::vector<POINT> ToPoints(std::span<const TPoint> pts);

  HDC dc_;
  Dib* surface_ = nullptr;
  PenAttrs pen_;
  BrushAttrs brush_;
  FontAttrs font_;
  int32_t handleHalf_ = HandleHalfSize;

  // What is selected now, and the owners of what we created.
  bool penRealized_ = false, brushRealized_ = false, fontRealized_ = false;
  PenAttrs penSel_;
  BrushAttrs brushSel_;
  FontAttrs fontSel_;
  vk::win::Pen penObj_;
  vk::win::Brush brushObj_;
  vk::win::Font fontObj_;

  // The DC's state as we found it.
  HGDIOBJ oldPen_ = nullptr, oldBrush_ = nullptr, oldFont_ = nullptr;
  int oldRop_ = 0, oldBkMode_ = 0;
  COLORREF oldBkColor_ = 0, oldTextColor_ = 0;
};

}  // namespace vk::win
