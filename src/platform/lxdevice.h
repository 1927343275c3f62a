// The render device: textured quads, filled quads, lines and clipping over an SDL renderer,
// either on a window or on an 800 x 600 software surface whose pixels can be read back.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Renderer;
struct SDL_Surface;
struct SDL_Texture;
struct SDL_Vertex;

namespace lx {

// Red in bits 0-7, green 8-15, blue 16-23, alpha 24-31 (255 opaque).
using TLxColor = uint32_t;

constexpr TLxColor ColorOf(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  return static_cast<TLxColor>(r) | (static_cast<TLxColor>(g) << 8) |
         (static_cast<TLxColor>(b) << 16) | (static_cast<TLxColor>(a) << 24);
}

struct TLxPoint {
  int32_t X = 0;
  int32_t Y = 0;
};

// Left and top inclusive, right and bottom exclusive.
struct TLxRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};

// Top-left, top-right, bottom-right, bottom-left.
using TLxQuad = TLxPoint[4];
using TLxColor4 = TLxColor[4];

// Drawing modes.
constexpr int32_t DrawOpOpaque = 0;
constexpr int32_t DrawOpBlend = 4;
constexpr int32_t DrawOpBlendModulate = 5;

class TLxDeviceTexture {
 public:
  ~TLxDeviceTexture();
  TLxDeviceTexture(const TLxDeviceTexture&) = delete;
  TLxDeviceTexture& operator=(const TLxDeviceTexture&) = delete;
  int32_t Width() const { return W; }
  int32_t Height() const { return H; }

 private:
  friend class TLxRenderDevice;
  TLxDeviceTexture(SDL_Texture* texture, int32_t w, int32_t h) : Texture(texture), W(w), H(h) {}
  SDL_Texture* Texture;
  int32_t W;
  int32_t H;
};

class TLxRenderDevice {
 public:
  // Takes a renderer made on a window (owned), or creates a software renderer over an owned
  // 32-bit surface of the given size.
  static std::unique_ptr<TLxRenderDevice> ForRenderer(SDL_Renderer* renderer, int32_t width,
                                                      int32_t height);
  static std::unique_ptr<TLxRenderDevice> Software(int32_t width, int32_t height);
  ~TLxRenderDevice();
  TLxRenderDevice(const TLxRenderDevice&) = delete;
  TLxRenderDevice& operator=(const TLxRenderDevice&) = delete;

  int32_t Width() const { return W; }
  int32_t Height() const { return H; }

  void Clear(TLxColor color);
  // The rectangle must already lie on the screen.
  void SetClip(const TLxRect& rect);
  void ResetClip();
  void FillQuad(const TLxQuad quad, const TLxColor4 colors, int32_t drawOp);
  void DrawLine(TLxPoint p1, TLxPoint p2, TLxColor c1, TLxColor c2, int32_t drawOp);
  // Draws the source rectangle (texel coordinates) of the texture onto the quad.
  void TexQuad(TLxDeviceTexture* texture, const TLxRect& source, const TLxQuad quad,
               const TLxColor4 colors, int32_t drawOp);
  // Finishes pending drawing.
  void Flush();
  void Present();

  // pixels: width x height values in the colour order above, top row first.
  std::unique_ptr<TLxDeviceTexture> CreateTexture(int32_t width, int32_t height,
                                                  const TLxColor* pixels);
  // The back buffer as colours (alpha 255), top row first.
  bool ReadPixels(std::vector<TLxColor>& pixels);
  TLxColor PixelAt(int32_t x, int32_t y);

  std::string LastError() const;
  SDL_Renderer* Renderer() const { return SdlRenderer; }

 private:
  TLxRenderDevice(SDL_Renderer* renderer, SDL_Surface* surface, int32_t width, int32_t height);
  void SetBlend(int32_t drawOp);
  void FlushBatch();

  SDL_Renderer* SdlRenderer;
  SDL_Surface* Surface;  // software backend only
  int32_t W;
  int32_t H;
  // Consecutive textured quads of one texture and mode are drawn in one call.
  std::vector<SDL_Vertex> Batch;
  std::vector<int> BatchIndices;
  TLxDeviceTexture* BatchTexture = nullptr;
  int32_t BatchOp = -1;
};

}  // namespace lx
