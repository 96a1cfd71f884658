#include "support/sim_fixture.h"
#include "ui/edit_controls.h"
#include "ui/form.h"

namespace quillpad::testing {
namespace {

using namespace ui;

class RichEditTest : public UiTest {
 protected:
  RichEditTest() {
    edit->OnChange = [this] { changes.push_back(edit->Text()); };
    edit->OnSelectionChange = [this] { ++selections; };
  }
  Form form{nullptr};
  RichEdit* edit = new RichEdit(&form, &form);
  std::vector<std::string> changes;
  int selections = 0;
};

TEST_F(RichEditTest, TypingRaisesOnChangeForEveryCharacter) {
  Sim(*edit).UserType("a=3;\r\n表");
  EXPECT_EQ(changes,
            (std::vector<std::string>{"a", "a=", "a=3", "a=3;", "a=3;\r\n", "a=3;\r\n表"}));
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(edit->Lines(), (std::vector<std::string>{"a=3;", "表"}));
  EXPECT_EQ(edit->SelStart(), 8);
  EXPECT_EQ(edit->LineFromChar(edit->SelStart()), 1);
  EXPECT_EQ(edit->LineStart(1), 6);
  EXPECT_GT(selections, 0);
}

TEST_F(RichEditTest, SettingTextRaisesOnChangeAndStartsAfresh) {
  Sim(*edit).UserType("x");
  edit->SetText("1+2\r\n+3");
  EXPECT_EQ(changes.back(), "1+2\r\n+3");
  EXPECT_FALSE(edit->Modified());
  EXPECT_FALSE(edit->CanUndo());
  EXPECT_EQ(edit->LineCount(), 2);
  edit->SetLines({"a", "b", ""});
  EXPECT_EQ(edit->Text(), "a\r\nb\r\n");
  edit->Clear();
  EXPECT_EQ(edit->LineCount(), 0);
  EXPECT_EQ(changes.back(), "");
}

TEST_F(RichEditTest, SelectionEditingAndUndo) {
  edit->SetText("hello world");
  edit->SelectAll();
  EXPECT_EQ(edit->SelLength(), 11);
  edit->Select(6, 5);
  EXPECT_EQ(edit->SelText(), "world");
  edit->SetSelText("there");
  EXPECT_EQ(edit->Text(), "hello there");
  EXPECT_TRUE(edit->Modified());
  edit->Undo();
  EXPECT_EQ(edit->Text(), "hello world");
  edit->SetModified(false);
  EXPECT_FALSE(edit->Modified());
  edit->Select(0, 5);
  edit->CopyToClipboard();
  EXPECT_EQ(desk.GetText(), "hello");
}

TEST_F(RichEditTest, CaretToStartScrollsTheView) {
  edit->SetText("a\r\nb\r\nc");
  edit->Select(5, 0);
  const int scrolls = Sim(*edit).CaretScrolls();
  edit->CaretToStart();
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(Sim(*edit).CaretScrolls(), scrolls + 1);
}

TEST_F(RichEditTest, ReadOnlyResultsPaneIgnoresTyping) {
  auto* output = new Memo(&form, &form);
  output->SetReadOnly(true);
  output->SetText("2.4");
  Sim(*output).UserType("9");
  EXPECT_EQ(output->Text(), "2.4");
}

}  // namespace
}  // namespace quillpad::testing
