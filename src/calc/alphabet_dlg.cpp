#include "calc/alphabet_dlg.h"

#include <string_view>
#include <vector>

#include "calc/calculator_dlg.h"
#include "calc/pad_bar.h"

namespace quillpad {

namespace {

// One button a letter; the bar's hint serves them all.
std::vector<PadKey> Letters(std::string_view letters) {
  std::vector<PadKey> keys;
  for (std::size_t i = 0; i < letters.size(); ++i) keys.push_back({letters.substr(i, 1), ""});
  return keys;
}

}  // namespace

TAlphabetDlg::TAlphabetDlg(TCalculatorDlg& calculator)
    : ui::Form(&calculator), calculator_(calculator) {
  Name = "AlphabetDlg";
  SetCaption("Alphabet");
  SetBorderStyle(platform::BorderStyle::Single);
  SetCaptionBar(false);
  const auto type = [this](ui::Button& b) { AlpabetBtn1Click(b); };
  ToolBar1 = BuildPadBar(*this, 0, Letters("abcdefghijklmnopqrstuvwxyz"), 5, kButtonWidth, type);
  ToolBar1->Name = "ToolBar1";
  ToolBar2 = BuildPadBar(*this, ToolBar1->Width(), Letters("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), 5,
                         kButtonWidth, type);
  ToolBar2->Name = "ToolBar2";
  SetClientSize(ToolBar2->Left() + ToolBar2->Width(), PadClientHeight(7));
  OnShow = [this] { FormShow(); };
}

ui::Button* TAlphabetDlg::Key(const std::string& caption) const {
  ui::Button* b = PadButton(*ToolBar1, caption);
  return b ? b : PadButton(*ToolBar2, caption);
}

void TAlphabetDlg::FormShow() {
  SetClientSize(ToolBar2->Left() + ToolBar2->Width(), PadClientHeight(7));
  TCalculatorDlg& c = calculator_;
  const int screenHeight = c.Host().PadScreenExtent().Height;
  if (c.Top() + c.Height() + Height() > screenHeight) {
    // Both move up: this pad to the screen's bottom, the calculator onto it.
    c.SetBounds(c.Left(), screenHeight - Height() - c.Height(), c.Width(), c.Height());
  }
  SetBounds(c.Left(), c.Top() + c.Height(), Width(), Height());
  calculator_.Host().PadEditor().SetFocus();
}

void TAlphabetDlg::AlpabetBtn1Click(ui::Button& sender) {
  TypeAtCaret(calculator_.Host().PadEditor(), sender.Caption());
}

}  // namespace quillpad
