#include "drawing/editor/ToolGlyphs.h"

#include <cstring>
#include <string>

#include "win/Handle.h"
#include "win/Text.h"

namespace vk {

namespace {

bool Is(const ToolButtonDef& d, const char* name) { return std::strcmp(d.Name, name) == 0; }

// A 20 x 20 picture centred at (cx, cy), in the given ink.
void DrawGlyph(HDC dc, const ToolButtonDef& d, int cx, int cy, COLORREF ink) {
  win::Pen pen(::CreatePen(PS_SOLID, 2, ink));
  win::Brush fill(::CreateSolidBrush(RGB(255, 236, 200)));
  win::SelectGuard sp(dc, pen.Get());
  win::SelectGuard sb(dc, fill.Get());
  const int l = cx - 8, t = cy - 8, r = cx + 8, b = cy + 8;
  if (Is(d, "SpeedButton4")) {  // copy: two sheets
    ::Rectangle(dc, l, t, r - 5, b - 5);
    ::Rectangle(dc, l + 5, t + 5, r, b);
  } else if (Is(d, "SpeedButton6")) {  // paste: a board with a sheet
    ::Rectangle(dc, l, t + 2, r - 3, b);
    ::Rectangle(dc, l + 4, t, r - 7, t + 4);
    ::Rectangle(dc, cx - 1, cy - 1, r + 1, b + 1);
  } else if (Is(d, "SpeedButton7")) {  // delete: a cross
    ::MoveToEx(dc, l + 2, t + 2, nullptr);
    ::LineTo(dc, r - 2, b - 2);
    ::MoveToEx(dc, r - 2, t + 2, nullptr);
    ::LineTo(dc, l + 2, b - 2);
  } else if (Is(d, "SpeedButton20")) {  // clear: an eraser
    POINT p[4] = {{l, cy + 3}, {cx - 1, t}, {r, cy - 3}, {cx + 1, b}};
    ::Polygon(dc, p, 4);
  } else if (Is(d, "SpeedButton8")) {
    ::MoveToEx(dc, l, b, nullptr);
    ::LineTo(dc, r, t);
  } else if (Is(d, "SpeedButton9")) {
    ::Rectangle(dc, l, t + 2, r, b - 2);
  } else if (Is(d, "SpeedButton10")) {
    ::RoundRect(dc, l - 2, t + 2, r + 2, b - 2, 8, 8);
  } else if (Is(d, "SpeedButton11")) {
    ::Ellipse(dc, l, t + 1, r, b - 1);
  } else if (Is(d, "SpeedButton13")) {
    POINT p[4] = {{l, b - 2}, {cx - 3, t + 2}, {cx + 3, b - 4}, {r, t}};
    ::Polyline(dc, p, 4);
  } else if (Is(d, "SpeedButtonSelect")) {  // the arrow pointer
    POINT p[7] = {{l + 2, t}, {l + 2, b - 2}, {l + 6, b - 6}, {l + 10, b}, {l + 12, b - 1}, {l + 8, b - 7}, {r - 1, b - 7}};
    win::Brush white(::CreateSolidBrush(RGB(255, 255, 255)));
    win::SelectGuard sw(dc, white.Get());
    ::Polygon(dc, p, 7);
  } else if (Is(d, "SpeedButtonApply")) {  // a tick
    POINT p[3] = {{l, cy}, {cx - 2, b - 2}, {r, t + 1}};
    ::Polyline(dc, p, 3);
  } else if (Is(d, "SpeedButtonExit")) {  // a door with an arrow out
    ::Rectangle(dc, l, t, cx + 1, b);
    ::MoveToEx(dc, cx - 3, cy, nullptr);
    ::LineTo(dc, r, cy);
    ::MoveToEx(dc, r - 4, cy - 4, nullptr);
    ::LineTo(dc, r, cy);
    ::LineTo(dc, r - 4, cy + 4);
  } else if (Is(d, "SpeedButtonPen")) {  // a pen over the wave it drew
    POINT wave[4] = {{l, b - 1}, {l + 4, b - 5}, {l + 8, b - 1}, {l + 12, b - 5}};
    ::Polyline(dc, wave, 4);
    POINT nib[4] = {{cx - 2, cy + 2}, {r - 2, t}, {r, t + 2}, {cx, cy + 4}};
    ::Polygon(dc, nib, 4);
  }
}

}  // namespace

void DrawToolButton(HDC dc, const RECT& rc, const ToolButtonDef& def, bool down, bool enabled, HFONT captionFont) {
  win::Brush face(::CreateSolidBrush(down ? RGB(220, 228, 238) : kBarBackground));
  ::FillRect(dc, &rc, face.Get());
  RECT edge = rc;
  if (down) ::DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
  const COLORREF ink = enabled ? kCaptionColor : RGB(160, 160, 160);
  int textTop = rc.top + 2;
  if (def.Visible) {
    const int off = down ? 1 : 0;
    DrawGlyph(dc, def, (rc.left + rc.right) / 2 + off, rc.top + 12 + off, ink);
    textTop = rc.top + 23;
  }
  win::SelectGuard sf(dc, captionFont);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ink);
  RECT tr{rc.left, textTop + (down ? 1 : 0), rc.right, rc.bottom};
  const std::wstring caption = win::Utf8ToWide(def.Caption);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &tr,
              DT_CENTER | DT_SINGLELINE | (def.Visible ? DT_TOP : DT_VCENTER) | DT_NOPREFIX);
}

void DrawDecorStrip(HDC dc, const RECT& panelClient) {
  // A thin gradient, stretched over the whole width.
  const int top = panelClient.bottom - kDecorStripHeight;
  for (int i = 0; i < kDecorStripHeight; ++i) {
    const int v = 200 + i * 12;
    win::Brush b(::CreateSolidBrush(RGB(v - 60, v - 30, v)));
    RECT r{panelClient.left, top + i, panelClient.right, top + i + 1};
    ::FillRect(dc, &r, b.Get());
  }
}

}  // namespace vk
