#include "host/pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>

#include "host/core/png.h"
#include "host/handles.h"

namespace host {
namespace {

// A top-down 32-bit DIB section selected into a memory DC for its lifetime.
class DibCanvas {
 public:
  DibCanvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.Reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    selected_.emplace(dc_.get(), bitmap_.get());
    count_ = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  }
  bool Valid() const { return bits_ != nullptr; }
  HDC Dc() const { return dc_.get(); }
  std::uint32_t* Bits() const { return static_cast<std::uint32_t*>(bits_); }
  std::vector<std::uint32_t> Pixels() const {
    GdiFlush();
    std::vector<std::uint32_t> out(Bits(), Bits() + count_);
    for (std::uint32_t& p : out) p &= 0xFFFFFF;  // BGRX in memory reads as 0x00RRGGBB
    return out;
  }

 private:
  OwnedMemoryDc dc_;
  OwnedBitmap bitmap_;
  void* bits_ = nullptr;
  std::size_t count_ = 0;
  // Declared last: put back before the bitmap and the DC go.
  std::optional<Selected> selected_;
};

}  // namespace

bool Picture::AllEqual(std::uint32_t rgb) const {
  return std::all_of(pixels.begin(), pixels.end(), [rgb](std::uint32_t p) { return p == rgb; });
}

Picture CapturePaintRequest(HWND window, int width, int height, LRESULT& reply) {
  Picture picture{std::max(width, 0), std::max(height, 0), {}};
  reply = 0;
  if (picture.width == 0 || picture.height == 0) return picture;
  DibCanvas canvas(picture.width, picture.height);
  if (!canvas.Valid()) return Picture{};
  std::fill(canvas.Bits(), canvas.Bits() + picture.width * picture.height, kMagenta);
  reply = SendMessageW(window, kHostRequest, reinterpret_cast<WPARAM>(canvas.Dc()), 5);
  picture.pixels = canvas.Pixels();
  return picture;
}

Picture Screenshot(HWND window, bool withFrame) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT area{};
  if (withFrame) {
    GetWindowRect(window, &area);
    OffsetRect(&area, -area.left, -area.top);
  } else {
    GetClientRect(window, &area);
  }
  Picture picture{area.right, area.bottom, {}};
  if (picture.width <= 0 || picture.height <= 0) return Picture{};
  DibCanvas canvas(picture.width, picture.height);
  if (!canvas.Valid()) return Picture{};
  BorrowedWindowDc source(window, withFrame);
  BitBlt(canvas.Dc(), 0, 0, picture.width, picture.height, source.get(), 0, 0, SRCCOPY);
  picture.pixels = canvas.Pixels();
  return picture;
}

std::string SavePng(const Picture& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0) return "there is no picture to save";
  std::vector<std::uint8_t> bytes = png::EncodeRgb(picture.width, picture.height, picture.pixels);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return "cannot write " + path;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fclose(file) == 0 && ok;
  return ok ? std::string() : "cannot write " + path;
}

}  // namespace host
