#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/lxerror.h"
#include "gui/fake_host.h"
#include "gui/lxclasses.h"
#include "platform/lxplatform.h"
#include "shell/lxcore.h"

namespace lx {
namespace {

using Log = std::vector<std::string>;

// A control that writes what happens to it into a shared log.
class TRecorder : public TLxCustomControl {
 public:
  TRecorder(TLxComponent* owner, Log* log, const std::string& name,
            TLxCustomControl* parent = nullptr)
      : TLxCustomControl(owner), Events(log) {
    SetName(name);
    if (parent) SetParent(parent);
  }
  ~TRecorder() override { Note("freed"); }

  void Paint() override { Note("paint"); }
  void DoEnter() override { Note("enter"); }
  void DoExit() override { Note("exit"); }
  void DoMouseEnter() override { Note("mouseenter"); }
  void DoMouseLeave() override { Note("mouseleave"); }
  void Moved() override { Note("moved"); }

  void Note(const std::string& what) {
    if (Events) Events->push_back(Name() + " " + what);
  }
  Log* Events;
};

// The root of a test tree: always showing, like the main scene.
class TRoot : public TRecorder {
 public:
  explicit TRoot(Log* log) : TRecorder(nullptr, log, "ROOT") {
    NoRender = true;
    SetWidth(800);
    SetHeight(600);
  }
  bool IsShowing() const override { return true; }
};

class ControlTree : public ::testing::Test {
 protected:
  // A control at the given rectangle, owned by its parent (the root by default).
  TRecorder* Add(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height,
                 TLxCustomControl* parent = nullptr) {
    if (!parent) parent = Root.get();
    auto* c = new TRecorder(parent, &Events, name, parent);
    c->SetLeft(left);
    c->SetTop(top);
    c->SetWidth(width);
    c->SetHeight(height);
    return c;
  }
  int Count(const std::string& entry) const {
    return static_cast<int>(std::count(Events.begin(), Events.end(), entry));
  }
  void Click(int32_t x, int32_t y, int32_t upX, int32_t upY) {
    Root->MouseDown(nullptr, TLxMouseButton::mbLeft, 0, x, y);
    Root->MouseUp(nullptr, TLxMouseButton::mbLeft, 0, upX, upY);
  }

