#pragma once
// EditSession: the drawing editor without a window. It owns the drawing, the page picture
// with the bitmaps it is drawn on, the tools, the style defaults, the current object and
// the wait for another page; every command is one of its methods and runs in a
// CommandScope. It reaches the window only through an EditorHost.
#include <vector>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/DrawingFile.h"
#include "core/EditorArgs.h"
#include "core/EditorCommands.h"
#include "drawing/document/PicDocument.h"
#include "drawing/editor/PageSource.h"
#include "drawing/editor/RenderTracker.h"
#include "drawing/session/EditorHost.h"
#include "drawing/session/Tool.h"
#include "win/Canvas.h"
#include "win/Dib.h"

namespace vk {

class TTextPic;
class SelectionTool;
class CreateTool;
struct FigureKind;
struct PicMenuItem;

// The property bar's remembered line and fill, and what its swatches show.
struct StyleDefaults {
  int32_t LineWidth = 1;
  uint8_t LineStyle = 0;
  uint32_t LineColor = 255;
  uint32_t FillColor = 0xFFFFFF;
  uint32_t LineSwatch = 255;
  uint32_t FillSwatch = 0xFFFFFF;
  bool Fill = false;  // "Fill with color" is ticked
};

class EditSession {
 public:
  EditSession(EditorHost& host, const EditorArgs& args);
  ~EditSession();
  EditSession(const EditSession&) = delete;
  EditSession& operator=(const EditSession&) = delete;

  // Reads the page picture and enters its page; false when no page can be shown (the
  // user was told).
  bool Open();

  // --- what the window and the tests read ---
  PicDocument& Drawing() { return drawing_; }
  const PicDocument::List& Pics() const { return drawing_.PicList; }
  TPicBase* Current() const { return drawing_.CurPic; }
  int32_t Mode() const;
  bool Busy() const;
  int32_t PageNo() const { return pageNo_; }
  int32_t PageCount() const { return pageCount_; }
  const std::string& PageFile() const { return pageFile_; }
  const std::string& IniFileName() const { return iniFileName_; }
  bool WaitingForPage() const { return waitingForPage_; }
  // The page and its objects, and the surface's picture (that, with what gestures draw
  // on it since the last redraw).
  const win::Dib& Work() const { return workBmp_; }
  const win::Dib& Overlay() const { return imageBmp_; }
  TRect Taint() const { return taint_; }
  const StyleDefaults& Style() const { return style_; }
  // The tool button shown down: a tool's tag, kSelectDown for Select, or 0 for none.
  static constexpr int32_t kSelectDown = -1;
  int32_t ToolDown() const { return toolDown_; }
  bool CanCopy() const { return drawing_.IsListed(drawing_.CurPic); }
  bool CanPaste() const;
  bool CanClear() const { return !drawing_.PicList.empty(); }
  bool CanApply() const { return !drawing_.PicList.empty(); }
  TTextPic* TextTool() const;

  // --- the surface's mouse ---
  void Press(const PointerEvent& e);
  void Move(const PointerEvent& e);
  void Release(const PointerEvent& e);
  // The first half of a double click (its press follows as a Press).
  void DoubleClick(const PointerEvent& e);
  // Esc: an open entry and a gesture end, a half-made figure goes.
  void Escape();
  // Another window took the mouse in the middle of a press.
  void CaptureLost();

  // --- commands ---
  // A command by its identifier (toolbar buttons, their keys, the object menu).
  void Run(CommandId command, int32_t tag = 0);
  void ChooseTool(int32_t tag);
  void SelectTool();
  void Copy();
  void Cut();
  void Paste();
  void Delete();
  void Clear();
  // Ctrl+Z and Ctrl+Y: takes back or makes again the last change; during a gesture only
  // ends it (undo) or does nothing (redo).
  void UndoStep(bool redo);
  // Arrow keys: the selected objects (or the current one) move by offset.
  void MoveBy(TPoint offset);
  // Ctrl+A: every object of a kind this editor makes is selected.
  void SelectAll();
  // Tab and Shift+Tab: the next or previous such object in drawing order, alone.
  void SelectNext(bool back);
  // The selected objects go to the top or bottom of the drawing order, or one place up
  // or down, each keeping its order among them.
  enum class Order { ToFront, ToBack, Forward, Backward };
  void ChangeOrder(Order order);
  // What a command on the selection acts on: the selected objects when there are
  // several, otherwise the current object (listed or not); in drawing order.
  std::vector<TPicBase*> Targets() const;
  // The property bar. SetLineStyle and SetFill return false when there is no current
  // object to take the style (the controls stay as the user left them).
  void SetLineWidth(int32_t width);
  bool SetLineStyle(int32_t style);
  void PickLineColor();
  void PickFillColor();
  bool SetFill(bool on);
  // The object menu at the pointer, and one of its items.
  void PopupObjectMenu();
  void RunMenuItem(const PicMenuItem& item);
  // Apply: saves the page; true when the editor may close.
  bool Apply();
  // Exit or the close box: asks to save the drawing; false keeps the editor open.
  bool ConfirmClose();
  void SavePicture();
  void OpenDrawing();
  void NewDrawing();
  void ViewPicture();
  // Goto: saves this page and asks the host for page; the page shows once its picture
  // can be read (PageTimer).
  void Goto(int32_t page);
  void PageTimer();
  // Milliseconds since the awaited picture was last read.
  uint64_t MsSincePageRead() const;
  // Ends an open text entry: committed as a press in the picture does, or cancelled.
  void EndTextEdit(bool cancel);
  // Writes the page picture, drawing file and description of page; tells the user what
  // failed and returns false then.
  bool SavePage(int32_t page);

