#pragma once
// The editor's window classes and the routing of their messages to the form.
#include <windows.h>

namespace vk {

class TFreePicF;

class EditorWindows {
 public:
  static constexpr UINT_PTR kTimerApply = 1;  // tmr1, 1000 ms
  static constexpr UINT_PTR kTimerPage = 2;   // tmrPage, 500 ms

  // Registers the classes with the library's own instance; unregisters them on
  // destruction so that the export can be called again.
  EditorWindows() = default;
  ~EditorWindows();
  EditorWindows(const EditorWindows&) = delete;
  EditorWindows& operator=(const EditorWindows&) = delete;
  bool Register();

  static HWND CreateForm(TFreePicF* form, int width, int height);
  // Creates a child window of one of our classes, routed to the form.
  static HWND CreatePanel(TFreePicF* form, HWND parent, int id);
  static HWND CreateScrollBox(TFreePicF* form, HWND parent, int id);
  static HWND CreateSurface(TFreePicF* form, HWND parent, int id);
  static HWND CreateSwatch(TFreePicF* form, HWND parent, int id, int x, int y, int w, int h);
  // Colour of a swatch panel (COLORREF), kept in the window itself.
  static void SetSwatchColor(HWND swatch, COLORREF c);
  static COLORREF SwatchColor(HWND swatch);

 private:
  static LRESULT CALLBACK FormProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK PanelProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK ScrollBoxProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK SurfaceProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK SwatchProc(HWND w, UINT m, WPARAM wp, LPARAM lp);
  bool registered_[5] = {};
};

}  // namespace vk
