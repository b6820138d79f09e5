// Draws the dialogs' pictures: the about box's gauge picture (rendered by the
// plug-in's own gauge control), the banner, the clock face, the four chooser
// glyphs and the form icon. Run by tools/make-pictures.sh under Wine; writes
// JPEG, BMP and ICO files into the folder given as the only argument.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "gauge/Gauges.h"
#include "toolkit/dib.h"
#include "toolkit/font_handle.h"
#include "toolkit/gdi.h"

namespace {

using tk::Rgb;

// A 32-bit top-down drawing surface.
class Canvas {
 public:
  Canvas(int width, int height) : dib_(width, height) {}
  HDC dc() const { return dib_.dc(); }
  int width() const { return dib_.width(); }
  int height() const { return dib_.height(); }
  const std::uint8_t* Row(int y) const {
    return reinterpret_cast<const std::uint8_t*>(dib_.Bits() + static_cast<std::size_t>(y) * width());
  }

  void Fill(RECT r, COLORREF c) {
    tk::Brush b(CreateSolidBrush(c));
    FillRect(dc(), &r, b.get());
  }
  void Frame(RECT r, COLORREF c) {
    tk::Brush b(CreateSolidBrush(c));
    FrameRect(dc(), &r, b.get());
  }
  void Line(int x0, int y0, int x1, int y1, COLORREF c, int width = 1) {
    tk::Pen p(CreatePen(PS_SOLID, width, c));
    tk::SelectObjectGuard s(dc(), p.get());
    MoveToEx(dc(), x0, y0, nullptr);
    LineTo(dc(), x1, y1);
  }

