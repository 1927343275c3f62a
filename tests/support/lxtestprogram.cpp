#include "support/lxtestprogram.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/mainform.h"
#include "gui/lxclasses.h"
#include "platform/lxfiles.h"
#include "scenes/lxanims.h"
#include "scenes/lxscene.h"
#include "support/lxpng.h"

namespace lx::test {

namespace {

// The scenario's hook into the frame loop: stepped once per rendered frame, in every nested
// loop too.
class TScenarioAnim : public TLxAnim {
 public:
  TScenarioAnim(TLxTestProgram& test, int32_t limit) : Test(test), Limit(limit) {
    WaitForEnd = false;
  }
  void Process() override {
    if (Test.Rendering) return;  // the frame SavePng draws
    ++Test.Frames;
    if (Test.EveryFrame) Test.EveryFrame();
    if (Test.Done < Test.Steps.size() && Test.Steps[Test.Done].Ready()) {
      const size_t step = Test.Done++;
      Test.Steps[step].Act();
    }
    if (Test.Frames >= Limit && Test.Done < Test.Steps.size() && frmMain) {
      Test.Stuck = Test.Steps[Test.Done].What;
      frmMain->Terminate();
    }
  }
  TLxTestProgram& Test;
  int32_t Limit;
};

TLxCustomControl* FindShowing(TLxCustomControl* root, const std::string& name) {
  if (!root) return nullptr;
  if (root->Name() == name && root->IsShowing()) return root;
  for (int32_t i = 0; i < root->ControlCount(); ++i)
    if (TLxCustomControl* found = FindShowing(root->Controls(i), name)) return found;
  return nullptr;
}

}  // namespace

TLxScratchInstall::TLxScratchInstall() {
  char pattern[] = "/tmp/lxprogram-XXXXXX";
  const char* made = mkdtemp(pattern);
  Root = std::string(made ? made : "/tmp/lxprogram-failed") + "/";
  ForceDirectories(Root + "systmp/");
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::path(TESSARO_DIST_DIR), ec))
    if (entry.is_directory())
      fs::copy(entry.path(), Root + entry.path().filename().string(), fs::copy_options::recursive,
               ec);
}

TLxScratchInstall::~TLxScratchInstall() {
  std::error_code ec;
  std::filesystem::remove_all(Root, ec);
}

void TLxScratchInstall::Put(const std::string& relativePath, const std::string& bytes) const {
  const std::string path = Root + relativePath;
  ForceDirectories(path.substr(0, path.find_last_of('/') + 1));
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string TLxScratchInstall::Read(const std::string& relativePath) const {
  return ReadWholeFile(Root + relativePath).value_or(std::string());
}

bool TLxScratchInstall::Exists(const std::string& relativePath) const {
  return FileExists(Root + relativePath);
}

namespace {

TLxStartupOptions OptionsFor(const TLxScratchInstall& install, TLxHeadlessWindow*& window) {
  TLxStartupOptions options;
  options.AppFolder = install.Root;
  options.SystemTempFolder = install.Root + "systmp";
  options.WorkingFolder = install.Root;
  options.DummyAudio = true;
  options.OpenWindow = [&window](const std::string&, bool, bool, std::string&) {
    auto made = std::make_unique<TLxHeadlessWindow>();
    made->ActivateWhenIdle = true;
    window = made.get();
    return std::unique_ptr<TLxWindow>(std::move(made));
  };
  return options;
}

}  // namespace

TLxTestProgram::TLxTestProgram(const TLxScratchInstall& install)
    : Program(OptionsFor(install, Window)) {}

TLxTestProgram::~TLxTestProgram() = default;

TLxTestProgram& TLxTestProgram::Then(const std::string& what, std::function<bool()> ready,
                                     std::function<void()> act) {
  Steps.push_back({what, std::move(ready), std::move(act)});
  return *this;
}

int TLxTestProgram::Run(int32_t frameLimit) {
  Program.Create();
  const bool shown = Program.Show();
  if (shown && Program.Main()) {
    TScenarioAnim scenario(*this, frameLimit);
    scenario.Start();
    Program.Main()->Run();
    scenario.Stop();
  }
  Program.Destroy();
  Window = nullptr;
  return shown ? 0 : 1;
}

void TLxTestProgram::Click(int32_t x, int32_t y) {
  if (Window) Window->PushClick(x, y);
}

void TLxTestProgram::MoveTo(int32_t x, int32_t y) {
  if (Window) Window->PushMouse(TLxEventKind::MouseMove, x, y);
}

void TLxTestProgram::Key(uint16_t key, uint8_t shift) {
  if (Window) Window->PushKey(key, shift);
}

void TLxTestProgram::Type(const std::string& text) {
  if (!Window) return;
  TLxEvent e;
  e.Kind = TLxEventKind::TextInput;
  e.Text = text;
  Window->Push(e);
}

void TLxTestProgram::Close() {
  if (!Window) return;
  TLxEvent e;
  e.Kind = TLxEventKind::Quit;
  Window->Push(e);
}

TLxCustomControl* TLxTestProgram::Find(const std::string& name) const {
  return FindShowing(frmMain ? frmMain->MainScene : nullptr, name);
}

bool TLxTestProgram::Showing(const std::string& name) const {
  return Find(name) != nullptr;
}

void TLxTestProgram::ClickControl(const std::string& name) {
  if (TLxCustomControl* c = Find(name))
    Click(c->Left() + c->Width() / 2, c->Top() + c->Height() / 2);
}

std::string TLxTestProgram::SavePng(const std::string& name) {
  const std::string path = std::string(TESSARO_TEST_OUTPUT_DIR) + "/" + name;
  ForceDirectories(path.substr(0, path.find_last_of('/') + 1));
  // This frame's picture is not drawn yet while the steps run: draw a whole frame now and read
  // it back once it is presented.
  Rendering = true;
  if (frmMain) frmMain->RenderNow();
  Rendering = false;
  std::vector<TLxColor> pixels;
  if (Window && Window->Device().ReadPixels(pixels))
    WritePng(path, Window->Device().Width(), Window->Device().Height(), pixels);
  return path;
}

}  // namespace lx::test
