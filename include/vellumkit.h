/*
 * vellumkit.h: the drawing editor's one entry point, for host applications written in C
 * or C++. Link with the import library of your architecture (libvellumkit.dll.a for
 * mingw-w64, vellumkit.lib for other linkers), or load vellumkit.dll yourself and look up
 * "ShowFreeDrawImageForm" with GetProcAddress, using the pointer type below.
 *
 * A 32-bit host needs the 32-bit vellumkit.dll, a 64-bit host the 64-bit one.
 */
#ifndef VELLUMKIT_H
#define VELLUMKIT_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The message the editor sends the host window to go to another page:
 *   uMsg   VELLUMKIT_PAGE_MESSAGE (WM_USER + 232, 0x04E8), sent with SendMessageA
 *   wParam the page number wanted, from 1 to the page count
 *   lParam 0
 * The host answers by writing that page's picture, Page<N>.bmp, into the folder of the
 * first page picture; it may do so while handling the message or later. The editor
 * waits, with its window still answering, until the picture can be read, and loads
 * Page<N>.fdf beside it when there is one. The return value is not used.
 */
#define VELLUMKIT_PAGE_MESSAGE (WM_USER + 232)

/*
 * Opens the editor, a modal window captioned "Draw Graphics", over a page picture, and
 * returns when the user closes it. The host's windows are disabled meanwhile. Call it on
 * the host's GUI thread; one editor is open at a time (a second call while one is open
 * returns at once). Nothing is returned: the results are files and the page message.
 *
 * Each argument is the address of a variable holding a pointer to zero-terminated 8-bit
 * text. The editor reads each text once, on entry, and never writes to it. A null
 * address or a null text counts as empty text. Numbers are whole decimal numbers (blanks
 * around them are allowed); empty text, or text that is not such a number, gives the
 * default named. Paths are in the system's ANSI code page.
 *
 *   width, height  size of the editor window in pixels (default 100 each).
 *   pageFile       full path of the page picture, a Windows bitmap named "Page" + page
 *                  number + ".bmp", for example C:\work\Page12.bmp. The page number is
 *                  read from the name. A picture that cannot be read shows as a white
 *                  page of width x height; when that is past the editor's page size
 *                  limit, the editor says so and returns.
 *   scrollX,       the scroll position shown first, in pixels (default 0 each).
 *   scrollY
 *   pageCount      number of pages of the document (default 1); the editor goes to
 *                  pages 1 to pageCount.
 *   themeFile      full path of a skin theme file; may be empty.
 *   iconFile       full path of an .ico file for the window; may be empty.
 *   hostWnd        the host window that receives VELLUMKIT_PAGE_MESSAGE, as a decimal
 *                  number (signed or unsigned); empty or 0: no page messages are sent.
 *
 * Files written beside the page picture, for page N, when the user applies, goes to
 * another page, or saves on exit:
 *   Page<N>.bmp             the page picture again, without the drawing
 *   Page<N>.fdf             the drawing, which the editor loads again on a later visit
 *   <N>.ini                 a description of the lines, rectangles, ellipses, rounded
 *                           rectangles, arcs and open polylines for the host
 *   Page<N>.fdf.damaged...  a drawing file that could not be read whole, kept before
 *                           it is replaced
 */
void WINAPI ShowFreeDrawImageForm(char **width, char **height, char **pageFile, char **scrollX,
                                  char **scrollY, char **pageCount, char **themeFile,
                                  char **iconFile, char **hostWnd);

/* The export's type, for hosts that load the library with LoadLibrary. */
typedef void(WINAPI *ShowFreeDrawImageFormProc)(char **width, char **height, char **pageFile,
                                                char **scrollX, char **scrollY, char **pageCount,
                                                char **themeFile, char **iconFile,
                                                char **hostWnd);

#ifdef __cplusplus
}
#endif

#endif /* VELLUMKIT_H */
