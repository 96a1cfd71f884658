#include "calc/pad_bar.h"

namespace quillpad {

ui::Panel* BuildPadBar(ui::Form& pad, int left, std::span<const PadKey> keys, int columns,
                       int buttonWidth, const std::function<void(ui::Button&)>& onClick) {
  const int count = static_cast<int>(keys.size());
  const int rows = (count + columns - 1) / columns;
  auto* bar = new ui::Panel(&pad, &pad);
  bar->SetBounds(left, 0, 2 * kPadBorderWidth + columns * buttonWidth,
                 2 * kPadBorderWidth + rows * kPadButtonHeight);
  for (int i = 0; i < count; ++i) {
    auto* button = new ui::Button(&pad, bar);
    const PadKey& key = keys[static_cast<std::size_t>(i)];
    button->SetCaption(std::string(key.Caption));
    button->SetHint(std::string(key.Hint));
    button->SetBounds(kPadBorderWidth + (i % columns) * buttonWidth,
                      kPadBorderWidth + (i / columns) * kPadButtonHeight, buttonWidth,
                      kPadButtonHeight);
    button->OnClick = [button, onClick] { onClick(*button); };
  }
  return bar;
}

ui::Button* PadButton(const ui::Panel& bar, const std::string& caption) {
  for (ui::Control* c : bar.Controls()) {
    auto* button = dynamic_cast<ui::Button*>(c);
    if (button && button->Caption() == caption) return button;
  }
  return nullptr;
}

void TypeAtCaret(ui::CustomEdit& editor, const std::string& text) {
  editor.SetSelText(text);
  editor.SetFocus();
}

void WrapSelection(ui::CustomEdit& editor, const std::string& caption) {
  const std::string name = caption.substr(0, caption.empty() ? 0 : caption.size() - 1);
  const int start = editor.SelStart();
  const std::string text = name + editor.SelText() + ")";
  editor.SetSelText(text);
  editor.SetSelStart(start + static_cast<int>(text.size()) - 1);
  editor.SetFocus();
}

}  // namespace quillpad
