// Frame time of a screen of 200 controls built in code on the software renderer: a full-screen
// background, textured images, labels, textured buttons with captions and plain panels, with and
// without every effect of the normal group running (colour, text colour, alpha, scroll, grow).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "base/lxrandom.h"
#include "gui/lxcontrols.h"
#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"
#include "shell/lxresources.h"
#include "support/lxtestapp.h"

namespace lx {
namespace {

// A scratch archive folder whose loose BMP files are the textures of the screen.
class TScratchTextures {
 public:
  TScratchTextures() {
    char pattern[] = "/tmp/lxbench-XXXXXX";
    const char* made = mkdtemp(pattern);
    Root = std::string(made ? made : "/tmp/lxbench") + "/";
    ForceDirectories(Root + "Data/Pak/BENCH/");
    EnsurePrivateFolder(Root + "Temp/");
    Put("background", Gradient(800, 600));
    Put("IMG_ITEM", Gradient(64, 64));
    Put("BTN_ITEM", Gradient(128, 32));
    Resources =
        std::make_unique<TLxResourceManager>(Root + "Data/", Root + "Data/Pak/", Root + "Temp/");
  }
  ~TScratchTextures() {
    Resources.reset();
    std::error_code ec;
    std::filesystem::remove_all(Root, ec);
  }
  TScratchTextures(const TScratchTextures&) = delete;
  TScratchTextures& operator=(const TScratchTextures&) = delete;

  static TLxBitmap Gradient(int32_t w, int32_t h) {
    TLxBitmap b;
    b.Width = w;
    b.Height = h;
    b.Pixels.resize(static_cast<size_t>(w) * static_cast<size_t>(h));
    for (int32_t y = 0; y < h; ++y)
      for (int32_t x = 0; x < w; ++x)
        b.Pixels[static_cast<size_t>(y * w + x)] =
            ColorOf(static_cast<uint8_t>(x * 255 / w), static_cast<uint8_t>(y * 255 / h), 160,
                    (x + y) % 7 == 0 ? 128 : 255);
    return b;
  }
  void Put(const std::string& name, const TLxBitmap& bitmap) const {
    WriteFileAtomic(Root + "Data/Pak/BENCH/" + name + ".bmp", EncodeBmp(bitmap, 32));
  }

  std::string Root;
  std::unique_ptr<TLxResourceManager> Resources;
};

void UseTexture(TLxControl* c, const std::string& name) {
  c->Texture.SetGroup("BENCH");
  c->Texture.SetFileName(name);
}

// Every sub-effect of the normal group, continuous, then started.
void StartNormalEffects(TLxControl* c) {
  TLxEffects& g = c->Effects(EffectNormal);
  g.ColorEnabled = true;
  g.ColorContinuous = true;
  g.Color = {0xFF40C0FFu, 0xFF40C0FFu, 0xFF2080FFu, 0xFF2080FFu};
  g.TextColorEnabled = true;
  g.TextColorContinuous = true;
  g.TextColor = 0x0000FFFFu;
  g.AlphaEnabled = true;
  g.AlphaContinuous = true;
  g.AlphaBlendValue = 120;
  g.ScrollEnabled = true;
  g.ScrollOptions = 1 + static_cast<int32_t>(Random(4));
  g.ScrollDistance = 10;
  g.ScrollSpeed = 1;
  g.GrowEnabled = true;
  g.GrowDistance = 6;
  c->StartEffect(EffectNormal);
}

template <typename T>
T* Add(TLxCustomControl* scene, int32_t left, int32_t top, int32_t width, int32_t height) {
  auto* c = new T(scene);
  c->SetParent(scene);
  c->SetLeft(left);
  c->SetTop(top);
  c->SetWidth(width);
  c->SetHeight(height);
  return c;
}

void BM_ControlsFrame(benchmark::State& state) {
  test::TLxTestApp app;
  TScratchTextures textures;
  Engine->ResourceManager = textures.Resources.get();
  TLxCustomControl* scene = app.Main->GetMainScene();
  RandSeed = 7;
  const bool effects = state.range(0) != 0;

  auto* background = Add<TLxImage>(scene, 0, 0, 800, 600);
  UseTexture(background, "background");
  int32_t count = 1;
  for (int32_t i = 0; i < 49; ++i, ++count) {
    auto* c = Add<TLxImage>(scene, static_cast<int32_t>(Random(720)),
                            static_cast<int32_t>(Random(520)), 64, 64);
    c->SetTextureScaleMode(i % 3);
    c->SetAlignment(2);
    UseTexture(c, "IMG_ITEM");
    if (effects) StartNormalEffects(c);
  }
  for (int32_t i = 0; i < 50; ++i, ++count) {
    auto* c = Add<TLxLabel>(scene, static_cast<int32_t>(Random(650)),
                            static_cast<int32_t>(Random(540)), 140, 40);
    c->Font.SetColor(0x00FFFFFFu);
    c->SetAlignment(i % 3);
    c->SetCaption("CREDITS 1250 WIN 40");
    if (effects) StartNormalEffects(c);
  }
  for (int32_t i = 0; i < 50; ++i, ++count) {
    auto* c = Add<TLxButton>(scene, static_cast<int32_t>(Random(670)),
                             static_cast<int32_t>(Random(560)), 128, 32);
    c->Font.SetColor(0x00FFFFFFu);
    c->SetCaption("DEAL");
    UseTexture(c, "BTN_ITEM");
    if (effects) StartNormalEffects(c);
  }
  for (int32_t i = 0; i < 50; ++i, ++count) {
    auto* c = Add<TLxPanel>(scene, static_cast<int32_t>(Random(700)),
                            static_cast<int32_t>(Random(500)), 100, 100);
    c->SetColor(0xFF302010u);
    c->SetAlpha(200);
    c->Border = i % 2 == 0;
    if (effects) StartNormalEffects(c);
  }
  state.counters["controls"] = count;
  for (auto _ : state) app.Main->RenderNow();
  Engine->ResourceManager = nullptr;
}
// Argument 0: still controls; 1: every normal effect running on each of them.
BENCHMARK(BM_ControlsFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
