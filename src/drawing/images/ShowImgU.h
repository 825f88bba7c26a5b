#pragma once
// TShowImgF: the floating image window. It fills the screen and shows a picture: centred
// where it fits, and dragged with the left button where it is larger than the window. A
// right press or a double click closes it.
#include <windows.h>

#include <optional>

#include "core/ViewerPan.h"
#include "win/Dib.h"

namespace vk {

class TShowImgF {
 public:
  // Takes a copy of picture; HasPicture() is false when there is no memory for it.
  explicit TShowImgF(const win::Dib& picture);
  bool HasPicture() const { return Image1.Bits() != nullptr; }
  // Runs the window modally over owner until it is closed.
  void ShowModal(HWND owner);

 private:
  std::optional<LRESULT> OnMessage(HWND w, UINT msg, WPARAM wp, LPARAM lp);
  void FormCreate(HWND w);
  void Paint(HWND w);
  void Label1MouseDown(HWND w, bool left, TPoint p);
  void Label1MouseMove(HWND w, TPoint p);
  void Label1MouseUp();
  HCURSOR PanCursor() const;

  win::Dib Image1;
  int32_t clientW_ = 0, clientH_ = 0;
  ViewerPlacement placement_;
  bool dragging_ = false;
  TPoint down_, startPos_;
  PanBounds bounds_;
};

}  // namespace vk
