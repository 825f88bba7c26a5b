#pragma once
// What the editing session needs from a window. The editor form implements it over its
// controls and the common dialogs; a test implements it with scripted answers.
#include <windows.h>

#include <cstdint>
#include <string>

#include "core/Geometry.h"
#include "core/PicAttrs.h"

namespace vk {

struct PicMenuEnabling;
namespace win {
class Dib;
}

enum class Question { ClearAll, SaveBeforeNew, SaveOnClose };
enum class FileDialog { SavePicture, OpenDrawing };

class EditorHost {
 public:
  // The overlay's pixels in pageRect (page pixels) changed: show them.
  virtual void ShowRect(const TRect& pageRect) = 0;
  // The page bitmaps took another size: the drawing area takes the new one.
  virtual void PageResized() = 0;
  // The surface's cursor (a mode value of the session).
  virtual void CursorChanged(int32_t mode) = 0;
  virtual void CaptureMouse(bool capture) = 0;
  // The view's scroll position (view pixels), and scrolling it, held to its range.
  virtual POINT ScrollPosition() = 0;
  virtual void ScrollTo(POINT position) = 0;

  virtual bool AskYesNo(Question question) = 0;
  // The delete question with its "do not ask again" box: true for Yes only.
  virtual bool AskDelete(bool& dontAskAgain) = 0;
  virtual void ShowError(const std::string& utf8Text) = 0;
  // The dialogs: each starts from the value given and returns false when cancelled.
  virtual bool PickColor(uint32_t& color) = 0;
  virtual bool PickFont(FontAttrs& font) = 0;
  virtual bool PickLineWidth(int32_t& width) = 0;
  // A file name in the system code page; empty when cancelled.
  virtual std::string PickFile(FileDialog dialog) = 0;
  // The object menu at the pointer: the index of the chosen item in PicMenuItems(), or -1.
  virtual int PickMenuItem(const PicMenuEnabling& enabling) = 0;
  // Shows a picture in a window of its own until the user closes it; false when it
  // cannot be shown.
  virtual bool ShowPicture(const win::Dib& picture) = 0;

  // The window the text entry shows on: the drawing surface, in view pixels.
  virtual HWND TextEntryParent() = 0;

  // Asks the host for a page, and watches the page folder while it is awaited (the
  // surface takes no input then); folder empty: the wait is over.
  virtual void SendPageMessage(int32_t page) = 0;
  virtual void WaitForPage(const std::string& folder) = 0;

  // Parts of the session's state that the controls show changed: the tool chosen
  // (ToolDown), the enabling of the clipboard and list commands (CanCopy, CanPaste,
  // CanClear), the swatches' colours (Style), the page shown (PageNo).
  virtual void ToolsChanged() = 0;
  virtual void EnablingChanged() = 0;
  virtual void StyleChanged() = 0;
  virtual void PageNumberChanged() = 0;

 protected:
  ~EditorHost() = default;
};

}  // namespace vk
