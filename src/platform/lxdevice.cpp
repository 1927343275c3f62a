#include "platform/lxdevice.h"

#include <SDL.h>

#include <cstdlib>

namespace lx {

namespace {

SDL_Color SdlColor(TLxColor c) {
  return SDL_Color{static_cast<Uint8>(c & 0xFF), static_cast<Uint8>((c >> 8) & 0xFF),
                   static_cast<Uint8>((c >> 16) & 0xFF), static_cast<Uint8>(c >> 24)};
}

SDL_BlendMode BlendOf(int32_t drawOp) {
  return drawOp == DrawOpOpaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND;
}

SDL_Vertex Vertex(float x, float y, TLxColor c, float u = 0, float v = 0) {
  return SDL_Vertex{SDL_FPoint{x, y}, SdlColor(c), SDL_FPoint{u, v}};
}

// Mean of four colours channel by channel: the centre of a quad drawn as four triangles, which
// keeps four-corner gradients symmetric.
TLxColor Mean(const TLxColor4 c) {
  TLxColor r = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    uint32_t sum = 0;
    for (int i = 0; i < 4; ++i) sum += (c[i] >> shift) & 0xFF;
    r |= ((sum + 2) / 4) << shift;
  }
  return r;
}

// Colour at t in [0, 1] between two colours, channel by channel.
TLxColor Lerp(TLxColor a, TLxColor b, double t) {
  TLxColor r = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    r |= static_cast<TLxColor>(ca + (cb - ca) * t + 0.5) << shift;
  }
  return r;
}

}  // namespace

TLxDeviceTexture::~TLxDeviceTexture() {
  if (Texture) SDL_DestroyTexture(Texture);
}

TLxRenderDevice::TLxRenderDevice(SDL_Renderer* renderer, SDL_Surface* surface, int32_t width,
                                 int32_t height)
    : SdlRenderer(renderer), Surface(surface), W(width), H(height) {
  Batch.reserve(4096);
  BatchIndices.reserve(6144);
}

std::unique_ptr<TLxRenderDevice> TLxRenderDevice::ForRenderer(SDL_Renderer* renderer, int32_t width,
                                                              int32_t height) {
  if (!renderer) return nullptr;
  return std::unique_ptr<TLxRenderDevice>(new TLxRenderDevice(renderer, nullptr, width, height));
}

std::unique_ptr<TLxRenderDevice> TLxRenderDevice::Software(int32_t width, int32_t height) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return nullptr;
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
  if (!renderer) {
    SDL_FreeSurface(surface);
    return nullptr;
  }
  return std::unique_ptr<TLxRenderDevice>(new TLxRenderDevice(renderer, surface, width, height));
}

TLxRenderDevice::~TLxRenderDevice() {
  SDL_DestroyRenderer(SdlRenderer);
  if (Surface) SDL_FreeSurface(Surface);
}

void TLxRenderDevice::SetBlend(int32_t drawOp) {
  SDL_SetRenderDrawBlendMode(SdlRenderer, BlendOf(drawOp));
}

