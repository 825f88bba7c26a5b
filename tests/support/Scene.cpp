#include "Scene.h"

#include "core/FigureMath.h"
#include "drawing/objects/ArccPic.h"
#include "drawing/objects/CircPic.h"
#include "drawing/objects/CurvePic.h"
#include "drawing/objects/LinePic.h"
#include "drawing/objects/PolyPic.h"
#include "drawing/objects/RectPic.h"
#include "drawing/objects/PicFuns.h"
#include "drawing/objects/RounPic.h"
#include "drawing/objects/TextPic.h"
#include "win/Dib.h"

namespace vkt {

namespace {

// One object of the kind at index % 7 in the cell (x, y, w, h); index / 7 varies the
// arc's and the polyline's type.
std::unique_ptr<vk::TPicBase> MakeFigure(int index, int x, int y, int w, int h) {
  const int variant = index / 7;
  switch (index % 7) {
    case 0: {
      auto l = std::make_unique<vk::TLinePic>();
      l->LineStart = {x, y};
      l->LineEnd = {x + w, y + h};
      return l;
    }
    case 1: {
      auto r = std::make_unique<vk::TRectPic>();
      r->ShapeRect = {x, y, x + w, y + h};
      return r;
    }
    case 2: {
      auto r = std::make_unique<vk::TRounPic>();
      r->ShapeRect = {x, y, x + w, y + h};
      r->CornerSize = vk::CornerSizeFor(r->ShapeRect, r->CornerRatioX, r->CornerRatioY);
      return r;
    }
    case 3: {
      auto c = std::make_unique<vk::TCircPic>();
      c->ShapeRect = {x, y, x + w, y + h};
      return c;
    }
    case 4: {
      // Three quarters, from the right round to the bottom.
      auto a = std::make_unique<vk::TArccPic>();
      a->PicArccType = static_cast<vk::TArccType>(variant % 3);
      a->ShapeRect = {x, y, x + w, y + h};
      a->StartPoint = {x + w, y + h / 2};
      a->EndPoint = {x + w / 2, y + h};
      return a;
    }
    case 5: {
      auto p = std::make_unique<vk::TPolyPic>();
      p->PolyType = variant % 2 ? vk::PolyClose : vk::PolyOpen;
      p->PolyPoint = {{x, y + h}, {x + w / 4, y}, {x + w / 2, y + h / 2}, {x + 3 * w / 4, y}, {x + w, y + h}};
      return p;
    }
    default: {
      // The control polygon covers the frame, so the frame's centre is on the body.
      auto c = std::make_unique<vk::TCurvePic>();
      c->CurvePointNum = 4;
      c->CurvePoints = {{{x, y + h}, {x, y}, {x + w, y}, {x + w, y + h}}};
      return c;
    }
  }
}

// count objects in a grid over the page, the kind at index % 7 taken from kinds.
std::vector<std::unique_ptr<vk::TPicBase>> MakeGrid(int count, int pageWidth, int pageHeight, int kinds) {
  std::vector<std::unique_ptr<vk::TPicBase>> out;
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  const int cols = 25;
  const int cellW = pageWidth / cols, rows = (count + cols - 1) / cols;
  const int cellH = rows ? std::max(pageHeight / rows, 30) : 30;
  for (int i = 0; i < count; ++i) {
    const int x = (i % cols) * cellW + 5, y = (i / cols) * cellH % std::max(pageHeight - 40, 1) + 5;
    const int w = std::max(cellW - 12, 20), h = std::min(std::max(cellH - 12, 20), 60);
    std::unique_ptr<vk::TPicBase> pic = MakeFigure(i % 7 < kinds ? i : i - i % 7, x, y, w, h);
    pic->PicPen.Width = 1 + (i % 4) * 2;
    pic->PicPen.Style = static_cast<uint8_t>(i % 7 == 3 ? vk::kPenDot : vk::kPenSolid);
    pic->PicPen.Color = 0x0000FFu ^ static_cast<uint32_t>(i * 0x030507);
    if (i % 5 == 1) pic->PicBrush.SetColor(0x00C0FFu);
    if (i % 11 == 4) pic->PicBrush.Style = vk::kBrushCross;
    pic->MoveBy(canvas, {0, 0});  // computes the bounding rect
    pic->Draw(canvas);            // an object knows its kind once it has been drawn
    out.push_back(std::move(pic));
  }
  return out;
}

}  // namespace

std::vector<std::unique_ptr<vk::TPicBase>> MakeScene(int count, int pageWidth, int pageHeight) {
  return MakeGrid(count, pageWidth, pageHeight, 7);
}

std::vector<std::unique_ptr<vk::TPicBase>> MakeLines(int count, int pageWidth, int pageHeight) {
  return MakeGrid(count, pageWidth, pageHeight, 1);
}

std::vector<std::unique_ptr<vk::TPicBase>> MakeTexts(int count, int pageWidth, int pageHeight) {
  std::vector<std::unique_ptr<vk::TPicBase>> out;
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas canvas(scratch.Dc());
  for (int i = 0; i < count; ++i) {
    auto t = std::make_unique<vk::TTextPic>();
    t->Text.Text = "Text " + std::to_string(i) + " with effects, forty characters long.";
    t->Text.Text.resize(40, '.');
    t->PicFont.Size = 60;
    t->PicFont.Color = 0x0000FFu ^ static_cast<uint32_t>(i * 0x050301);
    t->Hollow = t->Sided = t->View3D = 1;
    const int x = (i * 37) % std::max(pageWidth - 400, 1), y = (i * 53) % std::max(pageHeight - 60, 1);
    t->NormaliseRect({x, y}, {x + vk::MeasureText(t->Text.Text, t->PicFont, true),
                              y + vk::MeasureText(t->Text.Text, t->PicFont, false)});
    t->Draw(canvas);
    out.push_back(std::move(t));
  }
  return out;
}

std::unique_ptr<vk::TPicBase> MakeRect(int l, int t, int r, int b, bool filled) {
  auto p = std::make_unique<vk::TRectPic>();
  p->ShapeRect = {l, t, r, b};
  if (filled) p->PicBrush.SetColor(0x80FF80);
  vk::win::Dib scratch(1, 1);
  vk::win::Canvas c(scratch.Dc());
  p->MoveBy(c, {0, 0});
  return p;
}

}  // namespace vkt
