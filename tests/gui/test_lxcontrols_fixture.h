// The headless application with a scratch archive folder whose loose BMP files are the textures
// of the controls under test, and helpers to make controls on the main scene.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/mainform.h"
#include "gui/lxcontrols.h"
#include "scenes/lxscene.h"
#include "shell/lxbitmap.h"
#include "shell/lxresources.h"
#include "shell/test_resources_fixture.h"
#include "support/lxtestapp.h"

namespace lx::test {

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() {
    Resources = std::make_unique<TLxResourceManager>(Folder.Data, Folder.Pak, Folder.Temp);
    Engine->ResourceManager = Resources.get();
  }
  ~ControlsTest() override {
    if (Engine) Engine->ResourceManager = nullptr;
  }

  // A control of class T on the main scene at the rectangle.
  template <typename T>
  T* Make(int32_t left, int32_t top, int32_t width, int32_t height) {
    TLxCustomControl* scene = App.Main->GetMainScene();
    auto* c = new T(scene);
    c->SetParent(scene);
    c->SetLeft(left);
    c->SetTop(top);
    c->SetWidth(width);
    c->SetHeight(height);
    return c;
  }

  // Writes the texture GROUP\name.bmp as a loose file of the archive folder.
  void PutTexture(const std::string& name, const TLxBitmap& bitmap) {
    Folder.Put("Data/Pak/TEST/" + name + ".bmp", EncodeBmp(bitmap, 32));
  }
  void PutSolidTexture(const std::string& name, int32_t w, int32_t h, TLxColor color) {
    PutTexture(name, SolidBitmap(w, h, color));
  }
  // Binds the control to TEST\name (loaded at once).
  static void UseTexture(TLxControl* c, const std::string& name) {
    c->Texture.SetGroup("TEST");
    c->Texture.SetFileName(name);
  }

  // Red, green and blue of a pixel of the last frame.
  TLxColor Rgb(int32_t x, int32_t y) { return App.Pixel(x, y) & 0x00FFFFFFu; }

  TLxTestApp App;
  ScratchFolder Folder;
  std::unique_ptr<TLxResourceManager> Resources;
};

constexpr TLxColor Red = 0x000000FFu;
constexpr TLxColor Green = 0x0000FF00u;
constexpr TLxColor Blue = 0x00FF0000u;
constexpr TLxColor White = 0x00FFFFFFu;
constexpr TLxColor Black = 0;

}  // namespace lx::test
