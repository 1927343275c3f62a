#include "shell/lxcore.h"

#include <cstring>

#include "base/lxlog.h"
#include "base/lxutils.h"
#include "platform/lxfiles.h"
#include "platform/lxplatform.h"
#include "shell/lxtextures.h"

namespace lx {

TLxEngine* Engine = nullptr;

TLxEngineTexture::~TLxEngineTexture() = default;

bool TLxEngineTexture::Create(TLxRenderDevice& device, int32_t patternWidth, int32_t patternHeight,
                              int32_t visibleWidth, int32_t visibleHeight, int32_t patternCount,
                              int32_t textureWidth, int32_t textureHeight,
                              const std::vector<std::vector<TLxColor>>& textures) {
  Surfaces.clear();
  if (patternWidth <= 0 || patternHeight <= 0 || textureWidth < patternWidth ||
      textureHeight < patternHeight)
    return false;
  for (const auto& pixels : textures) {
    if (pixels.size() != static_cast<size_t>(textureWidth) * static_cast<size_t>(textureHeight)) {
      Surfaces.clear();
      return false;
    }
    auto surface = device.CreateTexture(textureWidth, textureHeight, pixels.data());
    if (!surface) {
      Surfaces.clear();
      return false;
    }
    Surfaces.push_back(std::move(surface));
  }
  PatternWidth = patternWidth;
  PatternHeight = patternHeight;
  VisibleWidth = visibleWidth;
  VisibleHeight = visibleHeight;
  PatternCount = patternCount;
  TextureWidth = textureWidth;
  TextureHeight = textureHeight;
  return !Surfaces.empty();
}

bool TLxEngineTexture::PatternSource(int32_t pattern, TLxDeviceTexture*& surface,
                                     TLxRect& source) const {
  if (Surfaces.empty() || pattern < 0 || pattern >= PatternCount) return false;
  const int32_t across = TextureWidth / PatternWidth;
  const int32_t perTexture = across * (TextureHeight / PatternHeight);
  const size_t index = static_cast<size_t>(pattern / perTexture);
  if (index >= Surfaces.size()) return false;
  const int32_t cell = pattern % perTexture;
  surface = Surfaces[index].get();
  source.Left = (cell % across) * PatternWidth;
  source.Top = (cell / across) * PatternHeight;
  source.Right = source.Left + VisibleWidth;
  source.Bottom = source.Top + VisibleHeight;
  return true;
}

TLxEngine::TLxEngine(TLxWindow* window, bool vsync)
    : VSync(vsync), Textures(std::make_unique<TLxTextureList>()), OwnerWindow(window) {
  Timer.MayRender = true;
  Timer.MayProcess = false;
  Timer.MayRealTime = false;
}

TLxEngine::~TLxEngine() {
  FontList.clear();
  Textures.reset();
  RenderDevice = nullptr;
}

bool TLxEngine::Initialize() {
  if (!OwnerWindow) return false;
  RenderDevice = &OwnerWindow->Device();
  Initialized = true;
  LoadFonts();
  Log(std::to_string(FontList.size()) + " FONTS LOADED");
  if (!FontList.empty()) Log(FontList.front()->Name + " FONT");
  return true;
}

void TLxEngine::SetFullScreen(bool fullScreen) {
  Timer.MayRender = false;
  try {
    if (Windowed == fullScreen && OwnerWindow) {
      if (OwnerWindow->SetFullScreen(fullScreen)) Windowed = !fullScreen;
    } else {
      Windowed = !fullScreen;
    }
  } catch (...) {
    // A failed switch leaves the mode as it was.
  }
  Timer.MayRender = true;
}

TLxEngineFont* TLxEngine::FindFont(const std::string& name) {
  if (!Initialized || FontList.empty()) return nullptr;
  const std::string wanted = name + ".font";
  for (const auto& f : FontList)
    if (SameText(f->Name, wanted)) return f.get();
  return FontList.front().get();
}

void TLxEngine::Clear(TLxColor color) {
  if (RenderDevice) RenderDevice->Clear(color);
}

void TLxEngine::BeginScene() {
  ResetClipRect();
}

void TLxEngine::EndScene() {
  if (RenderDevice) RenderDevice->Flush();
}

void TLxEngine::Flip() {
  if (!RenderDevice) return;
  if (!PendingScreenShot.empty()) {
    // Read before presenting: after a present the back buffer's content is undefined.
    SaveBackBuffer(PendingScreenShot);
    PendingScreenShot.clear();
  }
  RenderDevice->Present();
  if (OwnerWindow) OwnerWindow->FramePresented();
}

void TLxEngine::SetClipRect(const TLxRect& rect) {
  if (!RenderDevice) return;
  TLxRect r = rect;
  if (r.Left < 0) r.Left = 0;
  if (r.Top < 0) r.Top = 0;
  if (r.Right > Width) r.Right = Width;
  if (r.Bottom > Height) r.Bottom = Height;
  RenderDevice->SetClip(r);
}

void TLxEngine::ResetClipRect() {
  if (RenderDevice) RenderDevice->ResetClip();
}

void TLxEngine::FillRect(const TLxRect& rect, const TLxColor4 colors, int32_t drawOp) {
  if (!RenderDevice || rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  const TLxQuad quad = {{rect.Left, rect.Top},
                        {rect.Right, rect.Top},
                        {rect.Right, rect.Bottom},
                        {rect.Left, rect.Bottom}};
  RenderDevice->FillQuad(quad, colors, drawOp);
}

void TLxEngine::FrameRect(const TLxRect& rect, const TLxColor4 colors, int32_t drawOp) {
  if (!RenderDevice || rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  const int32_t r = rect.Right - 1, b = rect.Bottom - 1;
  // Each edge runs between the colours of its two corners.
  DrawLine({rect.Left, rect.Top}, {r, rect.Top}, colors[0], colors[1], drawOp);
  DrawLine({r, rect.Top}, {r, b}, colors[1], colors[2], drawOp);
  DrawLine({r, b}, {rect.Left, b}, colors[2], colors[3], drawOp);
  DrawLine({rect.Left, b}, {rect.Left, rect.Top}, colors[3], colors[0], drawOp);
}

void TLxEngine::DrawLine(TLxPoint p1, TLxPoint p2, TLxColor c1, TLxColor c2, int32_t drawOp) {
  if (RenderDevice) RenderDevice->DrawLine(p1, p2, c1, c2, drawOp);
}

void TLxEngine::TexMap(const TLxEngineTexture* texture, const TLxQuad quad, int32_t pattern,
                       const TLxColor4 colors, int32_t drawOp) {
  if (!RenderDevice || !texture) return;
  TLxDeviceTexture* surface = nullptr;
  TLxRect source;
  if (!texture->PatternSource(pattern, surface, source)) return;
  RenderDevice->TexQuad(surface, source, quad, colors, drawOp);
}

namespace {

// The inline colour code "#$AABBGGRR" at 0-based position i: only when at least two characters
// follow its ten. Returns true and the colour (which stays unchanged when the digits are not a
// number) when a code starts there.
bool ColorCodeAt(const std::string& text, size_t i, TLxColor& color) {
  if (text[i] != '#' || i + 1 >= text.size() || text[i + 1] != '$') return false;
  // 1-based position i + 1 must be less than length - 10.
  if (i + 1 + 10 >= text.size()) return false;
  uint32_t value = 0;
  for (size_t k = i + 2; k < i + 10; ++k) {
    const unsigned char c = AsciiLower(static_cast<unsigned char>(text[k]));
    uint32_t d;
    if (c >= '0' && c <= '9') {
      d = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else {
      return true;  // not a number: the colour stays, the code is still skipped
    }
    value = value * 16 + d;
  }
  color = value;
  return true;
}

// Walks the drawn characters of a text: fn(glyph index) for each, colour codes applied.
template <typename Fn>
void ForEachGlyph(const TLxBitmapFont* font, const std::string& text, TLxColor& color, Fn fn) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (ColorCodeAt(text, i, color)) {
      i += 9;
      continue;
    }
    const int32_t glyph = static_cast<unsigned char>(text[i]) - (font->FirstChar & 0xFF);
    if (glyph < 0 || glyph >= font->GlyphCount) continue;
    fn(glyph, color);
  }
}

}  // namespace

void TLxEngine::TextOut(const TLxBitmapFont* font, const std::string& text, int32_t x, int32_t y,
                        TLxColor color, int32_t drawOp) {
  if (!RenderDevice || !font || !font->Loaded() || text.empty()) return;
  int32_t pen = x;
  const int32_t cellW = RoundUp(font->Image.VisibleWidth * font->Scale);
  const int32_t cellH = RoundUp(font->Image.VisibleHeight * font->Scale);
  ForEachGlyph(font, text, color, [&](int32_t glyph, TLxColor c) {
    const TLxQuad quad = {{pen, y}, {pen + cellW, y}, {pen + cellW, y + cellH}, {pen, y + cellH}};
    const TLxColor4 colors = {c, c, c, c};
    TexMap(&font->Image, quad, glyph, colors, drawOp);
    pen += RoundUp(font->GlyphWidths[static_cast<size_t>(glyph)] * font->Scale) + font->Spacing;
  });
}

int32_t TLxEngine::TextWidth(const TLxBitmapFont* font, const std::string& text) const {
  if (!font || !font->Loaded() || text.empty()) return 0;
  int32_t width = 0;
  TLxColor color = 0;
  ForEachGlyph(font, text, color, [&](int32_t glyph, TLxColor) {
    width += RoundUp(font->GlyphWidths[static_cast<size_t>(glyph)] * font->Scale) + font->Spacing;
  });
  return width;
}

int32_t TLxEngine::TextHeight(const TLxBitmapFont* font, const std::string& text) const {
  if (!font || !font->Loaded() || text.empty()) return 0;
  int32_t height = 0;
  TLxColor color = 0;
  ForEachGlyph(font, text, color, [&](int32_t glyph, TLxColor) {
    const int32_t h = RoundUp(font->GlyphHeights[static_cast<size_t>(glyph)] * font->Scale);
    if (h > height) height = h;
  });
  return height;
}

namespace {
void PutLE(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}
}  // namespace

bool TLxEngine::SaveBackBuffer(const std::string& path) {
  std::vector<TLxColor> pixels;
  if (!RenderDevice || !RenderDevice->ReadPixels(pixels)) return false;
  const int32_t w = RenderDevice->Width(), h = RenderDevice->Height();
  const uint32_t imageSize = static_cast<uint32_t>(w) * static_cast<uint32_t>(h) * 4;
  std::string bmp;
  bmp.reserve(54 + imageSize);
  bmp += "BM";
  PutLE(bmp, 54 + imageSize, 4);
  PutLE(bmp, 0, 4);
  PutLE(bmp, 54, 4);
  PutLE(bmp, 40, 4);
  PutLE(bmp, static_cast<uint32_t>(w), 4);
  PutLE(bmp, static_cast<uint32_t>(h), 4);  // bottom-up rows
  PutLE(bmp, 1, 2);
  PutLE(bmp, 32, 2);
  PutLE(bmp, 0, 4);  // BI_RGB
  PutLE(bmp, imageSize, 4);
  PutLE(bmp, 2835, 4);
  PutLE(bmp, 2835, 4);
  PutLE(bmp, 0, 4);
  PutLE(bmp, 0, 4);
  for (int32_t row = h - 1; row >= 0; --row) {
    for (int32_t x = 0; x < w; ++x) {
      const TLxColor c =
          pixels[static_cast<size_t>(row) * static_cast<size_t>(w) + static_cast<size_t>(x)];
      bmp += static_cast<char>((c >> 16) & 0xFF);  // blue
      bmp += static_cast<char>((c >> 8) & 0xFF);   // green
      bmp += static_cast<char>(c & 0xFF);          // red
      bmp += static_cast<char>(c >> 24);           // alpha
    }
  }
  return WriteFileAtomic(path, bmp);
}

std::string TLxEngine::ScreenShot() {
  std::string name;
  for (int i = 1;; ++i) {
    name = "screenshot_" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".bmp";
    if (!FileExists(WorkingFolder() + name)) break;
  }
  PendingScreenShot = WorkingFolder() + name;
  Log("INFO: ScreenShot : " + name);
  return name;
}

}  // namespace lx
