#include "screens_fixture.h"

#include <cstdlib>

#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"
#include "support/lxpng.h"

namespace lx::test {

namespace {

std::string OutputFolder(TLxTestApp& app) {
  const std::string dir = app.OutputPath("windows/");
  ForceDirectories(dir);
  return dir;
}

}  // namespace

TScreensApp::TScreensApp() {
  TheAppInfo = std::make_unique<TLxApplicationInfo>(Root);
  AppInfo = TheAppInfo.get();
  ThePlayers = std::make_unique<TLxPlayers>();
  ThePlayers->FileName = Settings->PlayersFile;
  Players = ThePlayers.get();
}

TScreensApp::~TScreensApp() {
  Players = nullptr;
  AppInfo = nullptr;
}

TLxPlayer* TScreensApp::SignIn(const std::string& name, uint32_t bank) {
  auto* player = ThePlayers->Add();
  player->PlayerName = name;
  player->Bank = bank;
  ThePlayers->CurrentPlayer = player;
  return player;
}

TShot TScreensApp::SavePng(const std::string& name) {
  TShot shot;
  Window.Device().ReadPixels(shot.Pixels);
  shot.Width = Window.Device().Width();
  shot.Height = Window.Device().Height();
  WritePng(OutputFolder(*this) + name + ".png", shot.Width, shot.Height, shot.Pixels);
  return shot;
}

void TScreensApp::Shoot(const std::string& name) {
  FShotName = name;
  Engine->PendingScreenShot = OutputFolder(*this) + name + ".bmp";
}

TShot TScreensApp::Developed() {
  TShot shot;
  const std::string bmp = OutputFolder(*this) + FShotName + ".bmp";
  const auto bytes = ReadWholeFile(bmp);
  TLxBitmap bitmap;
  if (!bytes || !DecodeBmp(*bytes, bitmap)) return shot;
  shot.Width = bitmap.Width;
  shot.Height = bitmap.Height;
  shot.Pixels = bitmap.Pixels;
  WritePng(OutputFolder(*this) + FShotName + ".png", shot.Width, shot.Height, shot.Pixels);
  DeleteFile(bmp);
  return shot;
}

void TScreensApp::ClickOn(const TLxCustomControl* control) {
  Window.PushClick(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
}

double ShareUnlike(const TShot& shot, int32_t left, int32_t top, int32_t width, int32_t height,
                   TLxColor c) {
  int32_t unlike = 0;
  auto channel = [](TLxColor v, int shift) { return static_cast<int32_t>((v >> shift) & 0xFF); };
  for (int32_t y = top; y < top + height; ++y)
    for (int32_t x = left; x < left + width; ++x) {
      const TLxColor p = shot.At(x, y);
      for (int shift : {0, 8, 16})
        if (std::abs(channel(p, shift) - channel(c, shift)) > 24) {
          ++unlike;
          break;
        }
    }
  return static_cast<double>(unlike) / (static_cast<double>(width) * height);
}

}  // namespace lx::test
