#pragma once
// frmMain: Optaset's one window. It shows the component table with a check box per row,
// keeps the required rows ticked, asks before an optional row is left out, and on leaving
// writes the choice records for the installer and ends the process.
#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <deque>
#include <string>

#include "core/setup/FormLayout.h"
#include "win/Handle.h"

namespace optaset {

class FrmMain {
 public:
  explicit FrmMain(HINSTANCE instance);
  ~FrmMain();
  FrmMain(const FrmMain&) = delete;
  FrmMain& operator=(const FrmMain&) = delete;

  // Creates the window, runs its start-up and shows it. False when no window could be made.
  bool Create(int showCommand);

 private:
  static LRESULT CALLBACK WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  void CreateControls();
  void FormLoad();
  void FormUnload();  // returns only when the user refuses to leave
  void ApplyLayout(const FormLayout& layout);
  void Addlistview();
  void SetupForm(HWND& curForm, int32_t& dLeft, int32_t& dTop, vk::win::Icon& lHIcon);
  void CancelInst(bool force);
  void GoInternet(std::string& webAdd, std::string& mmod, HWND nowForm);
  bool hasUncheck();

  void Image1Click();
  void Image3Click();
  void Image4Click();
  void ListView1ItemChanged(const NMLISTVIEW& change);
  void RunPendingChecks();
  void ListView1ItemCheck(int row, int selectedBefore);
  LRESULT ListView1CustomDraw(NMLVCUSTOMDRAW& draw);
  BOOL SetCursorOver(HWND child, UINT hitTest);

  // Row access: the list control holds the state, nothing mirrors it.
  int RowCount() const;
  bool IsTicked(int row) const;
  std::string CellText(int row, int column) const;
  void SetTick(int row, bool ticked);
  void SetRowColour(int row, COLORREF colour);
  int SelectedRow() const;
  void SelectRow(int row);
  int Ask(const std::string& text, UINT buttons);

  HINSTANCE instance_;
  int dpiX_ = 96;
  int dpiY_ = 96;
  // Pictures and fonts outlive the controls that show them: the window goes first.
  vk::win::Bitmap nextFace_, quitFace_, badge_, logo_;
  vk::win::Font bodyFont_, boldFont_, listFont_;
  vk::win::Icon laidOutIcon_, laidOutSmallIcon_;
  vk::win::Icon hTitleIcon_;
  HCURSOR hand_ = nullptr;  // a shared resource cursor: never destroyed
  HWND hwnd_ = nullptr;
  HWND listView1_ = nullptr;
  HWND image1_ = nullptr, image2_ = nullptr, image3_ = nullptr, image4_ = nullptr, image5_ = nullptr;
  HWND label1_ = nullptr, label2_ = nullptr, label3_ = nullptr, label4_ = nullptr;

  bool bProceed_ = false;
  // Set while the program ticks rows itself, so those changes ask nothing.
  bool programTick_ = false;
  // Check-box toggles are answered after the list's notification returns: a question box
  // must not run its modal loop inside the list's own mouse handling.
  struct Toggle {
    int row;
    int selectedBefore;
  };
  std::deque<Toggle> pendingChecks_;
  bool checking_ = false;
};

}  // namespace optaset
