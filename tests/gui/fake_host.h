// A host without a window for control-tree tests: it records what the controls ask of it and
// forgets controls as they die, as the main window does.
#pragma once

#include <vector>

#include "gui/lxclasses.h"
#include "gui/lxhost.h"

namespace lx {

class TFakeHost : public TLxHost {
 public:
  TFakeHost() { Host = this; }
  ~TFakeHost() override { Host = nullptr; }

  void RenderNow() override { ++Frames; }
  bool HandleMessage() override { return true; }
  void WaitMs(uint32_t) override {}
  bool Terminated() const override { return false; }

  TLxCustomControl* GetActiveControl() const override { return ActiveControl; }
  void SetActiveControl(TLxCustomControl* control) override { ActiveControl = control; }
  TLxCustomControl* GetOpenPopup() const override { return OpenPopup; }
  void SetOpenPopup(TLxCustomControl* control) override { OpenPopup = control; }
  TLxCustomControl* GetMainScene() const override { return MainScene; }
  TLxCustomControl* GetInputRoot() const override { return InputRoot; }
  void SetInputRoot(TLxCustomControl* control) override { InputRoot = control; }

  void ControlDestroyed(TLxCustomControl* control) override {
    Destroyed.push_back(control);
    if (ActiveControl == control) ActiveControl = nullptr;
    if (OpenPopup == control) OpenPopup = nullptr;
    if (InputRoot == control) InputRoot = nullptr;
    if (MainScene == control) MainScene = nullptr;
  }
  void ShowHint(TLxCustomControl*) override {}
  void AddAnim(TLxAnim*) override {}
  void RemoveAnim(TLxAnim*) override {}

  int Frames = 0;
  TLxCustomControl* ActiveControl = nullptr;
  TLxCustomControl* OpenPopup = nullptr;
  TLxCustomControl* InputRoot = nullptr;
  TLxCustomControl* MainScene = nullptr;
  std::vector<TLxCustomControl*> Destroyed;
};

}  // namespace lx
