#include "screens/debugform.h"

#include <functional>

#include "base/lxerror.h"
#include "base/lxforcing.h"
#include "base/lxlog.h"
#include "base/lxutils.h"
#include "gui/lxclasses.h"
#include "platform/lxdebugwindow.h"
#include "platform/lxfiles.h"
#include "platform/lxprocess.h"
#include "shell/lxcore.h"
#include "shell/lxtextures.h"

namespace lx {

TfrmDebug* frmDebug = nullptr;

namespace {

std::string LinesText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

void WriteOrThrow(const std::string& fileName, const std::string& text) {
  if (!WriteFileAtomic(fileName, text)) throw ELxError("Cannot create file " + fileName);
}

}  // namespace

std::string ControlTreeText(TLxCustomControl* root) {
  std::string text;
  std::function<void(TLxCustomControl*, int32_t)> walk = [&](TLxCustomControl* parent,
                                                             int32_t depth) {
    for (int32_t i = 0; i < parent->ControlCount(); ++i) {
      TLxCustomControl* child = parent->Controls(i);
      text += std::string(static_cast<size_t>(6 * depth), ' ') + child->Name() + " (" +
              std::to_string(child->ControlCount()) + ")\n";
      walk(child, depth + 1);
    }
  };
  if (root) walk(root, 1);
  return text;
}

TfrmDebug::TfrmDebug(bool devMode) : DevMode(devMode) {
  lbCheatHand.Items = CheatHandEntries();
  lbCheatReels.Items = CheatReelsEntries();
  LogFileName = ProgramPath() + "_debug.log";
  mDebug = LogLines();
  SetLogListener([this](const std::string& line) {
    mDebug.push_back(line);
    if (FWindow) FWindow->Invalidate();
  });
  SetForcedHand(-1);
  SetForcedReels(-1);
  SetForcingEnabled(devMode);
}

TfrmDebug::~TfrmDebug() {
  SetLogListener(nullptr);
  SetForcingEnabled(false);
  FWindow.reset();
  // A log file that cannot be written is lost.
  if (DevMode) WriteFileAtomic(LogFileName, LinesText(mDebug));
}

void TfrmDebug::Show() {
  FVisible = true;
  if (!UseRealWindow) return;
  if (!FWindow) {
    std::string error;
    FWindow = TLxDebugWindow::Create(WindowLeft, WindowTop, WindowWidth, WindowHeight, PanelHeight,
                                     lbCheatHand.Items, lbCheatReels.Items, error);
    if (!FWindow) {
      lx::Log("ERROR: " + error);
      return;
    }
    FWindow->SetLines(&mDebug);
    FWindow->OnSelect = [this](int32_t list, int32_t index) {
      if (list == 0)
        SelectCheatHand(index);
      else
        SelectCheatReels(index);
    };
  }
  FWindow->Show();
}

void TfrmDebug::Hide() {
  FVisible = false;
  if (FWindow) FWindow->Hide();
}

void TfrmDebug::Log(const std::string& text) {
  lx::Log(text);
}

void TfrmDebug::DumpControlTree(TLxCustomControl* root, const std::string& fileName) {
  WriteOrThrow(fileName, ControlTreeText(root));
  Log("INFO: ControlTree Dump Finished.");
}

void TfrmDebug::MemoryReport() {
  const TLxMemoryCounters c = ReadMemoryCounters();
  auto line = [this](const char* label, const std::string& value) {
    Log(std::string(" ") + label + ": " + value);
  };
  auto number = [](uint64_t v) { return std::to_string(v); };
  Log("INFO: PROCESS MEMORY INFO");
  Log(">>");
  line("PageFaultCount", number(c.PageFaultCount));
  line("PeakWorkingSetSize", number(c.PeakWorkingSetSize));
  line("WorkingSetSize", number((c.WorkingSetSize + 1023) / 1024) + " K");
  line("QuotaPeakPagedPoolUsage", number(c.QuotaPeakPagedPoolUsage));
  line("QuotaPagedPoolUsage", number(c.QuotaPagedPoolUsage));
  line("QuotaPeakNonPagedPoolUsage", number(c.QuotaPeakNonPagedPoolUsage));
  line("QuotaNonPagedPoolUsage", number(c.QuotaNonPagedPoolUsage));
  line("PagefileUsage", number(c.PagefileUsage));
  line("PeakPagefileUsage", number(c.PeakPagefileUsage));
  Log("<<");
}

void TfrmDebug::DumpTextures(const std::string& fileName) {
  const TLxTextureList* list = Engine ? Engine->Textures.get() : nullptr;
  const int32_t count = list ? list->Count() : 0;
  std::string text = "TextureCount: " + std::to_string(count) + "\n";
  for (int32_t i = 0; i < count; ++i)
    text += std::to_string(i + 1) + " : " + list->Texture(i)->Name + "\n";
  WriteOrThrow(fileName, text);
  Log("INFO: DUDTextureList Dump Finished.");
}

void TfrmDebug::LogTextureCount() {
  const int32_t count = Engine && Engine->Textures ? Engine->Textures->Count() : 0;
  Log("INFO: TextureCount: " + std::to_string(count));
}

void TfrmDebug::SelectCheatHand(int32_t index) {
  lbCheatHand.ItemIndex =
      index >= 0 && index < static_cast<int32_t>(lbCheatHand.Items.size()) ? index : -1;
  SetForcedHand(lbCheatHand.ItemIndex);
  if (FWindow) FWindow->SetSelected(0, lbCheatHand.ItemIndex);
}

void TfrmDebug::SelectCheatReels(int32_t index) {
  lbCheatReels.ItemIndex =
      index >= 0 && index < static_cast<int32_t>(lbCheatReels.Items.size()) ? index : -1;
  SetForcedReels(lbCheatReels.ItemIndex);
  if (FWindow) FWindow->SetSelected(1, lbCheatReels.ItemIndex);
}

}  // namespace lx
