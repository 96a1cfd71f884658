#include "calc/function_dlg.h"

#include "calc/calculator_dlg.h"
#include "calc/pad_bar.h"

namespace quillpad {

namespace {

const PadKey kKeys[] = {
    {"sqrt()", "平方根|平方根関数"},    {"exp()", "指数|指数関数"},
    {"log()", "自然対数|自然対数関数"}, {"log10()", "常用対数|常用対数関数"},
    {"sin()", "正弦|正弦関数"},         {"cos()", "余弦|余弦関数"},
    {"tan()", "正接|正接関数"},         {"asin()", "逆正弦|逆正弦関数"},
    {"acos()", "逆余弦|逆余弦関数"},    {"atan()", "逆正接|逆正接関数"},
    {"sinh()", "双曲線正弦関数"},       {"cosh()", "双曲線余弦関数"},
    {"tanh()", "双曲線正接関数"},       {"abs()", "絶対値|絶対値関数"},
    {"ceil()", "小数点以下切り上げ"},   {"floor()", "小数点以下切り捨て"},
    {"step()", "ステップ関数"},         {"()", "両端に括弧|選択部分の両側に括弧をつける"},
};

}  // namespace

TFunctionDlg::TFunctionDlg(TCalculatorDlg& calculator)
    : ui::Form(&calculator), calculator_(calculator) {
  Name = "FunctionDlg";
  SetCaption("Function");
  // A pop-up with the thin border and no title bar: it moves with the calculator only.
  SetBorderStyle(platform::BorderStyle::Single);
  SetCaptionBar(false);
  ToolBar1 =
      BuildPadBar(*this, 0, kKeys, 4, kButtonWidth, [this](ui::Button& b) { FuncBtn1Click(b); });
  ToolBar1->Name = "ToolBar1";
  ToolBar1->SetHint("|関数の入力");
  SetClientSize(ToolBar1->Width(), PadClientHeight(6));
  OnShow = [this] { FormShow(); };
}

ui::Button* TFunctionDlg::Key(const std::string& caption) const {
  return PadButton(*ToolBar1, caption);
}

void TFunctionDlg::FormShow() {
  SetClientSize(ToolBar1->Width(), PadClientHeight(6));
  TCalculatorDlg& c = calculator_;
  int left = c.Left() + c.Width();
  const int screenWidth = c.Host().PadScreenExtent().Width;
  if (left + Width() > screenWidth) {
    // All three shift left: this pad to the screen's edge, the calculator and the owner after it.
    left = screenWidth - Width();
    c.SetBounds(left - c.Width(), c.Top(), c.Width(), c.Height());
    const platform::Rect host = c.Host().HostBounds();
    c.Host().MoveHost(c.Left() - host.Width(), host.Top);
  }
  SetBounds(c.Left() + c.Width(), c.Top() + c.Height() - Height(), Width(), Height());
  calculator_.Host().PadEditor().SetFocus();
}

void TFunctionDlg::FuncBtn1Click(ui::Button& sender) {
  WrapSelection(calculator_.Host().PadEditor(), sender.Caption());
}

}  // namespace quillpad
