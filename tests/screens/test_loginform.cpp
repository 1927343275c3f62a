// The login and profile windows as a player uses them: clicks and keys only, then the stored
// players and settings read back.
#include <gtest/gtest.h>

#include "gui/lxcheckbox.h"
#include "gui/lxcombobox.h"
#include "persistence/lxsettings.h"
#include "screens/dialogs_fixture.h"
#include "screens/loginform.h"
#include "screens/profileform.h"

namespace lx::test {
namespace {

class LoginTest : public ScreensTest {
 protected:
  // The settings as the next start reads them.
  std::string StoredAutoLogin() const {
    TLxSetting stored(Settings->AppFolder, Settings->AppFolder + "systmp");
    stored.Load();
    return stored.optAutoLoginPlayerName;
  }
  void AddPlayer(const std::string& name, const std::string& password) {
    ASSERT_TRUE(Players->AddPlayer(name, password, "", "", 1));
  }
  // Fills the five fields of the profile window.
  void FillProfile(TLxFrame* f, const std::string& first, const std::string& last,
                   const std::string& user, const std::string& pass, const std::string& pass2) {
    TypeInto(Find<TLxEdit>(f, "EDT_FISTNAME"), first);
    TypeInto(Find<TLxEdit>(f, "EDT_LASTNAME"), last);
    TypeInto(Find<TLxEdit>(f, "EDT_USERNAME"), user);
    TypeInto(Find<TLxEdit>(f, "EDT_PASSWORD"), pass);
    TypeInto(Find<TLxEdit>(f, "EDT_PASSWORD2"), pass2);
  }
  // Empties a field: a click, the caret to the end, then backspaces.
  void ClearField(TLxEdit* edit) {
    ClickOn(edit);
    for (size_t i = 0; i < edit->Caption().size(); ++i) app.Window.PushKey(vk::Right);
    for (size_t i = 0; i < edit->Caption().size(); ++i) app.Window.PushKey(vk::Back);
  }
};

TEST_F(LoginTest, TheFirstStartCreatesAPlayerWhoseNameAndPasswordTheLoginThenShows) {
  bool profileFirst = false;
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    EXPECT_TRUE(profile->NewPlayer);
    // The login window exists (it is being created) but has not been shown.
    auto* login = app.Main->GetMainScene()->Controls(app.Main->GetMainScene()->ControlCount() - 2);
    profileFirst =
        dynamic_cast<TfrmLogin*>(login) && !static_cast<TfrmLogin*>(login)->Window->Visible();
    EXPECT_EQ(profile->PictureID(), 1);
    FillProfile(f, "ANNA", "BELL", "ANNA", "SECRET1", "SECRET1");
    ClickOn(profile->BtnNext);
    ClickOn(profile->BtnNext);
    ClickOn(profile->CbAutoLogin);
    ClickOn(profile->BtnClose);
  });
  Answer("BTN_OK");
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    EXPECT_EQ(login->CboPlayerName->Caption(), "ANNA");
    EXPECT_EQ(login->EdtPassword->Caption(), "SECRET1");
    EXPECT_EQ(login->CboPlayerName->Items().Count(), 1);
    ClickOn(login->BtnLogin);
  });
  TLxPlayer* signedIn = Run([] { return ShowLoginWindow(); });
  EXPECT_TRUE(profileFirst);
  EXPECT_EQ(Messages, (std::vector<std::string>{"Player ANNA created successfully!"}));
  ASSERT_NE(signedIn, nullptr);
  EXPECT_EQ(signedIn->PlayerName, "ANNA");

  ResetPlayers();
  ASSERT_EQ(Players->Count(), 1);
  const TLxPlayer* stored = Players->Items(0);
  EXPECT_EQ(stored->PlayerName, "ANNA");
  EXPECT_EQ(stored->Password, "SECRET1");
  EXPECT_EQ(stored->FirstName, "ANNA");
  EXPECT_EQ(stored->LastName, "BELL");
  EXPECT_EQ(stored->PictureID, 3);
  EXPECT_EQ(stored->Bank, 1000u);
  EXPECT_EQ(StoredAutoLogin(), "ANNA");
}

