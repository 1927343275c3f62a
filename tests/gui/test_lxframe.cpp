// Modal frames and the message dialog on the headless main window over a scratch installation.
// The modal loops are driven from inside by a frame script: clicks and checks at given frames.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gui/lxcontrols.h"
#include "gui/lxframe.h"
#include "gui/lxmessageframe.h"
#include "support/lxtestinstall.h"
#include "support/lxtestscript.h"

namespace lx {
namespace {

class FrameTest : public ::testing::Test {
 protected:
  // The frame in front of the main scene (the one a modal loop is showing), or nullptr.
  template <typename T = TLxFrame>
  T* FrontFrame() const {
    const int32_t n = main.MainScene->ControlCount();
    return n ? dynamic_cast<T*>(main.MainScene->Controls(n - 1)) : nullptr;
  }
  // A button at the rectangle, a child of the frame's window.
  static TLxButton* AddButton(TLxFrame* frame, const std::string& name, int32_t left, int32_t top) {
    auto* b = new TLxButton(frame);
    b->SetName(name);
    b->SetLeft(left);
    b->SetTop(top);
    b->SetWidth(100);
    b->SetHeight(30);
    frame->AddControl(b);
    return b;
  }
  // Runs MessageBox with the script started; the frame at which it returned is in Frame.
  int32_t Ask(test::TLxFrameScript& script, int32_t buttons) {
    script.Start();
    const int32_t result = main.MessageBox("Leave the casino?", 0, buttons);
    ReturnFrame = script.Frame;
    script.Stop();
    return result;
  }
  TLxColor Rgb(int32_t x, int32_t y) { return app.Pixel(x, y) & 0xFFFFFFu; }

