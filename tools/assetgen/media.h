// Output formats of the generated media: Windows BMP, PNG contact sheets, WAV, MIDI.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lx::assetgen {

// A bottom-up, uncompressed Windows BMP of the surface: 32-bit BGRA with straight alpha when
// withAlpha, otherwise 24-bit BGR (the surface composited over black).
std::string EncodeBmp(cairo_surface_t* surface, bool withAlpha);

// 16-bit mono PCM WAV.
std::string EncodeWav(const std::vector<int16_t>& samples, int rate);

struct SheetItem {
  std::string label;
  cairo_surface_t* surface;  // not owned
};
// Draws the items in a grid over a table-felt background with their labels and writes a PNG.
void WriteContactSheet(const std::string& pngPath, const std::string& title,
                       const std::vector<SheetItem>& items, int columns, double scale,
                       cairo_font_face_t* face);

}  // namespace lx::assetgen