TEST_F(LoginTest, AWrongNameOrPasswordIsRefusedAndTheRightOneSignsIn) {
  AddPlayer("Player1", "pw");
  AddPlayer("Player2", "other");
  When("LOGIN", [&](TLxFrame* f) { ClickOn(static_cast<TfrmLogin*>(f)->BtnLogin); });
  Answer("BTN_OK");
  When("LOGIN",
       [&](TLxFrame* f) { ClickOn(static_cast<TfrmLogin*>(f)->CboPlayerName->DropButton); });
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    EXPECT_TRUE(login->CboPlayerName->DroppedDown());
    ClickOn(login->CboPlayerName->Items()[0]);
    TypeInto(login->EdtPassword, "XX");
    ClickOn(login->BtnLogin);
  });
  Answer("BTN_OK");
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    EXPECT_EQ(login->CboPlayerName->Caption(), "Player1");
    EXPECT_FALSE(login->CboPlayerName->DroppedDown());
    ClearField(login->EdtPassword);
    TypeInto(login->EdtPassword, "PW");  // passwords compare ignoring letter case
    app.Window.PushKey(vk::Return);
  });
  TLxPlayer* signedIn = Run([] { return ShowLoginWindow(); });
  EXPECT_EQ(Messages, (std::vector<std::string>{"Wrong player name or password.",
                                                "Wrong player name or password."}));
  ASSERT_NE(signedIn, nullptr);
  EXPECT_EQ(signedIn->PlayerName, "Player1");
}

TEST_F(LoginTest, DeletingAsksFirstAndExitEndsOnlyOnYes) {
  AddPlayer("A", "");
  AddPlayer("B", "");
  When("LOGIN", [&](TLxFrame* f) { ClickOn(static_cast<TfrmLogin*>(f)->BtnDeletePlayer); });
  Answer("BTN_OK");
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    TypeInto(login->CboPlayerName, "B");
    ClickOn(login->BtnDeletePlayer);
  });
  Answer("BTN_NO");
  When("LOGIN", [&](TLxFrame* f) {
    EXPECT_EQ(Players->Count(), 2);
    ClickOn(static_cast<TfrmLogin*>(f)->BtnDeletePlayer);
  });
  Answer("BTN_YES");
  When("LOGIN", [&](TLxFrame* f) {
    auto* login = static_cast<TfrmLogin*>(f);
    EXPECT_EQ(login->CboPlayerName->Items().Count(), 1);
    EXPECT_EQ(login->CboPlayerName->Caption(), "B");  // the typed text stays
    ClickOn(login->BtnDeletePlayer);
  });
  Answer("BTN_YES");
  Answer("BTN_OK");
  When("LOGIN", [&](TLxFrame* f) { ClickOn(static_cast<TfrmLogin*>(f)->BtnClose); });
  Answer("BTN_NO");
  When("LOGIN", [&](TLxFrame* f) { ClickOn(static_cast<TfrmLogin*>(f)->BtnClose); });
  Answer("BTN_YES");
  TLxPlayer* signedIn = Run([] { return ShowLoginWindow(); });
  EXPECT_EQ(signedIn, nullptr);
  EXPECT_EQ(Messages, (std::vector<std::string>{
                          "Please select a player.", "Are you sure you want to delete player B?",
                          "Are you sure you want to delete player B?",
                          "Are you sure you want to delete player B?", "Cannot delete player B.",
                          "Exit game?", "Exit game?"}));
  ResetPlayers();
  ASSERT_EQ(Players->Count(), 1);
  EXPECT_EQ(Players->Items(0)->PlayerName, "A");
}

