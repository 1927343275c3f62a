// The rendering engine: the device, the frame timer, the loaded textures and the bitmap fonts,
// and the drawing operations the controls use.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/lxdevice.h"

namespace lx {

class TLxWindow;
class TLxTextureList;
class TLxResourceManager;
class TLxDUDTexture;
struct TLxBitmap;

// A texture of the device divided into equal patterns (cells), numbered row by row from 0 and
// spread over one or more device textures of TextureWidth x TextureHeight.
class TLxEngineTexture {
 public:
  TLxEngineTexture() = default;
  TLxEngineTexture(TLxEngineTexture&&) = default;
  TLxEngineTexture& operator=(TLxEngineTexture&&) = default;
  virtual ~TLxEngineTexture();

  // textures: TextureCount images of textureWidth x textureHeight colours, top row first.
  // False (and nothing loaded) when the device refuses a texture.
  bool Create(TLxRenderDevice& device, int32_t patternWidth, int32_t patternHeight,
              int32_t visibleWidth, int32_t visibleHeight, int32_t patternCount,
              int32_t textureWidth, int32_t textureHeight,
              const std::vector<std::vector<TLxColor>>& textures);
  bool Loaded() const { return !Surfaces.empty(); }
  void Release() { Surfaces.clear(); }
  // The device texture and the texel rectangle (visible part) of a pattern; false when the
  // pattern does not exist.
  bool PatternSource(int32_t pattern, TLxDeviceTexture*& surface, TLxRect& source) const;

  int32_t PatternWidth = 0;
  int32_t PatternHeight = 0;
  int32_t VisibleWidth = 0;
  int32_t VisibleHeight = 0;
  int32_t PatternCount = 0;
  int32_t TextureWidth = 0;
  int32_t TextureHeight = 0;

 private:
  std::vector<std::unique_ptr<TLxDeviceTexture>> Surfaces;
};

// A bitmap font: glyph i is pattern i of Image, for character codes FirstChar .. FirstChar +
// GlyphCount - 1.
class TLxBitmapFont {
 public:
  int32_t FirstChar = 32;
  int32_t GlyphCount = 0;
  std::vector<int32_t> GlyphWidths;
  std::vector<int32_t> GlyphHeights;
  double Scale = 1.0;
  int32_t Spacing = 0;
  TLxEngineTexture Image;
  bool Loaded() const { return Image.Loaded() && GlyphCount > 0; }
};

class TLxEngineFont {
 public:
  std::string Name;  // archive record name, such as "ArialBlack.font"
  std::unique_ptr<TLxBitmapFont> Font;
};

// The frame timer: renders one frame per idle pass while MayRender is on.
class TLxTimer {
 public:
  bool MayRender = true;
  bool MayProcess = false;
  bool MayRealTime = false;
  int32_t Speed = 60;
  bool StopOnDeactivate = true;
  std::function<void(void* sender)> OnRender;
};

class TLxEngine {
 public:
  // The window supplies the device; vsync is copied from the settings at creation.
  TLxEngine(TLxWindow* window, bool vsync);
  ~TLxEngine();
  TLxEngine(const TLxEngine&) = delete;
  TLxEngine& operator=(const TLxEngine&) = delete;

  // Binds the device and loads every font of the font archive; false when there is no device.
  bool Initialize();
  void SetFullScreen(bool fullScreen);
  bool IsFullScreen() const { return !Windowed; }
  // name + ".font" ignoring case, else the first font; nullptr before Initialize or with no fonts.
  TLxEngineFont* FindFont(const std::string& name);
  // Loads an archive image into the texture; 0 on success.
  int32_t LoadTexture(TLxDUDTexture* texture, const std::string& name);
  // Replaces the texture's pictures with the bitmap (cut into 256-pixel blocks when it is
  // larger than one block); name is only for the log. False when the device refuses it.
  bool LoadTextureFromBitmap(TLxDUDTexture* texture, const TLxBitmap& bitmap,
                             const std::string& name);
  // Chooses the next free screenshot_NN.bmp in the working folder and logs its name; the next
  // frame is written to it as a 32-bit BMP just before it is presented. Returns the name.
  std::string ScreenShot();

  void Clear(TLxColor color);
  void BeginScene();
  void EndScene();
  void Flip();
  void SetClipRect(const TLxRect& rect);  // clamped to the screen
  void ResetClipRect();
  void FillRect(const TLxRect& rect, const TLxColor4 colors, int32_t drawOp);
  void FrameRect(const TLxRect& rect, const TLxColor4 colors, int32_t drawOp);
  void DrawLine(TLxPoint p1, TLxPoint p2, TLxColor c1, TLxColor c2, int32_t drawOp);
  void TexMap(const TLxEngineTexture* texture, const TLxQuad quad, int32_t pattern,
              const TLxColor4 colors, int32_t drawOp);
  void TextOut(const TLxBitmapFont* font, const std::string& text, int32_t x, int32_t y,
               TLxColor color, int32_t drawOp);
  int32_t TextWidth(const TLxBitmapFont* font, const std::string& text) const;
  int32_t TextHeight(const TLxBitmapFont* font, const std::string& text) const;

  TLxRenderDevice* Device() const { return RenderDevice; }
  TLxWindow* Window() const { return OwnerWindow; }
  // Writes the back buffer as a 32-bit BMP; false when it cannot be written.
  bool SaveBackBuffer(const std::string& path);

  int32_t Width = 800;
  int32_t Height = 600;
  bool Windowed = true;
  bool VSync = false;
  int32_t BackBufferCount = 1;
  int32_t RefreshRate = 0;
  bool Initialized = false;
  int32_t MouseDownX = 0;
  int32_t MouseDownY = 0;
  int32_t CaretBlinkFrames = 30;
  TLxTimer Timer;
  std::unique_ptr<TLxTextureList> Textures;
  std::vector<std::unique_ptr<TLxEngineFont>> FontList;
  TLxResourceManager* ResourceManager = nullptr;
  std::string PendingScreenShot;  // path the next presented frame is written to

 private:
  // Loads the font records of the font archive into FontList (archive order).
  void LoadFonts();

  TLxWindow* OwnerWindow;
  TLxRenderDevice* RenderDevice = nullptr;
};

extern TLxEngine* Engine;

}  // namespace lx
