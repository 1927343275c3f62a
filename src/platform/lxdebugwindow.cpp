#include "platform/lxdebugwindow.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>

namespace lx {

namespace {

class TSdlDebugWindow;
// The debug windows alive; the game window's event filter asks them.
std::vector<TSdlDebugWindow*>& Windows() {
  static std::vector<TSdlDebugWindow*> windows;
  return windows;
}

constexpr int32_t lineHeight = 13;
constexpr int32_t entryHeight = 15;
constexpr int32_t labelHeight = 20;
constexpr uint32_t redrawPauseMs = 100;

class TSdlDebugWindow : public TLxDebugWindow {
 public:
  TSdlDebugWindow(SDL_Window* window, SDL_Renderer* renderer, int32_t panelHeight,
                  const std::vector<std::string>& left, const std::vector<std::string>& right)
      : Window(window), Renderer(renderer), PanelHeight(panelHeight), Lists{left, right} {
    Windows().push_back(this);
  }
  ~TSdlDebugWindow() override {
    Windows().erase(std::find(Windows().begin(), Windows().end(), this));
    if (Texture) SDL_DestroyTexture(Texture);
    SDL_DestroyRenderer(Renderer);
    SDL_DestroyWindow(Window);
  }

  void Show() override {
    SDL_ShowWindow(Window);
    IsShown = true;
    Draw();
  }
  void Hide() override {
    SDL_HideWindow(Window);
    IsShown = false;
  }
  bool Shown() const override { return IsShown; }
  void SetLines(const std::vector<std::string>* lines) override {
    Lines = lines;
    Invalidate();
  }
  void Invalidate() override {
    Dirty = true;
    if (SDL_GetTicks() - LastDraw >= redrawPauseMs) Draw();
  }
  void SetSelected(int32_t list, int32_t index) override {
    if (list < 0 || list > 1) return;
    Selected[list] = index;
    Draw();
  }

