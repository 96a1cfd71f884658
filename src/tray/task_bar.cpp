#include "tray/task_bar.h"

#include <exception>

#include "base/text.h"
#include "ui/menu_item.h"

namespace quillpad {

using platform::MouseButton;

std::string TrayRecordTip(const std::string& tips) { return CutBytes(tips, 63); }

TTaskBar::TTaskBar(ui::Component* owner, platform::System& system)
    : ui::Component(owner), system_(system), icon_(system.CreateTrayIcon()) {
  icon_->OnCallback = [this](unsigned message, platform::Point cursor) { HandleCallback(message, cursor); };
}

TTaskBar::~TTaskBar() {
  if (added_) icon_->Delete();
}

void TTaskBar::Loaded() {
  loaded_ = true;
  SetEnableTaskTray(enableTaskTray_);
}

void TTaskBar::SetEnableTaskTray(bool value) {
  enableTaskTray_ = value;
  if (!loaded_) return;
  // The system's answers are ignored: a failed add leaves the program without an icon.
  if (value && !added_) {
    icon_->Add(TrayRecordTip(tips_));
    added_ = true;
  } else if (!value && added_) {
    icon_->Delete();
    added_ = false;
  }
}

void TTaskBar::SetTips(const std::string& tips) {
  tips_ = CutBytes(tips, 255);
  if (added_) icon_->Modify(TrayRecordTip(tips_));
}

void TTaskBar::HandleCallback(unsigned message, platform::Point cursor) {
  try {
    if (OnTrayDblClick) {
      if (message == TmLeftDblClk) OnTrayDblClick(MouseButton::Left);
      if (message == TmRightDblClk) OnTrayDblClick(MouseButton::Right);
      if (message == TmMiddleDblClk) OnTrayDblClick(MouseButton::Middle);
    }
    if (OnTrayClick) {
      if (message == TmLeftDown) OnTrayClick(MouseButton::Left);
      if (message == TmRightDown) OnTrayClick(MouseButton::Right);
      if (message == TmMiddleDown) OnTrayClick(MouseButton::Middle);
    }
    ui::PopupMenu* menu = message == TmLeftUp     ? PopupMenuLeft
                          : message == TmMiddleUp ? PopupMenuMiddle
                          : message == TmRightUp  ? PopupMenuRight
                                                  : nullptr;
    if (menu) menu->Popup(cursor.X, cursor.Y);
  } catch (const std::exception& error) {
    // The tray keeps working after a failed command.
    system_.ShowError(error.what());
  }
}

}  // namespace quillpad
