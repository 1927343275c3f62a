// Scenes: named full-screen layers of controls under the main scene, styled from the scene's
// theme file "theme.scn" in the scene's folder of the resource archive; and the main scene, the
// root of the whole control tree.
//
// A scene draws nothing itself. It groups its controls (shows and hides them together), starts
// its music when shown, and keeps the list of its themed controls, which LoadTheme walks in the
// order they were added: every control gets its texture resolved (scene folder, then "COMMON",
// then the picture of its class), and every named control reads its section of the theme.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/lxclasses.h"

namespace lx {

class TLxControl;
class TLxImage;
class TLxScene;
class TLxStore;

// What a control class adds to theming beyond the keys of every control and of labels. The
// list, combo, check box, menu, page and particle controls derive from it as well as from
// TLxControl; the scene asks for it while it themes a control.
class TLxThemeExtras {
 public:
  virtual ~TLxThemeExtras() = default;
  // Whether the font keys apply (labels and their descendants always read them).
  virtual bool ThemeFontKeys() const { return false; }
  // Reads the class's own keys of the section (menu item, list box, combo box keys); called
  // after the transition keys and before the effect groups.
  virtual void ReadThemeKeys(const TLxStore& theme, const std::string& section) {
    (void)theme;
    (void)section;
  }
  // The picture in "COMMON" used when neither the scene's folder nor "COMMON" has the control's
  // own; empty: keep the name that was not found.
  virtual std::string FallbackTexture() const { return std::string(); }
  // Resolves and loads the textures of the class's parts (tab buttons, scroll buttons,
  // particle images), typically with scene.ApplyTexture on each part.
  virtual void ApplySubTextures(TLxScene& scene) { (void)scene; }
};

using TLxThemeProgressEvent = std::function<void(TLxScene* sender, int32_t step, int32_t index,
                                                 const std::string& controlName)>;

class TLxScene : public TLxCustomControl {
 public:
  // Invisible, drawing nothing itself, a child of the main scene (when there is one), Hidden,
  // no music, with the full-screen background image "IMG_BACKGROUND" (texture "background") as
  // its first themed control. A non-empty name is set with SetSceneName.
  explicit TLxScene(TLxComponent* owner, const std::string& sceneName = std::string());
  // Clears the main window's active control first when it is one of the themed controls.
  ~TLxScene() override;

  bool IsScene() const override { return true; }

  // The scene's name, also its component name and its folder in the archive.
  void SetSceneName(const std::string& name);
  const std::string& SceneName() const { return FSceneName; }

  // Lists the control for theming. A control without a parent becomes a child of Container; a
  // themed control without a texture name takes its own name, one without a texture group the
  // scene's name. Adding a listed control again does nothing.
  void AddControl(TLxCustomControl* control);
  // Lists the control last (it is themed last).
  void MoveControlToEnd(TLxCustomControl* control);
  // The first listed control whose name equals the argument exactly, or nullptr.
  TLxCustomControl* FindControl(const std::string& name) const;
  // The listed controls that are still alive, in the order they were added. Controls are owned
  // through the component tree, never through this list.
  std::vector<TLxCustomControl*> ThemedControls() const;
  int32_t ThemedCount() const;

  // Resolves the control's texture (scene folder, "COMMON", the class picture) and loads it; a
  // control whose texture is found nowhere draws as a coloured rectangle.
  void ApplyTexture(TLxControl* control);
  // Reads the scene's theme file and applies it to every listed control. The argument is not
  // used here (the casino's theme enters the texture keys through the settings); scene classes
  // extend this to do their own work after it.
  virtual void LoadTheme(const std::string& themeName);
  // Starts the scene's music (when ShowMusic is not 0) and makes the scene visible.
  virtual void Show();
  // Makes the scene invisible at once; running fade-outs of its controls are not waited for.
  virtual void Hide();

  TLxThemeProgressEvent OnThemeProgress;  // once per control while the theme loads
  uint8_t ShowMusic = 0;                  // music theme started by Show; 0 none
  TLxCustomControl* Container = nullptr;  // parent of controls added without one
  bool Hidden = true;
  TLxImage* Background = nullptr;

 private:
  struct TThemed {
    TLxCustomControl* Control = nullptr;
    TLxComponentGuard Guard{nullptr};
    // The texture the code asked for and what the last resolution made of it, so that a reload
    // resolves from the request again (a picture added to the scene's folder then wins).
    std::string RequestedName, RequestedGroup, ResolvedName, ResolvedGroup;
    bool Resolved = false;
  };
  TThemed* EntryOf(TLxCustomControl* control);
  void Prune();
  void ReadControlTheme(const TLxStore& theme, TLxControl* control);

  std::string FSceneName;
  std::vector<TThemed> FThemed;
};

class TLxMainScene : public TLxScene {
 public:
  // The root: no owner, no parent, visible from the start; its background draws nothing.
  TLxMainScene();
  bool IsShowing() const override { return true; }
};

// Asks every scene directly under the main scene to load its theme again.
void ReloadSceneThemes(TLxCustomControl* mainScene, const std::string& themeName);

}  // namespace lx