  // --- the pictures ---
  void RedrawAll(bool deselect, bool show);
  // The handles' half size at the view's scale; the next redraw shows them so.
  void SetHandleHalf(int32_t half);
  int32_t HandleHalf() const { return handleHalf_; }
  // The view's scale in percent (the text entry sits where the user clicked on the screen).
  void SetZoom(int32_t zoom) { zoom_ = zoom; }
  // The rebuild strategy: only what changed (the default), or everything on every redraw.
  void SetFullRebuild(bool full) { fullRebuild_ = full; }
  // Puts an object on top of the drawing, numbered by its position (tests and benchmarks).
  void AppendPic(std::unique_ptr<TPicBase> pic) { drawing_.AppendPic(std::move(pic)); }
  // Takes what was drawn on the overlay since the last look into the area to show.
  void TakeTaint();
  // The hit code of what the pointer is over at page point p, and that object's index:
  // the current object first, then the listed ones from the topmost down.
  uint8_t FindPicAt(TPoint p, int32_t& index);

 private:
  friend class CommandScope;
  friend class SelectionTool;
  friend class CreateTool;
  friend class TextCreateTool;
  friend class PenTool;

  // --- tools ---
  void CreateTools();
  CreateTool* CreatorOf(const FigureKind& figure) const;
  void UseTool(Tool& tool);
  void UseSelectTool();
  void NoteCursor();
  void CancelGesture();
  // A drawing mode ends as a double click ends it: a polyline is finished, Select is chosen.
  void FinishFigure(const PointerEvent& e);
  void LeaveDrawingMode();
  // Each of pics changed in place: the history and the redraw hear of it.
  void TouchAll(const std::vector<TPicBase*>& pics);
  void CopyGroup(const std::vector<TPicBase*>& pics);
  // The delete question, unless the user asked not to see it again; true to delete.
  bool ConfirmDelete();
  void PasteGroup();
  void OnPicDrawEnd(TPicBase* pic);
  void ReportTextTooLong(size_t length);
  win::Canvas& OverlayCanvas() { return *imageCanvas_; }
  void ToolButtonsUp();

  // --- pages (SessionPages.cpp) ---
  struct PagePictures {
    win::Dib Work, Image;
  };
  // A page picture read and ready to be shown, with the bitmaps for its size when the
  // ones shown have another.
  struct ReadyPicture {
    PageSource Source;
    std::unique_ptr<PagePictures> Bitmaps;
  };
  bool RefreshPage();
  bool PreparePicture(ReadyPicture& ready, std::string& error);
  void ShowPicture(ReadyPicture& ready);
  bool SwitchToPage(int32_t page, ReadyPicture& ready, const std::string& readError);
  void StopWaitingForPage();
  bool SavePageFiles(int32_t page);
  bool ReadDrawing(const std::string& fileName, PicDocument::List& pics);
  std::string PagePicturePath(int32_t page) const;
  std::string UnreadablePictureText(const std::string& picture, const std::string& error) const;
  std::string StandInTooLargeText(const std::string& picture, const std::string& error) const;
  void ShowOverlayRect(const TRect& rc);
  // The tracker takes the drawing's changes; what they spoil waits for the next redraw.
  void SyncIndex();
  // Draws on the work bitmap, in list order, the objects that may paint in dirty (whole:
  // it is the page).
  void DrawUnder(const TRect& dirty, bool whole);

  EditorHost& host_;
  int32_t imageWidth_, imageHeight_, pageCount_;
  std::string pageFile_;
  int32_t pageNo_ = 1;
  int32_t gotoPageNo_ = 0;
  std::string iniFileName_;
  std::string iconFile_;

  PicDocument drawing_;
  PicDocument::List& PicList = drawing_.PicList;
  TPicBase*& CurPic = drawing_.CurPic;
  TPicBase*& ClipPic = drawing_.ClipPic;

  // The tools: one per kind of figure (the rows of a kind share it), and the select tool.
  Gesture gesture_;
  std::unique_ptr<SelectionTool> select_;
  std::vector<std::unique_ptr<CreateTool>> creators_;
  Tool* tool_ = nullptr;
  int32_t toolDown_ = 0;
  int32_t shownMode_ = kModeArrow;
  int commandDepth_ = 0;  // CommandScope nesting

  StyleDefaults style_;
  bool noDeleteConfirm_ = false;

  // The pictures: the work bitmap (page + objects) and the surface's own picture, on
  // which rubber bands are drawn.
  win::Dib workBmp_;
  win::Dib imageBmp_;
  std::optional<win::Canvas> workCanvas_;  // made in place: taking new bitmaps cannot fail
  std::optional<win::Canvas> imageCanvas_;
  PageSource page_;
  RenderTracker tracker_;
  TRect taint_;    // what was drawn on the surface's picture since the last redraw
  std::vector<TRect> unshown_;  // what the work bitmap has that the surface has not shown yet
  std::vector<TRect> pendingAreas_;  // what the changes the tracker took since the last redraw spoil
  std::vector<const TPicBase*> found_;  // the index's answers, kept for their capacity
  int32_t handleHalf_ = HandleHalfSize;
  int32_t zoom_ = 100;
  bool fullRebuild_ = false;
  bool needFull_ = true;
  std::string damagedDrawing_;  // a drawing file read with damage; kept aside before it is replaced

  bool waitingForPage_ = false;
  uint64_t unreadableSince_ = 0;  // when the awaited picture was first seen unreadable
  uint64_t lastPageReadMs_ = 0;
  static constexpr uint64_t kUnreadablePageMs = 5000;
};

}  // namespace vk
