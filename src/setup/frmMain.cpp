#include "setup/frmMain.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "core/setup/Address.h"
#include "core/setup/ChoiceRecords.h"
#include "core/setup/Components.h"
#include "core/setup/Placement.h"
#include "setup/AppFolder.h"
#include "setup/ControlIds.h"
#include "setup/Module_icons.h"
#include "setup/Resources.h"
#include "win/Barrier.h"
#include "win/Text.h"

namespace optaset {

namespace {

constexpr wchar_t kClassName[] = L"OptasetMain";
constexpr char kCaption[] = "Quillora Installation";
constexpr UINT kMsgCheckRows = WM_APP + 1;

constexpr char kLabel1Text[] = "Important Components and ActiveX Controls Installation";
constexpr char kLabel2Text[] =
    "The following important components and ActiveX controls will be installed in your computer. "
    "Because a few registry keys will be set during the installation, some firewall programs will "
    "pops up the warnings. ";
constexpr char kLabel3Text[] =
    "We strongly recommend you ignore the warnings and install ALL of the items, or some important "
    "functions of Quillora Studio shall be disabled.";
constexpr char kLabel4Text[] = "Note: Please uncheck the item if you don't want to install it.";

constexpr UINT kCheckedImage = 2;  // state image 1 is the empty box, 2 the ticked one
constexpr UINT kQuestion = MB_YESNO | MB_ICONINFORMATION;

vk::win::Bitmap LoadPicture(HINSTANCE instance, int id) {
  return vk::win::Bitmap(static_cast<HBITMAP>(
      ::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

vk::win::Icon LoadAppIcon(HINSTANCE instance, int cxMetric, int cyMetric) {
  return vk::win::Icon(static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_OPTASET), IMAGE_ICON,
                                                       ::GetSystemMetrics(cxMetric),
                                                       ::GetSystemMetrics(cyMetric), 0)));
}

vk::win::Font MakeFont(int points, int dpiY, bool bold) {
  return vk::win::Font(::CreateFontW(-::MulDiv(points, dpiY, 72), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                     FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

HWND MakeChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, DWORD exStyle, int id) {
  return ::CreateWindowExW(exStyle, cls, vk::win::Utf8ToWide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                           0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

HWND MakeIconPicture(HWND parent, int id, HICON picture) {
  HWND wnd = MakeChild(parent, L"STATIC", "", SS_ICON | SS_CENTERIMAGE, 0, id);
  if (wnd && picture) ::SendMessageW(wnd, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(picture));
  return wnd;
}

HWND MakePicture(HWND parent, int id, HBITMAP picture, bool clickable) {
  HWND wnd = MakeChild(parent, L"STATIC", "", SS_BITMAP | SS_CENTERIMAGE | (clickable ? SS_NOTIFY : 0), 0, id);
  if (wnd && picture) ::SendMessageW(wnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
  return wnd;
}

void SetFont(HWND wnd, HFONT font) {
  if (wnd && font) ::SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace

FrmMain::FrmMain(HINSTANCE instance) : instance_(instance) {
  {
    vk::win::WindowDc screen(nullptr);
    if (screen.Get()) {
      dpiX_ = ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
      dpiY_ = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    }
    if (dpiX_ <= 0) dpiX_ = 96;
    if (dpiY_ <= 0) dpiY_ = 96;
  }
  nextFace_ = LoadPicture(instance, IDB_NEXT);
  quitFace_ = LoadPicture(instance, IDB_QUIT);
  badge_ = LoadPicture(instance, IDB_BADGE);
  logo_ = LoadPicture(instance, IDB_LOGO);
  bodyFont_ = MakeFont(12, dpiY_, false);
  boldFont_ = MakeFont(12, dpiY_, true);
  listFont_ = MakeFont(12, dpiY_, false);
  laidOutIcon_ = LoadAppIcon(instance, SM_CXICON, SM_CYICON);
  laidOutSmallIcon_ = LoadAppIcon(instance, SM_CXSMICON, SM_CYSMICON);
  hand_ = ::LoadCursorW(instance, MAKEINTRESOURCEW(IDC_HANDPOINTER));
  if (!hand_) hand_ = ::LoadCursorW(nullptr, IDC_HAND);
}

FrmMain::~FrmMain() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

bool FrmMain::Create(int showCommand) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &FrmMain::WndProc;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  ::RegisterClassExW(&wc);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  const FormLayout laidOut;
  RECT r{0, 0, TwipsToPixels(laidOut.clientWidth, dpiX_), TwipsToPixels(laidOut.clientHeight, dpiY_)};
  ::AdjustWindowRectEx(&r, style, FALSE, 0);
  ::CreateWindowExW(0, kClassName, vk::win::Utf8ToWide(kCaption).c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                    r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance_, this);
  if (!hwnd_) return false;
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(laidOutIcon_.Get()));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(laidOutSmallIcon_.Get()));
  CreateControls();
  FormLoad();
  ::ShowWindow(hwnd_, showCommand);
  ::UpdateWindow(hwnd_);
  return true;
}

LRESULT CALLBACK FrmMain::WndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<FrmMain*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = wnd;
    ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FrmMain*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY && self) {
    ::SetWindowLongPtrW(wnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return ::DefWindowProcW(wnd, msg, wp, lp);
  }
  if (!self) return ::DefWindowProcW(wnd, msg, wp, lp);
  return vk::win::Guarded(wnd, 0, [&] { return self->Handle(msg, wp, lp); });
}

LRESULT FrmMain::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // A double click is one click: its second half (STN_DBLCLK) must not open the page
      // or ask the question again.
      if (HIWORD(wp) == STN_CLICKED) {
        switch (LOWORD(wp)) {
          case kIdImage1: Image1Click(); return 0;
          case kIdImage3: Image3Click(); return 0;
          case kIdImage4: Image4Click(); return 0;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->hwndFrom != listView1_) break;
      if (hdr->code == LVN_ITEMCHANGED) {
        ListView1ItemChanged(*reinterpret_cast<NMLISTVIEW*>(lp));
        return 0;
      }
      if (hdr->code == NM_CUSTOMDRAW) return ListView1CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lp));
      break;
    }
    case kMsgCheckRows:
      RunPendingChecks();
      return 0;
    case WM_SETCURSOR:
      if (SetCursorOver(reinterpret_cast<HWND>(wp), LOWORD(lp))) return TRUE;
      break;
    case WM_CTLCOLORSTATIC: {
      HWND control = reinterpret_cast<HWND>(lp);
      HDC dc = reinterpret_cast<HDC>(wp);
      COLORREF colour = RGB(0, 0, 0);
      if (control == label1_) colour = RGB(0, 0, 128);
      if (control == label3_) colour = RGB(192, 0, 0);
      if (control == label4_) colour = RGB(64, 64, 64);
      ::SetTextColor(dc, colour);
      ::SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_CLOSE:
      // The close box takes the Quit button's road.
      FormUnload();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcW(hwnd_, msg, wp, lp);
}

void FrmMain::CreateControls() {
  // The small title picture is the program's 32 x 32 icon, drawn with its transparency.
  image5_ = MakeIconPicture(hwnd_, kIdImage5, laidOutIcon_.Get());
  label1_ = MakeChild(hwnd_, L"STATIC", kLabel1Text, SS_LEFT | SS_NOPREFIX, 0, kIdLabel1);
  image2_ = MakePicture(hwnd_, kIdImage2, logo_.Get(), false);
  label2_ = MakeChild(hwnd_, L"STATIC", kLabel2Text, SS_LEFT | SS_NOPREFIX, 0, kIdLabel2);
  image1_ = MakePicture(hwnd_, kIdImage1, badge_.Get(), true);
  label3_ = MakeChild(hwnd_, L"STATIC", kLabel3Text, SS_LEFT | SS_NOPREFIX, 0, kIdLabel3);
  listView1_ = MakeChild(hwnd_, WC_LISTVIEWW, "",
                         WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
                         kIdListView1);
  label4_ = MakeChild(hwnd_, L"STATIC", kLabel4Text, SS_LEFT | SS_NOPREFIX, 0, kIdLabel4);
  image3_ = MakePicture(hwnd_, kIdImage3, nextFace_.Get(), true);
  image4_ = MakePicture(hwnd_, kIdImage4, quitFace_.Get(), true);

  SetFont(label1_, boldFont_.Get());
  SetFont(label2_, bodyFont_.Get());
  SetFont(label3_, boldFont_.Get());
  SetFont(listView1_, listFont_.Get());
  SetFont(label4_, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
  if (listView1_) {
    const DWORD ex = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
    ::SendMessageW(listView1_, LVM_SETEXTENDEDLISTVIEWSTYLE, ex, ex);
  }
}

void FrmMain::FormLoad() {
  // Each step stands alone: one that fails leaves the window as it is and the next runs.
  const double screenWidth = PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), dpiX_);
  FormLayout layout;