 private:
  tk::DibSection dib_;
};

bool WriteJpeg(const Canvas& canvas, const std::string& path, int quality) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = static_cast<JDIMENSION>(canvas.width());
  info.image_height = static_cast<JDIMENSION>(canvas.height());
  info.input_components = 4;
  info.in_color_space = JCS_EXT_BGRX;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  for (int y = 0; y < canvas.height(); ++y) {
    JSAMPROW row = const_cast<JSAMPROW>(canvas.Row(y));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::fclose(out);
  return true;
}

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(x & 0xFF);
  v.push_back((x >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& v, unsigned x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// Bottom-up rows of 24-bit pixels, padded to four bytes.
std::vector<std::uint8_t> Pixels24(const Canvas& canvas) {
  std::vector<std::uint8_t> v;
  int stride = (canvas.width() * 3 + 3) & ~3;
  for (int y = canvas.height() - 1; y >= 0; --y) {
    const std::uint8_t* row = canvas.Row(y);
    for (int x = 0; x < canvas.width(); ++x) v.insert(v.end(), row + x * 4, row + x * 4 + 3);
    for (int pad = canvas.width() * 3; pad < stride; ++pad) v.push_back(0);
  }
  return v;
}

void PutInfoHeader(std::vector<std::uint8_t>& v, int width, int height, int bits, unsigned imageSize) {
  Put32(v, 40);
  Put32(v, static_cast<unsigned>(width));
  Put32(v, static_cast<unsigned>(height));
  Put16(v, 1);
  Put16(v, static_cast<unsigned>(bits));
  Put32(v, 0);
  Put32(v, imageSize);
  Put32(v, 0);
  Put32(v, 0);
  Put32(v, 0);
  Put32(v, 0);
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
  return std::fclose(out) == 0 && ok;
}

bool WriteBmp(const Canvas& canvas, const std::string& path) {
  std::vector<std::uint8_t> pixels = Pixels24(canvas);
  std::vector<std::uint8_t> v;
  v.push_back('B');
  v.push_back('M');
  Put32(v, static_cast<unsigned>(14 + 40 + pixels.size()));
  Put32(v, 0);
  Put32(v, 14 + 40);
  PutInfoHeader(v, canvas.width(), canvas.height(), 24, static_cast<unsigned>(pixels.size()));
  v.insert(v.end(), pixels.begin(), pixels.end());
  return WriteFile(path, v);
}

// An icon file with one 32-bit image per canvas; the key colour is see-through.
bool WriteIco(const std::vector<const Canvas*>& images, COLORREF key, const std::string& path) {
  std::vector<std::vector<std::uint8_t>> entries;
  for (const Canvas* c : images) {
    std::vector<std::uint8_t> e;
    int maskStride = ((c->width() + 31) / 32) * 4;
    unsigned size = static_cast<unsigned>(c->width() * c->height() * 4 + maskStride * c->height());
    PutInfoHeader(e, c->width(), c->height() * 2, 32, size);
    std::vector<std::uint8_t> mask;
    for (int y = c->height() - 1; y >= 0; --y) {
      const std::uint8_t* row = c->Row(y);
      std::vector<std::uint8_t> maskRow(static_cast<std::size_t>(maskStride), 0);
      for (int x = 0; x < c->width(); ++x) {
        COLORREF px = RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
        bool clear = px == key;
        e.push_back(clear ? 0 : row[x * 4]);
        e.push_back(clear ? 0 : row[x * 4 + 1]);
        e.push_back(clear ? 0 : row[x * 4 + 2]);
        e.push_back(clear ? 0 : 255);
        if (clear) maskRow[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
      mask.insert(mask.end(), maskRow.begin(), maskRow.end());
    }
    e.insert(e.end(), mask.begin(), mask.end());
    entries.push_back(std::move(e));
  }
  std::vector<std::uint8_t> v;
  Put16(v, 0);
  Put16(v, 1);
  Put16(v, static_cast<unsigned>(images.size()));
  unsigned offset = static_cast<unsigned>(6 + 16 * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    v.push_back(static_cast<std::uint8_t>(images[i]->width()));
    v.push_back(static_cast<std::uint8_t>(images[i]->height()));
    v.push_back(0);
    v.push_back(0);
    Put16(v, 1);
    Put16(v, 32);
    Put32(v, static_cast<unsigned>(entries[i].size()));
    Put32(v, offset);
    offset += static_cast<unsigned>(entries[i].size());
  }
  for (const auto& e : entries) v.insert(v.end(), e.begin(), e.end());
  return WriteFile(path, v);
}

constexpr COLORREF kOrange = RGB(255, 185, 0);
constexpr COLORREF kKey = RGB(255, 0, 255);  // glyph background, see-through

// The gauge control itself draws the picture: a pie at 57 % in the upper
// right, leaving the orange ground to the left and below for the texts that
// the about box lays over the picture.
void DrawGaugePicture(Canvas& c) {
  c.Fill(RECT{0, 0, c.width(), c.height()}, kOrange);
  gauges::TGauge gauge;
  gauge.SetKind(gauges::gkPie);
  gauge.SetBorderStyle(gauges::bsNone);
  gauge.SetColor(Rgb(255, 185, 0));
  gauge.SetBackColor(Rgb(255, 244, 214));
  gauge.SetForeColor(Rgb(200, 40, 20));
  tk::FontRecord font;
  font.name = "Arial";
  font.height = -24;
  font.style = tk::fsBold;
  gauge.SetFont(font);
  gauge.SetMinValue(0);
  gauge.SetMaxValue(100);
  gauge.SetProgress(57);
  const int left = 146, top = 26, side = 100;
  gauge.SetBounds(0, 0, side, side);
  tk::SavedDC saved(c.dc());
  SetViewportOrgEx(c.dc(), left, top, nullptr);
  gauge.Paint(c.dc());
}

// A vertical banner: a plum-to-navy ramp, a column of gauge rings and the
// product's name written upwards.
void DrawBanner(Canvas& c) {
  for (int y = 0; y < c.height(); ++y) {
    double t = static_cast<double>(y) / (c.height() - 1);
    COLORREF col = RGB(static_cast<int>(151 + (20 - 151) * t), static_cast<int>(38 + (30 - 38) * t),
                       static_cast<int>(102 + (90 - 102) * t));
    c.Line(0, y, c.width(), y, col);
  }
  const int cx = c.width() / 2;
  for (int i = 0; i < 3; ++i) {
    int cy = 40 + i * 52;
    int r = 22 - i * 3;
    tk::Pen ring(CreatePen(PS_SOLID, 3, RGB(255, 185, 0)));
    tk::Brush fill(CreateSolidBrush(RGB(255, 244, 214)));
    tk::SelectObjectGuard p(c.dc(), ring.get());
    tk::SelectObjectGuard b(c.dc(), fill.get());
    Ellipse(c.dc(), cx - r, cy - r, cx + r, cy + r);
    tk::Brush fore(CreateSolidBrush(RGB(200, 40, 20)));
    tk::SelectObjectGuard f(c.dc(), fore.get());
    tk::Pen none(CreatePen(PS_NULL, 0, 0));
    tk::SelectObjectGuard n(c.dc(), none.get());
    double sweep = 0.25 + 0.3 * i;  // a quarter, more than half, nearly all
    double a = 2 * 3.14159265358979 * sweep;
    int ex = cx + static_cast<int>(std::lround(std::sin(a) * r));
    int ey = cy - static_cast<int>(std::lround(std::cos(a) * r));
    Pie(c.dc(), cx - r + 3, cy - r + 3, cx + r - 2, cy + r - 2, ex, ey, cx, cy - r);
  }
  LOGFONTW lf{};
  lf.lfHeight = -30;
  lf.lfWeight = FW_BOLD;
  lf.lfEscapement = lf.lfOrientation = 900;
  lstrcpyW(lf.lfFaceName, L"Tahoma");
  tk::Font font(CreateFontIndirectW(&lf));
  tk::SelectObjectGuard s(c.dc(), font.get());
  SetBkMode(c.dc(), TRANSPARENT);
  SetTextColor(c.dc(), RGB(255, 255, 225));
  const wchar_t text[] = L"Tarvex 2";
  SIZE size{};
  GetTextExtentPoint32W(c.dc(), text, 8, &size);
  TextOutW(c.dc(), cx - size.cy / 2, c.height() - 12, text, 8);
}

// A yellow clock face at ten past ten.
void DrawClock(Canvas& c) {
  c.Fill(RECT{0, 0, 32, 32}, RGB(255, 255, 255));
  {
    tk::Pen rim(CreatePen(PS_SOLID, 2, RGB(120, 80, 0)));
    tk::Brush face(CreateSolidBrush(RGB(255, 214, 0)));
    tk::SelectObjectGuard p(c.dc(), rim.get());
    tk::SelectObjectGuard b(c.dc(), face.get());
    Ellipse(c.dc(), 1, 1, 31, 31);
  }
  const double pi = 3.14159265358979;
  for (int h = 0; h < 12; ++h) {
    double a = h * pi / 6;
    int x0 = 16 + static_cast<int>(std::lround(std::sin(a) * 11));
    int y0 = 16 - static_cast<int>(std::lround(std::cos(a) * 11));
    int x1 = 16 + static_cast<int>(std::lround(std::sin(a) * 13));
    int y1 = 16 - static_cast<int>(std::lround(std::cos(a) * 13));
    c.Line(x0, y0, x1, y1, RGB(90, 60, 0));
  }
  c.Line(16, 16, 16 + static_cast<int>(std::lround(std::sin(10 * pi / 6 + pi / 36) * 7)),
         16 - static_cast<int>(std::lround(std::cos(10 * pi / 6 + pi / 36) * 7)), RGB(0, 0, 0), 2);
  c.Line(16, 16, 16 + static_cast<int>(std::lround(std::sin(2 * pi / 12 * 2) * 10)),
         16 - static_cast<int>(std::lround(std::cos(2 * pi / 12 * 2) * 10)), RGB(0, 0, 0), 2);
}

void DrawPage(Canvas& c, RECT r) {
  c.Fill(r, RGB(255, 255, 255));
  c.Frame(r, RGB(96, 96, 96));
  // folded top-right corner
  c.Fill(RECT{r.right - 4, r.top, r.right, r.top + 4}, kKey);
  c.Line(r.right - 5, r.top, r.right - 1, r.top + 4, RGB(96, 96, 96));
  c.Line(r.right - 5, r.top, r.right - 5, r.top + 4, RGB(96, 96, 96));
  c.Line(r.right - 5, r.top + 4, r.right, r.top + 4, RGB(96, 96, 96));
}

void DrawObjectGlyph(Canvas& c) {
  c.Fill(RECT{0, 0, 26, 24}, kKey);
  c.Fill(RECT{6, 5, 20, 19}, RGB(166, 202, 240));
  c.Frame(RECT{6, 5, 20, 19}, RGB(0, 0, 128));
  c.Frame(RECT{7, 6, 19, 18}, RGB(255, 255, 255));
}

void DrawVariableGlyph(Canvas& c) {
  c.Fill(RECT{0, 0, 26, 24}, kKey);
  DrawPage(c, RECT{5, 2, 21, 21});
  const COLORREF red = RGB(210, 0, 0);
  // [#]
  c.Line(8, 6, 8, 14, red);
  c.Line(8, 6, 10, 6, red);
  c.Line(8, 13, 10, 13, red);
  c.Line(18, 6, 18, 14, red);
  c.Line(16, 6, 18, 6, red);
  c.Line(16, 13, 18, 13, red);
  c.Line(12, 7, 11, 13, red);
  c.Line(15, 7, 14, 13, red);
  c.Line(10, 9, 17, 9, red);
  c.Line(10, 11, 17, 11, red);
  // a bent arrow into the bracket, from the lower left
  const COLORREF blue = RGB(0, 64, 160);
  c.Line(2, 22, 2, 17, blue, 2);
  c.Line(2, 17, 9, 17, blue, 2);
  c.Line(7, 15, 10, 17, blue);
  c.Line(7, 19, 10, 17, blue);
}

void DrawColorGlyph(Canvas& c) {
  c.Fill(RECT{0, 0, 26, 24}, kKey);
  const COLORREF colours[9] = {RGB(220, 0, 0),   RGB(255, 160, 0), RGB(255, 230, 0),
                               RGB(0, 170, 0),   RGB(0, 200, 200), RGB(0, 80, 220),
                               RGB(140, 0, 180), RGB(0, 0, 0),     RGB(255, 255, 255)};
  for (int i = 0; i < 9; ++i) {
    int x = 4 + (i % 3) * 6, y = 3 + (i / 3) * 6;
    c.Fill(RECT{x, y, x + 6, y + 6}, colours[i]);
    c.Frame(RECT{x, y, x + 6, y + 6}, RGB(64, 64, 64));
  }
}

void DrawFontGlyph(Canvas& c) {
  c.Fill(RECT{0, 0, 26, 24}, kKey);
  DrawPage(c, RECT{5, 2, 21, 21});
  const COLORREF blue = RGB(0, 0, 200);
  c.Fill(RECT{8, 5, 18, 8}, blue);
  c.Fill(RECT{11, 8, 15, 18}, blue);
  c.Fill(RECT{10, 17, 16, 18}, blue);
}

void DrawIcon(Canvas& c) {
  int s = c.width();
  c.Fill(RECT{0, 0, s, s}, kKey);
  tk::Pen rim(CreatePen(PS_SOLID, 1, RGB(100, 60, 0)));
  tk::Brush face(CreateSolidBrush(RGB(255, 244, 214)));
  tk::SelectObjectGuard p(c.dc(), rim.get());
  tk::SelectObjectGuard b(c.dc(), face.get());
  Ellipse(c.dc(), 0, 0, s, s);
  tk::Brush fore(CreateSolidBrush(RGB(255, 185, 0)));
  tk::SelectObjectGuard f(c.dc(), fore.get());
  int m = s / 8;
  // 57 %: from twelve o'clock clockwise to a little past half.
  double a = 2 * 3.14159265358979 * 0.57;
  int ex = s / 2 + static_cast<int>(std::lround(std::sin(a) * s));
  int ey = s / 2 - static_cast<int>(std::lround(std::cos(a) * s));
  Pie(c.dc(), m, m, s - m, s - m, ex, ey, s / 2, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-pictures OUTPUT-FOLDER\n");
    return 2;
  }
  std::string dir = std::string(argv[1]) + "/";
  bool ok = true;
  {
    Canvas c(249, 249);
    DrawGaugePicture(c);
    ok &= WriteJpeg(c, dir + "about_gauge.jpg", 90);
  }
  {
    Canvas c(76, 316);
    DrawBanner(c);
    ok &= WriteJpeg(c, dir + "banner.jpg", 90);
  }
  {
    Canvas c(32, 32);
    DrawClock(c);
    ok &= WriteJpeg(c, dir + "clock.jpg", 95);
  }
  struct Glyph {
    const char* file;
    void (*draw)(Canvas&);
  };
  for (const Glyph& g : {Glyph{"glyph_object.bmp", DrawObjectGlyph},
                         Glyph{"glyph_variable.bmp", DrawVariableGlyph},
                         Glyph{"glyph_color.bmp", DrawColorGlyph},
                         Glyph{"glyph_font.bmp", DrawFontGlyph}}) {
    Canvas c(26, 24);
    g.draw(c);
    ok &= WriteBmp(c, dir + g.file);
  }
  {
    Canvas big(32, 32), small(16, 16);
    DrawIcon(big);
    DrawIcon(small);
    ok &= WriteIco({&big, &small}, kKey, dir + "form.ico");
  }
  if (!ok) std::fprintf(stderr, "make-pictures: cannot write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
