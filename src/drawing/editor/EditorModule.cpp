#include "drawing/editor/EditorModule.h"

namespace vk {

namespace {
HINSTANCE g_instance = nullptr;
}

HINSTANCE EditorInstance() { return g_instance ? g_instance : ::GetModuleHandleW(nullptr); }
void SetEditorInstance(HINSTANCE inst) { g_instance = inst; }

ManifestScope::ManifestScope() {
  ACTCTXW ctx{};
  ctx.cbSize = sizeof ctx;
  ctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  ctx.hModule = EditorInstance();
  ctx.lpResourceName = MAKEINTRESOURCEW(2);
  ctx_ = ::CreateActCtxW(&ctx);
  if (ctx_ != INVALID_HANDLE_VALUE) active_ = ::ActivateActCtx(ctx_, &cookie_) != FALSE;
}

ManifestScope::~ManifestScope() {
  if (active_) ::DeactivateActCtx(0, cookie_);
  if (ctx_ != INVALID_HANDLE_VALUE) ::ReleaseActCtx(ctx_);
}

}  // namespace vk
