// Frame time on the software renderer: an empty frame, and a frame of 500 textured quads and
// 50 lines of text drawn by controls of the tree.
#include <benchmark/benchmark.h>

#include "base/lxrandom.h"
#include "gui/lxclasses.h"
#include "scenes/lxscene.h"
#include "support/lxtestapp.h"
#include "support/lxtestfonts.h"

namespace lx {
namespace {

class TQuadControl : public TLxCustomControl {
 public:
  TQuadControl(TLxCustomControl* parent, const TLxEngineTexture* texture, int32_t pattern,
               bool gradient)
      : TLxCustomControl(parent), Texture(texture), Pattern(pattern), Gradient(gradient) {
    SetParent(parent);
  }
  void Paint() override {
    const TLxQuad q = {{Left(), Top()},
                       {Left() + Width(), Top()},
                       {Left() + Width(), Top() + Height()},
                       {Left(), Top() + Height()}};
    const TLxColor bottom = Gradient ? 0xC0FFFFFFu : 0xFFFFFFFFu;
    const TLxColor4 c = {0xFFFFFFFFu, 0xFFFFFFFFu, bottom, bottom};
    Engine->TexMap(Texture, q, Pattern, c, DrawOpBlendModulate);
  }
  const TLxEngineTexture* Texture;
  int32_t Pattern;
  bool Gradient;
};

class TTextControl : public TLxCustomControl {
 public:
  explicit TTextControl(TLxCustomControl* parent) : TLxCustomControl(parent) { SetParent(parent); }
  void Paint() override {
    Engine->TextOut(Engine->FontList.front()->Font.get(), "ROYAL FLUSH    #$FF00FFFF4000 CREDITS",
                    Left(), Top(), 0xFFFFFFFFu, DrawOpBlendModulate);
  }
};

void BM_EmptyFrame(benchmark::State& state) {
  test::TLxTestApp app;
  for (auto _ : state) app.Main->RenderNow();
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMicrosecond);

void BM_BusyFrame(benchmark::State& state) {
  test::TLxTestApp app;
  auto texture = test::MakePatternTexture(app.Window.Device(), 64, 64, 16,
                                          {0xFF2040C0u, 0x80FFFFFFu, 0xFF00C000u}, 256, 256);
  RandSeed = 1;
  for (int i = 0; i < 500; ++i) {
    auto* q = new TQuadControl(app.Main->MainScene, texture.get(), i % 16, state.range(0) != 0);
    q->SetLeft(static_cast<int32_t>(Random(740)));
    q->SetTop(static_cast<int32_t>(Random(540)));
    q->SetWidth(64);
    q->SetHeight(64);
  }
  for (int i = 0; i < 50; ++i) {
    auto* t = new TTextControl(app.Main->MainScene);
    t->SetLeft(10);
    t->SetTop(i * 12);
  }
  for (auto _ : state) app.Main->RenderNow();
}
// Argument 0: every quad in one colour (how controls draw); 1: four-corner gradients on all.
BENCHMARK(BM_BusyFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace lx

BENCHMARK_MAIN();
