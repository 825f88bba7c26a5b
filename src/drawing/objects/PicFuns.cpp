#include "drawing/objects/PicFuns.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "drawing/objects/FigureKinds.h"

namespace vk {

namespace {

win::Region PolygonRegion(const std::vector<TPoint>& pts) {
  std::vector<POINT> p;
  p.reserve(pts.size());
  for (const TPoint& q : pts) p.push_back(win::ToPOINT(q));
  return win::Region(::CreatePolygonRgn(p.data(), static_cast<int>(p.size()), ALTERNATE));
}

win::Region EmptyRegion() { return win::Region(::CreateRectRgn(0, 0, 0, 0)); }

int32_t Extent(int32_t from, int32_t to) {
  const int64_t d = static_cast<int64_t>(to) - from;
  if (d > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (d < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(d);
}

// A throw-away surface to measure text on: a memory DC with a 1 x 1 bitmap, and a canvas
// over it. Members are destroyed in reverse: canvas, selection, bitmap, DC.
class MeasureSurface {
 public:
  MeasureSurface()
      : dc_(::CreateCompatibleDC(nullptr)),
        bmp_(::CreateCompatibleBitmap(dc_.Get(), 1, 1)),
        select_(dc_.Get(), bmp_.Get()),
        canvas_(dc_.Get()) {}
  win::Canvas& Canvas() { return canvas_; }

 private:
  win::MemoryDc dc_;
  win::Bitmap bmp_;
  win::SelectGuard select_;
  win::Canvas canvas_;
};

struct CursorEntry {
  int number;
  const char* name;
};

// The cursors that are no tool's (the tools' are in the table of figure kinds).
constexpr std::array<CursorEntry, 3> kCursors{{
    {kCursorLineEnd, "CUR_LINE_END"},
    {kCursorTrunVer, "CUR_TRUN_VER"},
    {kCursorMove, "CUR_MOVE"},
}};

// Our cursor table, indexed by cursor number. Cursors from resources are shared
// handles: they are never destroyed.
std::array<HCURSOR, kCursorCount> g_cursors{};

// A text's extent at any size from one measure of its distinct characters. GDI's extent
// of a line is the sum of its characters' advances, so a text of megabytes costs what its
// few distinct characters cost, not a measure of the whole text per size.
class TextTally {
 public:
  TextTally(win::Canvas& c, std::string_view text) {
    std::wstring wide;
    if (!text.empty()) {
      // The conversion the 8-bit text calls make themselves.
      const UINT cp = c.TextCodePage();
      const int n = ::MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
      wide.resize(static_cast<size_t>(std::max(n, 0)));
      if (n > 0) ::MultiByteToWideChar(cp, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    }
    std::vector<uint32_t> count(65536, 0);
    for (const wchar_t ch : wide) {
      if (count[ch]++ == 0) chars_.push_back(ch);
    }
    for (const wchar_t ch : chars_) counts_.push_back(count[ch]);
  }

  // Width or height at the canvas's font, as the whole text's measure gives it.
  int64_t Extent(win::Canvas& c, bool width) const {
    const SIZE sz = c.TextExtents(chars_, ends_);
    if (!width) return sz.cy;
    int64_t sum = 0;
    int before = 0;
    for (size_t i = 0; i < chars_.size(); ++i) {
      sum += static_cast<int64_t>(counts_[i]) * (ends_[i] - before);
      before = ends_[i];
    }
    return sum;
  }

 private:
  std::wstring chars_;             // each character of the text once
  std::vector<uint32_t> counts_;  // how often each occurs
  mutable std::vector<int> ends_;
};

// The size just before the first that overflows limit (sizes from 2 up). Counting up
// rather than bisecting: a font's extent need not grow at every size.
template <class Measure>
int32_t FirstSizeBeforeOverflow(Measure measure, int32_t limit) {
  for (int32_t size = 2; size <= kMaxFitFontSize; ++size)
    if (limit < measure(size)) return size - 1;
  return kMaxFitFontSize;
}

}  // namespace

TShiftState ShiftStateFromKeyStates(int16_t shiftKey, int16_t altKey, int16_t ctrlKey) {
  TShiftState s = 0;
  if (shiftKey < 0) s |= kShiftKey;
  if (altKey < 0) s |= kAltKey;
  if (ctrlKey < 0) s |= kCtrlKey;
  return s;
}

TShiftState GetShiftState() {
  return ShiftStateFromKeyStates(::GetKeyState(VK_SHIFT), ::GetKeyState(VK_MENU),
                                 ::GetKeyState(VK_CONTROL));
}

TShiftState ShiftStateFromMouse(WPARAM mkFlags, bool altDown, bool doubleClick) {
  TShiftState s = 0;
  if (mkFlags & MK_SHIFT) s |= kShiftKey;
  if (altDown) s |= kAltKey;
  if (mkFlags & MK_CONTROL) s |= kCtrlKey;
  if (mkFlags & MK_LBUTTON) s |= kLeftButton;
  if (mkFlags & MK_RBUTTON) s |= kRightButton;
  if (mkFlags & MK_MBUTTON) s |= kMiddleButton;
  if (doubleClick) s |= kDoubleClick;
  return s;
}

win::Region CreateSegmentRegion(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  const std::array<TPoint, 4> q = SegmentQuad(x1, y1, x2, y2);
  return PolygonRegion(std::vector<TPoint>(q.begin(), q.end()));
}

win::Region CreateArcRegion(TPoint topLeft, TPoint bottomRight, TPoint startPt, TPoint endPt) {
  const std::vector<TPoint> pts = ArcBandPoints(topLeft, bottomRight, startPt, endPt);
  if (pts.empty()) return EmptyRegion();
  return PolygonRegion(pts);
}

win::Region CreatePieRegion(TPoint topLeft, TPoint bottomRight, TPoint startPt, int kind,
                            TPoint endPt) {
  if (kind != 1 && kind != 2) return win::Region();
  const std::vector<TPoint> pts = PiePolygonPoints(topLeft, bottomRight, startPt, kind, endPt);
  if (pts.empty()) return EmptyRegion();
  win::Region poly = PolygonRegion(pts);
  const win::Region ellipse(
      ::CreateEllipticRgn(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y));
  if (!poly || !ellipse) return EmptyRegion();
  ::CombineRgn(poly.Get(), poly.Get(), ellipse.Get(), RGN_AND);
  return poly;
}

int FindHandle(const win::Canvas& canvas, std::span<const TPoint> handles, TPoint p, bool fromLast) {
  const int n = static_cast<int>(handles.size());
  for (int k = 0; k < n; ++k) {
    const int i = fromLast ? n - 1 - k : k;
    if (Contains(HandleRect(handles[static_cast<size_t>(i)], canvas.HandleHalf()), p)) return i;
  }
  return -1;
}

void DrawHandleSquares(win::Canvas& canvas, std::span<const TPoint> handles, const PenAttrs& pen,
                       const BrushAttrs& brush, size_t greenFrom) {
  canvas.SetPen(pen);
  canvas.SetBrush(brush);
  for (size_t i = 0; i < handles.size(); ++i) {
    if (i == greenFrom) canvas.Brush().Color = kColorGreen;
    canvas.Rectangle(HandleRect(handles[i], canvas.HandleHalf()));
  }
}

void UseDragOutlineTools(win::Canvas& canvas) {
  PenAttrs& pen = canvas.Pen();
  pen.Width = 1;
  pen.Mode = PenMode::Xor;
  pen.Style = kPenDot;
  canvas.Brush().Style = kBrushClear;
}

int32_t MeasureText(std::string_view text, const FontAttrs& font, bool horizontal) {
  MeasureSurface surface;
  win::Canvas& c = surface.Canvas();
  c.SetFont(font);
  const int v = horizontal ? c.TextWidth(text) : c.TextHeight(text);
  return v + 2;
}

int32_t FitFontSize(const TRect& rect, std::string_view text, const FontAttrs& font, int mode) {
  if (mode == 0) return font.Size;
  MeasureSurface surface;
  win::Canvas& c = surface.Canvas();
  FontAttrs f;  // the face name alone: default charset, no style
  f.Name = font.Name;
  f.Size = 2;
  c.SetFont(f);
  const int32_t w = Extent(rect.Left, rect.Right);
  const int32_t h = Extent(rect.Top, rect.Bottom);
  bool byWidth = mode == 1;
  if (mode != 1 && mode != 2) {
    const int64_t spareH = static_cast<int64_t>(h) - c.TextHeight(text);
    const int64_t spareW = static_cast<int64_t>(w) - c.TextWidth(text);
    byWidth = !(spareH >= spareW);
  }
  const int32_t limit = byWidth ? w : h;
  auto whole = [&](int32_t size) -> int64_t {
    c.Font().Size = size;
    return byWidth ? c.TextWidth(text) : c.TextHeight(text);
  };
  const TextTally tally(c, text);
  auto tallied = [&](int32_t size) {
    c.Font().Size = size;
    return tally.Extent(c, byWidth);
  };
  const int32_t found = FirstSizeBeforeOverflow(tallied, limit);
  // The tally rests on extents adding up per character. Where they do not (a system that
  // kerns here), it is caught at the answer, and the text itself is measured at every size.
  const bool confirmed = (found < 2 || whole(found) <= limit) && (found >= kMaxFitFontSize || whole(found + 1) > limit);
  return confirmed ? found : FirstSizeBeforeOverflow(whole, limit);
}

void ClearTextArea(win::Canvas& canvas, const TRect& rect) {
  canvas.Brush().Color = kColorBlack;
  canvas.Brush().Style = kBrushSolid;
  canvas.FillRect(Inflate(rect, 4 * HandleHalfSize, 4 * HandleHalfSize));
}

void LoadPicCursors(HINSTANCE module) {
  for (const FigureKind& f : FigureKinds()) g_cursors[static_cast<size_t>(f.Mode)] = ::LoadCursorA(module, f.Cursor);
  for (const CursorEntry& e : kCursors) g_cursors[e.number] = ::LoadCursorA(module, e.name);
}

HCURSOR PicCursor(int number) {
  if (number < 0 || number >= static_cast<int>(g_cursors.size())) return nullptr;
  return g_cursors[static_cast<size_t>(number)];
}

const char* PicCursorResourceName(int number) {
  for (const FigureKind& f : FigureKinds())
    if (f.Mode == number) return f.Cursor;
  for (const CursorEntry& e : kCursors)
    if (e.number == number) return e.name;
  return nullptr;
}

}  // namespace vk
