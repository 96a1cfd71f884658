// TTaskBar: the notification-area icon of the program as a non-visual component. It adds,
// updates and removes the icon, turns the icon's mouse messages into click and double-click
// events, and opens the pop-up menus given for the buttons.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/system.h"
#include "ui/component.h"

namespace quillpad::ui {
class PopupMenu;
}

namespace quillpad {

// The callback message of the icon (WM_APP + 100) and the mouse messages it carries.
inline constexpr unsigned kTrayCallbackMessage = 0x8064;
enum TrayMouseMessage : unsigned {
  TmLeftDown = 513, TmLeftUp = 514, TmLeftDblClk = 515,
  TmRightDown = 516, TmRightUp = 517, TmRightDblClk = 518,
  TmMiddleDown = 519, TmMiddleUp = 520, TmMiddleDblClk = 521,
};

// The icon record's tip holds 63 bytes and a zero; the cut never splits a character.
std::string TrayRecordTip(const std::string& tips);

class TTaskBar : public ui::Component {
 public:
  TTaskBar(ui::Component* owner, platform::System& system);
  ~TTaskBar() override;

  // After the owner's stored properties are set: adds the icon when the tray is enabled.
  void Loaded();

  // Kept as a property only: the program's forms are owned by the hidden application window,
  // which never has a task bar button, so "false" is how the program always runs.
  bool EnableTaskBar() const { return enableTaskBar_; }
  void SetEnableTaskBar(bool value) { enableTaskBar_ = value; }
  bool EnableTaskTray() const { return enableTaskTray_; }
  void SetEnableTaskTray(bool value);
  const std::string& Tips() const { return tips_; }
  // At most 255 bytes are kept.
  void SetTips(const std::string& tips);

  std::function<void(platform::MouseButton)> OnTrayClick;
  std::function<void(platform::MouseButton)> OnTrayDblClick;

  // Menus opened on the release of their button. The menus must outlive this component or be
  // cleared before they go.
  ui::PopupMenu* PopupMenuLeft = nullptr;
  ui::PopupMenu* PopupMenuMiddle = nullptr;
  ui::PopupMenu* PopupMenuRight = nullptr;

  // The icon's window procedure for the callback message; public so the tests can drive it
  // the way the system does.
  void HandleCallback(unsigned mouseMessage, platform::Point cursor);

 private:
  platform::System& system_;
  std::unique_ptr<platform::TrayIcon> icon_;
  bool enableTaskBar_ = true;
  bool enableTaskTray_ = true;
  bool added_ = false;
  bool loaded_ = false;
  std::string tips_;
};

}  // namespace quillpad
