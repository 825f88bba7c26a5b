#pragma once
// TFreePicF: the editor window. It owns the drawing (a PicDocument), the tool templates,
// the work bitmap and its controls, and turns the user's input into operations on the
// picture objects and the drawing.
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/DrawingFile.h"
#include "core/EditorArgs.h"
#include "core/EditorLayout.h"
#include "core/ViewZoom.h"
#include "drawing/document/PicDocument.h"
#include "drawing/editor/PageSource.h"
#include "drawing/editor/RenderTracker.h"
#include "drawing/objects/PicBase.h"
#include "win/Canvas.h"
#include "win/Dib.h"
#include "win/Handle.h"

namespace vk {

class TTextPic;

// Mode values of the drawing surface (its cursor), as the editor's handlers read them.
enum : int32_t {
  kModeArrow = -2,
  kModeSizeNWSE = -8,
  kModeSizeNS = -7,
  kModeSizeNESW = -6,
  kModeSizeWE = -9,
  kModeMove = -22,
  kModeLineEnd = 31,
  kModeTrunVer = 32,
  kModeWait = -11,
};

class TFreePicF {
 public:
  explicit TFreePicF(const EditorArgs& args);  // FormCreate
  ~TFreePicF();
  TFreePicF(const TFreePicF&) = delete;
  TFreePicF& operator=(const TFreePicF&) = delete;

  // Creates the window, shows it and runs its modal loop until it closes.
  void ShowModal();

  // --- what tests and the redraw benchmark look at ---
  HWND Handle() const { return form_; }
  // A toolbar or property bar control by name ("ToolTips" for the toolbar's tooltips).
  HWND ControlHandle(const char* name) const;
  HWND SurfaceHandle() const { return image1_; }
  HWND ScrollBoxHandle() const { return scrollBox1_; }
  const std::vector<std::unique_ptr<TPicBase>>& Pics() const { return PicList; }
  int32_t Mode() const { return mode_; }
  int32_t CurrentPageNo() const { return PageNo; }
  const std::string& CurrentPageFile() const { return PageFile; }
  const win::Dib& ImagePicture() const { return imageBmp_; }
  const win::Dib& WorkBitmap() const { return WorkBmp; }
  TPicBase* Current() const { return CurPic; }
  PicDocument& Drawing() { return drawing_; }
  // The rebuild strategy: only what changed (the default), or everything on every redraw.
  void SetFullRebuild(bool full) { fullRebuild_ = full; }

  void RedrawAll(bool deselect, bool show);
  // The view's scale in percent; zooming keeps the page point at anchor (scroll box client
  // coordinates) in place. Fit shows the whole page, and again after a page change.
  int32_t Zoom() const { return zoom_; }
  void ZoomTo(int32_t zoom, POINT anchor);
  void ZoomTo(int32_t zoom) { ZoomTo(zoom, ViewCentre()); }
  void FitPage();
  // Puts an object on top of the drawing, numbered by its position (tools and tests).
  void AppendPic(std::unique_ptr<TPicBase> pic);
  // Writes the page picture, drawing file and description of page; tells the user what
  // failed and returns false then.
  bool SavePage(int32_t page);
  // Ctrl+Z, Ctrl+Y and the object menu's Undo and Redo: takes back or makes again the
  // last change, or, during a gesture, only ends the gesture (undo) or nothing (redo).
  void UndoStep(bool redo);

 private:
  friend class EditorWindows;

  // --- life of the form ---
  void CreateControls();
  void AddToolTips();
  bool FormShow();  // false: the page cannot be shown (the user was told) and the editor ends
  bool FormClose();  // false keeps the window open (a failed save)
  void FormResize();
  void CreateTools();
  void FreeTools();
  void CenterImage();
  void PlaceImage();
  // Both page bitmaps at one new size, made aside before either replaces the ones shown,
  // so the two are always the same size.
  struct PagePictures {
    win::Dib Work, Image;
  };
  // A page picture read and ready to be shown, with the bitmaps for its size when the ones
  // shown have another.
  struct ReadyPicture {
    PageSource Source;
    std::unique_ptr<PagePictures> Bitmaps;
  };
  // Makes ready's bitmaps when its size needs them; false (error says why) when they
  // cannot be made.
  bool PreparePicture(ReadyPicture& ready, std::string& error);
  // Shows a prepared picture; nothing in it can fail.
  void ShowPicture(ReadyPicture& ready);
  void PicturesResized();
  void ApplyScroll(int bar, int32_t pos);
  int32_t ScrollPos(int bar) const;
  LRESULT OnFormMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnScrollBoxMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnSurfaceMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnPanelMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  void OnCommand(HWND ctl, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& dis);
  bool PreviewKey(const MSG& msg);
  void RequestClose();
  void RunModalLoop();
  static uint64_t PageReadClock();  // milliseconds
  void ShowError(const std::string& utf8Text);
  // A path of the host's code page as UTF-8 message text, in quotes.
  static std::string QuotedPath(const std::string& ansiPath);
  // Fills a window's client area with the bars' background.
  void FillWithBarColour(HWND wnd, HDC dc) const;

