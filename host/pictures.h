#pragma once
// Pictures the host takes: what a plug-in window paints into a DC that the
// host hands it, and screenshots of the host window.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace host {

constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr UINT kHostRequest = WM_USER + 250;

struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  }
  bool AllEqual(std::uint32_t rgb) const;
};

// Sends the paint request (code 5) with a memory DC holding a 32-bit DIB of
// the given size, filled with magenta first; reply receives the answer.
Picture CapturePaintRequest(HWND window, int width, int height, LRESULT& reply);

// A window as it is on the screen now: its client area, or with its frame.
Picture Screenshot(HWND window, bool withFrame = false);

// Empty on success, else the reason.
std::string SavePng(const Picture& picture, const std::string& path);

}  // namespace host
