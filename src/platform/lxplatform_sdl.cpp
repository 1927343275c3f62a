// The real window over SDL2.
#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>
#include <cstdio>

#include <utility>

#include "platform/lxdebugwindow.h"
#include "platform/lxplatform.h"

extern char** environ;

namespace lx {

uint16_t VirtualKeyOfSdlKey(int32_t key) {
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint16_t>('A' + (key - SDLK_a));
  if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint16_t>('0' + (key - SDLK_0));
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return static_cast<uint16_t>('1' + (key - SDLK_KP_1));
  if (key >= SDLK_F1 && key <= SDLK_F12) return static_cast<uint16_t>(vk::F1 + (key - SDLK_F1));
  // The punctuation keys under the window system's codes for them (186 .. 222).
  static constexpr std::pair<int32_t, uint16_t> punctuation[] = {
      {SDLK_SEMICOLON, 186},    {SDLK_EQUALS, 187},      {SDLK_COMMA, 188},
      {SDLK_MINUS, 189},        {SDLK_PERIOD, 190},      {SDLK_SLASH, 191},
      {SDLK_BACKQUOTE, 192},    {SDLK_LEFTBRACKET, 219}, {SDLK_BACKSLASH, 220},
      {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222}};
  for (const auto& [sdl, code] : punctuation)
    if (key == sdl) return code;
  switch (key) {
    case SDLK_KP_0:
      return '0';
    case SDLK_BACKSPACE:
      return vk::Back;
    case SDLK_TAB:
      return vk::Tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return vk::Return;
    case SDLK_ESCAPE:
      return vk::Escape;
    case SDLK_SPACE:
      return vk::Space;
    case SDLK_PAGEUP:
      return vk::Prior;
    case SDLK_PAGEDOWN:
      return vk::Next;
    case SDLK_END:
      return vk::End;
    case SDLK_HOME:
      return vk::Home;
    case SDLK_LEFT:
      return vk::Left;
    case SDLK_UP:
      return vk::Up;
    case SDLK_RIGHT:
      return vk::Right;
    case SDLK_DOWN:
      return vk::Down;
    case SDLK_INSERT:
      return vk::Insert;
    case SDLK_DELETE:
      return vk::Delete;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return vk::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return vk::Control;
    case SDLK_LALT:
    case SDLK_RALT:
      return vk::Menu;
    default:
      return 0;
  }
}

namespace {

uint8_t ShiftOf(Uint16 mod) {
  uint8_t s = 0;
  if (mod & KMOD_SHIFT) s |= ssShift;
  if (mod & KMOD_ALT) s |= ssAlt;
  if (mod & KMOD_CTRL) s |= ssCtrl;
  return s;
}

TLxMouseButton ButtonOf(Uint8 b) {
  if (b == SDL_BUTTON_RIGHT) return TLxMouseButton::mbRight;
  if (b == SDL_BUTTON_MIDDLE) return TLxMouseButton::mbMiddle;
  return TLxMouseButton::mbLeft;
}

class TLxSdlWindow : public TLxWindow {
 public:
  TLxSdlWindow(SDL_Window* window, std::unique_ptr<TLxRenderDevice> device)
      : Window(window), RenderDevice(std::move(device)) {
    Arrow = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    Wait = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    SDL_StartTextInput();
  }
  ~TLxSdlWindow() override {
    RenderDevice.reset();
    if (Arrow) SDL_FreeCursor(Arrow);
    if (Wait) SDL_FreeCursor(Wait);
    SDL_DestroyWindow(Window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool PollEvent(TLxEvent& event) override {
    if (QuitForSignal(event)) return true;
    SDL_Event e;
    while (SDL_PollEvent(&e))
      if (Translate(e, event)) return true;
    return false;
  }

  void WaitEvent(TLxEvent& event) override {
    // Woken now and then to notice a termination signal while the window is inactive.
    SDL_Event e;
    for (;;) {
      if (QuitForSignal(event)) return;
      if (SDL_WaitEventTimeout(&e, 250) && Translate(e, event)) return;
    }
  }

  uint32_t TickCount() override { return SDL_GetTicks(); }
  uint64_t PerformanceCounter() override { return SDL_GetPerformanceCounter(); }
  uint64_t PerformanceFrequency() override { return SDL_GetPerformanceFrequency(); }
  void SetCaption(const std::string& caption) override {
    SDL_SetWindowTitle(Window, caption.c_str());
  }
  void SetWaitCursor(bool wait) override {
    Waiting = wait;
    SDL_SetCursor(wait ? Wait : Arrow);
  }
  bool WaitCursor() const override { return Waiting; }

  bool SetFullScreen(bool fullScreen) override {
    if (SDL_SetWindowFullscreen(Window, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0)
      return false;
    // The picture stays 800 x 600 and is scaled; mouse coordinates come back in picture pixels.
    SDL_RenderSetLogicalSize(RenderDevice->Renderer(), RenderDevice->Width(),
                             RenderDevice->Height());
    FullScreen = fullScreen;
    return true;
  }
  bool IsFullScreen() const override { return FullScreen; }

  void OpenDocument(const std::string& target) override {
    // No shell string: the target is one argument of xdg-open, whatever it contains.
    char program[] = "xdg-open";
    std::string arg = target;
    char* argv[] = {program, arg.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, argv, environ) == 0)
      Children.push_back(pid);
    ReapChildren();
  }

  void ShowError(const std::string& title, const std::string& text) override {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), Window);
  }