  // --- toolbar ---
  void OnToolButton(size_t index);
  void OnHiddenCommand(const std::string& name);
  void SetButtonEnabled(const char* name, bool enabled);
  void SetButtonDown(const char* name, bool down);
  void SpeedButtonApplyClick();
  void SpeedButtonExitClick();
  void tmr1Timer();
  void OnPicDrawEnd(TPicBase* pic);

  // --- tools and mouse ---
  void SetMode(int32_t mode);
  HCURSOR CursorForMode(int32_t mode) const;
  bool ToolExists(int32_t tag) const;
  void SpeedButton8Click(int32_t tag);
  void SpeedButtonSelectClick();
  uint8_t FindPicAt(TPoint p, int32_t& index);
  void UpdateHoverCursor(int32_t x, int32_t y);
  // Where the last mouse message on the surface was, in the scroll box's client coordinates.
  POINT SurfaceToBox() const;
  void Image1MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void Image1MouseMove(TShiftState shift, int32_t x, int32_t y);
  void Image1MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  void Image1DblClick();
  void OnSurfaceMouse(UINT msg, WPARAM wp, int x, int y);
  void OnSurfaceCaptureLost(HWND newCapture);
  // Ends a press-drag-release or a figure being made: final until the next press.
  void CancelGesture();
  // A press is held or a figure is being built over several presses.
  bool GestureInProgress() const;
  void FormKeyDown(UINT key);

  // --- selection, clipboard, object list ---
  // Records what the last command changed as one step of the history.
  void CommitChange(uint32_t group = DrawingHistory::kNoGroup);
  void SpeedButton4Click(int32_t tag);
  void UpdateEditButtons();
  void RenumberPics();
  void ClearPics();
  void SpeedButton20Click();
  void SpeedButton1Click();
  void PopupPicMenu();
  void OnPicMenuItem(const struct PicMenuItem& item);

  // --- property bar and style items ---
  void InstallPropertyBarFilters();
  bool FillTicked() const;
  void OnPropCommand(size_t index, int code);
  void cbbLineWExit();
  void cbbLineWChange();
  void cbbLineStypeChange();
  void cbbLineStypeDrawItem(const DRAWITEMSTRUCT& dis);
  void pnlLineColorClick();
  void pnlFillColorClick();
  void schckbxFillColorClick();
  void N1Click();
  void N20Click(int32_t tag);
  void N3Click(int32_t tag);
  void N10Click(int32_t tag);
  void N26Click(int32_t tag);

  // --- the text tool and its menu items ---
  TTextPic* TextTool() const;
  void AttachTextTool();
  // The message for a text that is not placed or pasted because no drawing file could hold it.
  void ReportTextTooLong(size_t length);
  bool IsTextEdit(HWND w) const;
  // Ends an open text entry: committed as a press in the picture does, or cancelled.
  void EndTextEdit(bool cancel);
  void N11Click();
  void N3D1Click(int32_t tag);

  // --- drawing file and page files ---
  std::string PagePicturePath(int32_t page) const;
  bool WriteDrawing(const std::string& fileName, DrawingSignature signature, std::string& error);
  // Appends the file's objects to pics; false when the file could not be read whole (the
  // user was told).
  bool ReadDrawing(const std::string& fileName, PicDocument::List& pics);
  bool SavePageFiles(int32_t page);  // SavePage's work; may throw
  // Goes to page with its picture (read, or standing in for one that cannot be) and its
  // drawing, built aside and shown only once all of it is ready. When it cannot be built,
  // the editor stays on its page and says why.
  bool SwitchToPage(int32_t page, ReadyPicture& ready, const std::string& readError);
  // The page box's number held to 1..PageCount (written back when it changes).
  int32_t ClampPageBox();
  void btn1Click();
  void tmrPageTimer();
  void StopWaitingForPage();
  void SpeedButton3Click();
  void SpeedButton2Click();
  void SpeedButton0Click();

  // --- redraw ---
  // Reads the page picture again when its file changed; false when it changed but cannot
  // be shown (the user was told, the previous picture stays).
  bool RefreshPage();
  std::string UnreadablePictureText(const std::string& picture, const std::string& error) const;
  std::string StandInTooLargeText(const std::string& picture, const std::string& error) const;
  void TakeTaint();
  void ShowRect(const TRect& rc);