  RECT r{};
  ::GetWindowRect(hwnd_, &r);
  layout.formWidth = StartupFormWidth(screenWidth);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, TwipsToPixels(layout.formWidth, dpiX_), r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  HWND form = hwnd_;
  int32_t dLeft = 0;
  int32_t dTop = 0;
  SetupForm(form, dLeft, dTop, hTitleIcon_);

  // The rest follows the width the window really got.
  if (::GetWindowRect(hwnd_, &r)) layout.formWidth = PixelsToTwips(r.right - r.left, dpiX_);
  ArrangeControls(layout, screenWidth);
  ApplyLayout(layout);

  Addlistview();
  StartupWork(AppFolder());
}

void FrmMain::ApplyLayout(const FormLayout& f) {
  auto place = [this](HWND wnd, const TwipsRect& t) {
    if (!wnd) return;
    ::MoveWindow(wnd, TwipsToPixels(t.left, dpiX_), TwipsToPixels(t.top, dpiY_), TwipsToPixels(t.width, dpiX_),
                 TwipsToPixels(t.height, dpiY_), FALSE);
  };
  place(image5_, f.image5);
  place(label1_, f.label1);
  place(image2_, f.image2);
  place(label2_, f.label2);
  place(image1_, f.image1);
  place(label3_, f.label3);
  place(listView1_, f.listView1);
  // The hint's laid-out width is too narrow for the default font on some systems: never cut it.
  TwipsRect hint = f.label4;
  if (label4_) {
    vk::win::WindowDc dc(label4_);
    HFONT font = reinterpret_cast<HFONT>(::SendMessageW(label4_, WM_GETFONT, 0, 0));
    std::wstring text = vk::win::Utf8ToWide(kLabel4Text);
    SIZE size{};
    if (dc.Get()) {
      vk::win::SelectGuard select(dc.Get(), font ? font : ::GetStockObject(SYSTEM_FONT));
      if (::GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size))
        hint.width = std::max(hint.width, PixelsToTwips(size.cx + 2, dpiX_));
    }
  }
  place(label4_, hint);
  place(image3_, f.image3);
  place(image4_, f.image4);

