#include "PdfPages.h"

#include <windows.h>

#include <cctype>
#include <cstdlib>
#include <vector>

#include "win/FileIO.h"
#include "win/Handle.h"
#include "win/Text.h"

namespace pagehost {

namespace {

// Under Wine the renderer is a program of the host system, which takes the host system's
// paths; elsewhere paths stay as they are.
std::string RendererPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  static const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (toUnix == nullptr) return path;
  char* unix = toUnix(vk::win::AnsiToWide(path).c_str());
  if (unix == nullptr) return path;
  std::string result(unix);
  ::HeapFree(::GetProcessHeap(), 0, unix);
  return result;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

bool ReadPpmNumber(const std::vector<uint8_t>& b, size_t& i, uint32_t& out) {
  for (;;) {
    while (i < b.size() && std::isspace(b[i])) ++i;
    if (i < b.size() && b[i] == '#') {
      while (i < b.size() && b[i] != '\n') ++i;
      continue;
    }
    break;
  }
  if (i >= b.size() || !std::isdigit(b[i])) return false;
  out = 0;
  for (; i < b.size() && std::isdigit(b[i]); ++i) {
    if (out > 100000000u) return false;
    out = out * 10 + static_cast<uint32_t>(b[i] - '0');
  }
  return true;
}

}  // namespace

bool DecodePpm(const std::vector<uint8_t>& b, vk::PixelImage& out, std::string& error) {
  size_t i = 2;
  uint32_t w = 0, h = 0, maxval = 0;
  if (b.size() < 2 || b[0] != 'P' || b[1] != '6' || !ReadPpmNumber(b, i, w) || !ReadPpmNumber(b, i, h) ||
      !ReadPpmNumber(b, i, maxval) || maxval != 255 || i >= b.size() || !vk::PagePixelsAllowed(w, h)) {
    error = "the rendered page is not an 8-bit PPM picture of a size the editor takes";
    return false;
  }
  ++i;  // the one blank after the header
  const size_t pixels = static_cast<size_t>(w) * h;
  if (b.size() - i < pixels * 3) {
    error = "the rendered page ends early";
    return false;
  }
  out = vk::PixelImage{};
  out.Width = static_cast<int32_t>(w);
  out.Height = static_cast<int32_t>(h);
  out.XPelsPerMeter = out.YPelsPerMeter = 5906;  // 150 dpi
  out.Pixels.resize(pixels);
  for (size_t p = 0; p < pixels; ++p, i += 3)
    out.Pixels[p] = (static_cast<uint32_t>(b[i]) << 16) | (static_cast<uint32_t>(b[i + 1]) << 8) | b[i + 2];
  return true;
}

bool RenderPdfPage(const std::string& renderer, const std::string& pdf, int32_t page, const std::string& workDir,
                   vk::PixelImage& out, std::string& error) {
  const std::string base = vk::win::DirectoryWithSeparator(workDir + "\\") + "rendering";
  const std::string n = std::to_string(page);
  std::string cmd = Quoted(renderer) + " -r 150 -f " + n + " -l " + n + " -singlefile " +
                    Quoted(RendererPath(pdf)) + " " + Quoted(RendererPath(base));
  const std::string ppm = base + ".ppm";
  const std::wstring ppmW = vk::win::AnsiToWide(ppm);
  ::DeleteFileW(ppmW.c_str());
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
    error = "cannot run " + renderer + ": " + vk::win::LastErrorText(::GetLastError());
    return false;
  }
  vk::win::KernelHandle process(pi.hProcess), thread(pi.hThread);
  // Wine cannot wait for a program of the host system, nor learn its exit status, so the
  // picture counts as rendered once the file holds as many pixels as its header says.
  std::vector<uint8_t> bytes;
  const ULONGLONG deadline = ::GetTickCount64() + 60000;
  for (;;) {
    std::string readError;
    if (vk::win::ReadWholeFile(ppm, bytes, readError) && DecodePpm(bytes, out, readError)) break;
    if (::GetTickCount64() > deadline) {
      error = renderer + " did not render page " + n + " of " + pdf;
      ::DeleteFileW(ppmW.c_str());
      return false;
    }
    ::Sleep(20);
  }
  ::DeleteFileW(ppmW.c_str());
  return true;
}

}  // namespace pagehost