  // --- zoom (FreePicZoom.cpp) ---
  int32_t ViewWidth() const { return ViewSize(WorkBmp.Width(), zoom_); }
  int32_t ViewHeight() const { return ViewSize(WorkBmp.Height(), zoom_); }
  TRect VisibleViewRect() const;  // the part of the surface the scroll box shows
  POINT ViewCentre() const;
  // Zoom keys and wheels over the drawing area, seen in the message loop before any
  // control; true when the message was used.
  bool PreviewZoom(const MSG& msg);
  bool ZoomKey(UINT key);
  void OnWheel(WPARAM keys, int delta, POINT screenPt);
  bool ZoomLocked() const;  // a press or a figure under construction holds the scale
  void PaintSurface(HDC dc, const RECT& dirty);
  void UpdateZoomReadout();
  // The canvases and the redraw take the handle size of the scale.
  void UseHandleSize();

  // Library variables and export parameters.
  int32_t ImageWidth = 100;
  int32_t ImageHeight = 100;
  std::string PageFile, ThemeFile, IconFile, HostWnd;
  int32_t StartScrollX = 0, StartScrollY = 0, PageCount = 1;
  int32_t PageNo = 1;
  int32_t GotoPageNo = 0;
  std::string IniFileName;

  // The drawing; the form's handlers reach its list and objects by their own names.
  PicDocument drawing_;
  PicDocument::List& PicList = drawing_.PicList;
  TPicBase*& CurPic = drawing_.CurPic;
  TPicBase*& ClipPic = drawing_.ClipPic;
  std::array<std::unique_ptr<TPicBase>, 9> tools_;  // by kind 1..8; index 0 unused

  // The property bar's remembered line and fill.
  int32_t CurLineWidth = 1;
  uint8_t CurLineStyle = 0;
  uint32_t CurLineColor = 255;
  uint32_t CurFillColor = 0xFFFFFF;

  // Mouse state.
  int32_t DownX = 0, DownY = 0, LastX = 0, LastY = 0;
  uint8_t HitCode = 0;
  bool MovedSinceDown = false;
  bool ButtonIsDown = false;
  bool pressActive_ = false;       // a button went down on the surface and is not up yet
  bool gestureCancelled_ = false;  // that press was cancelled: its moves and release are void
  bool Applied = false;
  int32_t DownScrollX = 0, DownScrollY = 0, DownBoxX = 0, DownBoxY = 0;
  bool NoDeleteConfirm = false;
  int32_t mode_ = kModeArrow;
  POINT viewPt_{};  // the last mouse point on the surface, in view pixels

  // Zoom.
  int32_t zoom_ = 100;
  bool fit_ = false;
  int wheelRest_ = 0;  // wheel delta short of a notch
  std::unique_ptr<ViewScaler> scaler_;  // for zoom_ and the picture's size
  std::vector<uint32_t> viewPixels_;    // one paint's scaled pixels

  // Pictures: the work bitmap (page + objects) and the surface's own picture, on which
  // rubber bands are drawn.
  win::Dib WorkBmp;
  win::Dib imageBmp_;
  std::optional<win::Canvas> workCanvas_;  // made in place: taking new bitmaps cannot fail
  std::optional<win::Canvas> imageCanvas_;
  PageSource page_;
  RenderTracker tracker_;
  TRect taint_;    // what was drawn on the surface's picture since the last redraw
  TRect unshown_;  // what the work bitmap has that the surface has not shown yet
  bool fullRebuild_ = false;
  bool needFull_ = true;
  std::string pageError_;
  std::string damagedDrawing_;  // a drawing file read with damage; kept aside before it is replaced

  // Windows.
  HWND form_ = nullptr;
  HWND panel1_ = nullptr, pnl1_ = nullptr, scrollBox1_ = nullptr, image1_ = nullptr;
  std::vector<HWND> buttons_;          // parallel to ToolButtons()
  std::vector<bool> buttonDown_;
  std::vector<HWND> props_;            // parallel to PropControls()
  HWND pageSpin_ = nullptr;            // the up-down half of the page box
  HWND tooltip_ = nullptr;             // the toolbar's tooltips
  win::Font captionFont_, labelFont_;
  win::Brush barBrush_;
  win::Icon bigIcon_, smallIcon_;
  struct ScrollRanges {
    int32_t Width = -1, Height = -1, ClientWidth = -1, ClientHeight = -1;
    bool operator==(const ScrollRanges&) const = default;
  };
  ScrollRanges ranges_;
  bool waitingForPage_ = false;
  win::ChangeNotification pageFolderWatch_;  // the page folder, watched while a page is awaited
  std::string watchedFolder_;
  uint64_t unreadableSince_ = 0;             // when the awaited picture was first seen unreadable
  static constexpr uint64_t kUnreadablePageMs = 5000;
  // A change in the watched folder not read yet, and when the awaited picture was last
  // read: a picture being written changes many times, and input goes first.
  bool pageChangeSeen_ = false;
  uint64_t lastPageReadMs_ = 0;
  static constexpr uint64_t kPageReadGapMs = 4;
  bool closing_ = false;
  bool closed_ = false;
};

}  // namespace vk
