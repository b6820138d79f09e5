#include "host/pictures.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "host/core/png.h"
#include "toolkit/dib.h"

namespace host {
namespace {

// The pixels as 0x00RRGGBB: the unused fourth byte of each is cleared.
std::vector<std::uint32_t> Pixels(const tk::DibSection& canvas) {
  const std::uint32_t* bits = canvas.Bits();
  std::vector<std::uint32_t> out(bits, bits + static_cast<std::size_t>(canvas.width()) * canvas.height());
  for (std::uint32_t& p : out) p &= 0xFFFFFF;
  return out;
}

// A script names where its pictures go, and a fresh tree has no such folder
// yet: each missing folder of the path is made (those that exist fail
// harmlessly).
void MakeFoldersFor(const std::string& path) {
  for (std::size_t at = path.find_first_of("\\/", 1); at != std::string::npos;
       at = path.find_first_of("\\/", at + 1)) {
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  }
}

}  // namespace

bool Picture::AllEqual(std::uint32_t rgb) const {
  return std::all_of(pixels.begin(), pixels.end(), [rgb](std::uint32_t p) { return p == rgb; });
}

Picture CapturePaintRequest(HWND window, int width, int height, LRESULT& reply) {
  Picture picture{std::max(width, 0), std::max(height, 0), {}};
  reply = 0;
  if (picture.width == 0 || picture.height == 0) return picture;
  tk::DibSection canvas(picture.width, picture.height);
  if (!canvas.Valid()) return Picture{};
  std::fill(canvas.Bits(), canvas.Bits() + picture.width * picture.height, kMagenta);
  reply = SendMessageW(window, kHostRequest, reinterpret_cast<WPARAM>(canvas.dc()), 5);
  picture.pixels = Pixels(canvas);
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
  tk::DibSection canvas(picture.width, picture.height);
  if (!canvas.Valid()) return Picture{};
  tk::WindowDC source(window, withFrame);
  BitBlt(canvas.dc(), 0, 0, picture.width, picture.height, source.get(), 0, 0, SRCCOPY);
  picture.pixels = Pixels(canvas);
  return picture;
}

std::string SavePng(const Picture& picture, const std::string& path) {
  if (picture.width <= 0 || picture.height <= 0) return "there is no picture to save";
  std::vector<std::uint8_t> bytes = png::EncodeRgb(picture.width, picture.height, picture.pixels);
  MakeFoldersFor(path);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return "cannot write " + path;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fclose(file) == 0 && ok;
  return ok ? std::string() : "cannot write " + path;
}

}  // namespace host
