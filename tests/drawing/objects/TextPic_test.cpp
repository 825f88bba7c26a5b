// The text object: typing it in place, committing and cancelling, rendering with its
// effects, fitting the font when resized, and its record.
#include <gtest/gtest.h>

#include <functional>

#include "ShapeTestSupport.h"
#include "core/PixelEffects.h"
#include "core/TextRecord.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/TextInk.h"
#include "drawing/objects/TextPic.h"

namespace {

using shapetest::Surface;
using vk::TPoint;
using vk::TRect;

// A window for the edit to live on.
struct Host {
  HWND w = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                             nullptr);
  ~Host() { ::DestroyWindow(w); }
};

RECT EditRect(HWND edit) {
  RECT r{};
  ::GetWindowRect(edit, &r);
  ::MapWindowPoints(nullptr, ::GetParent(edit), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TRect CommittedBox(TPoint at, const std::string& text, const vk::FontAttrs& f) {
  return {at.X, at.Y, at.X + vk::MeasureText(text, f, true), at.Y + vk::MeasureText(text, f, false)};
}

// A committed, unselected text at (x, y).
std::unique_ptr<vk::TTextPic> Committed(const std::string& text, int x, int y, int size = 20) {
  auto t = std::make_unique<vk::TTextPic>();
  t->Text.Text = text;
  t->PicFont.Size = size;
  t->NormaliseRect({x, y}, CommittedBox({x, y}, text, t->PicFont).BottomRight());
  return t;
}

TEST(TextPic, TypingCommitsWithEnterAndEscLeavesNothing) {
  Host host;
  Surface s;
  vk::TTextPic t(host.w);
  int ended = 0;
  t.DrawEndEvent = [&](vk::TPicBase* p) { ended += p == &t; };
  auto type = [&](TPoint at, const wchar_t* text, WPARAM key) {
    t.DrawMouseDown(s.C(), vk::PIC_TEXT, vk::TMouseButton::Left, vk::kLeftButton, at);
    ::SendMessageW(t.EditWindow(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
    ::SendMessageW(t.EditWindow(), WM_KEYDOWN, key, 0);
  };
  t.DrawMouseDown(s.C(), vk::PIC_TEXT, vk::TMouseButton::Left, vk::kLeftButton, {30, 40});
  HWND e = t.EditWindow();
  ASSERT_TRUE(e && ::IsWindowVisible(e));
  EXPECT_EQ(EditRect(e).left, 30);
  EXPECT_EQ(EditRect(e).top, 40);
  ::SendMessageW(e, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"Hello"));
  EXPECT_EQ(EditRect(e).right - 30, vk::MeasureText("Hello  ", t.PicFont, true));  // widens as it fills
  EXPECT_EQ(::SendMessageW(e, EM_GETFIRSTVISIBLELINE, 0, 0), 0);  // and shows it from the start
  ::SendMessageW(e, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(::IsWindowVisible(e));
  EXPECT_EQ(::GetWindowTextLengthW(e), 0);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(t.Text.Text, "Hello");
  EXPECT_TRUE(t.Choosed);
  EXPECT_EQ(t.PicId, vk::PIC_TEXT);
  EXPECT_EQ(t.GetRect(), CommittedBox({30, 40}, "Hello", t.PicFont));

  type({100, 100}, L"gone", VK_ESCAPE);
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(t.EditShowing());
  EXPECT_EQ(t.Text.Text, "Hello");

  type({100, 100}, L"", VK_RETURN);
  EXPECT_EQ(t.Text.Text, " ");  // never an empty text
  // A character the system code page has no bytes for is left out, never replaced, and
  // named for the user.
  type({100, 100}, L"A\U0001F600B", VK_RETURN);
  EXPECT_EQ(ended, 3);
  EXPECT_EQ(t.Text.Text, "AB");
  EXPECT_EQ(t.LeftOutOfLastCommit(), L"\U0001F600");
}

// A text no drawing file could read back is not placed, and the one who placed it hears.
TEST(TextPic, ATextPastTheLimitIsNotPlacedAndIsReported) {
  Host host;
  Surface s;
  vk::TTextPic t(host.w);
  size_t refused = 0;
  t.TooLongEvent = [&](size_t n) { refused = n; };
  t.DrawMouseDown(s.C(), vk::PIC_TEXT, vk::TMouseButton::Left, vk::kLeftButton, {30, 40});
  t.SetText({vk::kTextKeyAccept, std::string(vk::kMaxTextLength + 1, 'x')});
  EXPECT_EQ(refused, vk::kMaxTextLength + 1);
  EXPECT_TRUE(!t.EditShowing() && t.Text.Text.empty());
}

// What Render must give: the text on black at (1, 1), the effects in their order, black
// taken as transparent.
std::vector<uint32_t> ExpectedRendering(const vk::TTextPic& t, std::vector<uint32_t> under) {
  const TRect r = t.ShapeRect;
  vk::win::Dib bmp(r.Width() + 1, r.Height() + 1);
  {
    vk::win::Canvas c(bmp.Dc());
    c.SetFont(t.PicFont);
    c.Brush().Style = vk::kBrushClear;
    c.TextOut(1, 1, t.Text.Text);
  }
  ::GdiFlush();
  std::span<uint32_t> px(bmp.Bits(), static_cast<size_t>(bmp.Width() * bmp.Height()));
  if (t.Hollow) vk::MakeHollow(px, bmp.Width(), bmp.Height());
  if (t.Sided) vk::MakeSided(px, bmp.Width(), bmp.Height());
  if (t.View3D) vk::MakeView3D(px, bmp.Width(), bmp.Height());
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (uint32_t v = px[static_cast<size_t>(y * bmp.Width() + x)] & 0xFFFFFF)
        under[static_cast<size_t>((r.Top + y) * shapetest::kSurfaceW + r.Left + x)] = v;
  return under;
}

TEST(TextPic, RendersWithItsEffectsInOrderAndBlackIsTransparent) {
  auto t = Committed("Wavy 3D", 20, 30, 28);
  t->Hollow = t->Sided = t->View3D = 1;
  Surface s;
  const auto expected = ExpectedRendering(*t, s.Pixels());
  t->Draw(s.C());
  EXPECT_EQ(shapetest::CountDifferent(s.Pixels(), expected), 0u);
  Surface viaGdi;  // a canvas that knows only the DC puts the ink through GDI, alike
  vk::win::Canvas dcOnly(viaGdi.dib.Dc());
  t->Draw(dcOnly);
  EXPECT_EQ(shapetest::CountDifferent(viaGdi.Pixels(), expected), 0u);
  EXPECT_GT(shapetest::CountDifferent(s.Pixels(), Surface().Pixels()), 50u);

  // Black text on a clear brush cannot be seen; the handles of a selected one can.
  auto black = Committed("Black", 20, 30);
  black->PicFont.Color = vk::kColorBlack;
  Surface b;
  const auto before = b.Pixels();
  black->Draw(b.C());
  EXPECT_EQ(shapetest::CountDifferent(b.Pixels(), before), 0u);
  black->Choosed = true;
  black->Draw(b.C());
  EXPECT_EQ(b.dib.Pixel(20, 30), vk::kColorMagenta);
}

// Font smoothing on for one scope: in the user's settings and in this process's copy.
struct FontSmoothingOn {
  HKEY key = nullptr;
  wchar_t old[8]{};
  DWORD size = sizeof old;
  bool had = false;
  BOOL was = FALSE;
  FontSmoothingOn() {
    ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    had = ::RegQueryValueExW(key, L"FontSmoothing", nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == 0;
    ::RegSetValueExW(key, L"FontSmoothing", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"2"), sizeof L"2");
    ::SystemParametersInfoW(SPI_GETFONTSMOOTHING, 0, &was, 0);
    ::SystemParametersInfoW(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
  }
  ~FontSmoothingOn() {
    ::SystemParametersInfoW(SPI_SETFONTSMOOTHING, was, nullptr, 0);
    if (had) ::RegSetValueExW(key, L"FontSmoothing", 0, REG_SZ, reinterpret_cast<const BYTE*>(old), size);
    else ::RegDeleteValueW(key, L"FontSmoothing");
    ::RegCloseKey(key);
  }
  FontSmoothingOn(const FontSmoothingOn&) = delete;
  FontSmoothingOn& operator=(const FontSmoothingOn&) = delete;
};

TEST(TextPic, InkHasOnlyTheTextsAndTheEffectsColoursWithSmoothingOn) {
  FontSmoothingOn smoothing;
  auto t = Committed("Quill Sample 42", 10, 10, 24);
  t->PicBrush.Style = vk::kBrushClear;
  // Ink pixels of a picture on black, and those that are neither red (the text) nor green
  // (what the outline and 3-D effects turn red ink into).
  auto ink = [](const vk::win::Dib& d) {
    ::GdiFlush();
    std::pair<size_t, size_t> n;
    for (int i = 0; i < d.Width() * d.Height(); ++i)
      if (const uint32_t v = d.Bits()[i] & 0xFFFFFFu) {
        ++n.first;
        n.second += v != 0xFF0000u && v != 0x00FF00u;
      }
    return n;
  };
  vk::win::Dib smoothed(400, 80);  // the setting is in force: a font that follows it smooths here
  const vk::win::Font font = vk::win::MakeFont(t->PicFont, smoothed.Dc());
  {
    const vk::win::SelectGuard use(smoothed.Dc(), font.Get());
    ::SetBkMode(smoothed.Dc(), TRANSPARENT);
    ::SetTextColor(smoothed.Dc(), t->PicFont.Color);
    ::TextOutA(smoothed.Dc(), 1, 1, t->Text.Text.c_str(), static_cast<int>(t->Text.Text.size()));
  }
  ASSERT_GT(ink(smoothed).second, 0u) << "font smoothing is off for this test";
  for (int effect = 0; effect < 4; ++effect) {  // none, hollow, outline, 3-D
    t->Hollow = effect == 1;
    t->Sided = effect == 2;
    t->View3D = effect == 3;
    vk::win::Dib d(400, 80);  // black, which the transfer leaves alone
    vk::win::Canvas c(d);
    t->Draw(c);
    EXPECT_GT(ink(d).first, 200u) << effect;
    EXPECT_EQ(ink(d).second, 0u) << effect;
  }
}

TEST(TextPic, ResizingByAHandleFitsTheFontAndDraggingTheBodyKeepsIt) {
  Surface s;
  const std::string text = "Fit me";
  auto widthAt = [&](int size) {
    vk::FontAttrs f;  // the face name alone, as the fitting measures
    f.Size = size;
    return vk::MeasureText(text, f, true) - 2;
  };
  auto t = Committed(text, 50, 50, 12);
  const TRect r = t->GetRect();
  const int my = (r.Top + r.Bottom) / 2;
  t->DragEnd(s.C(), vk::kHitRight, r, r.Right, my, r.Right + 90, my);
  const int size = t->PicFont.Size, room = r.Right + 90 - r.Left;
  EXPECT_GT(size, 12);
  EXPECT_LE(widthAt(size), room);
  EXPECT_GT(widthAt(size + 1), room);
  EXPECT_EQ(t->GetRect(), CommittedBox({50, 50}, text, t->PicFont));

  const int kept = t->PicFont.Size;
  const TRect r3 = t->GetRect();
  t->DragEnd(s.C(), vk::kHitBody, r3, 70, 70, 95, 60);
  EXPECT_EQ(t->PicFont.Size, kept);
  EXPECT_EQ(t->GetRect().TopLeft(), (TPoint{r3.Left + 25, r3.Top - 10}));

  const TRect r4 = t->GetRect();
  t->DragEnd(s.C(), vk::kHitRight, r4, r4.Right, my, r4.Left + 1, my);  // too narrow for size 2
  EXPECT_EQ(t->PicFont.Size, 1);
}

TEST(TextPic, RecordKeepsWhatItReadAndCopiesCarryEverything) {
  auto t = Committed("abc", 5, 6);
  t->Sided = 2;  // out of range, as a damaged file may hold it
  t->BkColor = 77;
  vk::ByteWriter w;
  t->SaveToBuffer(w);
  EXPECT_EQ(w.Size(), 54u + 27u + 3u);
  vk::TTextPic back;
  vk::ByteReader r(w.Bytes());
  ASSERT_TRUE(back.LoadFromBuffer(r));
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(back.Sided, 2);
  vk::ByteWriter again;
  back.SaveToBuffer(again);
  EXPECT_EQ(again.Bytes(), w.Bytes());

  // Only the part of a long text that is in view is rendered.
  auto longText = Committed(std::string(100000, 'W'), 5, 6, 10);
  EXPECT_GT(longText->GetRect().Width(), 100000);
  Surface ls;
  const auto blank = ls.Pixels();
  longText->Draw(ls.C());
  EXPECT_GT(shapetest::CountDifferent(ls.Pixels(), blank), 100u);

  auto copy = t->CreateEmpty();
  copy->DrawEndEvent = [](vk::TPicBase*) {};
  copy->Assign(*t);
  vk::ByteWriter copied;
  copy->SaveToBuffer(copied);
  EXPECT_EQ(copied.Bytes(), w.Bytes());
  EXPECT_TRUE(copy->DrawEndEvent);
}

// A text drawn again after any field its rendering reads has changed shows what a new
// text with those fields shows; a move keeps what was kept, and a text that goes gives
// its bytes back.
TEST(TextPic, KeptRenderingFollowsEveryFieldItWasMadeFrom) {
  const std::vector<std::pair<const char*, std::function<void(vk::TTextPic&)>>> changes = {
      {"text", [](vk::TTextPic& t) { t.Text.Text = "Wavy 3E"; }},
      {"font name", [](vk::TTextPic& t) { t.PicFont.Name = "DejaVu Serif"; }},
      {"size", [](vk::TTextPic& t) { t.PicFont.Size = 30; }},
      {"style", [](vk::TTextPic& t) { t.PicFont.Style = vk::kFontBold; }},
      {"colour", [](vk::TTextPic& t) { t.PicFont.Color = 0x00FF00; }},
      {"brush", [](vk::TTextPic& t) { t.PicBrush.SetColor(0xFFFF00); }},
      {"hatch", [](vk::TTextPic& t) {
         t.PicBrush.SetColor(0xFFFF00);
         t.PicBrush.Style = vk::kBrushCross;
       }},
      {"hollow", [](vk::TTextPic& t) { t.Hollow = 0; }},
      {"sided", [](vk::TTextPic& t) { t.Sided = 0; }},
      {"3-D", [](vk::TTextPic& t) { t.View3D = 0; }},
      {"box", [](vk::TTextPic& t) { t.ShapeRect.Right -= 20; }},  // clips the text
  };
  const size_t heldBefore = vk::TextInk::BytesHeld();
  for (const auto& [what, change] : changes) {
    SCOPED_TRACE(what);
    auto t = Committed("Wavy 3D", 20, 30, 28);
    t->Hollow = t->Sided = t->View3D = 1;
    Surface first;
    t->Draw(first.C());
    EXPECT_GT(vk::TextInk::BytesHeld(), heldBefore);  // kept
    change(*t);
    Surface again;
    t->Draw(again.C());
    auto fresh = Committed("", 0, 0);
    fresh->Assign(*t);
    Surface reference;
    {
      const vk::TextInk::Bypass bypass(true);
      fresh->Draw(reference.C());
    }
    EXPECT_EQ(shapetest::CountDifferent(again.Pixels(), reference.Pixels()), 0u);
    EXPECT_GT(shapetest::CountDifferent(again.Pixels(), first.Pixels()), 0u);  // the change shows
  }
  auto t = Committed("Moved", 20, 30, 28);
  t->View3D = 1;
  Surface here;
  t->Draw(here.C());
  const size_t held = vk::TextInk::BytesHeld();
  t->MoveBy(here.C(), {7, 5});
  Surface moved, reference;
  t->Draw(moved.C());
  EXPECT_EQ(vk::TextInk::BytesHeld(), held);
  {
    const vk::TextInk::Bypass bypass(true);
    t->Draw(reference.C());
  }
  EXPECT_EQ(shapetest::CountDifferent(moved.Pixels(), reference.Pixels()), 0u);
  t.reset();
  EXPECT_EQ(vk::TextInk::BytesHeld(), heldBefore);
}

}  // namespace
