// A small editor window built the way the main window is: the toolkit's pieces working together.
#include "support/sim_fixture.h"
#include "ui/cool_bar.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/status_bar.h"
#include "ui/std_controls.h"
#include "ui/tool_bar.h"

namespace quillpad::testing {
namespace {

using namespace ui;

class TinyEditor : public Form {
 public:
  TinyEditor() : Form(nullptr) {
    Name = "TinyEditor";
    SetCaption("Quillpad - Memo.txt");
    MainMenu1 = new MainMenu(this);
    MenuItem* file = MainMenu1->Add("ファイル(&F)", "File1");
    file->Add("新規メモ作成(&N)", "NewMemo", ScCtrl | 'N')->OnClick = [this] { NewMemoClick(); };
    SetMenu(MainMenu1);
    CoolBar1 = new CoolBar(this, this);
    tbMain = new ToolBar(this, CoolBar1);
    CoolBar1->AddBand(tbMain);
    auto* hide = new ToolButton(this, tbMain);
    hide->SetHint("隠す|編集ウインドウを隠す");
    hide->OnClick = [this] { Hide(); };
    StatusBar1 = new StatusBar(this, this);
    StatusBar1->SetPanels({120, 70, 50});
    RichEdit1 = new RichEdit(this, this);
    RichEdit1->SetAlign(Align::Client);
    RichEdit1->OnChange = [this] { StatusBar1->SetPanelText(1, "変更あり"); };
    RichEdit1->OnSelectionChange = [this] {
      StatusBar1->SetPanelText(
          0, std::to_string(RichEdit1->LineFromChar(RichEdit1->SelStart()) + 1) + "行");
    };
    SetClientSize(438, 272);
  }
  void NewMemoClick() {
    if (RichEdit1->Modified()) {
      const int answer = Application::Instance().MessageBox(
          "変更を保存しますか", "Quillpad", platform::MbYesNoCancel | platform::MbIconQuestion);
      if (answer == platform::IdCancel) return;
    }
    RichEdit1->Clear();
    StatusBar1->SetPanelText(1, "");
  }
  MainMenu* MainMenu1;
  CoolBar* CoolBar1;
  ToolBar* tbMain;
  StatusBar* StatusBar1;
  RichEdit* RichEdit1;
};

class ScenarioTest : public UiTest {
 protected:
  ScenarioTest() {
    app.OnHint = [this] { editor.StatusBar1->SetPanelText(2, app.Hint()); };
    editor.Show();
  }
  TinyEditor editor;
};

TEST_F(ScenarioTest, TypingAskingAndClearing) {
  EXPECT_EQ(editor.RichEdit1->BoundsRect(), (platform::Rect{0, 28, 438, 253}));
  Sim(*editor.RichEdit1).UserType("1+2\r\n+3");
  EXPECT_EQ(editor.StatusBar1->PanelText(0), "2行");
  EXPECT_EQ(editor.StatusBar1->PanelText(1), "変更あり");

  desk.ExpectMessageBox(platform::IdCancel, "変更を保存しますか");
  Sim(editor).UserChooseMenu("ファイル > 新規メモ作成");
  EXPECT_EQ(editor.RichEdit1->Text(), "1+2\r\n+3");

  desk.ExpectMessageBox(platform::IdNo);
  Sim(*editor.RichEdit1).UserKey('N', platform::SsCtrl);
  EXPECT_EQ(editor.RichEdit1->Text(), "");
  EXPECT_EQ(editor.StatusBar1->PanelText(1), "");
  ASSERT_EQ(desk.MessageBoxes().size(), 2u);
  EXPECT_EQ(desk.MessageBoxes()[1].Flags, platform::MbYesNoCancel | platform::MbIconQuestion);
}

TEST_F(ScenarioTest, ToolButtonHintsReachTheStatusBarAndHideTheWindow) {
  Sim(*editor.tbMain).UserMouseMove({3, 3});
  EXPECT_EQ(editor.StatusBar1->PanelText(2), "編集ウインドウを隠す");
  EXPECT_EQ(Sim(*editor.tbMain).Buttons()[0].Hint, "隠す");
  Sim(*editor.tbMain).UserClickButton(0);
  EXPECT_FALSE(editor.Visible());
  EXPECT_FALSE(Sim(editor).IsVisible());
}

}  // namespace
}  // namespace quillpad::testing
