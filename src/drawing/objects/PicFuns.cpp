#include "drawing/objects/PicFuns.h"

#include <array>
#include <limits>
#include <vector>

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

constexpr std::array<CursorEntry, 11> kCursors{{
    {PIC_LINE, "CUR_LINE"},
    {PIC_RECT, "CUR_RECT"},
    {PIC_ROUN, "CUR_ROUN"},
    {PIC_CIRC, "CUR_CIRC"},
    {PIC_ARCC, "CUR_ARCC"},
    {PIC_POLY, "CUR_POLY"},
    {PIC_CURVE, "CUR_CURVE"},
    {PIC_TEXT, "CUR_TEXT"},
    {kCursorLineEnd, "CUR_LINE_END"},
    {kCursorTrunVer, "CUR_TRUN_VER"},
    {kCursorMove, "CUR_MOVE"},
}};

// Our cursor table, indexed by cursor number. Cursors from resources are shared
// handles: they are never destroyed.
std::array<HCURSOR, kCursorMove + 1> g_cursors{};

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
  // Counting up rather than bisecting: a font's extent need not grow at every size, and
  // the answer is the size just before the first one that does not fit.
  for (int32_t size = 2; size <= kMaxFitFontSize; ++size) {
    c.Font().Size = size;
    const int measure = byWidth ? c.TextWidth(text) : c.TextHeight(text);
    if (limit < measure) return size - 1;
  }
  return kMaxFitFontSize;
}

void ClearTextArea(win::Canvas& canvas, const TRect& rect) {
  canvas.Brush().Color = kColorBlack;
  canvas.Brush().Style = kBrushSolid;
  canvas.FillRect(Inflate(rect, 4 * HandleHalfSize, 4 * HandleHalfSize));
}

void LoadPicCursors(HINSTANCE module) {
  for (const CursorEntry& e : kCursors) g_cursors[e.number] = ::LoadCursorA(module, e.name);
}

HCURSOR PicCursor(int number) {
  if (number < 0 || number >= static_cast<int>(g_cursors.size())) return nullptr;
  return g_cursors[static_cast<size_t>(number)];
}

const char* PicCursorResourceName(int number) {
  for (const CursorEntry& e : kCursors)
    if (e.number == number) return e.name;
  return nullptr;
}

}  // namespace vk