  bool Handle(const SDL_Event& e) {
    const uint32_t id = SDL_GetWindowID(Window);
    uint32_t eventWindow = 0;
    switch (e.type) {
      case SDL_WINDOWEVENT:
        eventWindow = e.window.windowID;
        if (eventWindow != id && e.window.event == SDL_WINDOWEVENT_CLOSE) {
          // The game window closes: without the debug window SDL would now report the end.
          SDL_Event quit{};
          quit.type = SDL_QUIT;
          SDL_PushEvent(&quit);
          return true;
        }
        if (eventWindow == id) {
          if (e.window.event == SDL_WINDOWEVENT_CLOSE) Hide();
          if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
              e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
            Draw();
        }
        break;
      case SDL_MOUSEBUTTONDOWN:
        eventWindow = e.button.windowID;
        if (eventWindow == id) Click(e.button.x, e.button.y);
        break;
      case SDL_MOUSEBUTTONUP:
        eventWindow = e.button.windowID;
        break;
      case SDL_MOUSEMOTION:
        eventWindow = e.motion.windowID;
        break;
      case SDL_MOUSEWHEEL:
        eventWindow = e.wheel.windowID;
        if (eventWindow == id) {
          Scroll = std::max(0, Scroll + e.wheel.y * 3);
          Draw();
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        eventWindow = e.key.windowID;
        break;
      case SDL_TEXTINPUT:
        eventWindow = e.text.windowID;
        break;
      default:
        break;
    }
    if (Dirty && IsShown && SDL_GetTicks() - LastDraw >= redrawPauseMs) Draw();
    return eventWindow == id;
  }

 private:
  void Size(int32_t& w, int32_t& h) const { SDL_GetRendererOutputSize(Renderer, &w, &h); }

  void Click(int32_t x, int32_t y) {
    int32_t w = 0, h = 0;
    Size(w, h);
    const int32_t listTop = h - PanelHeight + labelHeight;
    if (y < listTop) return;
    const int32_t list = x < w / 2 ? 0 : 1;
    const int32_t index = (y - listTop) / entryHeight;
    if (index >= static_cast<int32_t>(Lists[list].size())) return;
    Selected[list] = index;
    Draw();
    if (OnSelect) OnSelect(list, index);
  }

  void Draw() {
    Dirty = false;
    LastDraw = SDL_GetTicks();
    if (!IsShown) return;
    int32_t w = 0, h = 0;
    Size(w, h);
    if (w <= 0 || h <= 0) return;
    if (!Texture || TextureW != w || TextureH != h) {
      if (Texture) SDL_DestroyTexture(Texture);
      Texture =
          SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
      TextureW = w;
      TextureH = h;
      if (!Texture) return;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 10);

    // The log: the newest lines at the bottom of its area, scrolled back by the wheel.
    const int32_t logHeight = h - PanelHeight;
    const int32_t visible = std::max(1, (logHeight - 4) / lineHeight);
    const int32_t count = Lines ? static_cast<int32_t>(Lines->size()) : 0;
    Scroll = std::min(Scroll, std::max(0, count - visible));
    const int32_t first = std::max(0, count - visible - Scroll);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, w, logHeight);
    cairo_clip(cr);
    for (int32_t i = first, row = 0; i < count && row < visible; ++i, ++row) {
      cairo_move_to(cr, 3, 2 + lineHeight * (row + 1) - 3);
      cairo_show_text(cr, (*Lines)[static_cast<size_t>(i)].c_str());
    }
    cairo_restore(cr);

    // The panel with the two lists.
    cairo_set_source_rgb(cr, 0.83, 0.82, 0.78);
    cairo_rectangle(cr, 0, logHeight, w, PanelHeight);
    cairo_fill(cr);
    const char* titles[2] = {"Hand:", "Reels:"};
    for (int32_t list = 0; list < 2; ++list) {
      const double left = list == 0 ? 2 : w / 2 + 1;
      const double width = w / 2.0 - 3;
      cairo_set_source_rgb(cr, 0, 0, 0);
      cairo_move_to(cr, left + 2, logHeight + 14);
      cairo_show_text(cr, titles[list]);
      const double top = logHeight + labelHeight;
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_rectangle(cr, left, top, width, PanelHeight - labelHeight - 2);
      cairo_fill(cr);
      for (size_t i = 0; i < Lists[list].size(); ++i) {
        const double y = top + entryHeight * static_cast<double>(i);
        if (static_cast<int32_t>(i) == Selected[list]) {
          cairo_set_source_rgb(cr, 0.0, 0.47, 0.84);
          cairo_rectangle(cr, left, y, width, entryHeight);
          cairo_fill(cr);
          cairo_set_source_rgb(cr, 1, 1, 1);
        } else {
          cairo_set_source_rgb(cr, 0, 0, 0);
        }
        cairo_move_to(cr, left + 3, y + entryHeight - 4);
        cairo_show_text(cr, Lists[list][i].c_str());
      }
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    SDL_UpdateTexture(Texture, nullptr, cairo_image_surface_get_data(surface),
                      cairo_image_surface_get_stride(surface));
    cairo_surface_destroy(surface);
    SDL_RenderClear(Renderer);
    SDL_RenderCopy(Renderer, Texture, nullptr, nullptr);
    SDL_RenderPresent(Renderer);
  }

  SDL_Window* Window;
  SDL_Renderer* Renderer;
  SDL_Texture* Texture = nullptr;
  int32_t TextureW = 0, TextureH = 0;
  int32_t PanelHeight;
  std::vector<std::string> Lists[2];
  int32_t Selected[2] = {-1, -1};
  const std::vector<std::string>* Lines = nullptr;
  int32_t Scroll = 0;
  bool IsShown = false;
  bool Dirty = false;
  uint32_t LastDraw = 0;
};

}  // namespace

std::unique_ptr<TLxDebugWindow> TLxDebugWindow::Create(int32_t left, int32_t top, int32_t width,
                                                       int32_t height, int32_t panelHeight,
                                                       const std::vector<std::string>& leftList,
                                                       const std::vector<std::string>& rightList,
                                                       std::string& error) {
  if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    return nullptr;
  }
  SDL_Window* window =
      SDL_CreateWindow("Debug", left, top, width, height,
                       SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_UTILITY);
  if (!window) {
    error = SDL_GetError();
    return nullptr;
  }
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  if (!renderer) {
    error = SDL_GetError();
    SDL_DestroyWindow(window);
    return nullptr;
  }
  return std::make_unique<TSdlDebugWindow>(window, renderer, panelHeight, leftList, rightList);
}

bool DebugWindowEvent(const void* sdlEvent) {
  const auto& e = *static_cast<const SDL_Event*>(sdlEvent);
  bool mine = false;
  for (TSdlDebugWindow* w : std::vector<TSdlDebugWindow*>(Windows())) mine = w->Handle(e) || mine;
  return mine;
}

}  // namespace lx
