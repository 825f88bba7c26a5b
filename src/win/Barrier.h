#pragma once
// Where an error thrown by our code stops. Every entry point from the system (window,
// dialog and subclass procedures, timers) runs its handler through Guarded, so nothing
// unwinds through user32's frames into the host: the failure becomes an "Error" box, and
// the window and the drawing stay as they were before the failed step.
#include <windows.h>

#include <exception>
#include <new>
#include <utility>

namespace vk::win {

void ReportFailure(HWND owner, const char* what) noexcept;

template <class F>
auto Guarded(HWND owner, decltype(std::declval<F>()()) onFailure, F&& handler) noexcept -> decltype(handler()) {
  try {
    return handler();
  } catch (const std::bad_alloc&) {
    ReportFailure(owner, "There is not enough memory to finish this step.");
  } catch (const std::exception& e) {
    ReportFailure(owner, e.what());
  } catch (...) {
    ReportFailure(owner, "An unexpected error occurred.");
  }
  return onFailure;
}

}  // namespace vk::win
