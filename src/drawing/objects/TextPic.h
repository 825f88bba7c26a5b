#pragma once
// TTextPic: one line of text placed on the picture. A click with the text tool opens a
// borderless edit there; Enter commits, Esc abandons. The committed text is rendered off
// screen with the object's font, given its effects (hollow, then outline, then 3-D) and
// put on the picture with black as the transparent colour. Resizing by a handle fits the
// font size to the new box; dragging the body keeps it.
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "core/Geometry.h"
#include "drawing/objects/PicBase.h"
#include "drawing/objects/TextInk.h"
#include "win/Handle.h"

namespace vk {

class TTextPic : public TPicBase {
 public:
  // editParent: the window the in-place edit shows on, the one whose coordinates the
  // editor's mouse points are in. Objects that are never typed into get none.
  explicit TTextPic(HWND editParent = nullptr);
  ~TTextPic() override;

  void Draw(win::Canvas& canvas) override;
  void MoveBy(win::Canvas& canvas, TPoint offset) override;
  uint8_t HitTest(win::Canvas& canvas, TPoint p) override;
  win::Region CreateRegion(win::Canvas& canvas) override;
  void DrawFocus(win::Canvas& canvas) override;
  void DragTrack(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX, int32_t downY,
                 int32_t lastX, int32_t lastY, int32_t x, int32_t y) override;
  void DragEnd(win::Canvas& canvas, uint8_t hitCode, TRect rect, int32_t downX, int32_t downY,
               int32_t x, int32_t y) override;
  // Opens the edit at p (the right button does nothing); moves and releases do nothing.
  void DrawMouseDown(win::Canvas& canvas, TPicType kind, TMouseButton button, TShiftState shift,
                     TPoint p) override;
  // Also copies ShapeRect, Text, the effects, BkColor, Canvas and EditParent.
  void Assign(const TPicBase& source) override;
  bool LoadFromBuffer(ByteReader& r) override;
  void SaveToBuffer(ByteWriter& w) const override;
  std::unique_ptr<TPicBase> CreateEmpty() const override;

  // Ends an entry or re-commits: key 13 stores value's text (an empty one as a single
  // space), sizes the box to it, selects, renders and fires DrawEndEvent; key 27 drops
  // the entry. The edit is hidden and emptied either way. A text longer than
  // kMaxTextLength is refused: the entry is dropped, or the text kept as it was, and
  // TooLongEvent hears the refused length.
  void SetText(const TTextInfo& value);
  std::function<void(size_t length)> TooLongEvent;
  // Renders the text into the box topLeft..bottomRight (device units) of canvas.
  void Render(win::Canvas& canvas, TPoint topLeft, TPoint bottomRight);
  // ShapeRect and the bounding rect := the two points in logical units, normalised.
  void NormaliseRect(TPoint topLeft, TPoint bottomRight);

  bool EditShowing() const { return InputMode || EditMode; }
  // The edit's text in the system code page. Characters the code page cannot hold are
  // left out; the ones left out of the last commit are kept for the editor to report.
  std::string EditText() const;
  const std::wstring& LeftOutOfLastCommit() const { return leftOut_; }
  HWND EditWindow() const { return edit_.Get(); }
  void SetEditParent(HWND parent);

  TRect ShapeRect;  // logical units
  TTextInfo Text;   // its key is not stored
  // Any value but 0 switches an effect on; a value read from a file is kept as it was.
  uint8_t Hollow = 0, Sided = 0, View3D = 0;
  int32_t BkColor = 0;  // stored and copied; nothing draws with it
  TRect GhostRect;      // the outline last drawn while dragging
  std::array<TPoint, 8> Handles{};
  // The canvas last drawn on, not owned. The editor points it at a living canvas before
  // it asks for a commit; with none, nothing is drawn and units are taken as they are.
  win::Canvas* Canvas = nullptr;
  bool InputMode = false;
  bool EditMode = false;  // re-editing an existing text; nothing sets it yet
  HWND EditParent = nullptr;

 private:
  static LRESULT CALLBACK EditProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK ParentProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  // What the two procedures do, inside their error barrier.
  static LRESULT EditMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  static LRESULT ParentMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
  bool EnsureEdit();
  void HideEdit();
  void FitEditToText();
  std::array<TPoint, 2> ToLogical(TPoint a, TPoint b) const;
  // Renders the part of the box (device units) into bmp, black where there is no ink.
  bool RenderInk(win::Dib& bmp, const TRect& box, const TRect& part) const;
  // Puts the kept rendering of the box, made now when there is none for what the text is
  // now; false when the text is rendered in part instead (nothing kept fits, or the
  // canvas is not one of our bitmaps).
  bool PutKeptInk(win::Canvas& canvas, const TRect& box);

  win::Window edit_;
  win::Font editFont_;
  HWND subclassedParent_ = nullptr;
  bool ghostShown_ = false;
  mutable std::wstring typedLeftOut_;  // what EditText() had to leave out
  std::wstring leftOut_;
  std::unique_ptr<TextInk> ink_;
};

}  // namespace vk
