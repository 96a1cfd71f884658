// Tool bars of tool buttons. The geometry is the toolkit's (the peer lays buttons out the same
// way): buttons ButtonWidth wide (+ kDropDownArrow with an arrow), separators kSeparatorWidth,
// all ButtonHeight high from x = 0; the bar is ButtonHeight + 2 high.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class PopupMenu;
class ToolBar;

enum class ToolButtonStyle { Button, Check, Separator, DropDown };

class ToolButton : public Component {
 public:
  // Appended to the bar.
  ToolButton(Component* owner, ToolBar* bar, ToolButtonStyle style = ToolButtonStyle::Button);
  ~ToolButton() override;

  ToolBar* Bar() const { return bar_; }
  int Index() const;
  ToolButtonStyle Style() const { return style_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  // "short|long": the tool tip shows the short part, the application's hint the long one.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // The picture shown instead of the caption (an index of the tool image list), or -1.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  PopupMenu* DropdownMenu = nullptr;
  std::function<void()> OnClick;
  // A drag over the button (a disabled button takes none); accept starts true when set.
  std::function<void(Control* source, bool& accept)> OnDragOver;
  std::function<void(Control* source)> OnDragDrop;

  // What a click on the button does: a check button flips its down state, then OnClick.
  void Click();
  platform::ToolButtonSpec PeerItem() const;

 private:
  friend class ToolBar;
  void Changed();
  ToolBar* bar_;
  ToolButtonStyle style_;
  std::string caption_;
  std::string hint_;
  bool down_ = false;
  bool enabled_ = true;
  int imageIndex_ = -1;
};

class ToolBar : public Control {
 public:
  static constexpr int kSeparatorWidth = 8;
  static constexpr int kDropDownArrow = 12;

  ToolBar(Component* owner, Control* parent);
  ~ToolBar() override;

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  ToolButton* Buttons(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  int ButtonWidth() const { return buttonWidth_; }
  int ButtonHeight() const { return buttonHeight_; }
  void SetButtonSize(int width, int height);
  Rect ButtonRect(int index) const;
  int ButtonAt(Point p) const;  // -1 outside every button and on separators

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  // Caption buttons of ButtonWidth each, as the toolkit lays them out, instead of buttons that
  // the system sizes to their captions.
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool on);
  // While held, button changes are collected and reach the native bar once, at the release:
  // every change of a native bar lays all its buttons out again.
  void HoldUpdates(bool hold);

 protected:
  void DoClick(int index) override;
  void DoMouseMove(Point p, unsigned shift) override;
  bool DragOver(Control* source, Point p) override;
  void DragDrop(Control* source, Point p) override;

 private:
  friend class ToolButton;
  void ButtonsChanged();
  std::vector<ToolButton*> buttons_;
  int buttonWidth_ = 23;
  int buttonHeight_ = 22;
  bool flat_ = false;
  bool showCaptions_ = false;
  bool held_ = false;
  bool changedWhileHeld_ = false;
};

}  // namespace quillpad::ui
