#pragma once
// TFreePicF: the editor window. It holds the window, its controls and the view's scale,
// and hands every input and command to the editing session, which owns the drawing; it
// serves the session as its EditorHost (dialogs, questions, the surface, the page wait).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/EditorArgs.h"
#include "core/EditorLayout.h"
#include "core/ViewZoom.h"
#include "drawing/editor/EditorDialogs.h"
#include "drawing/editor/ScrollView.h"
#include "drawing/session/EditSession.h"
#include "win/Dib.h"
#include "win/Handle.h"

namespace vk {

class TFreePicF : private EditorHost {
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
  HWND ControlHandle(PropRole role) const;
  HWND SurfaceHandle() const { return image1_; }
  HWND ScrollBoxHandle() const { return scrollBox1_; }
  EditSession& Session() { return session_; }
  const PicDocument::List& Pics() const { return session_.Pics(); }
  int32_t Mode() const { return session_.Mode(); }
  int32_t CurrentPageNo() const { return session_.PageNo(); }
  const std::string& CurrentPageFile() const { return session_.PageFile(); }
  const win::Dib& ImagePicture() const { return session_.Overlay(); }
  const win::Dib& WorkBitmap() const { return session_.Work(); }
  TPicBase* Current() const { return session_.Current(); }
  PicDocument& Drawing() { return session_.Drawing(); }
  void SetFullRebuild(bool full) { session_.SetFullRebuild(full); }
  void RedrawAll(bool deselect, bool show) { session_.RedrawAll(deselect, show); }
  void AppendPic(std::unique_ptr<TPicBase> pic) { session_.AppendPic(std::move(pic)); }
  bool SavePage(int32_t page) { return session_.SavePage(page); }
  void UndoStep(bool redo) { session_.UndoStep(redo); }
  // The view's scale in percent; zooming keeps the page point at anchor (scroll box client
  // coordinates) in place. Fit shows the whole page, and again after a page change.
  int32_t Zoom() const { return zoom_; }
  void ZoomTo(int32_t zoom, POINT anchor);
  void ZoomTo(int32_t zoom) { ZoomTo(zoom, area_.Centre()); }
  void FitPage();

 private:
  friend class EditorWindows;

  // --- EditorHost (FreePicHost.cpp) ---
  void ShowRect(const TRect& pageRect) override;
  void PageResized() override;
  void CursorChanged(int32_t mode) override;
  void CaptureMouse(bool capture) override;
  POINT ScrollPosition() override { return area_.Position(); }
  void ScrollTo(POINT position) override { area_.ScrollTo(position); }
  bool AskYesNo(Question question) override { return AskQuestion(form_, question); }
  bool AskDelete(bool& dontAskAgain) override;
  void ShowError(const std::string& utf8Text) override;
  bool PickColor(uint32_t& color) override { return PickColour(form_, color); }
  bool PickFont(FontAttrs& font) override { return vk::PickFont(form_, font); }
  bool PickLineWidth(int32_t& width) override;
  std::string PickFile(FileDialog dialog) override { return PickDrawingFile(form_, dialog); }
  int PickMenuItem(const PicMenuEnabling& enabling) override { return PickObjectMenuItem(form_, enabling); }
  bool ShowPicture(const win::Dib& picture) override;
  HWND TextEntryParent() override { return image1_; }
  void SendPageMessage(int32_t page) override { SendPageToHost(args_.HostWnd, page); }
  void WaitForPage(const std::string& folder) override;
  void ToolsChanged() override;
  void EnablingChanged() override;
  void StyleChanged() override;
  void PageNumberChanged() override;

  // --- life of the form ---
  void CreateControls();
  bool FormShow();  // false: the page cannot be shown (the user was told) and the editor ends
  void FormResize();
  // The drawing area takes the view's size at the scale.
  void ShowView() { area_.Show(ViewSize(session_.Work().Width(), zoom_), ViewSize(session_.Work().Height(), zoom_)); }
  LRESULT OnFormMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnScrollBoxMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnSurfaceMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnPanelMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  void OnCommand(HWND ctl, int code);
  void OnDrawItem(const DRAWITEMSTRUCT& dis);
  bool PreviewKey(const MSG& msg);
  void RunModalLoop();
  void RequestClose();
  void SetButtonEnabled(CommandId command, bool enabled);

  // --- the form's handlers, forwarding to the session (FreePicHandlers.cpp) ---
  void OnToolButton(size_t index);
  void SpeedButtonApplyClick();
  void SpeedButtonExitClick();
  void tmr1Timer();
  void OnSurfaceMouse(UINT msg, WPARAM wp, int x, int y);
  void FormKeyDown(UINT key);
  void OnPropCommand(size_t index, int code);
  void cbbLineWExit();
  void cbbLineWChange();
  void cbbLineStypeChange();
  void schckbxFillColorClick();
  int32_t ClampPageBox();
  void btn1Click();

  // --- zoom (FreePicZoom.cpp) ---
  // Zoom keys and wheels over the drawing area, seen in the message loop before any
  // control; true when the message was used.
  bool PreviewZoom(const MSG& msg);
  bool ZoomKey(UINT key);
  void OnWheel(WPARAM keys, int delta, POINT screenPt);
  void PaintSurface(HDC dc, const RECT& dirty);
  void UpdateZoomReadout();

  EditorArgs args_;
  EditSession session_;

  // Zoom.
  int32_t zoom_ = 100;
  bool fit_ = false;
  int wheelRest_ = 0;  // wheel delta short of a notch
  std::unique_ptr<ViewScaler> scaler_;  // for zoom_ and the picture's size
  std::vector<uint32_t> viewPixels_;    // one paint's scaled pixels

  // Windows.
  HWND form_ = nullptr;
  HWND panel1_ = nullptr, pnl1_ = nullptr, scrollBox1_ = nullptr, image1_ = nullptr;
  std::vector<HWND> buttons_;          // parallel to ToolButtons()
  std::vector<HWND> props_;            // parallel to PropControls()
  HWND pageSpin_ = nullptr;            // the up-down half of the page box
  HWND tooltip_ = nullptr;             // the toolbar's tooltips
  win::Font captionFont_, labelFont_;
  win::Brush barBrush_;
  win::Icon bigIcon_, smallIcon_;
  ScrollView area_;
  win::ChangeNotification pageFolderWatch_;  // the page folder, watched while a page is awaited
  std::string watchedFolder_;
  // A change in the watched folder not read yet: a picture being written changes many
  // times, and input goes first.
  bool pageChangeSeen_ = false;
  static constexpr uint64_t kPageReadGapMs = 4;
  int32_t shownToolDown_ = 0;  // the session's ToolDown() as the toolbar shows it
  bool closing_ = false;
  bool closed_ = false;
};

}  // namespace vk
