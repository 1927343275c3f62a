#include "screens_fixture.h"

#include <cairo.h>
#include <stdlib.h>

#include <filesystem>
#include <vector>

#include "platform/lxfiles.h"
#include "shell/lxbitmap.h"

namespace lx::test {

TDistInstall::TDistInstall() {
  char pattern[] = "/tmp/lxwindows-XXXXXX";
  const char* made = mkdtemp(pattern);
  Root = std::string(made ? made : "/tmp/lxwindows-failed") + "/";
  namespace fs = std::filesystem;
  const fs::path dist = TESSARO_DIST_DIR;
  std::error_code ec;
  fs::copy(dist / "Data", fs::path(Root) / "Data", fs::copy_options::recursive, ec);
  fs::copy(dist / "Help", fs::path(Root) / "Help", fs::copy_options::recursive, ec);
  ForceDirectories(Root + "systmp/");
  TheSettings = std::make_unique<TLxSetting>(Root, Root + "systmp");
  Settings = TheSettings.get();
  TheAppInfo = std::make_unique<TLxApplicationInfo>(Root);
  AppInfo = TheAppInfo.get();
  TheResources = std::make_unique<TLxResourceManager>();
  ResourceManager = TheResources.get();
}

TDistInstall::~TDistInstall() {
  ResourceManager = nullptr;
  TheResources.reset();
  AppInfo = nullptr;
  TheAppInfo.reset();
  Settings = nullptr;
  TheSettings.reset();
  std::error_code ec;
  std::filesystem::remove_all(Root, ec);
}

namespace {

std::string OutputFolder(TLxTestApp& app) {
  const std::string dir = app.OutputPath("windows/");
  ForceDirectories(dir);
  return dir;
}

void WritePng(const TShot& shot, const std::string& path) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, shot.Width, shot.Height);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int32_t y = 0; y < shot.Height; ++y)
    for (int32_t x = 0; x < shot.Width; ++x) {
      const TLxColor c = shot.At(x, y);
      reinterpret_cast<uint32_t*>(data + y * stride)[x] =
          ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  cairo_surface_mark_dirty(surface);
  cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
}

}  // namespace

TShot TScreensApp::SavePng(const std::string& name) {
  TShot shot;
  Window.Device().ReadPixels(shot.Pixels);
  shot.Width = Window.Device().Width();
  shot.Height = Window.Device().Height();
  WritePng(shot, OutputFolder(*this) + name + ".png");
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
  WritePng(shot, OutputFolder(*this) + FShotName + ".png");
  DeleteFile(bmp);
  return shot;
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
