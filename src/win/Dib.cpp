#include "win/Dib.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace vk::win {

namespace {
uint32_t ToPixel(uint32_t colorref) {
  return ((colorref & 0xFFu) << 16) | (colorref & 0xFF00u) | ((colorref >> 16) & 0xFFu);
}
uint32_t ToColorRef(uint32_t pixel) {
  return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}
}  // namespace

Dib::Dib() : dc_(::CreateCompatibleDC(nullptr)) {}

Dib::Dib(int width, int height) : Dib() { Resize(width, height); }

Dib::~Dib() {
  // Off-screen teardown order: old bitmap back into the DC, then the DC, then our bitmap.
  if (oldBmp_ != nullptr) ::SelectObject(dc_.Get(), oldBmp_);
  dc_.Reset();
  bmp_.Reset();
}

bool Dib::Resize(int width, int height) {
  if (!dc_) return false;
  if (width <= 0 || height <= 0) {
    if (oldBmp_ != nullptr) ::SelectObject(dc_.Get(), oldBmp_);
    oldBmp_ = nullptr;
    bmp_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    return true;
  }
  // Stride and size must stay inside int.
  if (static_cast<int64_t>(width) * height * 4 > std::numeric_limits<int32_t>::max()) return false;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  vk::win::Bitmap bmp(::CreateDIBSection(dc_.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bmp || bits == nullptr) return false;
  HGDIOBJ prev = ::SelectObject(dc_.Get(), bmp.Get());
  if (oldBmp_ == nullptr) oldBmp_ = prev;
  bmp_ = std::move(bmp);  // the previous bitmap was just deselected
  bits_ = static_cast<uint32_t*>(bits);
  width_ = width;
  height_ = height;
  return true;
}

void Dib::Swap(Dib& other) noexcept {
  std::swap(dc_, other.dc_);
  std::swap(bmp_, other.bmp_);
  std::swap(oldBmp_, other.oldBmp_);
  std::swap(bits_, other.bits_);
  std::swap(width_, other.width_);
  std::swap(height_, other.height_);
}

void Dib::Fill(uint32_t color) {
  if (bits_ == nullptr) return;
  ::GdiFlush();
  std::fill(bits_, bits_ + static_cast<size_t>(width_) * static_cast<size_t>(height_), ToPixel(color));
}

uint32_t Dib::Pixel(int x, int y) const {
  if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  ::GdiFlush();
  return ToColorRef(bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)]);
}

void Dib::SetPixel(int x, int y, uint32_t color) {
  if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  ::GdiFlush();
  bits_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)] = ToPixel(color);
}

void Dib::CopyTo(HDC dst, int x, int y) const {
  if (bits_ == nullptr) return;
  ::BitBlt(dst, x, y, width_, height_, dc_.Get(), 0, 0, SRCCOPY);
}

}  // namespace vk::win