  test::TLxThemedTestApp app;
  TfrmMain& main = *app.Main;
  int32_t ReturnFrame = 0;
};

TEST_F(FrameTest, AFrameIsAVisibleSceneWhoseWindowHoldsItsControls) {
  auto* frame = new TLxFrame(main.MainScene);
  EXPECT_EQ(frame->Owner(), main.MainScene);
  EXPECT_EQ(FrontFrame(), frame);
  EXPECT_TRUE(frame->Visible());
  EXPECT_EQ(frame->SceneName(), "COMMON");
  EXPECT_EQ(frame->ModalResult, mrNone);
  EXPECT_FALSE(frame->Closed);
  EXPECT_EQ(frame->Container, frame->Window);
  EXPECT_EQ(frame->ThemedControls(),
            (std::vector<TLxCustomControl*>{frame->Background, frame->Window, frame->TaskBar,
                                            frame->WindowLogo, frame->Caption}));
  for (TLxControl* part : std::vector<TLxControl*>{frame->Background, frame->Window, frame->TaskBar,
                                                   frame->WindowLogo}) {
    SCOPED_TRACE(part->Name());
    EXPECT_FALSE(part->Visible());
    EXPECT_TRUE(part->FadeIn());
  }
  EXPECT_EQ(frame->Background->FadeStep(), 1);  // the darkening layer comes in slowly
  EXPECT_EQ(frame->Window->FadeStep(), 10);
  EXPECT_EQ(frame->Window->Parent(), frame);
  EXPECT_EQ(frame->TaskBar->Parent(), frame->Window);
  EXPECT_EQ(frame->WindowLogo->Parent(), frame->Window);
  EXPECT_TRUE(frame->WindowLogo->Animate());
  EXPECT_EQ(frame->WindowLogo->Texture.Group(), "COMMON");
  EXPECT_EQ(frame->Caption->Name(), "LBL_WINDOWCAPTION");
  EXPECT_EQ(frame->Caption->Parent(), frame->Window);
  EXPECT_TRUE(frame->Caption->Caption().empty());
  // Controls added later belong to the window.
  EXPECT_EQ(AddButton(frame, "BTN_X", 0, 0)->Parent(), frame->Window);
  delete frame;
}

TEST_F(FrameTest, ShowModalRoutesInputToTheFrameUntilItIsClosed) {
  for (const bool withResult : {false, true}) {
    SCOPED_TRACE(withResult ? "CloseWith" : "Close");
    auto* frame = new TLxFrame(main.MainScene);
    frame->LoadTheme("");
    test::TLxFrameScript script(main, app.Window);
    std::vector<TLxCustomControl*> roots;
    script.At(3, [&] { roots.push_back(main.InputRoot); });
    script.At(5, [&] { withResult ? frame->CloseWith(mrCancel) : frame->Close(); });
    script.Start();
    const int32_t result = frame->ShowModal();
    script.Stop();
    EXPECT_EQ(result, withResult ? mrCancel : mrNone);
    EXPECT_EQ(script.Frame, 5);  // the loop ends within the message that closed it
    EXPECT_EQ(roots, std::vector<TLxCustomControl*>{frame});
    EXPECT_EQ(main.InputRoot, main.MainScene);
    EXPECT_TRUE(frame->Window->FadingIn());  // shown, still fading in; not hidden again
    delete frame;
  }
}

TEST_F(FrameTest, NestedFramesGiveTheInputBackInOrder) {
  auto* first = new TLxFrame(main.MainScene);
  first->LoadTheme("");
  TLxButton* open = AddButton(first, "BTN_OPEN", 220, 200);
  TLxButton* closeFirst = AddButton(first, "BTN_CLOSE", 400, 200);
  closeFirst->OnClick = [&](TLxCustomControl*) { first->CloseWith(mrOk); };
  std::vector<std::string> journal;
  auto rootName = [&] {
    return main.InputRoot == main.MainScene ? "main" : main.InputRoot->Name();
  };
  TLxFrame* second = nullptr;
  open->OnClick = [&](TLxCustomControl*) {
    second = new TLxFrame(main.MainScene);
    second->SetSceneName("SECOND");
    TLxButton* closeSecond = AddButton(second, "BTN_CLOSE2", 300, 300);
    closeSecond->OnClick = [&](TLxCustomControl*) { second->CloseWith(mrYes); };
    journal.push_back("second returned " + std::to_string(second->ShowModal()));
    journal.push_back("input " + rootName());
    delete second;
  };
  test::TLxFrameScript script(main, app.Window);
  script.ClickAt(40, 260, 215);  // BTN_OPEN, once the first window has faded in
  script.At(70, [&] { journal.push_back("input " + rootName()); });
  script.ClickAt(71, 260, 215);  // the first frame's button is behind the second: nothing
  script.ClickAt(80, 350, 315);  // BTN_CLOSE2
  script.ClickAt(100, 450, 215);
  script.Start();
  journal.push_back("first returned " + std::to_string(first->ShowModal()));
  script.Stop();
  journal.push_back("input " + rootName());
  EXPECT_EQ(journal, (std::vector<std::string>{"input SECOND", "second returned 6", "input COMMON",
                                               "first returned 1", "input main"}));
  EXPECT_FALSE(script.Overran);
  delete first;
}

TEST_F(FrameTest, PressesOnTheScreenBehindAnOpenFrameReachNothing) {
  auto* behind = new TLxButton(main.MainScene);
  behind->SetParent(main.MainScene);
  behind->SetLeft(10);
  behind->SetTop(10);
  behind->SetWidth(100);
  behind->SetHeight(40);
  int clicks = 0;
  behind->OnClick = [&](TLxCustomControl*) { ++clicks; };

  auto* frame = new TLxFrame(main.MainScene);
  frame->LoadTheme("");
  test::TLxFrameScript script(main, app.Window);
  for (int f = 10; f <= 90; f += 10) script.ClickAt(f, 50, 30);
  script.At(100, [&] { frame->Close(); });
  script.Start();
  frame->ShowModal();
  script.Stop();
  EXPECT_EQ(clicks, 0);
  delete frame;
  app.Click(50, 30);
  EXPECT_EQ(clicks, 1);
}

TEST_F(FrameTest, MessageBoxWithYesAndNoWaitsForAClickAndReturnsItsResult) {
  struct TCase {
    int32_t X;
    int32_t Result;
  };
  for (const TCase& c : {TCase{504, mrNo}, TCase{296, mrYes}}) {
    SCOPED_TRACE(c.Result);
    test::TLxFrameScript script(main, app.Window);
    script.At(30, [&] {
      auto* box = FrontFrame<TframeMessage>();
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(main.InputRoot, box);
      EXPECT_NE(box->BtnYes, nullptr);
      EXPECT_NE(box->BtnNo, nullptr);
      EXPECT_EQ(box->BtnOk, nullptr);
      EXPECT_EQ(box->BtnCancel, nullptr);
      EXPECT_EQ(box->FindControl("BTN_YES"), box->BtnYes);
      EXPECT_EQ(box->BtnYes->Caption(), "YES");
      EXPECT_EQ(box->BtnNo->Caption(), "NO");
      EXPECT_EQ(box->MessageLabel->Caption(), "Leave the casino?");
      EXPECT_EQ(box->MessageLabel->Left(), 220);  // placed by the dialog theme
    });
    // Clicks beside the buttons and plenty of frames change nothing.
    script.ClickAt(40, 400, 530);
    script.ClickAt(41, 100, 100);
    script.ClickAt(90, c.X, 530);
    const int32_t scenes = main.MainScene->ControlCount();
    EXPECT_EQ(Ask(script, mbYes | mbNo), c.Result);
    EXPECT_EQ(ReturnFrame, 92);  // the press and the release each draw a frame at once
    EXPECT_EQ(main.MainScene->ControlCount(), scenes);  // the dialog is freed
    EXPECT_EQ(main.InputRoot, main.MainScene);
  }
}

TEST_F(FrameTest, MessageBoxWithOkOnlyShowsOneButton) {
  test::TLxFrameScript script(main, app.Window);
  script.At(30, [&] {
    auto* box = FrontFrame<TframeMessage>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->BtnYes, nullptr);
    EXPECT_EQ(box->BtnNo, nullptr);
    EXPECT_EQ(box->BtnCancel, nullptr);
    ASSERT_NE(box->BtnOk, nullptr);
    EXPECT_EQ(box->BtnOk->Name(), "BTN_OK");
    EXPECT_EQ(box->BtnOk->Caption(), "OK");
    EXPECT_EQ(box->BtnOk->Parent(), box->Window);
  });
  script.ClickAt(31, 296, 530);  // where YES would be
  script.ClickAt(50, 400, 530);
  EXPECT_EQ(Ask(script, mbOk), mrOk);
  EXPECT_EQ(ReturnFrame, 52);

