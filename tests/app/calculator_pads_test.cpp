// The calculator pad and its function and letter pads as the main window owns them: typing into
// the editor, the glued placement and the screen-edge shifts, and the pad's life.
#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "calc/alphabet_dlg.h"
#include "calc/calculator_dlg.h"
#include "calc/function_dlg.h"
#include "calc/pad_bar.h"

namespace quillpad {
namespace {

using platform::Rect;

class CalculatorPadsTest : public testing::MainFormTest {
 protected:
  TCalculatorDlg& Open() {
    if (!form) Start();
    form->Item("ShowCalculator")->Click();
    EXPECT_NE(form->CalculatorDlg, nullptr);
    return *form->CalculatorDlg;
  }
  void Click(ui::Button* button) {
    ASSERT_NE(button, nullptr);
    Sim(*button).UserClick();
  }
  void Press(std::initializer_list<const char*> captions) {
    for (const char* c : captions) Click(form->CalculatorDlg->Key(c));
  }
  std::string Result() { return form->OutputMemo->Text(); }
  void MoveMain(int left, int top) {
    Sim(*form).UserSetBounds({left, top, left + form->Width(), top + form->Height()});
  }
};

TEST_F(CalculatorPadsTest, ButtonsTypeAtTheCaretAndTheSheetRecalculates) {
  TCalculatorDlg& pad = Open();
  TMainForm& f = *form;
  EXPECT_TRUE(f.Visible());
  EXPECT_TRUE(pad.Visible());
  EXPECT_EQ(pad.Caption(), "Calculator");
  EXPECT_TRUE(f.Button("ShowCalculatorBtn")->Down());
  EXPECT_EQ(pad.Left(), f.Left() + f.Width());
  EXPECT_EQ(pad.Top(), f.Top());
  EXPECT_EQ(pad.ClientSize(), (platform::Size{2 * kPadBorderWidth + 4 * 32, PadClientHeight(7)}));
  EXPECT_TRUE(f.Item("ShowOutputMemo")->Checked());
  EXPECT_FALSE(f.Item("ShowLeftPanel")->Checked());

  Press({"1", "+", "2"});
  EXPECT_EQ(f.RichEdit1->Text(), "1+2");
  EXPECT_EQ(Result(), "3");
  EXPECT_TRUE(f.RichEdit1->Focused());
  EXPECT_EQ(Sim(*f.StatusBar1).PanelText(1), "変更あり");

  // Backspace takes the character before the caret, and a double-byte one whole.
  Press({"BS"});
  EXPECT_EQ(f.RichEdit1->Text(), "1+");
  EXPECT_EQ(Result(), "");
  f.RichEdit1->SetSelText("ア");
  Press({"BS", "4", "CR"});
  EXPECT_EQ(f.RichEdit1->Text(), "1+4\r\n");
  Press({"*", "2"});
  EXPECT_EQ(Result(), "9");  // lines continue each other: 1+4*2

  // The selection is replaced; All selects everything; CL empties editor and results.
  f.RichEdit1->Select(0, 1);
  Press({"pi"});
  EXPECT_EQ(f.RichEdit1->Text(), "pi+4\r\n*2");
  Press({"All"});
  EXPECT_EQ(f.RichEdit1->SelLength(), static_cast<int>(f.RichEdit1->Text().size()));
  Press({" CL "});
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_EQ(Result(), "");
  EXPECT_EQ(pad.Key("2")->Hint(), "|'2'の入力");  // quoted as every other key
  EXPECT_EQ(pad.Key("Func")->Hint(), "関数入力ボタンの表示");
}

TEST_F(CalculatorPadsTest, FunctionsWrapTheSelectionAndLettersType) {
  TCalculatorDlg& pad = Open();
  TMainForm& f = *form;
  Press({"Func", "ABC"});
  ASSERT_NE(pad.FunctionDlg, nullptr);
  ASSERT_NE(pad.AlphabetDlg, nullptr);
  Press({"3"});
  f.RichEdit1->SelectAll();
  Click(pad.FunctionDlg->Key("sqrt()"));
  EXPECT_EQ(f.RichEdit1->Text(), "sqrt(3)");
  EXPECT_EQ(f.RichEdit1->SelStart(), 6);
  EXPECT_EQ(Result(), "1.73205080756888");
  EXPECT_TRUE(f.RichEdit1->Focused());

  // Nothing selected: the caret ends between the parentheses, and typing goes in there.
  Press({" CL "});
  Click(pad.FunctionDlg->Key("()"));
  Click(pad.AlphabetDlg->Key("a"));
  Click(pad.AlphabetDlg->Key("Z"));
  EXPECT_EQ(f.RichEdit1->Text(), "(aZ)");
  EXPECT_EQ(pad.FunctionDlg->Key("atan()")->Hint(), "逆正接|逆正接関数");  // not arcsine
  EXPECT_EQ(pad.FunctionDlg->ToolBar1->Hint(), "|関数の入力");

  // Each toggle destroys its own pad.
  Press({"Func"});
  EXPECT_EQ(pad.FunctionDlg, nullptr);
  EXPECT_NE(pad.AlphabetDlg, nullptr);
}

TEST_F(CalculatorPadsTest, SubPadsAreGluedAndFollowTheCalculator) {
  Start();
  MoveMain(10, 100);
  TCalculatorDlg& pad = Open();
  MoveMain(10, 100);
  Press({"Func", "ABC"});
  TFunctionDlg& fn = *pad.FunctionDlg;
  TAlphabetDlg& abc = *pad.AlphabetDlg;
  EXPECT_FALSE(Sim(fn).Style().Caption);
  EXPECT_EQ(fn.BorderStyle(), platform::BorderStyle::Single);
  EXPECT_FALSE(Sim(abc).Style().Caption);
  EXPECT_EQ(fn.ClientSize(), (platform::Size{2 * kPadBorderWidth + 4 * 42, PadClientHeight(6)}));
  EXPECT_EQ(abc.ClientSize(),
            (platform::Size{2 * (2 * kPadBorderWidth + 5 * 16), PadClientHeight(7)}));
  const auto glued = [&] {
    const Rect c = pad.BoundsRect();
    EXPECT_EQ(fn.Left(), c.Right);
    EXPECT_EQ(fn.BoundsRect().Bottom, c.Bottom);
    EXPECT_EQ(abc.Left(), c.Left);
    EXPECT_EQ(abc.Top(), c.Bottom);
  };
  glued();
  Sim(pad).UserSetBounds({300, 50, 300 + pad.Width(), 50 + pad.Height()});
  EXPECT_EQ(pad.Left(), 300);
  glued();
  // Moving the main window docks the calculator again, and the pads come along.
  MoveMain(20, 120);
  EXPECT_EQ(pad.Left(), form->BoundsRect().Right);
  EXPECT_EQ(pad.Top(), 120);
  glued();
}

TEST_F(CalculatorPadsTest, PadsAtTheScreenEdgesShiftTheWindowsBack) {
  Start();
  // The function pad would pass the right edge: all three move left.
  TCalculatorDlg& pad = Open();
  MoveMain(1024 - form->Width() - pad.Width() - 20, 50);
  Press({"Func"});
  TFunctionDlg& fn = *pad.FunctionDlg;
  EXPECT_EQ(fn.BoundsRect().Right, 1024);
  EXPECT_EQ(pad.BoundsRect().Right, fn.Left());
  EXPECT_EQ(form->BoundsRect().Right, pad.Left());
  EXPECT_EQ(fn.BoundsRect().Bottom, pad.BoundsRect().Bottom);

  // The letter pad would pass the work area's bottom: it and the calculator move up.
  MoveMain(0, 738 - pad.Height() - 40);
  const int mainTop = form->Top();
  Press({"ABC"});
  TAlphabetDlg& abc = *pad.AlphabetDlg;
  EXPECT_EQ(abc.BoundsRect().Bottom, 738);
  EXPECT_EQ(pad.BoundsRect().Bottom, abc.Top());
  EXPECT_EQ(form->Top(), mainTop);
  EXPECT_EQ(fn.BoundsRect().Bottom, pad.BoundsRect().Bottom);
}

TEST_F(CalculatorPadsTest, ATitleBarCloseHidesThePadUntilIdleOrTheNextToggle) {
  TCalculatorDlg& pad = Open();
  Press({"Func", "ABC"});
  ASSERT_TRUE(Sim(pad).UserClose());
  EXPECT_FALSE(pad.Visible());
  EXPECT_EQ(pad.FunctionDlg, nullptr);
  EXPECT_EQ(pad.AlphabetDlg, nullptr);
  EXPECT_FALSE(form->Button("ShowCalculatorBtn")->Down());
  desk.RunIdle();
  EXPECT_EQ(form->CalculatorDlg, nullptr);

  // Closed and not swept yet: the toggle only destroys it.
  Open();
  ASSERT_TRUE(Sim(*form->CalculatorDlg).UserClose());
  form->Item("ShowCalculator1")->Click();
  EXPECT_EQ(form->CalculatorDlg, nullptr);

  // The tray action, the tool button and hiding the main window.
  form->RunTrayAction(8);
  ASSERT_NE(form->CalculatorDlg, nullptr);
  form->Button("ShowCalculatorBtn")->Click();
  EXPECT_EQ(form->CalculatorDlg, nullptr);
  EXPECT_FALSE(form->Button("ShowCalculatorBtn")->Down());
  Open();
  form->Hide();
  EXPECT_EQ(form->CalculatorDlg, nullptr);
}

}  // namespace
}  // namespace quillpad