  TLxRenderDevice& Device() override { return *RenderDevice; }

 private:
  bool QuitForSignal(TLxEvent& event) const {
    if (!TerminationRequested()) return false;
    event = TLxEvent{};
    event.Kind = TLxEventKind::Quit;
    return true;
  }

  void ReapChildren() {
    for (size_t i = 0; i < Children.size();) {
      if (waitpid(Children[i], nullptr, WNOHANG) != 0) {
        Children.erase(Children.begin() + static_cast<std::ptrdiff_t>(i));
      } else {
        ++i;
      }
    }
  }

  bool Translate(const SDL_Event& e, TLxEvent& out) {
    out = TLxEvent{};
    if (DebugWindowEvent(&e)) return false;
    switch (e.type) {
      case SDL_QUIT:
        out.Kind = TLxEventKind::Quit;
        return true;
      case SDL_KEYDOWN:
        out.Kind = TLxEventKind::KeyDown;
        out.Key = VirtualKeyOfSdlKey(e.key.keysym.sym);
        out.Shift = ShiftOf(e.key.keysym.mod);
        return out.Key != 0;
      case SDL_TEXTINPUT: {
        // Characters are single bytes: keep those of Latin-1 from the UTF-8 text.
        const unsigned char* s = reinterpret_cast<const unsigned char*>(e.text.text);
        for (size_t i = 0; s[i]; ++i) {
          if (s[i] < 0x80) {
            out.Text += static_cast<char>(s[i]);
          } else if ((s[i] & 0xE0) == 0xC0 && s[i + 1]) {
            const unsigned cp = ((s[i] & 0x1Fu) << 6) | (s[i + 1] & 0x3Fu);
            if (cp < 0x100) out.Text += static_cast<char>(cp);
            ++i;
          }
        }
        out.Kind = TLxEventKind::TextInput;
        return !out.Text.empty();
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        out.Kind = e.type == SDL_MOUSEBUTTONDOWN ? TLxEventKind::MouseDown : TLxEventKind::MouseUp;
        out.Button = ButtonOf(e.button.button);
        out.X = e.button.x;
        out.Y = e.button.y;
        out.Shift = ShiftOf(SDL_GetModState());
        return true;
      case SDL_MOUSEMOTION:
        out.Kind = TLxEventKind::MouseMove;
        out.X = e.motion.x;
        out.Y = e.motion.y;
        out.Shift = ShiftOf(SDL_GetModState());
        return true;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
            e.window.event == SDL_WINDOWEVENT_RESTORED) {
          out.Kind = TLxEventKind::Activate;
          return true;
        }
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
            e.window.event == SDL_WINDOWEVENT_MINIMIZED) {
          out.Kind = TLxEventKind::Deactivate;
          return true;
        }
        return false;
      default:
        return false;
    }
  }

  SDL_Window* Window;
  std::unique_ptr<TLxRenderDevice> RenderDevice;
  SDL_Cursor* Arrow = nullptr;
  SDL_Cursor* Wait = nullptr;
  bool Waiting = false;
  bool FullScreen = false;
  std::vector<pid_t> Children;
};

}  // namespace

void ShowStandaloneError(const std::string& title, const std::string& text) {
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) != 0)
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

std::unique_ptr<TLxWindow> CreateSdlWindow(const std::string& caption, bool vsync,
                                           std::string& error, bool centred) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  const int position = centred ? SDL_WINDOWPOS_CENTERED : SDL_WINDOWPOS_UNDEFINED;
  SDL_Window* window =
      SDL_CreateWindow(caption.c_str(), position, position, 800, 600, SDL_WINDOW_SHOWN);
  if (!window) {
    error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  Uint32 flags = SDL_RENDERER_ACCELERATED | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags);
  if (!renderer) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer) {
    error = SDL_GetError();
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  SDL_RenderSetLogicalSize(renderer, 800, 600);
  auto device = TLxRenderDevice::ForRenderer(renderer, 800, 600);
  return std::make_unique<TLxSdlWindow>(window, std::move(device));
}

}  // namespace lx
