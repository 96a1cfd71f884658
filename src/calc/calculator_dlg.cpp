#include "calc/calculator_dlg.h"

#include <string_view>

#include "calc/alphabet_dlg.h"
#include "calc/function_dlg.h"
#include "calc/pad_bar.h"
#include "ui/short_cut.h"

namespace quillpad {

namespace {

const PadKey kKeys[] = {
    {"7", "|'7'の入力"},
    {"8", "|'8'の入力"},
    {"9", "|'9'の入力"},
    {"/", "|'/'の入力"},
    {"4", "|'4'の入力"},
    {"5", "|'5'の入力"},
    {"6", "|'6'の入力"},
    {"*", "|'*'の入力"},
    {"1", "|'1'の入力"},
    {"2", "|'2'の入力"},
    {"3", "|'3'の入力"},
    {"-", "|'-'の入力"},
    {"0", "|'0'の入力"},
    {".", "|'.'の入力"},
    {"=", "|'='の入力"},
    {"+", "|'+'の入力"},
    {"^", "|'^'の入力"},
    {"!", "|'!'の入力"},
    {";", "|';'の入力"},
    {"pi", "|'pi'の入力"},
    {"(", "|'('の入力"},
    {")", "|')'の入力"},
    {"BS", "バックスペース"},
    {"CR", "改行"},
    {" CL ", "全て消去"},
    {"All", "全て選択"},
    {"Func", "関数入力ボタンの表示"},
    {"ABC", "アルファベット入力ボタンの表示"},
};

}  // namespace

TCalculatorDlg::TCalculatorDlg(ui::Component* owner, CalculatorHost& host)
    : ui::Form(owner), host_(host) {
  Name = "CalculatorDlg";
  SetCaption("Calculator");
  SetBorderStyle(platform::BorderStyle::ToolWindow);
  SetBorderIcons(true, false, false);
  ToolBar1 = BuildPadBar(*this, 0, kKeys, 4, kButtonWidth, [this](ui::Button& b) {
    const std::string_view caption = b.Caption();
    if (caption == "BS") return BSClick();
    if (caption == "CR") return CRBtnClick();
    if (caption == " CL ") return ClearBtnClick();
    if (caption == "All") return SelectAllBtnClick();
    if (caption == "Func") return ShowFunctionBtnClick();
    if (caption == "ABC") return ShowAlphabetBtnClick();
    NumberBtn1Click(b);
  });
  ToolBar1->Name = "ToolBar1";
  ToolBar1->SetHint("|数値や記号の入力");
  SetClientSize(ToolBar1->Width(), PadClientHeight(7));
  OnShow = [this] { FormShow(); };
  OnClose = [this](ui::CloseAction&) { FormClose(); };
  OnMove = [this] { WMMove(); };
}

TCalculatorDlg::~TCalculatorDlg() {
  OnMove = nullptr;
  DestroySubPads();
}

ui::Button* TCalculatorDlg::Key(const std::string& caption) const {
  return PadButton(*ToolBar1, caption);
}

void TCalculatorDlg::FormShow() {
  SetClientSize(ToolBar1->Width(), PadClientHeight(7));
  host_.PadEditor().SetFocus();
  host_.CalculatorShown(true);
}

void TCalculatorDlg::FormClose() {
  host_.CalculatorShown(false);
  DestroySubPads();
}

void TCalculatorDlg::DestroySubPads() {
  delete FunctionDlg;
  FunctionDlg = nullptr;
  delete AlphabetDlg;
  AlphabetDlg = nullptr;
}

void TCalculatorDlg::WMMove() {
  if (FunctionDlg) {
    FunctionDlg->SetBounds(Left() + Width(), Top() + Height() - FunctionDlg->Height(),
                           FunctionDlg->Width(), FunctionDlg->Height());
  }
  if (AlphabetDlg) {
    AlphabetDlg->SetBounds(Left(), Top() + Height(), AlphabetDlg->Width(), AlphabetDlg->Height());
  }
}

void TCalculatorDlg::NumberBtn1Click(ui::Button& sender) {
  TypeAtCaret(host_.PadEditor(), sender.Caption());
}

void TCalculatorDlg::BSClick() {
  ui::CustomEdit& editor = host_.PadEditor();
  editor.SendKeyDown(ui::VkBack);
  editor.SetFocus();
}

void TCalculatorDlg::CRBtnClick() {
  ui::CustomEdit& editor = host_.PadEditor();
  editor.SendChar(13);
  editor.SetFocus();
}

void TCalculatorDlg::ClearBtnClick() {
  ui::CustomEdit& editor = host_.PadEditor();
  editor.Clear();
  editor.SetFocus();
}

void TCalculatorDlg::SelectAllBtnClick() {
  ui::CustomEdit& editor = host_.PadEditor();
  editor.SelectAll();
  editor.SetFocus();
}

template <class Pad>
void TCalculatorDlg::TogglePad(Pad*& pad) {
  if (pad) {
    delete pad;
    pad = nullptr;
  } else {
    pad = new Pad(*this);
    pad->Show();
  }
  host_.PadEditor().SetFocus();
}

void TCalculatorDlg::ShowFunctionBtnClick() {
  TogglePad(FunctionDlg);
}

void TCalculatorDlg::ShowAlphabetBtnClick() {
  TogglePad(AlphabetDlg);
}

}  // namespace quillpad