  TFakeHost FakeHost;
  Log Events;
  std::unique_ptr<TRoot> Root = std::make_unique<TRoot>(&Events);
};

TEST_F(ControlTree, ContainsIsStrictOnTheLeftAndTopEdges) {
  TRecorder* c = Add("C", 10, 20, 30, 40);
  struct Case {
    int32_t x, y;
    bool inside;
  } cases[] = {{10, 30, false}, {11, 30, true},  {20, 20, false}, {20, 21, true}, {11, 21, true},
               {39, 59, true},  {40, 30, false}, {20, 60, false}, {0, 0, false}};
  for (const Case& k : cases) {
    EXPECT_EQ(c->Contains(k.x, k.y), k.inside) << k.x << "," << k.y;
    EXPECT_EQ(Root->ControlAt(k.x, k.y), k.inside ? c : nullptr) << k.x << "," << k.y;
  }
}

TEST_F(ControlTree, ControlAtFindsOnlyShowingPaintedHitTestableControls) {
  TRecorder* panel = Add("PANEL", 0, 0, 200, 200);
  TRecorder* inner = Add("INNER", 50, 50, 20, 20, panel);
  EXPECT_EQ(Root->ControlAt(60, 60), inner);
  EXPECT_EQ(Root->ControlAt(10, 10), panel);

  // A container that is not hit-testable or not painted still passes the search on.
  panel->HitTest = false;
  EXPECT_EQ(Root->ControlAt(10, 10), nullptr);
  EXPECT_EQ(Root->ControlAt(60, 60), inner);
  panel->HitTest = true;
  panel->NoRender = true;
  EXPECT_EQ(Root->ControlAt(10, 10), nullptr);
  EXPECT_EQ(Root->ControlAt(60, 60), inner);
  panel->NoRender = false;

  // An invisible ancestor hides the whole subtree from the pointer.
  panel->SetVisible(false);
  EXPECT_EQ(Root->ControlAt(60, 60), nullptr);
  panel->SetVisible(true);

  // Without a parent a control never shows, even when visible.
  TRecorder orphan(nullptr, &Events, "ORPHAN");
  orphan.SetWidth(100);
  orphan.SetHeight(100);
  EXPECT_TRUE(orphan.Visible());
  EXPECT_FALSE(orphan.IsShowing());
  EXPECT_EQ(orphan.ControlAt(50, 50), nullptr);
  EXPECT_TRUE(Root->IsShowing());
}

TEST_F(ControlTree, LaterSiblingIsPaintedOnTopAndTakesThePress) {
  TRecorder* back = Add("BACK", 0, 0, 100, 100);
  TRecorder* front = Add("FRONT", 50, 50, 100, 100);
  Events.clear();
  Root->Render();
  EXPECT_EQ(Events, (Log{"BACK paint", "FRONT paint"}));

  int backClicks = 0, frontClicks = 0;
  back->OnClick = [&](TLxCustomControl*) { ++backClicks; };
  front->OnClick = [&](TLxCustomControl*) { ++frontClicks; };
  Root->MouseDown(nullptr, TLxMouseButton::mbLeft, 0, 75, 75);
  EXPECT_TRUE(front->Pressed());
  EXPECT_FALSE(back->Pressed());
  Root->MouseUp(nullptr, TLxMouseButton::mbLeft, 0, 75, 75);
  EXPECT_EQ(frontClicks, 1);
  EXPECT_EQ(backClicks, 0);

  back->BringToFront();
  Events.clear();
  Root->Render();
  EXPECT_EQ(Events, (Log{"FRONT paint", "BACK paint"}));
  Click(75, 75, 75, 75);
  EXPECT_EQ(backClicks, 1);
  EXPECT_EQ(frontClicks, 1);
}

TEST_F(ControlTree, ReleaseInsideClicksOnceReleaseOutsideCancels) {
  TRecorder* button = Add("BTN_DEAL", 100, 100, 50, 20);
  Log raised;
  button->OnMouseDown = [&](TLxCustomControl* s, TLxMouseButton b, uint8_t shift, int32_t,
                            int32_t) {
    EXPECT_EQ(s, button);
    EXPECT_EQ(b, TLxMouseButton::mbLeft);
    EXPECT_EQ(shift, 0);
    raised.push_back("down");
  };
  button->OnMouseUp = [&](TLxCustomControl*, TLxMouseButton, uint8_t, int32_t, int32_t) {
    raised.push_back("up");
  };
  button->OnClick = [&](TLxCustomControl*) { raised.push_back("click"); };

  Click(110, 110, 120, 115);
  EXPECT_EQ(raised, (Log{"down", "up", "click"}));
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(FakeHost.Frames, 2);  // the pressed and the released look are drawn at once

  raised.clear();
  Click(110, 110, 300, 300);
  EXPECT_EQ(raised, (Log{"down"}));
  EXPECT_FALSE(button->Pressed());
  // The cancelled press leaves nothing behind: a later release over the button clicks nothing.
  Root->MouseUp(nullptr, TLxMouseButton::mbLeft, 0, 110, 110);
  EXPECT_EQ(raised, (Log{"down"}));

  // The right button only marks the control; the middle button does nothing.
  raised.clear();
  Root->MouseDown(nullptr, TLxMouseButton::mbRight, 0, 110, 110);
  EXPECT_TRUE(button->RightPressed());
  EXPECT_FALSE(button->Pressed());
  Root->MouseUp(nullptr, TLxMouseButton::mbRight, 0, 300, 300);
  EXPECT_FALSE(button->RightPressed());
  Root->MouseDown(nullptr, TLxMouseButton::mbMiddle, 0, 110, 110);
  EXPECT_FALSE(button->Pressed());
  EXPECT_TRUE(raised.empty());
}

TEST_F(ControlTree, HandlersMayFreeTheControlOrItsParent) {
  TRecorder* panel = Add("PANEL", 0, 0, 400, 400);
  TRecorder* button = Add("BTN_CLOSE", 10, 10, 50, 20, panel);
  TRecorder* other = Add("BTN_OTHER", 100, 10, 50, 20, panel);
  bool clicked = false;
  button->OnMouseUp = [&](TLxCustomControl* s, TLxMouseButton, uint8_t, int32_t, int32_t) {
    delete s;
  };
  button->OnClick = [&](TLxCustomControl*) { clicked = true; };
  Click(20, 20, 20, 20);
  EXPECT_FALSE(clicked);
  EXPECT_EQ(panel->ControlCount(), 1);

  // A click that frees the whole panel in the middle of the release walk.
  other->OnClick = [&](TLxCustomControl*) { delete panel; };
  Click(110, 20, 110, 20);
  EXPECT_EQ(Root->ControlCount(), 0);
  EXPECT_EQ(Count("PANEL freed"), 1);
  EXPECT_EQ(Count("BTN_OTHER freed"), 1);
}

TEST_F(ControlTree, MouseMoveEntersAndLeavesOnce) {
  TRecorder* panel = Add("PANEL", 0, 0, 200, 200);
  TRecorder* a = Add("A", 10, 10, 50, 50, panel);
  TRecorder* cover = Add("COVER", 20, 20, 50, 50, panel);
  int enters = 0, leaves = 0, moves = 0;
  a->OnMouseEnter = [&](TLxCustomControl*) { ++enters; };
  a->OnMouseLeave = [&](TLxCustomControl*) { ++leaves; };
  std::vector<TLxCustomControl*> moveSenders;
  a->OnMouseMove = [&](TLxCustomControl* s, uint8_t, int32_t, int32_t) {
    ++moves;
    moveSenders.push_back(s);
  };

  Root->MouseMove(nullptr, 0, 15, 15);
  EXPECT_TRUE(a->MouseOver());
  EXPECT_EQ(enters, 1);
  // Every level of the walk (the control itself, panel, root) reports the front-most control
  // under the pointer.
  EXPECT_EQ(moveSenders, (std::vector<TLxCustomControl*>{a, panel, Root.get()}));
  Root->MouseMove(nullptr, 0, 16, 16);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(moves, 6);

  // Covered by a sibling but still inside: MouseOver stays, no leave.
  Root->MouseMove(nullptr, 0, 30, 30);
  EXPECT_TRUE(cover->MouseOver());
  EXPECT_TRUE(a->MouseOver());
  EXPECT_EQ(leaves, 0);

  Root->MouseMove(nullptr, 0, 150, 150);
  EXPECT_FALSE(a->MouseOver());
  EXPECT_FALSE(cover->MouseOver());
  EXPECT_TRUE(panel->MouseOver());
  EXPECT_EQ(leaves, 1);
  EXPECT_EQ(Count("A mouseenter"), 1);
  EXPECT_EQ(Count("A mouseleave"), 1);
}

TEST_F(ControlTree, ShowForHidesDuringTheNthPaint) {
  TRecorder* notice = Add("LBL_NOTICE", 0, 0, 10, 10);
  notice->SetVisible(false);
  notice->ShowFor(1);
  EXPECT_TRUE(notice->Visible());
  Root->Render();
  EXPECT_FALSE(notice->Visible());
  EXPECT_EQ(notice->HideCountdown, -1);
  EXPECT_EQ(Count("LBL_NOTICE paint"), 0);

  notice->ShowFor(3);
  for (int i = 0; i < 5; ++i) Root->Render();
  EXPECT_EQ(Count("LBL_NOTICE paint"), 2);
  EXPECT_FALSE(notice->Visible());

  notice->ShowFor(0);
  for (int i = 0; i < 5; ++i) Root->Render();
  EXPECT_TRUE(notice->Visible());
  EXPECT_EQ(Count("LBL_NOTICE paint"), 7);
}

TEST_F(ControlTree, BlinkAlternatesThirtyFramesWithItsChildren) {
  TRecorder* lamp = Add("IMG_LAMP", 0, 0, 10, 10);
  Add("IMG_GLOW", 0, 0, 5, 5, lamp);
  EXPECT_EQ(lamp->BlinkPeriod(), 30);
  lamp->SetBlink(true);
  std::string shown;  // one letter per frame: 'x' drawn, '.' hidden
  for (int frame = 0; frame < 150; ++frame) {
    Events.clear();
    Root->Render();
    const bool drawn = Count("IMG_LAMP paint") == 1;
    EXPECT_EQ(Count("IMG_GLOW paint"), drawn ? 1 : 0);
    shown += drawn ? 'x' : '.';
  }
  // The first half is one frame short (the counter starts at 0), then 30 and 30.
  EXPECT_EQ(shown, std::string(29, 'x') + std::string(30, '.') + std::string(30, 'x') +
                       std::string(30, '.') + std::string(30, 'x') + std::string(1, '.'));

  // Switching blink off shows the control at once.
  lamp->SetBlink(false);
  EXPECT_FALSE(lamp->BlinkHidden());

  struct Case {
    int32_t speed, period;
  } speeds[] = {{0, 100}, {1, 70}, {2, 30}, {3, 10}, {4, 5}, {7, 5}, {-1, 5}};
  for (const Case& k : speeds) {
    lamp->SetBlinkSpeed(k.speed);
    EXPECT_EQ(lamp->BlinkSpeed(), k.speed);
    EXPECT_EQ(lamp->BlinkPeriod(), k.period) << k.speed;
  }
}

TEST_F(ControlTree, MovingAPanelMovesEveryDescendant) {
  TRecorder* panel = Add("PNL_MAIN", 50, 100, 300, 200);
  TRecorder* child = Add("LBL_A", 60, 110, 20, 20, panel);
  TRecorder* grandchild = Add("LBL_B", 65, 130, 5, 5, child);
  Events.clear();
  panel->SetTop(120);
  EXPECT_EQ(panel->Top(), 120);
  EXPECT_EQ(child->Top(), 130);
  EXPECT_EQ(grandchild->Top(), 150);
  // Children move first, each calling its own Moved.
  EXPECT_EQ(Events, (Log{"LBL_B moved", "LBL_A moved", "PNL_MAIN moved"}));

  panel->SetLeft(40);
  EXPECT_EQ(child->Left(), 50);
  EXPECT_EQ(grandchild->Left(), 55);

  Events.clear();
  panel->SetTop(120);  // unchanged: nothing moves
  EXPECT_TRUE(Events.empty());
}

TEST_F(ControlTree, FocusMovesFromTheActiveControl) {
  TRecorder* a = Add("EDT_A", 0, 0, 10, 10);
  TRecorder* b = Add("EDT_B", 0, 0, 10, 10);
  Events.clear();
  a->SetFocused(true);
  EXPECT_EQ(FakeHost.ActiveControl, a);
  b->SetFocused(true);
  EXPECT_EQ(Events, (Log{"EDT_A enter", "EDT_A exit", "EDT_B enter"}));
  EXPECT_FALSE(a->Focused());
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(FakeHost.ActiveControl, b);

  b->SetFocused(false);
  EXPECT_FALSE(b->Focused());
  EXPECT_EQ(FakeHost.ActiveControl, b);  // unfocusing keeps the host's record

  uint16_t key = 65;
  b->OnKeyDown = [](TLxCustomControl*, uint16_t& k, uint8_t shift) {
    if (shift & ssShift) k = 0;
  };
  b->KeyDown(key, ssCtrl);
  EXPECT_EQ(key, 65);
  b->KeyDown(key, ssShift | ssCtrl);
  EXPECT_EQ(key, 0);
}

TEST_F(ControlTree, OwnerFreesLastOwnedFirstAndTheHostForgetsThem) {
  auto* scene = new TRecorder(Root.get(), &Events, "SCENE", Root.get());
  auto* first = new TRecorder(scene, &Events, "FIRST", scene);
  auto* second = new TRecorder(scene, &Events, "SECOND", first);
  // Parented to the scene but owned by the root: it survives the scene, without a parent.
  auto* guest = new TRecorder(Root.get(), &Events, "GUEST", scene);
  EXPECT_EQ(scene->Components(), (std::vector<TLxComponent*>{first, second}));
  FakeHost.ActiveControl = second;
  FakeHost.OpenPopup = first;
  FakeHost.InputRoot = scene;

  Events.clear();
  delete scene;
  // Each destructor notes itself before its owned components go.
  EXPECT_EQ(Events, (Log{"SCENE freed", "SECOND freed", "FIRST freed"}));
  EXPECT_EQ(FakeHost.ActiveControl, nullptr);
  EXPECT_EQ(FakeHost.OpenPopup, nullptr);
  EXPECT_EQ(FakeHost.InputRoot, nullptr);
  EXPECT_EQ(FakeHost.Destroyed.size(), 3u);
  EXPECT_EQ(guest->Parent(), nullptr);
  EXPECT_EQ(Root->ControlCount(), 0);
  EXPECT_EQ(Root->Components(), (std::vector<TLxComponent*>{guest}));

  // SetOwner moves a component to the end of its new owner's list.
  auto* a = new TRecorder(Root.get(), &Events, "A");
  auto* b = new TRecorder(Root.get(), &Events, "B");
  guest->SetOwner(a);
  EXPECT_EQ(Root->Components(), (std::vector<TLxComponent*>{a, b}));
  EXPECT_EQ(a->Components(), (std::vector<TLxComponent*>{guest}));
  EXPECT_EQ(guest->Owner(), a);
  EXPECT_THROW(a->SetOwner(guest), ELxError);  // would own itself
  a->SetParent(b);
  EXPECT_THROW(b->SetParent(a), ELxError);  // would contain itself
  b->SetParent(b);                          // the control itself: nothing happens
  EXPECT_EQ(b->Parent(), nullptr);

  Events.clear();
  Root.reset();
  EXPECT_EQ(Events, (Log{"ROOT freed", "B freed", "A freed", "GUEST freed"}));
}

TEST_F(ControlTree, RenderSkipsWhatIsNotShownAndTransitionsPaintAlone) {
  TRecorder* panel = Add("PNL", 0, 0, 100, 100);
  Add("CHILD", 0, 0, 10, 10, panel);
  panel->Clip = true;  // without an engine there is nothing to clip; painting still works
  Root->Render();
  EXPECT_EQ(Events, (Log{"PNL paint", "CHILD paint"}));

  struct Case {
    bool visible, inTransition, paintChildren, noRender;
    Log painted;
  } cases[] = {
      {false, false, true, false, {}},
      {false, true, true, false, {"PNL paint"}},
      {true, true, true, false, {"PNL paint"}},
      {true, false, false, false, {"PNL paint"}},
      {true, false, true, true, {"CHILD paint"}},
  };
  for (const Case& k : cases) {
    panel->SetVisible(k.visible);
    panel->InTransition = k.inTransition;
    panel->PaintChildren = k.paintChildren;
    panel->NoRender = k.noRender;
    Events.clear();
    Root->Render();
    EXPECT_EQ(Events, k.painted);
  }

  panel->NoRender = false;
  panel->SetDisableRenderTheme(true);
  EXPECT_TRUE(panel->NoRender);
  panel->SetDisableRenderTheme(false);
  EXPECT_TRUE(panel->NoRender);
}

TEST(Font, DefaultsAndNotifications) {
  TLxFont font;
  EXPECT_EQ(font.Name(), "ArialBlack");
  EXPECT_EQ(font.EngineFont(), nullptr);  // no engine
  EXPECT_EQ(font.Alpha, 255);
  EXPECT_EQ(font.Size(), 0);
  int changes = 0, colorChanges = 0;
  font.OnChange = [&](TLxFont* s) {
    EXPECT_EQ(s, &font);
    ++changes;
  };
  font.OnColorChange = [&](TLxFont*) { ++colorChanges; };
  font.SetSize(12);
  font.SetSize(12);
  font.SetColor(0x0000FF);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(colorChanges, 1);
  EXPECT_EQ(font.Color(), 0x0000FFu);
  font.SetName("Tahoma");
  EXPECT_EQ(font.Name(), "Tahoma");
  EXPECT_EQ(changes, 2);  // still no engine font: nothing to lay out again
}

// A real engine on the headless window, installed as Engine for the test.
class WithEngine : public ControlTree {
 protected:
  void SetUp() override {
    TheEngine = std::make_unique<TLxEngine>(&Window, false);
    ASSERT_TRUE(TheEngine->Initialize());
    Engine = TheEngine.get();
    TheEngine->Clear(Black);
    TheEngine->BeginScene();
  }
  void TearDown() override { Engine = nullptr; }

