// The window, its events, the clock and the shell: what the program needs of the window system.
// Two backends: an SDL2 window, and a headless one for tests and tools (scripted events, a
// virtual clock, a software renderer whose pixels can be read back).
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/lxdevice.h"

namespace lx {

// Shift-state bits of key and mouse events.
constexpr uint8_t ssShift = 1;
constexpr uint8_t ssAlt = 2;
constexpr uint8_t ssCtrl = 4;

enum class TLxMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum class TLxEventKind : uint8_t {
  None,
  KeyDown,    // Key: 16-bit virtual key code, Shift: bits above
  TextInput,  // Text: the typed characters, one byte each
  MouseDown,  // X, Y in picture coordinates (0..799, 0..599), Button, Shift
  MouseMove,
  MouseUp,
  Activate,    // the application became active
  Deactivate,  // the application lost activation
  Quit,        // the window was closed
};

struct TLxEvent {
  TLxEventKind Kind = TLxEventKind::None;
  uint16_t Key = 0;
  uint8_t Shift = 0;
  TLxMouseButton Button = TLxMouseButton::mbLeft;
  int32_t X = 0;
  int32_t Y = 0;
  std::string Text;
};

// Virtual key codes used by the program.
namespace vk {
constexpr uint16_t Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27,
                   Space = 32, Prior = 33, Next = 34, End = 35, Home = 36, Left = 37, Up = 38,
                   Right = 39, Down = 40, Insert = 45, Delete = 46, F1 = 112, F5 = 116, F6 = 117,
                   F7 = 118, F8 = 119, F9 = 120, F10 = 121, F12 = 123;
}

class TLxWindow {
 public:
  virtual ~TLxWindow() = default;

  // Takes the next pending event; false when none is pending.
  virtual bool PollEvent(TLxEvent& event) = 0;
  // Blocks until an event arrives (used while the application is inactive).
  virtual void WaitEvent(TLxEvent& event) = 0;

  virtual uint32_t TickCount() = 0;  // milliseconds, wraps modulo 2^32
  virtual uint64_t PerformanceCounter() = 0;
  virtual uint64_t PerformanceFrequency() = 0;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetWaitCursor(bool wait) = 0;
  virtual bool WaitCursor() const = 0;
  // Full screen: the 800 x 600 picture scaled onto the desktop; false when the switch failed.
  virtual bool SetFullScreen(bool fullScreen) = 0;
  virtual bool IsFullScreen() const = 0;
  // Opens a path or web address with the desktop's default application; the result is ignored.
  virtual void OpenDocument(const std::string& target) = 0;
  // A modal error box with an OK button.
  virtual void ShowError(const std::string& title, const std::string& text) = 0;

  virtual TLxRenderDevice& Device() = 0;
  // Called after every presented frame (the headless clock moves on by one frame).
  virtual void FramePresented() {}
};

// The real window: fixed 800 x 600 client area, not resizable; centred on the screen or where the
// window system puts it. Returns nullptr and the reason when SDL cannot create the window or its
// renderer.
std::unique_ptr<TLxWindow> CreateSdlWindow(const std::string& caption, bool vsync,
                                           std::string& error, bool centred = true);
// An error box without a window (nothing could be opened); on standard error when no box can be
// shown either.
void ShowStandaloneError(const std::string& title, const std::string& text);

// SIGTERM, SIGINT and SIGHUP only record the request; the message loop then ends the program
// through its normal shut-down, and the real window reports it as a Quit event.
void InstallTerminationSignals();
bool TerminationRequested();
void ClearTerminationRequest();

// Headless backend: tests push events; the clock is virtual and advances FrameStepMs with every
// presented frame, so waits cost frames, not wall time.
class TLxHeadlessWindow : public TLxWindow {
 public:
  TLxHeadlessWindow();
  ~TLxHeadlessWindow() override;

  void Push(const TLxEvent& event) { Events.push_back(event); }
  void PushKey(uint16_t key, uint8_t shift = 0);
  void PushMouse(TLxEventKind kind, int32_t x, int32_t y,
                 TLxMouseButton button = TLxMouseButton::mbLeft);
  void PushClick(int32_t x, int32_t y);  // down and up at one point
  size_t PendingEvents() const { return Events.size(); }

  bool PollEvent(TLxEvent& event) override;
  void WaitEvent(TLxEvent& event) override;
  uint32_t TickCount() override { return Ticks; }
  uint64_t PerformanceCounter() override { return static_cast<uint64_t>(Ticks) * 1000; }
  uint64_t PerformanceFrequency() override { return 1000000; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  void SetWaitCursor(bool wait) override { Waiting = wait; }
  bool WaitCursor() const override { return Waiting; }
  bool SetFullScreen(bool fullScreen) override;
  bool IsFullScreen() const override { return FullScreen; }
  void OpenDocument(const std::string& target) override { OpenedDocuments.push_back(target); }
  void ShowError(const std::string& title, const std::string& text) override;
  TLxRenderDevice& Device() override { return *RenderDevice; }
  void FramePresented() override {
    Ticks += FrameStepMs;  // wraps modulo 2^32 like a real tick count
    ++FramesPresented;
  }

  uint32_t Ticks = 0;
  uint32_t FrameStepMs = 16;
  uint64_t FramesPresented = 0;
  std::string Caption;
  std::vector<std::string> OpenedDocuments;
  std::vector<std::string> Errors;  // "title: text" of every error box
  int32_t FullScreenSwitches = 0;
  // When set, WaitEvent with an empty queue delivers Activate instead of blocking forever.
  bool ActivateWhenIdle = true;

 private:
  std::deque<TLxEvent> Events;
  std::unique_ptr<TLxRenderDevice> RenderDevice;
  bool Waiting = false;
  bool FullScreen = false;
};

// Translates an SDL key code to the program's virtual key code (0 when it has none).
uint16_t VirtualKeyOfSdlKey(int32_t sdlKey);

}  // namespace lx
