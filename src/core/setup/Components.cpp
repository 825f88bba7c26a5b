#include "core/setup/Components.h"

namespace optaset {

const std::array<Component, kComponentCount>& ComponentTable() {
  static constexpr std::array<Component, kComponentCount> table{{
      {"Visual C++ 2005 Redistributable", "Microsoft", "100%", "Build Quillora Studio workaround"},
      {"CAPICOM v2.1 Type Library", "Microsoft", "99%",
       "Create certificate and PKCS#12 digital ID for signing PDF"},
      {"PDF Virtual Printer Driver", "Ostrel", "99%", "Convert any printable files to PDF"},
      {"Common Dialog Control", "Microsoft", "100%",
       "Build Quillora Studio workaround, support file Open/Save dialogbox"},
      {"Windows Common Controls", "Microsoft", "100%",
       "Build Quillora Studio workaround, include important UI components(Treeview, Listbox, "
       "Toolbar, Statusbar ...)"},
      {"Windows Common Controls-2", "Microsoft", "100%",
       "Build Quillora Studio UI(Button, Data adjuster ...)"},
      {"PictureClip Control", "Microsoft", "100%", "Build Quillora Studio UI(Button, Scrollbar ...)"},
      {"Internet Transfer Control 6.0", "Microsoft", "90%",
       "Create PDF from webpages and check updates of Quillora Studio online"},
      {"Winsock Control", "Microsoft", "85%", "Send Upgrade Request and Bug Reports to Quillora team"},
  }};
  return table;
}

bool IsRequiredText(std::string_view required) { return required == "100%"; }

const std::array<OptionalComponent, kOptionalCount>& OptionalComponents() {
  // Table order is also the order of the key lines in the choice file.
  static constexpr std::array<OptionalComponent, kOptionalCount> items{{
      {"CAPICOM v2.1 Type Library", "Note: This will disable Quillora Studio from signing PDFs.",
       "CancelCAPICOM=1", "cancelCAPICOM.log"},
      {"PDF Virtual Printer Driver",
       "Note: This will disable Quillora Studio from converting any printable files to PDF.",
       "CancelVirtualPrinter=1", "CancelVirtualPrinter.log"},
      {"Internet Transfer Control 6.0",
       "Note: This will disable Quillora Studio from checking updates of Quillora Studio online.",
       "CancelInternetTransfer=1", "CancelInternetTransfer.log"},
      {"Winsock Control",
       "Note: This will disable Quillora Studio from sending Upgrade Request and Bug Reports to "
       "Quillora team.",
       "CancelWinsock=1", "CancelWinsock.log"},
  }};
  return items;
}

const OptionalComponent* FindOptional(std::string_view name) {
  for (const OptionalComponent& item : OptionalComponents()) {
    if (item.name == name) return &item;
  }
  return nullptr;
}

std::string UntickQuestion(std::string_view name) {
  std::string text = "Don't install ";
  text += name;
  text += ", are you sure?\r\r";
  if (const OptionalComponent* item = FindOptional(name)) text += item->note;
  return text;
}

}  // namespace optaset