void TLxRenderDevice::FlushBatch() {
  if (BatchTexture && !Batch.empty()) {
    SDL_SetTextureBlendMode(BatchTexture->Texture, BlendOf(BatchOp));
    SDL_SetTextureColorMod(BatchTexture->Texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(BatchTexture->Texture, 255);
    SDL_RenderGeometry(SdlRenderer, BatchTexture->Texture, Batch.data(),
                       static_cast<int>(Batch.size()), BatchIndices.data(),
                       static_cast<int>(BatchIndices.size()));
  }
  Batch.clear();
  BatchIndices.clear();
  BatchTexture = nullptr;
  BatchOp = -1;
}

void TLxRenderDevice::Flush() {
  FlushBatch();
}

void TLxRenderDevice::Clear(TLxColor color) {
  FlushBatch();
  const SDL_Color c = SdlColor(color);
  SDL_SetRenderDrawColor(SdlRenderer, c.r, c.g, c.b, c.a);
  // Clearing ignores the clip rectangle: it is the whole back buffer.
  SDL_RenderSetClipRect(SdlRenderer, nullptr);
  SDL_RenderClear(SdlRenderer);
}

void TLxRenderDevice::SetClip(const TLxRect& rect) {
  FlushBatch();
  const SDL_Rect r{rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top};
  if (r.w <= 0 || r.h <= 0) {
    // An empty clip must clip everything; SDL treats an empty rectangle as "no clipping".
    const SDL_Rect none{-1, -1, 1, 1};
    SDL_RenderSetClipRect(SdlRenderer, &none);
    return;
  }
  SDL_RenderSetClipRect(SdlRenderer, &r);
}

void TLxRenderDevice::ResetClip() {
  FlushBatch();
  SDL_RenderSetClipRect(SdlRenderer, nullptr);
}

void TLxRenderDevice::FillQuad(const TLxQuad quad, const TLxColor4 colors, int32_t drawOp) {
  FlushBatch();
  SetBlend(drawOp);
  const bool uniform = colors[0] == colors[1] && colors[1] == colors[2] && colors[2] == colors[3];
  const bool axisAligned = quad[0].Y == quad[1].Y && quad[1].X == quad[2].X &&
                           quad[2].Y == quad[3].Y && quad[3].X == quad[0].X;
  if (uniform && axisAligned) {
    const SDL_Color c = SdlColor(colors[0]);
    SDL_SetRenderDrawColor(SdlRenderer, c.r, c.g, c.b, c.a);
    const SDL_Rect r{quad[0].X, quad[0].Y, quad[1].X - quad[0].X, quad[3].Y - quad[0].Y};
    SDL_RenderFillRect(SdlRenderer, &r);
    return;
  }
  float cx = 0, cy = 0;
  for (int i = 0; i < 4; ++i) {
    cx += static_cast<float>(quad[i].X) / 4;
    cy += static_cast<float>(quad[i].Y) / 4;
  }
  SDL_Vertex v[5];
  for (int i = 0; i < 4; ++i)
    v[i] = Vertex(static_cast<float>(quad[i].X), static_cast<float>(quad[i].Y), colors[i]);
  v[4] = Vertex(cx, cy, Mean(colors));
  const int indices[12] = {0, 1, 4, 1, 2, 4, 2, 3, 4, 3, 0, 4};
  SDL_RenderGeometry(SdlRenderer, nullptr, v, 5, indices, 12);
}

void TLxRenderDevice::DrawLine(TLxPoint p1, TLxPoint p2, TLxColor c1, TLxColor c2, int32_t drawOp) {
  FlushBatch();
  SetBlend(drawOp);
  if (c1 == c2) {
    const SDL_Color c = SdlColor(c1);
    SDL_SetRenderDrawColor(SdlRenderer, c.r, c.g, c.b, c.a);
    SDL_RenderDrawLine(SdlRenderer, p1.X, p1.Y, p2.X, p2.Y);
    return;
  }
  // A gradient line: Bresenham, one point per pixel with its interpolated colour.
  const int dx = std::abs(p2.X - p1.X), dy = -std::abs(p2.Y - p1.Y);
  const int sx = p1.X < p2.X ? 1 : -1, sy = p1.Y < p2.Y ? 1 : -1;
  const int steps = dx > -dy ? dx : -dy;
  int x = p1.X, y = p1.Y, err = dx + dy;
  for (int i = 0;; ++i) {
    const SDL_Color c = SdlColor(Lerp(c1, c2, steps ? static_cast<double>(i) / steps : 0));
    SDL_SetRenderDrawColor(SdlRenderer, c.r, c.g, c.b, c.a);
    SDL_RenderDrawPoint(SdlRenderer, x, y);
    if (x == p2.X && y == p2.Y) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void TLxRenderDevice::TexQuad(TLxDeviceTexture* texture, const TLxRect& source, const TLxQuad quad,
                              const TLxColor4 colors, int32_t drawOp) {
  if (!texture) return;
  const bool uniform = colors[0] == colors[1] && colors[1] == colors[2] && colors[2] == colors[3];
  const bool upright = quad[0].Y == quad[1].Y && quad[1].X == quad[2].X && quad[2].Y == quad[3].Y &&
                       quad[3].X == quad[0].X && quad[1].X > quad[0].X && quad[3].Y > quad[0].Y;
  if (uniform && upright) {
    // The common case, an upright rectangle in one colour: a plain copy, which both renderers
    // do much faster than triangles (the software one with its scaled blitters).
    FlushBatch();
    const SDL_Color c = SdlColor(colors[0]);
    SDL_SetTextureColorMod(texture->Texture, c.r, c.g, c.b);
    SDL_SetTextureAlphaMod(texture->Texture, c.a);
    SDL_SetTextureBlendMode(texture->Texture, BlendOf(drawOp));
    const SDL_Rect src{source.Left, source.Top, source.Right - source.Left,
                       source.Bottom - source.Top};
    const SDL_Rect dst{quad[0].X, quad[0].Y, quad[1].X - quad[0].X, quad[3].Y - quad[0].Y};
    SDL_RenderCopy(SdlRenderer, texture->Texture, &src, &dst);
    return;
  }
  if (texture != BatchTexture || drawOp != BatchOp) {
    FlushBatch();
    BatchTexture = texture;
    BatchOp = drawOp;
  }
  const float tw = static_cast<float>(texture->W), th = static_cast<float>(texture->H);
  const float u0 = static_cast<float>(source.Left) / tw, u1 = static_cast<float>(source.Right) / tw;
  const float v0 = static_cast<float>(source.Top) / th, v1 = static_cast<float>(source.Bottom) / th;
  const float us[4] = {u0, u1, u1, u0}, vs[4] = {v0, v0, v1, v1};
  const int base = static_cast<int>(Batch.size());
  for (int i = 0; i < 4; ++i)
    Batch.push_back(Vertex(static_cast<float>(quad[i].X), static_cast<float>(quad[i].Y), colors[i],
                           us[i], vs[i]));
  for (int i : {0, 1, 2, 0, 2, 3}) BatchIndices.push_back(base + i);
}

void TLxRenderDevice::Present() {
  FlushBatch();
  SDL_RenderPresent(SdlRenderer);
}

std::unique_ptr<TLxDeviceTexture> TLxRenderDevice::CreateTexture(int32_t width, int32_t height,
                                                                 const TLxColor* pixels) {
  if (width <= 0 || height <= 0) return nullptr;
  // Textures keep the back buffer's own pixel order, so that copies need no conversion.
  SDL_Texture* t = SDL_CreateTexture(SdlRenderer, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STATIC, width, height);
  if (!t) return nullptr;
  std::vector<uint32_t> argb;
  if (pixels) {
    argb.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (size_t i = 0; i < argb.size(); ++i) {
      const TLxColor c = pixels[i];
      argb[i] = (c & 0xFF00FF00u) | ((c & 0xFFu) << 16) | ((c >> 16) & 0xFFu);
    }
  }
  if (pixels && SDL_UpdateTexture(t, nullptr, argb.data(), width * 4) != 0) {
    SDL_DestroyTexture(t);
    return nullptr;
  }
  SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
  return std::unique_ptr<TLxDeviceTexture>(new TLxDeviceTexture(t, width, height));
}

bool TLxRenderDevice::ReadPixels(std::vector<TLxColor>& pixels) {
  FlushBatch();
  pixels.assign(static_cast<size_t>(W) * static_cast<size_t>(H), 0);
  if (SDL_RenderReadPixels(SdlRenderer, nullptr, SDL_PIXELFORMAT_RGBA32, pixels.data(), W * 4) != 0)
    return false;
  for (TLxColor& p : pixels) p |= 0xFF000000u;
  return true;
}

TLxColor TLxRenderDevice::PixelAt(int32_t x, int32_t y) {
  FlushBatch();
  TLxColor pixel = 0;
  const SDL_Rect r{x, y, 1, 1};
  if (SDL_RenderReadPixels(SdlRenderer, &r, SDL_PIXELFORMAT_RGBA32, &pixel, 4) != 0) return 0;
  return pixel | 0xFF000000u;
}

std::string TLxRenderDevice::LastError() const {
  return SDL_GetError();
}

}  // namespace lx
