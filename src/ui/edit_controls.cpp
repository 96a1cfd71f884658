#include "ui/edit_controls.h"

#include "base/text.h"

namespace quillpad::ui {

CustomEdit::CustomEdit(Component* owner, Control* parent, platform::WindowClass cls,
                       const platform::WindowStyle& style)
    : Control(owner, parent, cls, &style), style_(style) {
  SetColor(ClWindow);
}

void CustomEdit::SetText(const std::string& text) {
  text_ = text;
  P().SetText(text);
}

std::vector<std::string> CustomEdit::Lines() const {
  return SplitLines(Text());
}

void CustomEdit::SetLines(const std::vector<std::string>& lines) {
  SetText(JoinLinesInner(lines));
}

int CustomEdit::LineFromChar(int pos) const {
  const std::string text = Text();
  int line = 0;
  for (int i = 0; i < pos && i < static_cast<int>(text.size()); ++i) {
    if (text[static_cast<std::size_t>(i)] == '\n') ++line;
  }
  return line;
}

int CustomEdit::LineStart(int line) const {
  const std::string text = Text();
  int current = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (current == line) return static_cast<int>(i);
    if (text[i] == '\n') ++current;
  }
  return current == line ? static_cast<int>(text.size()) : -1;
}

int CustomEdit::SelStart() const {
  int start = 0;
  int length = 0;
  P().GetSelection(start, length);
  return start;
}

int CustomEdit::SelLength() const {
  int start = 0;
  int length = 0;
  P().GetSelection(start, length);
  return length;
}

std::string CustomEdit::SelText() const {
  const std::string text = Text();
  const auto start = static_cast<std::size_t>(SelStart());
  if (start >= text.size()) return {};
  return text.substr(start, static_cast<std::size_t>(SelLength()));
}

void CustomEdit::CaretToStart() {
  P().SetSelection(0, 0);
  P().ScrollToCaret();
}

void CustomEdit::SetReadOnly(bool on) {
  style_.ReadOnly = on;
  P().SetStyle(style_);
}

void CustomEdit::SetWordWrap(bool on) {
  style_.WordWrap = on;
  P().SetStyle(style_);
}

void CustomEdit::DoChange() {
  if (OnChange) OnChange();
}

void CustomEdit::DoSelectionChange() {
  if (OnSelectionChange) OnSelectionChange();
}

}  // namespace quillpad::ui
