// The button bars of the three pads, and the typing the pads share: text at the editor's caret
// in place of the selection, and a function call around the selection.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

struct PadKey {
  std::string_view Caption;
  std::string_view Hint;
};

constexpr int kPadBorderWidth = 2;  // around the buttons of a bar
constexpr int kPadButtonHeight = 20;

// A bar at (left, 0) of the pad: the keys row by row, columns to a row, each button
// buttonWidth by kPadButtonHeight inside the border; a click runs onClick with the button.
ui::Panel* BuildPadBar(ui::Form& pad, int left, std::span<const PadKey> keys, int columns,
                       int buttonWidth, const std::function<void(ui::Button&)>& onClick);
// The client height of a pad whose bar is this many buttons high.
constexpr int PadClientHeight(int rows) {
  return 2 * kPadBorderWidth + rows * kPadButtonHeight + 2;
}
// The bar's button of this caption, or null.
ui::Button* PadButton(const ui::Panel& bar, const std::string& caption);

// Then the editor has the focus again, so the next click types on.
void TypeAtCaret(ui::CustomEdit& editor, const std::string& text);
// "sqrt()" around the selection: 'sqrt(' + selection + ')', the caret before the ")".
void WrapSelection(ui::CustomEdit& editor, const std::string& caption);

}  // namespace quillpad
