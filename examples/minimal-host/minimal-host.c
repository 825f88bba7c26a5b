/*
 * minimal-host: the smallest host of the drawing editor. It opens the editor on the page
 * picture named on its command line and answers each page request by copying that
 * picture under the requested page's name, where a real host would render the page.
 *
 *   minimal-host PAGE-PICTURE [PAGE-COUNT]      for example: minimal-host C:\work\Page1.bmp 3
 */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "vellumkit.h"

static char g_picture[MAX_PATH]; /* the page picture, full path */
static char g_folder[MAX_PATH];  /* its folder, with the separator */

static LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == VELLUMKIT_PAGE_MESSAGE) {
    char page[MAX_PATH + 32];
    snprintf(page, sizeof page, "%sPage%u.bmp", g_folder, (unsigned)wp);
    /* The editor waits until the picture can be read, so a plain copy will do. */
    if (!CopyFileA(g_picture, page, FALSE)) fprintf(stderr, "cannot write %s\n", page);
    return 0;
  }
  return DefWindowProcA(wnd, msg, wp, lp);
}

int main(int argc, char **argv) {
  WNDCLASSA wc;
  HWND host;
  char *name = NULL;
  char handle[32], width[] = "1000", height[] = "720", zero[] = "0", empty[] = "";
  char one[] = "1";
  char *pageCount = argc > 2 ? argv[2] : one;
  char *args[9];

  if (argc < 2 || !GetFullPathNameA(argv[1], MAX_PATH, g_picture, &name) || name == NULL) {
    fprintf(stderr, "usage: minimal-host PAGE-PICTURE [PAGE-COUNT]\n");
    return 2;
  }
  memcpy(g_folder, g_picture, (size_t)(name - g_picture));
  g_folder[name - g_picture] = '\0';

  /* A window of our own receives the page message; the editor disables it while open. */
  memset(&wc, 0, sizeof wc);
  wc.lpfnWndProc = HostProc;
  wc.hInstance = GetModuleHandleA(NULL);
  wc.lpszClassName = "MinimalHost";
  RegisterClassA(&wc);
  host = CreateWindowA("MinimalHost", "Minimal host", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, NULL, NULL,
                       wc.hInstance, NULL);
  if (host == NULL) return 1;
  _ui64toa((ULONGLONG)(UINT_PTR)host, handle, 10);

  args[0] = width;     args[1] = height;  args[2] = g_picture;
  args[3] = zero;      args[4] = zero;    args[5] = pageCount;
  args[6] = empty;     args[7] = empty;   args[8] = handle;
  ShowFreeDrawImageForm(&args[0], &args[1], &args[2], &args[3], &args[4], &args[5], &args[6], &args[7],
                        &args[8]);
  DestroyWindow(host);
  return 0;
}
