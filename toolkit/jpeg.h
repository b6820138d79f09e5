#pragma once
// JPEG pictures decoded into 32-bit top-down DIB sections (libjpeg-turbo).

#include <cstddef>

#include "toolkit/gdi.h"

namespace tk {

struct DecodedBitmap {
  Bitmap bitmap;
  int width = 0;
  int height = 0;
};

// Empty (no bitmap) when the data is not a complete, readable JPEG picture:
// a corrupt or truncated picture shows nothing rather than half a picture.
DecodedBitmap DecodeJpeg(const void* data, std::size_t size);

}  // namespace tk
