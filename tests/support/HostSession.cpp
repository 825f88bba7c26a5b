#include "HostSession.h"

#include "GuiDriver.h"

namespace vkt {

bool HostedEditor::Apply() const {
  if (!WaitFor([&] { return ::IsWindowEnabled(Control("SpeedButtonApply")) != FALSE; }, 3000)) return false;
  Press("SpeedButtonApply");
  return WaitFor([&] { return Closed(); }, 5000);
}

bool RunHosted(const pagehost::HostOptions& opt, const std::function<void(HostedEditor&)>& driver) {
  pagehost::HostWindow host(opt);
  if (!host.Create()) return false;
  std::string err;
  if (!pagehost::WritePagePicture(opt.Dir, opt.Page, opt.PageWidth, opt.PageHeight, err)) return false;
  const GuiThread gui;  // the editor's thread: the driver's input waits for it
  bool appeared = false;
  Driver th([&] {
    HostedEditor e;
    e.Host = &host;
    if (e.Find()) {
      appeared = true;
      driver(e);
    }
    CloseEditorsLeft();
  });
  std::string error;
  const int rc = pagehost::RunEditor(opt, host.Handle(), error);
  th.Join();
  return rc == 0 && appeared;
}

}  // namespace vkt
