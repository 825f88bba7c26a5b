// Drawing and editing lines, rectangles and ellipses with real mouse and keyboard input,
// through the page host's side of the library; the result is read back from the files.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>

#include "E2eFiles.h"
#include "GuiDriver.h"
#include "HostSession.h"
#include "core/ViewZoom.h"
#include "win/Canvas.h"
#include "win/Handle.h"

namespace {

struct TPointPair {
  vk::TPoint A, B;
};

pagehost::HostOptions Options(const std::string& name) {
  pagehost::HostOptions o;
  o.Dir = vkt::FreshFolder(name);
  o.PageWidth = 1240;
  o.PageHeight = 1754;
  o.WindowWidth = 1000;
  o.WindowHeight = 720;
  return o;
}

// Select with a click, hover, then drag: in arrow mode a drag that starts without a hover
// cursor scrolls the page. The pause keeps the press from making a double click.
void DragBody(POINT from, POINT to) {
  vkt::Click(from.x, from.y);
  ::Sleep(::GetDoubleClickTime() + 50);
  vkt::MouseMove(from.x + 1, from.y);
  vkt::MouseMove(from.x, from.y);
  vkt::Drag(from, to);
}

// A line (100,100)-(300,150), a rectangle (400,100)-(550,220) and an ellipse
// (100,300)-(260,420), in page pixels; then Select.
void DrawLineRectangleAndEllipse(const vkt::HostedEditor& e) {
    e.Press("SpeedButton8");
    vkt::Drag(e.Page(100, 100), e.Page(300, 150));
    e.Press("SpeedButton9");
    vkt::Drag(e.Page(400, 100), e.Page(550, 220));
    e.Press("SpeedButton11");
    vkt::Drag(e.Page(100, 300), e.Page(260, 420));
    e.Press("SpeedButtonSelect");
}

TEST(ShapesE2e, DrawSelectMoveNudgeAndResizeWithCtrl) {
  const pagehost::HostOptions opt = Options("shapes");
  ASSERT_TRUE(vkt::RunHosted(opt, [](vkt::HostedEditor& e) {
    DrawLineRectangleAndEllipse(e);
    // Move the rectangle by its top edge (away from its handles), then nudge it.
    DragBody(e.Page(440, 101), e.Page(470, 121));
    for (int i = 0; i < 3; ++i) vkt::KeyTap(VK_RIGHT);
    for (int i = 0; i < 2; ++i) vkt::KeyTap(VK_DOWN);
    // Its bottom-right handle is now at (583, 242); Ctrl keeps the centre in place.
    vkt::MouseMove(e.Page(583, 242).x, e.Page(583, 242).y);
    vkt::MouseMove(e.Page(583, 243).x, e.Page(583, 243).y);
    vkt::XKey("keydown", "ctrl");
    vkt::Drag(e.Page(583, 242), e.Page(603, 262));
    vkt::XKey("keyup", "ctrl");
    ASSERT_TRUE(e.Apply());
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 3u);
  EXPECT_EQ(objs[0].Kind, 1);
  EXPECT_EQ(objs[0].A, (vk::TPoint{100, 100}));
  EXPECT_EQ(objs[0].B, (vk::TPoint{300, 150}));
  EXPECT_EQ(objs[1].Kind, 2);
  EXPECT_EQ(objs[1].A, (vk::TPoint{413, 102}));  // moved by (30, 20) + (3, 2), grown 20 on every side
  EXPECT_EQ(objs[1].B, (vk::TPoint{603, 262}));
  EXPECT_EQ(objs[2].Kind, 4);
  EXPECT_EQ(objs[2].A, (vk::TPoint{100, 300}));
  EXPECT_EQ(objs[2].B, (vk::TPoint{260, 420}));
  for (size_t i = 0; i < objs.size(); ++i) {
    EXPECT_EQ(objs[i].Common.picIndex, static_cast<int32_t>(i));
    EXPECT_FALSE(objs[i].Common.choosed);
    EXPECT_EQ(objs[i].Common.pen.Width, 2);  // the property bar's step 1, solid
  }
  const std::vector<uint8_t> iniBytes = vkt::FileBytes(opt.Dir + "1.ini");
  const std::string ini(iniBytes.begin(), iniBytes.end());
  EXPECT_NE(ini.find("[SysInfo]\r\nImageCount=3\r\nLine=1\r\nRect=1\r\nCircle=1\r\n"), std::string::npos) << ini;
}

// Three rectangles; Shift+click the first two (on their top edges, away from the
// handles), drag one of them, bring both to the front: they follow the third, in their order.
TEST(ShapesE2e, ShiftClickTwoDragThemTogetherAndBringThemToTheFront) {
  const pagehost::HostOptions opt = Options("several");
  ASSERT_TRUE(vkt::RunHosted(opt, [](vkt::HostedEditor& e) {
    e.Press("SpeedButton9");
    for (int x : {100, 300, 500}) vkt::Drag(e.Page(x, 100), e.Page(x + 100, 170));
    e.Press("SpeedButtonSelect");
    ASSERT_TRUE(vkt::XKey("keydown", "shift"));
    for (int x : {125, 325}) vkt::Click(e.Page(x, 101).x, e.Page(x, 101).y);
    vkt::XKey("keyup", "shift");
    ::Sleep(::GetDoubleClickTime() + 50);  // the drag's press must not make a double click
    vkt::Drag(e.Page(325, 101), e.Page(345, 111));
    vkt::KeyTap(VK_OEM_6, true, true);
    ASSERT_TRUE(e.Apply());
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 3u);
  const TPointPair expected[] = {{{500, 100}, {600, 170}}, {{120, 110}, {220, 180}}, {{320, 110}, {420, 180}}};
  for (size_t i = 0; i < objs.size(); ++i) {
    EXPECT_EQ(objs[i].Kind, 2);
    EXPECT_EQ(objs[i].A, expected[i].A) << i;
    EXPECT_EQ(objs[i].B, expected[i].B) << i;
    EXPECT_EQ(objs[i].Common.picIndex, static_cast<int32_t>(i));
  }
}

// Hover over p (a click has left a press pending, so the hover cursor follows), then a
// right press with a move, which opens the object menu, and keys through it.
void MenuKeys(POINT p, std::initializer_list<WORD> keys) {
  vkt::MouseMove(p.x + 1, p.y);
  vkt::MouseMove(p.x, p.y);
  vkt::MouseButton(p.x, p.y, true, true);
  vkt::MouseMove(p.x + 2, p.y);
  vkt::MouseButton(p.x + 2, p.y, false, true);
  ::Sleep(300);
  for (WORD k : keys) vkt::KeyTap(k);
  ::Sleep(200);
}

// Samples of what the screen shows in a window's client area.
std::vector<COLORREF> Samples(HWND w) {
  RECT rc{};
  ::GetClientRect(w, &rc);
  HDC dc = ::GetDC(nullptr);
  std::vector<COLORREF> out;
  for (int y = 40; y < rc.bottom; y += 37)
    for (int x = 40; x < rc.right; x += 53) {
      const POINT p = vkt::ClientToScreenPt(w, x, y);
      out.push_back(::GetPixel(dc, p.x, p.y));
    }
  ::ReleaseDC(nullptr, dc);
  return out;
}

// Width or height of text in the editor's default font (10 points), plus 2, as the
// editor sizes a text's box.
int DefaultFontExtent(const char* text, bool horizontal) {
  vk::FontAttrs font;  // the editor's default
  const vk::win::MemoryDc dc(::CreateCompatibleDC(nullptr));
  const vk::win::Font f = vk::win::MakeFont(font, dc.Get());
  const vk::win::SelectGuard use(dc.Get(), f.Get());
  SIZE sz{};
  ::GetTextExtentPoint32A(dc.Get(), text, static_cast<int>(std::strlen(text)), &sz);
  return (horizontal ? sz.cx : sz.cy) + 2;
}

TEST(ShapesE2e, TypeATextGiveItEffectsResizeItViewThePageAndApply) {
  const pagehost::HostOptions opt = Options("text");
  const int right = 100 + DefaultFontExtent("hello", true), midY = 100 + DefaultFontExtent("hello", false) / 2;
  ASSERT_TRUE(vkt::RunHosted(opt, [&](vkt::HostedEditor& e) {
    vkt::KeyTap('T', true, true);
    vkt::Click(e.Page(100, 100).x, e.Page(100, 100).y);
    for (WORD k : {'H', 'E', 'L', 'L', 'O'}) vkt::KeyTap(k);
    vkt::KeyTap(VK_RETURN);
    e.Press("SpeedButtonSelect");
    // Select it by its body, then hollow, outline and 3-D from the menu's effects.
    const POINT body = e.Page(110, 105);
    vkt::Click(body.x, body.y);
    ::Sleep(::GetDoubleClickTime() + 50);  // the menu's press must not make a double click with it
    for (WORD item : {'X', 'B', 'O'}) MenuKeys(body, {'G', item});
    // Its right handle sits on the middle of the right edge; drag it 150 pixels on.
    vkt::MouseMove(e.Page(right, midY).x - 1, e.Page(right, midY).y);
    vkt::MouseMove(e.Page(right, midY).x, e.Page(right, midY).y);
    vkt::Drag(e.Page(right, midY), e.Page(right + 150, midY));
    vkt::KeyTap(VK_F5);
    HWND viewer = vkt::WaitForWindow(L"#32770", L"查看编辑的文字,图象宽x高：1240x1754");
    ASSERT_TRUE(viewer);
    ::Sleep(300);
    const std::vector<COLORREF> before = Samples(viewer);
    const POINT from = vkt::ClientToScreenPt(viewer, 640, 600);
    vkt::Drag(from, {from.x, from.y - 300});
    ::Sleep(300);
    EXPECT_NE(Samples(viewer), before);  // the page moved up
    vkt::Click(from.x, from.y, true);
    ASSERT_TRUE(vkt::WaitFor([&] { return !::IsWindow(viewer); }, 3000));
    ASSERT_TRUE(e.Apply());
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 1u);
  EXPECT_EQ(objs[0].Kind, vk::PIC_TEXT);
  EXPECT_EQ(objs[0].Text, "hello");
  EXPECT_EQ(objs[0].A, (vk::TPoint{100, 100}));
  EXPECT_EQ(objs[0].Hollow + objs[0].Sided * 2 + objs[0].View3D * 4, 7);
  // The font grew until the text filled the dragged box, and the box fits the text again.
  EXPECT_GT(objs[0].Common.font.Size, 10);
  EXPECT_GT(objs[0].B.X, right + 50);
  EXPECT_LE(objs[0].B.X, right + 152);
  const std::vector<uint8_t> iniBytes = vkt::FileBytes(opt.Dir + "1.ini");
  const std::string ini(iniBytes.begin(), iniBytes.end());
  EXPECT_NE(ini.find("[SysInfo]\r\nImageCount=1\r\nLine=0\r\nRect=0\r\nCircle=0\r\n"), std::string::npos) << ini;
}


using vk::TPoint;

// Selects an object by a click on its body, then drags one of its handles.
void DragHandle(const vkt::HostedEditor& e, POINT body, POINT from, POINT to) {
  vkt::Click(e.Page(body.x, body.y).x, e.Page(body.x, body.y).y);
  ::Sleep(::GetDoubleClickTime() + 50);  // the drag's press must not make a double click with it
  vkt::MouseMove(e.Page(from.x + 1, from.y).x, e.Page(from.x + 1, from.y).y);
  vkt::MouseMove(e.Page(from.x, from.y).x, e.Page(from.x, from.y).y);
  vkt::Drag(e.Page(from.x, from.y), e.Page(to.x, to.y));
}

void ClickAt(const vkt::HostedEditor& e, int x, int y, bool right = false) {
  vkt::MouseMove(e.Page(x, y).x, e.Page(x, y).y);
  vkt::Click(e.Page(x, y).x, e.Page(x, y).y, right);
}

TEST(ShapesE2e, EveryNewKindDrawnEditedSavedAndDescribed) {
  const pagehost::HostOptions opt = Options("figures");
  ASSERT_TRUE(vkt::RunHosted(opt, [](vkt::HostedEditor& e) {
    e.Press("SpeedButton10");  // rounded rectangle
    vkt::Drag(e.Page(100, 100), e.Page(300, 220));
    vkt::KeyTap('A', true, true);  // arc: the circle, then the end angle
    vkt::Drag(e.Page(500, 200), e.Page(560, 200));
    ClickAt(e, 500, 100);
    vkt::KeyTap('S', true, true);  // a sector: counted, not described
    vkt::Drag(e.Page(850, 150), e.Page(890, 150));
    ClickAt(e, 850, 60);
    e.Press("SpeedButton13");  // polyline, finished by a right click
    for (POINT p : {POINT{100, 400}, POINT{200, 450}, POINT{300, 400}}) ClickAt(e, p.x, p.y);
    ClickAt(e, 300, 400, true);
    vkt::KeyTap('B', true, true);  // curve: start, end, two control points
    for (POINT p : {POINT{500, 450}, POINT{700, 450}, POINT{550, 350}, POINT{650, 520}}) ClickAt(e, p.x, p.y);

    e.Press("SpeedButtonSelect");
    DragHandle(e, {200, 101}, {167, 100}, {200, 130});  // corner handle: ratio 1/2
    DragHandle(e, {542, 158}, {500, 140}, {440, 200});  // the arc's end, round to the left
    DragHandle(e, {150, 425}, {200, 450}, {200, 500});  // the middle vertex
    DragHandle(e, {550, 420}, {550, 350}, {550, 320});  // the first control point
    ASSERT_TRUE(e.Apply());
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 5u);
  EXPECT_EQ(objs[0].Kind, 3);
  EXPECT_EQ(objs[0].A, (TPoint{100, 100}));
  EXPECT_EQ(objs[0].B, (TPoint{300, 220}));
  EXPECT_EQ(objs[0].Points, (std::vector<TPoint>{{100, 40}}));
  EXPECT_EQ(objs[1].Kind, 5);
  EXPECT_EQ(objs[1].Type, 0);
  EXPECT_EQ(objs[1].A, (TPoint{440, 140}));
  EXPECT_EQ(objs[1].B, (TPoint{560, 260}));
  EXPECT_EQ(objs[1].Points, (std::vector<TPoint>{{560, 200}, {440, 200}}));
  EXPECT_EQ(objs[2].Kind, 5);
  EXPECT_EQ(objs[2].Type, 1);
  EXPECT_EQ(objs[3].Kind, 6);
  EXPECT_EQ(objs[3].Type, 0);
  EXPECT_EQ(objs[3].Points, (std::vector<TPoint>{{100, 400}, {200, 500}, {300, 400}}));
  EXPECT_EQ(objs[4].Kind, 7);
  EXPECT_EQ(objs[4].Points, (std::vector<TPoint>{{500, 450}, {550, 320}, {650, 520}, {700, 450}}));
  for (size_t i = 0; i < objs.size(); ++i) EXPECT_EQ(objs[i].Common.picIndex, static_cast<int32_t>(i));

  const std::vector<uint8_t> iniBytes = vkt::FileBytes(opt.Dir + "1.ini");
  const std::string ini(iniBytes.begin(), iniBytes.end());
  for (const char* part :
       {"[SysInfo]\r\nImageCount=5\r\n", "[mLine1]\r\nColor=255,0,0\r\nLineWidth=2\r\nLineType=0\r\nXY=100,400,200,500,300,400,\r\n",
        "[Arc1]\r\nStartX=440\r\nStartY=140\r\nEndX=560\r\nEndY=260\r\nArcSX=560\r\nArcSY=200\r\nArcEX=440\r\nArcEY=200\r\n",
        "[Round1]\r\nStartX=100\r\nStartY=100\r\nEndX=300\r\nEndY=220\r\nCurvW=100\r\nCurvH=40\r\n",
        "Line=0\r\nRect=0\r\nCircle=0\r\nRoundRect=1\r\nArc=1\r\nmLine=1\r\n"})
    EXPECT_NE(ini.find(part), std::string::npos) << part << "\n" << ini;
  EXPECT_EQ(ini.find("Arc2"), std::string::npos);
}

TEST(ShapesE2e, UndoAndRedoKeysReachTheFiles) {
  const pagehost::HostOptions opt = Options("undo");
  ASSERT_TRUE(vkt::RunHosted(opt, [](vkt::HostedEditor& e) {
    DrawLineRectangleAndEllipse(e);
    vkt::Click(e.Page(440, 101).x, e.Page(440, 101).y);
    vkt::KeyTap(VK_DELETE);
    ASSERT_TRUE(vkt::AnswerDialog(L"Quillora Studio", IDYES));
    vkt::KeyTap('Z', true);  // the rectangle is back
    vkt::KeyTap('Z', true);  // the ellipse goes
    vkt::KeyTap('Y', true);  // and comes back
    ASSERT_TRUE(e.Apply());
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 3u);
  const uint8_t kinds[] = {1, 2, 4};
  const vk::TPoint corners[][2] = {{{100, 100}, {300, 150}}, {{400, 100}, {550, 220}}, {{100, 300}, {260, 420}}};
  for (size_t i = 0; i < objs.size(); ++i) {
    EXPECT_EQ(objs[i].Kind, kinds[i]);
    EXPECT_EQ(objs[i].A, corners[i][0]);
    EXPECT_EQ(objs[i].B, corners[i][1]);
    EXPECT_EQ(objs[i].Common.picIndex, static_cast<int32_t>(i));
    EXPECT_FALSE(objs[i].Common.choosed);
  }
}

// Ctrl+0 fits the page; a line drawn there is stored in the page pixels under the pointer.
TEST(ShapesE2e, ALineDrawnAtTheFitScaleIsStoredInPagePixels) {
  const pagehost::HostOptions opt = Options("zoom-fit");
  int32_t zoom = 0;
  POINT from{}, to{};
  ASSERT_TRUE(vkt::RunHosted(opt, [&](vkt::HostedEditor& e) {
    vkt::KeyTap('0', true);
    wchar_t text[16] = {};
    ASSERT_TRUE(vkt::WaitFor([&] {
      ::GetWindowTextW(e.Control("lblZoom"), text, 16);
      zoom = static_cast<int32_t>(std::wcstol(text, nullptr, 10));
      return zoom != 100;
    }, 3000));
    from = {200 * zoom / 100, 300 * zoom / 100};
    to = {1100 * zoom / 100, 1500 * zoom / 100};
    e.Press("SpeedButton8");
    vkt::Drag(e.Page(from.x, from.y), e.Page(to.x, to.y));
    ASSERT_TRUE(e.Apply());
  }));
  EXPECT_LT(zoom, 100);
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 1u);
  EXPECT_EQ(objs[0].A, (vk::TPoint{vk::ViewToPage(from.x, zoom), vk::ViewToPage(from.y, zoom)}));
  EXPECT_EQ(objs[0].B, (vk::TPoint{vk::ViewToPage(to.x, zoom), vk::ViewToPage(to.y, zoom)}));
}

// Ctrl+Shift+F picks the pen; a stroke drawn at 50 % is stored in page pixels, as an open
// polyline the page description lists as an mLine.
TEST(ShapesE2e, AStrokeOfThePenAtHalfScaleIsAnOpenPolylineInPagePixels) {
  const pagehost::HostOptions opt = Options("pen");
  ASSERT_TRUE(vkt::RunHosted(opt, [&](vkt::HostedEditor& e) {
    auto zoom = [&] {
      wchar_t text[16] = {};
      ::GetWindowTextW(e.Control("lblZoom"), text, 16);
      return static_cast<int32_t>(std::wcstol(text, nullptr, 10));
    };
    for (int i = 0; i < 8 && zoom() > 50; ++i) {
      const int32_t before = zoom();
      vkt::KeyTap(VK_OEM_MINUS, true);
      ASSERT_TRUE(vkt::WaitFor([&] { return zoom() != before; }, 3000));
    }
    ASSERT_EQ(zoom(), 50);
    vkt::KeyTap('F', true, true);
    // An L: right 100 view pixels, then down 50.
    const POINT a = e.Page(100, 100), b = e.Page(200, 100), c = e.Page(200, 150);
    vkt::MouseMove(a.x, a.y);
    vkt::MouseButton(a.x, a.y, true);
    for (int i = 1; i <= 10; ++i) vkt::MouseMove(a.x + (b.x - a.x) * i / 10, a.y);
    for (int i = 1; i <= 10; ++i) vkt::MouseMove(b.x, b.y + (c.y - b.y) * i / 10);
    vkt::MouseButton(c.x, c.y, false);
    ASSERT_TRUE(e.Apply());
  }));
  std::vector<vkt::SavedObject> objs;
  ASSERT_TRUE(vkt::ReadSavedObjects(opt.Dir + "Page1.fdf", objs));
  ASSERT_EQ(objs.size(), 1u);
  EXPECT_EQ(objs[0].Kind, 6);
  EXPECT_EQ(objs[0].Type, 0);  // open
  EXPECT_EQ(objs[0].Points, (std::vector<vk::TPoint>{{200, 200}, {400, 200}, {400, 300}}));
  const std::vector<uint8_t> ini = vkt::FileBytes(opt.Dir + "1.ini");
  const std::string text(ini.begin(), ini.end());
  EXPECT_NE(text.find("mLine=1\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[mLine1]"), std::string::npos) << text;
}

}  // namespace
