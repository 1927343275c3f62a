// The debug window: holds the debug log (every line logged goes into mDebug), shows it with the
// two forcing lists in a window of its own beside the game in developer mode, writes the log to
// a file at exit in developer mode, and makes the developer dumps and the memory report.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lx {

class TLxCustomControl;
class TLxDebugWindow;

// A list of the window: its entries and the selected one (-1 none).
struct TLxDebugList {
  std::vector<std::string> Items;
  int32_t ItemIndex = -1;
};

class TfrmDebug {
 public:
  // Hidden; takes over the debug log (the lines logged so far and every later one). In
  // developer mode the forcing lists act and the log file is written at exit.
  explicit TfrmDebug(bool devMode);
  // In developer mode writes every line of mDebug to LogFileName; then the window goes.
  ~TfrmDebug();
  TfrmDebug(const TfrmDebug&) = delete;
  TfrmDebug& operator=(const TfrmDebug&) = delete;

  // Shows the window beside the game (a real window only where there is a display; the
  // headless game keeps it in memory).
  void Show();
  void Hide();
  bool Visible() const { return FVisible; }

  // Appends the text as one line of the log.
  void Log(const std::string& text);
  // Depth-first below the root, one line per control: 6 spaces per level, the name and the
  // number of its children in brackets; then logs that the dump is done. Throws ELxError when
  // the file cannot be written.
  void DumpControlTree(TLxCustomControl* root, const std::string& fileName);
  // The process memory counters, one line each, between ">>" and "<<".
  void MemoryReport();
  // "TextureCount: " and one line per texture of the engine in load order. Throws ELxError when
  // the file cannot be written.
  void DumpTextures(const std::string& fileName);
  void LogTextureCount();

  // Selects an entry of a forcing list (what a click on it does).
  void SelectCheatHand(int32_t index);
  void SelectCheatReels(int32_t index);

  static constexpr int32_t WindowLeft = 975;
  static constexpr int32_t WindowTop = 0;
  static constexpr int32_t WindowWidth = 299;
  static constexpr int32_t WindowHeight = 970;
  static constexpr int32_t PanelHeight = 327;

  std::vector<std::string> mDebug;
  TLxDebugList lbCheatHand;
  TLxDebugList lbCheatReels;
  bool DevMode = false;
  // The program file's full path + "_debug.log".
  std::string LogFileName;
  // Whether Show opens a real window (off for the headless game of the tests).
  bool UseRealWindow = true;

 private:
  std::unique_ptr<TLxDebugWindow> FWindow;
  bool FVisible = false;
};

// The tree dump's text (the lines the file holds).
std::string ControlTreeText(TLxCustomControl* root);

// Set and cleared by start-up and shut-down.
extern TfrmDebug* frmDebug;

}  // namespace lx