TEST_F(LoginTest, ANewProfileIsCheckedBeforeItIsCreated) {
  AddPlayer("anna", "x");
  When("PROFILE", [&](TLxFrame* f) {
    FillProfile(f, "", "", "", "A", "B");
    ClickOn(static_cast<TfrmProfile*>(f)->BtnClose);
  });
  Answer("BTN_OK");
  When("PROFILE", [&](TLxFrame* f) {
    TypeInto(Find<TLxEdit>(f, "EDT_USERNAME"), "ANNA");
    ClickOn(static_cast<TfrmProfile*>(f)->BtnClose);
  });
  Answer("BTN_OK");
  When("PROFILE", [&](TLxFrame* f) {
    ClearField(Find<TLxEdit>(f, "EDT_PASSWORD2"));
    TypeInto(Find<TLxEdit>(f, "EDT_PASSWORD2"), "A");
    ClickOn(static_cast<TfrmProfile*>(f)->BtnClose);
  });
  Answer("BTN_OK");
  When("PROFILE", [&](TLxFrame* f) {
    ClearField(Find<TLxEdit>(f, "EDT_USERNAME"));
    TypeInto(Find<TLxEdit>(f, "EDT_USERNAME"), "ZED 7");
    ClickOn(static_cast<TfrmProfile*>(f)->BtnClose);
  });
  Answer("BTN_OK");
  const int32_t result = Run([] { return ShowProfileWindow(); });
  EXPECT_EQ(result, mrOk);
  EXPECT_EQ(Messages, (std::vector<std::string>{
                          "Please enter your playername or nick!", "Password does not match !",
                          "Player ANNA already exists!", "Player ZED 7 created successfully!"}));
  ResetPlayers();
  ASSERT_EQ(Players->Count(), 2);
  EXPECT_EQ(Players->Items(1)->PlayerName, "ZED 7");
  EXPECT_EQ(Players->Items(1)->Password, "A");
  EXPECT_EQ(StoredAutoLogin(), "");
}

TEST_F(LoginTest, EditingTheProfileStoresItsTickAndRefusesAnotherPlayersName) {
  AddPlayer("ANNA", "A");
  AddPlayer("BEN", "B");
  Settings->optAutoLoginPlayerName = "ANNA";
  Settings->Save();
  ASSERT_TRUE(Players->Login("ANNA", "A"));

  // Clearing the tick of the player named in the settings clears the setting.
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    EXPECT_FALSE(profile->NewPlayer);
    EXPECT_EQ(Find<TLxEdit>(f, "EDT_USERNAME")->Caption(), "ANNA");
    EXPECT_EQ(Find<TLxEdit>(f, "EDT_PASSWORD2")->Caption(), "A");
    EXPECT_TRUE(profile->CbAutoLogin->Checked());
    ClickOn(profile->CbAutoLogin);
    ClickOn(profile->BtnClose);
  });
  EXPECT_EQ(Run([] { return ShowProfileWindow(); }), mrOk);
  EXPECT_EQ(StoredAutoLogin(), "");

  // Another player's name in any letter case is refused; a name of one's own is taken.
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    EXPECT_FALSE(profile->CbAutoLogin->Checked());
    ClearField(profile->EdtUserName);
    TypeInto(profile->EdtUserName, "BEN");
    ClickOn(profile->CbAutoLogin);
    ClickOn(profile->BtnClose);
  });
  Answer("BTN_OK");
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    ClearField(profile->EdtUserName);
    TypeInto(profile->EdtUserName, "ANNIE");
    ClickOn(profile->BtnClose);
  });
  EXPECT_EQ(Run([] { return ShowProfileWindow(); }), mrOk);
  EXPECT_EQ(Messages, (std::vector<std::string>{"Player BEN already exists!"}));
  EXPECT_EQ(StoredAutoLogin(), "ANNIE");

  // CANCEL returns 0 and stores nothing; unticking for a player the settings do not name
  // leaves them alone.
  const std::string before = ReadFile(Settings->PlayersFile);
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    TypeInto(profile->EdtFirstName, "X");
    ClickOn(profile->BtnCancel);
  });
  EXPECT_EQ(Run([] { return ShowProfileWindow(); }), mrNone);
  EXPECT_EQ(ReadFile(Settings->PlayersFile), before);
  Settings->optAutoLoginPlayerName = "BEN";
  Settings->Save();
  When("PROFILE", [&](TLxFrame* f) {
    auto* profile = static_cast<TfrmProfile*>(f);
    EXPECT_FALSE(profile->CbAutoLogin->Checked());
    ClickOn(profile->BtnClose);
  });
  EXPECT_EQ(Run([] { return ShowProfileWindow(); }), mrOk);
  EXPECT_EQ(StoredAutoLogin(), "BEN");

  ResetPlayers();
  ASSERT_EQ(Players->Count(), 2);
  EXPECT_EQ(Players->Items(0)->PlayerName, "ANNIE");
  EXPECT_EQ(Players->Items(0)->FirstName, "");
  EXPECT_EQ(Players->Items(1)->PlayerName, "BEN");
}

}  // namespace
}  // namespace lx::test
