#pragma once
// The library's own module: its instance handle (resources, window classes) and the
// activation context of its manifest, so that the editor gets the version 6 common
// controls whatever manifest the host has.
#include <windows.h>

namespace vk {

HINSTANCE EditorInstance();
void SetEditorInstance(HINSTANCE inst);

// Activates the library's manifest (resource 2) for as long as it lives.
class ManifestScope {
 public:
  ManifestScope();
  ~ManifestScope();
  ManifestScope(const ManifestScope&) = delete;
  ManifestScope& operator=(const ManifestScope&) = delete;

 private:
  HANDLE ctx_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace vk
