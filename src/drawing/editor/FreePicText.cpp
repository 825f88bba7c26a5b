// The text tool in the editor: its in-place edit, how the editor ends an open entry, and
// the font and effect items of the object menu.
#include <windows.h>

#include <commdlg.h>

#include <string>

#include "core/TextRecord.h"
#include "drawing/editor/FreePicU.h"
#include "drawing/objects/TextPic.h"
#include "win/Text.h"

namespace vk {

TTextPic* TFreePicF::TextTool() const { return dynamic_cast<TTextPic*>(tools_[PIC_TEXT].get()); }

void TFreePicF::AttachTextTool() {
  TTextPic* t = TextTool();
  if (!t) return;
  // The edit lives on the drawing surface, so it shows where the user clicked and
  // scrolls with the picture.
  t->SetEditParent(image1_);
  t->DrawEndEvent = [this, t](TPicBase* pic) {
    OnPicDrawEnd(pic);
    if (!t->LeftOutOfLastCommit().empty())
      ShowError("The drawing stores text in the system's code page, which has no place for these characters, so "
                "they were left out of the text: \u201C" +
                win::WideToUtf8(t->LeftOutOfLastCommit()) + "\u201D.");
  };
  t->TooLongEvent = [this](size_t length) { ReportTextTooLong(length); };
}

void TFreePicF::ReportTextTooLong(size_t length) {
  ShowError("The text is too long to be stored in a drawing: it has " + std::to_string(length) +
            " bytes, and a text may have at most " + std::to_string(kMaxTextLength) + ".");
}

bool TFreePicF::IsTextEdit(HWND w) const {
  const TTextPic* t = TextTool();
  return t && w && w == t->EditWindow();
}

void TFreePicF::EndTextEdit(bool cancel) {
  TTextPic* t = TextTool();
  if (!t || !t->EditShowing()) return;
  // Text typed counts even when none of it fits the code page: it is committed and the
  // user hears what was left out.
  const bool typed = t->InputMode && ::GetWindowTextLengthW(t->EditWindow()) > 0;
  const bool accept = !cancel && typed && !t->EditMode;
  t->Canvas = imageCanvas_ ? &*imageCanvas_ : nullptr;
  if (accept) t->SetText({kTextKeyAccept, t->EditText()});
  else t->SetText({kTextKeyCancel, {}});
}

void TFreePicF::N11Click() {
  auto* text = dynamic_cast<TTextPic*>(CurPic);
  if (!text) return;
  LOGFONTA lf = win::LogFontFor(text->PicFont, nullptr);
  CHOOSEFONTA cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = form_;
  cf.lpLogFont = &lf;
  cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
  cf.rgbColors = text->PicFont.Color;
  if (!::ChooseFontA(&cf)) return;
  // A page may have arrived while the dialog was open and taken the object away.
  if (CurPic != text) return;
  FontAttrs f;
  f.Name = lf.lfFaceName;
  f.Charset = lf.lfCharSet;
  f.Size = cf.iPointSize / 10;
  f.Style = static_cast<uint8_t>((lf.lfWeight >= FW_BOLD ? kFontBold : 0) | (lf.lfItalic ? kFontItalic : 0) |
                                 (lf.lfUnderline ? kFontUnderline : 0) | (lf.lfStrikeOut ? kFontStrikeOut : 0));
  f.Color = cf.rgbColors;
  text->PicFont = f;
  text->Canvas = imageCanvas_ ? &*imageCanvas_ : nullptr;
  text->SetText({kTextKeyAccept, text->Text.Text});
  RedrawAll(false, true);
}

void TFreePicF::N3D1Click(int32_t tag) {
  auto* text = dynamic_cast<TTextPic*>(CurPic);
  if (!text) return;
  switch (tag) {
    case 1: text->Hollow = text->Sided = text->View3D = 0; break;
    case 2: text->Hollow = 1; break;
    case 3: text->Sided = 1; break;
    case 4: text->View3D = 1; break;
    default: return;
  }
  RedrawAll(false, true);
}

}  // namespace vk