  if (!listView1_) return;
  for (size_t i = 0; i < kColumns.size(); ++i) {
    std::wstring title = vk::win::Utf8ToWide(kColumns[i].title);
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = TwipsToPixels(f.columnWidths[i], dpiX_);
    col.pszText = title.data();
    col.iSubItem = static_cast<int>(i);
    ::SendMessageW(listView1_, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
  }
}

void FrmMain::SetupForm(HWND& curForm, int32_t& dLeft, int32_t& dTop, vk::win::Icon& lHIcon) {
  const double screenWidth = PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN), dpiX_);
  const double screenHeight = PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN), dpiY_);
  RECT r{};
  if (::GetWindowRect(curForm, &r)) {
    TwipsPoint p = PlaceForm(screenWidth, screenHeight, PixelsToTwips(r.right - r.left, dpiX_),
                             PixelsToTwips(r.bottom - r.top, dpiY_), dLeft, dTop);
    ::SetWindowPos(curForm, nullptr, TwipsToPixels(p.left, dpiX_), TwipsToPixels(p.top, dpiY_), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetFormIcon(curForm, lHIcon, true);
}

void FrmMain::Addlistview() {
  if (!listView1_) return;
  const bool was = programTick_;
  programTick_ = true;
  ::SendMessageW(listView1_, LVM_DELETEALLITEMS, 0, 0);
  for (const Component& c : ComponentTable()) {
    const int n = RowCount();
    std::wstring index = std::to_wstring(n + 1);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = n;
    item.pszText = index.data();
    item.lParam = static_cast<LPARAM>(kRowBlack);
    const int at = static_cast<int>(::SendMessageW(listView1_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (at < 0) continue;
    const std::string_view cells[] = {c.name, c.publisher, c.required, c.purpose};
    for (int sub = 1; sub <= 4; ++sub) {
      std::wstring text = vk::win::Utf8ToWide(cells[sub - 1]);
      LVITEMW s{};
      s.iSubItem = sub;
      s.pszText = text.data();
      ::SendMessageW(listView1_, LVM_SETITEMTEXTW, at, reinterpret_cast<LPARAM>(&s));
    }
  }
  for (int i = 0, n = RowCount(); i < n; ++i) SetTick(i, true);
  programTick_ = was;
}

bool FrmMain::hasUncheck() {
  for (int i = 0, n = RowCount(); i < n; ++i) {
    if (!IsTicked(i)) return true;
  }
  return false;
}

void FrmMain::CancelInst(bool force) {
  std::vector<RowChoice> rows;
  const int n = RowCount();
  for (int i = 0; i < n; ++i) rows.push_back({CellText(i, 1), IsTicked(i)});
  ::optaset::CancelInst(AppFolder(), force, rows);
}

void FrmMain::GoInternet(std::string& webAdd, std::string& mmod, HWND nowForm) {
  NormaliseAddress(webAdd, mmod);
  ::ShellExecuteW(nowForm, L"Open", vk::win::Utf8ToWide(webAdd).c_str(), L"", AppFolder().c_str(),
                  SW_SHOWNORMAL);
}

void FrmMain::Image1Click() {
  std::string address(kDownloadPage);
  std::string mode = "WEB";
  GoInternet(address, mode, hwnd_);
}

void FrmMain::Image3Click() {
  if (hasUncheck() && Ask(std::string(kProceedQuestion), kQuestion) != IDYES) return;
  bProceed_ = true;
  FormUnload();
}

void FrmMain::Image4Click() {
  bProceed_ = false;
  FormUnload();
}

void FrmMain::FormUnload() {
  if (bProceed_) {
    CancelInst(false);
    hTitleIcon_.Reset();
    ::ExitProcess(0);
  }
  if (Ask(std::string(kCancelQuestion), kQuestion) != IDYES) return;
  CancelInst(true);
  ::ExitProcess(0);
}

void FrmMain::ListView1ItemChanged(const NMLISTVIEW& change) {
  if (programTick_ || change.iItem < 0 || !(change.uChanged & LVIF_STATE)) return;
  const UINT before = (change.uOldState & LVIS_STATEIMAGEMASK) >> 12;
  const UINT after = (change.uNewState & LVIS_STATEIMAGEMASK) >> 12;
  // Image 0 means no check box yet (an item being added): not a toggle.
  if (before == 0 || after == 0 || before == after) return;
  pendingChecks_.push_back({change.iItem, SelectedRow()});
  ::PostMessageW(hwnd_, kMsgCheckRows, 0, 0);
}

void FrmMain::RunPendingChecks() {
  // A question's modal loop may deliver the next toggle's message: it waits its turn here.
  if (checking_) return;
  checking_ = true;
  while (!pendingChecks_.empty()) {
    Toggle t = pendingChecks_.front();
    pendingChecks_.pop_front();
    ListView1ItemCheck(t.row, t.selectedBefore);
  }
  checking_ = false;
}

void FrmMain::ListView1ItemCheck(int row, int selectedBefore) {
  if (row < 0 || row >= RowCount()) return;
  if (selectedBefore >= 0) SelectRow(row);
  const bool ticked = IsTicked(row);
  if (IsRequiredText(CellText(row, 3)) && !ticked) {
    SetTick(row, true);
    Ask(std::string(kRequiredMessage), MB_OK);
  } else if (!ticked) {
    if (Ask(UntickQuestion(CellText(row, 1)), kQuestion) == IDYES)
      SetRowColour(row, kRowRed);
    else
      SetTick(row, true);
  }
  if (IsTicked(row)) SetRowColour(row, kRowBlack);
  if (selectedBefore >= 0) SelectRow(selectedBefore);
}

LRESULT FrmMain::ListView1CustomDraw(NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // One colour for the whole row, all five cells.
      draw.clrText = static_cast<COLORREF>(draw.nmcd.lItemlParam);
      return CDRF_NEWFONT;
  }
  return CDRF_DODEFAULT;
}

BOOL FrmMain::SetCursorOver(HWND child, UINT hitTest) {
  if (hitTest != HTCLIENT || !hand_ || !child) return FALSE;
  if (child != image1_ && child != image3_ && child != image4_) return FALSE;
  ::SetCursor(hand_);
  return TRUE;
}

int FrmMain::RowCount() const {
  return listView1_ ? static_cast<int>(::SendMessageW(listView1_, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

bool FrmMain::IsTicked(int row) const {
  const UINT state = static_cast<UINT>(::SendMessageW(listView1_, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK));
  return (state >> 12) == kCheckedImage;
}

std::string FrmMain::CellText(int row, int column) const {
  wchar_t buf[512] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buf;
  item.cchTextMax = static_cast<int>(std::size(buf));
  const int n = static_cast<int>(::SendMessageW(listView1_, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
  return vk::win::WideToUtf8(std::wstring_view(buf, n > 0 ? static_cast<size_t>(n) : 0));
}

void FrmMain::SetTick(int row, bool ticked) {
  const bool was = programTick_;
  programTick_ = true;
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(ticked ? kCheckedImage : 1);
  ::SendMessageW(listView1_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  programTick_ = was;
}

void FrmMain::SetRowColour(int row, COLORREF colour) {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  item.lParam = static_cast<LPARAM>(colour);
  ::SendMessageW(listView1_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  ::SendMessageW(listView1_, LVM_REDRAWITEMS, row, row);
}

int FrmMain::SelectedRow() const {
  return static_cast<int>(::SendMessageW(listView1_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void FrmMain::SelectRow(int row) {
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED;
  ::SendMessageW(listView1_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageW(listView1_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  ::SendMessageW(listView1_, LVM_ENSUREVISIBLE, row, FALSE);
}

int FrmMain::Ask(const std::string& text, UINT buttons) {
  return ::MessageBoxW(hwnd_, vk::win::Utf8ToWide(text).c_str(), vk::win::Utf8ToWide(kProgramTitle).c_str(),
                       buttons);
}

}  // namespace optaset
