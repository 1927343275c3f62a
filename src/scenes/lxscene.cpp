#include "scenes/lxscene.h"

#include <algorithm>
#include <array>
#include <memory>

#include "base/lxlog.h"
#include "gui/lxcontrols.h"
#include "gui/lxhost.h"
#include "persistence/lxapplication.h"
#include "persistence/lxsettings.h"
#include "persistence/lxstore.h"
#include "shell/lxaudio.h"
#include "shell/lxcore.h"
#include "shell/lxresources.h"
#include "shell/lxtextures.h"

namespace lx {

namespace {

constexpr const char* CommonGroup = "COMMON";

bool TextureExists(const TLxTextureInfo& info) {
  return ResourceManager && ResourceManager->FileExists(info.ArchiveName());
}

// The integer kept in 8 bits, as the theme's byte-sized keys are.
int32_t Byte(int32_t value) {
  return static_cast<uint8_t>(value);
}

TLxColor Color(int32_t value) {
  return static_cast<TLxColor>(value);  // the 32-bit pattern: -1 is opaque white
}

}  // namespace

// ---- TLxScene ----

TLxScene::TLxScene(TLxComponent* owner, const std::string& sceneName) : TLxCustomControl(owner) {
  SetVisible(false);
  if (Host && Host->GetMainScene() && Host->GetMainScene() != this) SetParent(Host->GetMainScene());
  Container = this;
  NoRender = true;
  SetSceneName(sceneName);
  Background = new TLxImage(this);
  Background->SetName("IMG_BACKGROUND");
  Background->SetLeft(0);
  Background->SetTop(0);
  Background->SetWidth(800);
  Background->SetHeight(600);
  Background->Texture.SetName("background");
  Background->SetAutosize(false);
  AddControl(Background);
}

TLxScene::~TLxScene() {
  // The controls die with the control base below; the main window must not keep one of them
  // as its focused control.
  if (Host) {
    TLxCustomControl* active = Host->GetActiveControl();
    if (active && std::any_of(FThemed.begin(), FThemed.end(),
                              [&](const TThemed& t) { return t.Control == active; }))
      Host->SetActiveControl(nullptr);
  }
  FThemed.clear();
}

void TLxScene::SetSceneName(const std::string& name) {
  FSceneName = name;
  SetName(name);
}

TLxScene::TThemed* TLxScene::EntryOf(TLxCustomControl* control) {
  for (TThemed& t : FThemed)
    if (t.Control == control && t.Guard.Alive()) return &t;
  return nullptr;
}

void TLxScene::Prune() {
  std::erase_if(FThemed, [](const TThemed& t) { return !t.Guard.Alive(); });
}

void TLxScene::AddControl(TLxCustomControl* control) {
  if (!control) return;
  Prune();
  if (EntryOf(control)) return;
  TThemed entry;
  entry.Control = control;
  entry.Guard = TLxComponentGuard(control);
  FThemed.push_back(std::move(entry));
  if (!control->Parent()) control->SetParent(Container);
  if (auto* c = dynamic_cast<TLxControl*>(control)) {
    if (c->Texture.Name().empty()) c->Texture.SetName(c->Name());
    if (c->Texture.Group().empty()) c->Texture.SetGroup(FSceneName);
  }
}

void TLxScene::MoveControlToEnd(TLxCustomControl* control) {
  Prune();
  const auto it = std::find_if(FThemed.begin(), FThemed.end(),
                               [&](const TThemed& t) { return t.Control == control; });
  if (it == FThemed.end()) return;
  TThemed entry = *it;
  FThemed.erase(it);
  FThemed.push_back(std::move(entry));
}

TLxCustomControl* TLxScene::FindControl(const std::string& name) const {
  for (const TThemed& t : FThemed)
    if (t.Guard.Alive() && t.Control->Name() == name) return t.Control;
  return nullptr;
}

std::vector<TLxCustomControl*> TLxScene::ThemedControls() const {
  std::vector<TLxCustomControl*> list;
  for (const TThemed& t : FThemed)
    if (t.Guard.Alive()) list.push_back(t.Control);
  return list;
}

int32_t TLxScene::ThemedCount() const {
  return static_cast<int32_t>(std::count_if(FThemed.begin(), FThemed.end(),
                                            [](const TThemed& t) { return t.Guard.Alive(); }));
}

void TLxScene::ApplyTexture(TLxControl* control) {
  if (!control) return;
  TLxTextureInfo& texture = control->Texture;
  // A listed control resolves from what the code asked for, not from an earlier fallback, as
  // long as nothing but the resolution has changed its texture since.
  if (TThemed* entry = EntryOf(control)) {
    if (entry->Resolved && texture.Name() == entry->ResolvedName &&
        texture.Group() == entry->ResolvedGroup) {
      texture.SetName(entry->RequestedName);
      texture.SetGroup(entry->RequestedGroup);
    }
  }
  if (texture.Group().empty()) texture.SetGroup(FSceneName);
  const std::string requestedName = texture.Name(), requestedGroup = texture.Group();

  texture.SetPrefix(Settings ? Settings->ThemeFolder : std::string());
  if (!TextureExists(texture)) {
    texture.SetGroup(CommonGroup);
    if (!TextureExists(texture)) {
      std::string fallback;
      if (auto* extras = dynamic_cast<TLxThemeExtras*>(control))
        fallback = extras->FallbackTexture();
      if (fallback.empty() && dynamic_cast<TLxButton*>(control)) fallback = "BTN_ALL";
      if (!fallback.empty()) texture.SetName(fallback);
    }
  }
  if (TThemed* entry = EntryOf(control)) {
    entry->RequestedName = requestedName;
    entry->RequestedGroup = requestedGroup;
    entry->ResolvedName = texture.Name();
    entry->ResolvedGroup = texture.Group();
    entry->Resolved = true;
  }
  if (auto* extras = dynamic_cast<TLxThemeExtras*>(control)) extras->ApplySubTextures(*this);
  control->LoadTexture();
}

void TLxScene::ReadControlTheme(const TLxStore& theme, TLxControl* c) {
  const std::string s = c->Name();
  // Keys of every control.
  c->SetTop(theme.ReadInteger(s, "Top", c->Top()));
  c->SetLeft(theme.ReadInteger(s, "Left", c->Left()));
  c->SetWidth(theme.ReadInteger(s, "Width", c->Width()));
  c->SetHeight(theme.ReadInteger(s, "Height", c->Height()));
  c->SetDisableRenderTheme(theme.ReadBool(s, "DisableRenderTheme", c->DisableRenderTheme()));
  c->SetAutosize(theme.ReadBool(s, "Autosize", c->Autosize()));
  TLxAlphas4 alphas;
  theme.ReadAlpha4(s, "Alpha4", alphas, c->Alpha4());
  c->SetAlpha4(alphas);
  TLxColors4 colors;
  theme.ReadColor4(s, "Color4", colors, c->Color4());
  c->SetColor4(colors);
  c->SetRestingColor4(c->Color4());
  c->Border = theme.ReadBool(s, "Border", false);
  theme.ReadColor4(s, "BorderColor4", colors, c->BorderColor4());
  c->SetBorderColor4(colors);

  // Font keys: labels and their descendants, and the classes that say so.
  auto* extras = dynamic_cast<TLxThemeExtras*>(c);
  if (dynamic_cast<TLxLabel*>(c) || (extras && extras->ThemeFontKeys())) {
    c->Font.SetName(theme.ReadString(s, "FontDXName", "ArialBlack"));
    c->Font.SetSize(theme.ReadInteger(s, "FontSize", c->Font.Size()));
    c->Font.SetColor(
        Color(theme.ReadInteger(s, "FontColor", static_cast<int32_t>(c->Font.Color()))));
    c->SetAlignment(Byte(theme.ReadInteger(s, "Alignment", c->Alignment())));
    c->SetLayout(Byte(theme.ReadInteger(s, "Layout", c->Layout())));
    c->SetTextureScaleMode(Byte(theme.ReadInteger(s, "TextureScaleMode", c->TextureScaleMode())));
  }

  // Transitions.
  c->SetFadeIn(theme.ReadBool(s, "FadeIn", false));
  c->SetFadeOut(theme.ReadBool(s, "FadeOut", false));
  c->SetFadeSpeed(Byte(theme.ReadInteger(s, "FadeSpeed", c->FadeSpeed())));
  c->SetFlyIn(Byte(theme.ReadInteger(s, "FlyIn", 0)));
  c->SetFlyOut(Byte(theme.ReadInteger(s, "FlyOut", 0)));
  c->SetFlySpeed(Byte(theme.ReadInteger(s, "FlySpeed", c->FlySpeed())));

  // Menu item, list box and combo box keys.
  if (extras) extras->ReadThemeKeys(theme, s);
  c->MouseCross = theme.ReadBool(s, "MouseCross", c->MouseCross);
  c->MouseCrossColor =
      Color(theme.ReadInteger(s, "MouseCrossColor", static_cast<int32_t>(c->MouseCrossColor)));

  // The five effect groups: normal, roll-over, custom 1 to 3.
  for (int32_t g = 0; g < EffectGroupCount; ++g) {
    TLxEffects& e = c->Effects(g);
    const std::string p = EffectKeyPrefixes[g];
    e.ColorEnabled = theme.ReadBool(s, p + "ColorEnabled", false);
    e.ColorContinuous = theme.ReadBool(s, p + "ColorContinuous", e.ColorContinuous);
    theme.ReadColor4(s, p + "Color", colors, e.Color);
    e.Color = colors;
    e.ColorChangeSpeed = Byte(theme.ReadInteger(s, p + "ColorChangeSpeed", 0));
    e.TextColorEnabled = theme.ReadBool(s, p + "TextColorEnabled", false);
    e.TextColorContinuous = theme.ReadBool(s, p + "TextColorContinuous", false);
    e.TextColor = Color(theme.ReadInteger(s, p + "TextColor", static_cast<int32_t>(e.TextColor)));
    e.TextColorChangeSpeed = Byte(theme.ReadInteger(s, p + "TextColorChangeSpeed", 0));
    e.AlphaEnabled = theme.ReadBool(s, p + "AlphaEnabled", false);
    e.AlphaContinuous = theme.ReadBool(s, p + "AlphaContinuous", e.AlphaContinuous);
    e.AlphaBlendValue = theme.ReadInteger(s, p + "AlphaBlendValue", e.AlphaBlendValue);
    e.AlphaChangeSpeed = Byte(theme.ReadInteger(s, p + "AlphaChangeSpeed", 0));
    e.ScrollEnabled = theme.ReadBool(s, p + "ScrollEnabled", false);
    e.ScrollOptions = theme.ReadInteger(s, p + "ScrollOptions", 0);
    e.ScrollDistance = theme.ReadInteger(s, p + "ScrollDistance", e.ScrollDistance);
    e.ScrollSpeed = Byte(theme.ReadInteger(s, p + "ScrollSpeed", 0));
    e.GrowEnabled = theme.ReadBool(s, p + "GrowEnabled", false);
    e.GrowDistance = theme.ReadInteger(s, p + "GrowDistance", e.GrowDistance);
  }
  c->StartEffect(EffectNormal);
}

void TLxScene::LoadTheme(const std::string& themeName) {
  (void)themeName;
  const std::string path =
      ResourceManager ? ResourceManager->ExtractFile(FSceneName + "\\theme.scn") : std::string();
  std::unique_ptr<TLxStore> theme;
  if (!path.empty())
    theme = std::make_unique<TLxStore>(path);
  else
    Log("ERROR: Cannot load theme-config for scene " + FSceneName);

  Prune();
  // By index and guarded: a progress handler may add controls or free some.
  for (size_t i = 0; i < FThemed.size(); ++i) {
    const TLxComponentGuard guard = FThemed[i].Guard;
    auto* control = guard.Alive() ? dynamic_cast<TLxControl*>(FThemed[i].Control) : nullptr;
    if (!control) continue;
    if (OnThemeProgress) OnThemeProgress(this, 1, static_cast<int32_t>(i), control->Name());
    if (!guard.Alive()) continue;
    ApplyTexture(control);
    if (theme && !control->Name().empty()) ReadControlTheme(*theme, control);
  }
  theme.reset();

  if (AppInfo && AppInfo->DevMode && Engine && Engine->Textures)
    Log("INFO: TextureCount: " + std::to_string(Engine->Textures->Count()));
}

void TLxScene::Show() {
  if (ShowMusic != 0 && Sounds) Sounds->PlayMusic(ShowMusic);
  SetVisible(true);
  Hidden = false;
}

void TLxScene::Hide() {
  Hidden = true;
  SetVisible(false);
}

// ---- TLxMainScene ----

TLxMainScene::TLxMainScene() : TLxScene(nullptr, "MAINSCENE") {
  SetParent(nullptr);
  SetVisible(true);
  Hidden = false;
  Background->NoRender = true;
}

void ReloadSceneThemes(TLxCustomControl* mainScene, const std::string& themeName) {
  if (!mainScene) return;
  const TLxComponentGuard guard(mainScene);
  for (int32_t i = 0; guard.Alive() && i < mainScene->ControlCount(); ++i)
    if (auto* scene = dynamic_cast<TLxScene*>(mainScene->Controls(i))) scene->LoadTheme(themeName);
}

}  // namespace lx