  static constexpr TLxColor Black = ColorOf(0, 0, 0), White = ColorOf(255, 255, 255);
  TLxHeadlessWindow Window;
  std::unique_ptr<TLxEngine> TheEngine;
};

// Paints the whole screen white: what shows is what the clip let through.
class TFloodControl : public TLxCustomControl {
 public:
  using TLxCustomControl::TLxCustomControl;
  void Paint() override {
    const TLxColor w = ColorOf(255, 255, 255);
    const TLxColor4 white = {w, w, w, w};
    Engine->FillRect({0, 0, 800, 600}, white, DrawOpOpaque);
  }
};

TEST_F(WithEngine, ClipLimitsPaintingToTheOnScreenPartOfTheControl) {
  struct Case {
    int32_t left, top, width, height;
    std::vector<std::pair<int32_t, int32_t>> white, black;
  } cases[] = {
      {100, 100, 50, 20, {{100, 100}, {149, 119}}, {{99, 100}, {150, 110}, {120, 120}}},
      // Partly left of and above the screen: only the visible part, not a full width from 0.
      {-50, -10, 100, 30, {{0, 0}, {49, 19}}, {{50, 5}, {10, 20}}},
      // Past the right and bottom edges.
      {750, 580, 100, 100, {{750, 580}, {799, 599}}, {{749, 590}}},
  };
  for (const Case& k : cases) {
    TheEngine->Clear(Black);
    auto* c = new TFloodControl(Root.get());
    c->SetParent(Root.get());
    c->SetLeft(k.left);
    c->SetTop(k.top);
    c->SetWidth(k.width);
    c->SetHeight(k.height);
    c->Clip = true;
    Root->Render();
    Window.Device().Flush();
    for (auto [x, y] : k.white) EXPECT_EQ(Window.Device().PixelAt(x, y), White) << x << "," << y;
    for (auto [x, y] : k.black) EXPECT_EQ(Window.Device().PixelAt(x, y), Black) << x << "," << y;
    delete c;
  }

  // After a clipped control the clip is the whole screen again.
  auto* clipped = new TFloodControl(Root.get());
  clipped->SetParent(Root.get());
  clipped->SetWidth(10);
  clipped->SetHeight(10);
  clipped->Clip = true;
  Add("AFTER", 0, 0, 1, 1);
  TheEngine->Clear(Black);
  auto* flood = new TFloodControl(Root.get());
  flood->SetParent(Root.get());
  Root->Render();
  Window.Device().Flush();
  EXPECT_EQ(Window.Device().PixelAt(400, 300), White);
}

TEST_F(WithEngine, FontResolvesItsEngineFontOnEveryNameChange) {
  for (const char* name : {"Tahoma.font", "ArialBlack.font"}) {
    TheEngine->FontList.push_back(std::make_unique<TLxEngineFont>());
    TheEngine->FontList.back()->Name = name;
  }
  TLxFont font;
  ASSERT_NE(font.EngineFont(), nullptr);
  EXPECT_EQ(font.EngineFont()->Name, "ArialBlack.font");
  int changes = 0;
  font.OnChange = [&](TLxFont*) { ++changes; };
  font.SetName("tahoma");
  EXPECT_EQ(font.EngineFont()->Name, "Tahoma.font");
  EXPECT_EQ(changes, 1);
  font.SetName("NoSuchFont");  // the first font: again Tahoma, nothing to lay out again
  EXPECT_EQ(font.EngineFont()->Name, "Tahoma.font");
  EXPECT_EQ(changes, 1);
  font.SetName("ARIALBLACK");
  EXPECT_EQ(font.EngineFont()->Name, "ArialBlack.font");
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace lx
