#include "toolkit/jpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "toolkit/dib.h"

namespace tk {

namespace {

constexpr JDIMENSION kMaxSide = 8192;

// libjpeg reports errors through these; every error and every warning (a
// warning means damaged data) jumps back to the call that started the step.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1); }

void OnMessage(j_common_ptr info, int level) {
  if (level < 0) OnError(info);
}

void Silent(j_common_ptr) {}

// Owns the decompressor; each step runs with only trivial locals so that a
// jump out of libjpeg skips no destructor.
class Decompressor {
 public:
  Decompressor() {
    info_.err = jpeg_std_error(&errors_.base);
    errors_.base.error_exit = OnError;
    errors_.base.emit_message = OnMessage;
    errors_.base.output_message = Silent;
    jpeg_create_decompress(&info_);
  }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;
  ~Decompressor() { jpeg_destroy_decompress(&info_); }

  bool Start(const void* data, std::size_t size) {
    if (setjmp(errors_.jump)) return false;
    jpeg_mem_src(&info_, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&info_, TRUE);
    info_.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info_);
    return info_.output_components == 4 && info_.output_width > 0 && info_.output_height > 0 &&
           info_.output_width <= kMaxSide && info_.output_height <= kMaxSide;
  }

  bool ReadRows(unsigned char* bits, std::size_t stride) {
    if (setjmp(errors_.jump)) return false;
    while (info_.output_scanline < info_.output_height) {
      JSAMPROW row = bits + stride * info_.output_scanline;
      jpeg_read_scanlines(&info_, &row, 1);
    }
    jpeg_finish_decompress(&info_);
    return true;
  }

  int Width() const { return static_cast<int>(info_.output_width); }
  int Height() const { return static_cast<int>(info_.output_height); }

 private:
  jpeg_decompress_struct info_{};
  ErrorManager errors_{};
};

}  // namespace

DecodedBitmap DecodeJpeg(const void* data, std::size_t size) {
  DecodedBitmap out;
  if (!data || size == 0) return out;
  Decompressor jpeg;
  if (!jpeg.Start(data, size)) return out;
  void* bits = nullptr;
  Bitmap bitmap = CreateTopDownDib(jpeg.Width(), jpeg.Height(), &bits);  // rows as libjpeg writes them
  if (!bitmap || !bits) return out;
  if (!jpeg.ReadRows(static_cast<unsigned char*>(bits), static_cast<std::size_t>(jpeg.Width()) * 4))
    return out;
  GdiFlush();
  out.bitmap = std::move(bitmap);
  out.width = jpeg.Width();
  out.height = jpeg.Height();
  return out;
}

}  // namespace tk