  test::TLxFrameScript cancel(main, app.Window);
  cancel.ClickAt(50, 521, 530);
  EXPECT_EQ(Ask(cancel, mbOk | mbCancel), mrCancel);
}

// Paints nothing; reads pixels of the frame being drawn when it is painted last.
class TProbe : public TLxCustomControl {
 public:
  explicit TProbe(TLxCustomControl* parent) : TLxCustomControl(parent) {
    SetParent(parent);
    HitTest = false;
  }
  void Paint() override {
    if (OnPaint) OnPaint();
  }
  std::function<void()> OnPaint;
};

TEST_F(FrameTest, TheButtonsCannotBeClickedWhileTheWindowFadesIn) {
  test::TLxFrameScript script(main, app.Window);
  auto* probe = new TProbe(main.MainScene);
  std::vector<TLxColor> yesCentre{0}, windowPixel{0};  // by frame, from 1
  probe->OnPaint = [&] {
    yesCentre.push_back(Rgb(296, 530));
    windowPixel.push_back(Rgb(210, 500));
  };
  script.Every([&](int32_t) { probe->BringToFront(); });  // drawn over the dialog
  script.ClickAt(5, 296, 530);
  script.ClickAt(20, 296, 530);
  script.ClickAt(40, 296, 530);
  EXPECT_EQ(Ask(script, mbYes | mbNo), mrYes);
  EXPECT_EQ(ReturnFrame, 42);  // the early clicks did nothing

  ASSERT_GE(yesCentre.size(), 40u);
  // While the window fades in (26 frames at 10 per frame) the button is not drawn; then it is:
  // the common button picture, gold.
  for (size_t f = 1; f <= 25; ++f) {
    SCOPED_TRACE(f);
    EXPECT_LT(yesCentre[f] & 0xFF, 60u);
  }
  EXPECT_GT(yesCentre[39] & 0xFF, 180u);
  EXPECT_GT(yesCentre[39] >> 8 & 0xFF, 120u);
  // The window picture (deep blue) comes up step by step.
  EXPECT_LT(windowPixel[3] >> 16 & 0xFF, windowPixel[20] >> 16 & 0xFF);
  EXPECT_GT(windowPixel[39] >> 16 & 0xFF, 30u);
  EXPECT_GT(windowPixel[39] >> 16 & 0xFF, windowPixel[39] & 0xFF);
}

TEST_F(FrameTest, EndingTheProgramLeavesTheModalLoop) {
  main.DevMode = true;
  test::TLxFrameScript script(main, app.Window);
  script.At(5, [&] { app.Window.PushKey('X', ssAlt); });
  script.Start();
  const int32_t result = main.MessageBox("Quit?", 0, mbYes | mbNo);
  script.Stop();
  EXPECT_EQ(result, mrNone);
  EXPECT_TRUE(main.Terminated());
  EXPECT_EQ(main.InputRoot, main.MainScene);
  EXPECT_LT(script.Frame, 10);
}

}  // namespace
}  // namespace lx
