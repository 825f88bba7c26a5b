#pragma once
// Shared by the shape tests: a patterned memory surface, pixel snapshots, held keys.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "drawing/objects/BoxPic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/PicBase.h"
#include "drawing/objects/PicFactory.h"
#include "win/Canvas.h"
#include "win/Dib.h"

namespace shapetest {

inline constexpr int kSurfaceW = 320;
inline constexpr int kSurfaceH = 240;

// A surface with a background that no drawing colour matches everywhere, so an XOR or
// NOT-XOR trace shows up whatever the pen colour.
struct Surface {
  vk::win::Dib dib{kSurfaceW, kSurfaceH};
  std::unique_ptr<vk::win::Canvas> canvas;
  Surface() {
    ::GdiFlush();
    uint32_t* bits = dib.Bits();
    for (int y = 0; y < kSurfaceH; ++y)
      for (int x = 0; x < kSurfaceW; ++x)
        bits[y * kSurfaceW + x] = static_cast<uint32_t>((x * 37 + y * 11) & 0xFF) |
                                  (static_cast<uint32_t>((x * 5 + y * 29) & 0xFF) << 8) |
                                  (static_cast<uint32_t>((x ^ y) & 0xFF) << 16);
    canvas = std::make_unique<vk::win::Canvas>(dib);
  }
  vk::win::Canvas& C() { return *canvas; }
  // Pixels without the unused top byte (NOT-XOR sets it).
  std::vector<uint32_t> Pixels() const {
    ::GdiFlush();
    const uint32_t* bits = dib.Bits();
    std::vector<uint32_t> out(bits, bits + kSurfaceW * kSurfaceH);
    for (uint32_t& p : out) p &= 0x00FFFFFFu;
    return out;
  }
};

inline size_t CountDifferent(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b) {
  size_t n = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
  return n;
}

// Holds keys in this thread's key state, as GetKeyState sees them, for one scope.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    ::GetKeyboardState(saved_);
    BYTE state[256];
    ::GetKeyboardState(state);
    for (int vk : keys) state[vk] |= 0x80;
    ::SetKeyboardState(state);
  }
  ~HeldKeys() { ::SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256]{};
};

// A figure of kind spanning a..b (line ends, or the box corners), its bounding rect set
// as after an edit.
inline std::unique_ptr<vk::TPicBase> MakeShape(vk::TPicType kind, vk::TPoint a, vk::TPoint b,
                                               bool selected, const vk::BrushAttrs& brush = {}) {
  auto pic = vk::CreatePicOfKind(kind);
  if (auto* line = dynamic_cast<vk::TLinePic*>(pic.get())) {
    line->LineStart = a;
    line->LineEnd = b;
  } else {
    dynamic_cast<vk::TBoxPic&>(*pic).ShapeRect = {a.X, a.Y, b.X, b.Y};
  }
  Surface s;
  pic->MoveBy(s.C(), {0, 0});
  pic->Choosed = selected;
  pic->PicBrush = brush;
  return pic;
}

// One row of a rectangle's or ellipse's hit-code table.
struct BoxHitCase {
  const char* what;
  bool filled, selected;  // filled: a solid brush, else a clear one
  vk::TPoint p;
  uint8_t code;
};

// Hit-tests a figure of kind spanning a..b at each row's point.
inline void ExpectBoxHitCodes(vk::TPicType kind, vk::TPoint a, vk::TPoint b,
                              const std::vector<BoxHitCase>& cases) {
  const vk::BrushAttrs solid{vk::kColorGreen, vk::kBrushSolid};
  Surface s;
  for (const auto& c : cases) {
    auto pic = MakeShape(kind, a, b, c.selected, c.filled ? solid : vk::BrushAttrs{});
    EXPECT_EQ(pic->HitTest(s.C(), c.p), c.code) << c.what;
  }
}

// A creation by mouse: press, moves with the left button held, release.
struct Gesture {
  vk::TPoint down;
  std::vector<vk::TPoint> moves;
  vk::TShiftState keys = 0;  // kShiftKey / kCtrlKey held throughout
};

// Creates a figure of kind with pen and brush through the gesture on a patterned
// surface and checks what creation by mouse promises: the rubber band shows while the
// mouse moves, the release fires DrawEndEvent once, and afterwards the surface holds
// exactly what drawing the finished figure alone gives. Returns the template.
inline std::unique_ptr<vk::TPicBase> CreateByMouse(vk::TPicType kind, const vk::PenAttrs& pen,
                                                   const vk::BrushAttrs& brush, const Gesture& g) {
  auto pic = vk::CreatePicOfKind(kind);
  if (!pic) {
    ADD_FAILURE() << "no class for kind " << int(kind);
    return pic;
  }
  pic->PicPen = pen;
  pic->PicBrush = brush;
  int fired = 0;
  pic->DrawEndEvent = [&](vk::TPicBase* done) {
    EXPECT_EQ(done, pic.get());
    ++fired;
  };
  Surface s;
  const auto before = s.Pixels();
  const vk::TShiftState held = vk::kLeftButton | g.keys;
  pic->DrawMouseDown(s.C(), kind, vk::TMouseButton::Left, held, g.down);
  size_t bandsShown = 0;  // a degenerate band (zero height) draws nothing
  for (const vk::TPoint& m : g.moves) {
    pic->DrawMouseMove(s.C(), kind, held, m);
    bandsShown += CountDifferent(s.Pixels(), before) > 0;
  }
  if (!g.moves.empty()) {
    EXPECT_GT(bandsShown, 0u) << "no rubber band";
  }
  pic->Choosed = true;  // as the editor does before the release
  pic->DrawMouseUp(s.C(), kind, vk::TMouseButton::Left, g.keys, g.moves.empty() ? g.down : g.moves.back());
  EXPECT_EQ(fired, 1);
  pic->DrawEndEvent = nullptr;

  Surface alone;
  auto copy = pic->CreateEmpty();
  copy->Assign(*pic);
  copy->Choosed = false;
  copy->Draw(alone.C());
  const auto after = s.Pixels();
  EXPECT_EQ(CountDifferent(after, alone.Pixels()), 0u) << "the rubber band left a trace";
  EXPECT_GT(CountDifferent(after, before), 0u) << "nothing was drawn";
  return pic;
}

}  // namespace shapetest
