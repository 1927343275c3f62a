// Theme loading and the frame of a themed scene: 200 controls (chips, buttons, labels, panels)
// with textures from the theme test archive, each with its own theme section, and every normal
// effect (colour, text colour, alpha, scroll, grow) running.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"
#include "support/lxtestinstall.h"

namespace lx {
namespace {

constexpr int ControlCount = 200;

std::string ControlName(int i) {
  const int kind = i % 10;
  const char* prefix = kind < 4 ? "IMG_" : kind < 7 ? "BTN_" : kind < 9 ? "LBL_" : "PNL_";
  return prefix + std::to_string(i);
}

// A section per control: its place, colours, font, fades, and a normal group with every
// sub-effect.
std::string BenchTheme() {
  std::string t;
  for (int i = 0; i < ControlCount; ++i) {
    const int col = i % 10, row = i / 10;
    t += "[" + ControlName(i) + "]\n";
    t += "Left=" + std::to_string(10 + col * 78) + "\nTop=" + std::to_string(10 + row * 29) +
         "\nWidth=72\nHeight=26\n";
    t += "Color4=-1_-1_$FFC0C0FF_$FFC0C0FF\nAlpha4=255_255_230_230\nBorder=" +
         std::to_string(i % 2) + "\nBorderColor4=$FF40D0FF\n";
    t += "FontDXName=Small\nFontColor=$FFFFFF\nAlignment=2\nLayout=1\n";
    t += "FadeIn=1\nFadeSpeed=2\n";
    t += "NormalEffect_ColorEnabled=1\nNormalEffect_ColorContinuous=1\n"
         "NormalEffect_Color=$FF80FFFF_$FF80FFFF_$FF80FFFF_$FF80FFFF\n"
         "NormalEffect_TextColorEnabled=1\nNormalEffect_TextColorContinuous=1\n"
         "NormalEffect_TextColor=$60E0FF\n"
         "NormalEffect_AlphaEnabled=1\nNormalEffect_AlphaContinuous=1\n"
         "NormalEffect_AlphaBlendValue=160\n"
         "NormalEffect_ScrollEnabled=1\nNormalEffect_ScrollOptions=" +
         std::to_string(1 + i % 4) +
         "\nNormalEffect_ScrollDistance=6\nNormalEffect_ScrollSpeed=0\n"
         "NormalEffect_GrowEnabled=1\nNormalEffect_GrowDistance=4\n"
         "RollOverEffect_ColorEnabled=1\nRollOverEffect_Color=$FF0000FF\n\n";
  }
  return t;
}

// The scene of the benchmarks on a scratch installation, its theme not loaded yet.
struct TBenchScene {
  TBenchScene() {
    app.PutPak("BENCH\\theme.scn", BenchTheme());
    scene = new TLxScene(app.Main->MainScene, "BENCH");
    scene->Background->Texture.SetGroup("TOOLKIT");
    for (int i = 0; i < ControlCount; ++i) {
      const std::string name = ControlName(i);
      TLxControl* c = nullptr;
      switch (name[0]) {
        case 'I':
          c = new TLxImage(scene);
          c->Texture.SetName("IMG_CHIP");
          c->Texture.SetGroup("TOOLKIT");
          break;
        case 'B':
          c = new TLxButton(scene);
          static_cast<TLxLabel*>(c)->SetCaption("BET " + std::to_string(i));
          break;
        case 'L':
          c = new TLxLabel(scene);
          static_cast<TLxLabel*>(c)->SetCaption("WIN " + std::to_string(i * 25));
          break;
        default:
          c = new TLxPanel(scene);
          c->Texture.SetName("PNL_INFO");
          c->Texture.SetGroup("TOOLKIT");
          break;
      }
      c->SetName(name);
      scene->AddControl(c);
    }
    scene->Show();
  }
  test::TLxThemedTestApp app;
  TLxScene* scene = nullptr;
};

// The first theme load: every texture read from the archive and made on the device.
void BM_ThemeFirstLoad(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto bench = std::make_unique<TBenchScene>();
    state.ResumeTiming();
    bench->scene->LoadTheme("");
    state.PauseTiming();
    bench.reset();
    state.ResumeTiming();
  }
  state.counters["controls"] = ControlCount + 1;
}
BENCHMARK(BM_ThemeFirstLoad)->Unit(benchmark::kMillisecond)->Iterations(10);

// Reloading (the developer key): the textures are shared and already loaded.
void BM_ThemeReload(benchmark::State& state) {
  TBenchScene bench;
  bench.scene->LoadTheme("");
  for (auto _ : state) bench.scene->LoadTheme("");
}
BENCHMARK(BM_ThemeReload)->Unit(benchmark::kMillisecond);

// One frame of the scene with all its normal effects running.
void BM_ThemedSceneFrame(benchmark::State& state) {
  TBenchScene bench;
  bench.scene->LoadTheme("");
  bench.app.Frames(60);  // the fade-ins are over; the effects cycle
  for (auto _ : state) bench.app.Main->RenderNow();
}
BENCHMARK(BM_ThemedSceneFrame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
