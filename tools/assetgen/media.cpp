#include "media.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lx::assetgen {

namespace {

void Put16(std::string& s, uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
  Put16(s, v & 0xFFFF);
  Put16(s, v >> 16);
}

}  // namespace

std::string EncodeBmp(cairo_surface_t* surface, bool withAlpha) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int bpp = withAlpha ? 32 : 24;
  const int rowBytes = ((w * bpp / 8) + 3) & ~3;
  const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes) * static_cast<uint32_t>(h);
  std::string out;
  out.reserve(54 + pixelBytes);
  out += "BM";
  Put32(out, 54 + pixelBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, static_cast<uint32_t>(w));
  Put32(out, static_cast<uint32_t>(h));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bpp));
  Put32(out, 0);  // BI_RGB
  Put32(out, pixelBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = h - 1; y >= 0; --y) {
    const unsigned char* row = data + static_cast<ptrdiff_t>(y) * stride;
    size_t start = out.size();
    for (int x = 0; x < w; ++x) {
      // cairo ARGB32: native-endian premultiplied; on little-endian bytes are B G R A
      uint32_t px = reinterpret_cast<const uint32_t*>(row)[x];
      unsigned a = px >> 24, r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
      if (withAlpha && a != 0 && a != 255) {
        r = std::min(255u, (r * 255 + a / 2) / a);
        g = std::min(255u, (g * 255 + a / 2) / a);
        b = std::min(255u, (b * 255 + a / 2) / a);
      }
      if (withAlpha && a == 0) r = g = b = 0;
      out += static_cast<char>(b);
      out += static_cast<char>(g);
      out += static_cast<char>(r);
      if (withAlpha) out += static_cast<char>(a);
    }
    while (out.size() - start < static_cast<size_t>(rowBytes)) out += '\0';
  }
  return out;
}

std::string EncodeWav(const std::vector<int16_t>& samples, int rate) {
  std::string out = "RIFF";
  uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
  Put32(out, 36 + dataBytes);
  out += "WAVEfmt ";
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(rate));
  Put32(out, static_cast<uint32_t>(rate * 2));
  Put16(out, 2);
  Put16(out, 16);
  out += "data";
  Put32(out, dataBytes);
  for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
  return out;
}

void WriteContactSheet(const std::string& pngPath, const std::string& title,
                       const std::vector<SheetItem>& items, int columns, double scale,
                       cairo_font_face_t* face) {
  int cellW = 0, cellH = 0;
  for (const auto& it : items) {
    cellW = std::max(cellW, cairo_image_surface_get_width(it.surface));
    cellH = std::max(cellH, cairo_image_surface_get_height(it.surface));
  }
  const int pad = 10, labelH = 14, titleH = 30;
  int cw = static_cast<int>(std::ceil(cellW * scale)) + pad;
  int ch = static_cast<int>(std::ceil(cellH * scale)) + pad + labelH;
  int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  int W = columns * cw + pad, H = rows * ch + pad + titleH;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, W, H);
  cairo_t* cr = cairo_create(s);
  cairo_pattern_t* felt =
      cairo_pattern_create_radial(W / 2.0, H / 2.0, 0, W / 2.0, H / 2.0, std::max(W, H) * 0.7);
  cairo_pattern_add_color_stop_rgb(felt, 0, 0.05, 0.42, 0.22);
  cairo_pattern_add_color_stop_rgb(felt, 1, 0.02, 0.20, 0.10);
  cairo_set_source(cr, felt);
  cairo_paint(cr);
  cairo_pattern_destroy(felt);
  cairo_set_font_face(cr, face);
  cairo_set_font_size(cr, 16);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, pad, 22);
  cairo_show_text(cr, title.c_str());
  cairo_set_font_size(cr, 9);
  for (size_t i = 0; i < items.size(); ++i) {
    int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
    double x = pad + col * cw, y = titleH + pad + row * ch;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, items[i].surface, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.8);
    cairo_move_to(cr, x, y + cellH * scale + 11);
    cairo_show_text(cr, items[i].label.c_str());
  }
  cairo_destroy(cr);
  if (cairo_surface_write_to_png(s, pngPath.c_str()) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    throw std::runtime_error("cannot write " + pngPath);
  }
  cairo_surface_destroy(s);
}

}  // namespace lx::assetgen
