// A top-level window: caption, border, stay-on-top, main menu, dropped files, the close query
// and modal showing. A form never destroys itself: CloseAction::Free only hides it and sets
// ReleaseRequested() for its owner to act on later.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class MainMenu;

enum class CloseAction { None, Hide, Free, Minimize };

// Modal results: the values of the message box answers where they overlap.
enum ModalResultValue : int {
  MrNone = 0,
  MrOk = 1,
  MrCancel = 2,
  MrAbort = 3,
  MrRetry = 4,
  MrIgnore = 5,
  MrYes = 6,
  MrNo = 7
};

class Form : public Control {
 public:
  explicit Form(Component* owner = nullptr);
  // Made in its final style: a form that would restyle itself at once is spared the round trip.
  Form(Component* owner, const platform::WindowStyle& style);
  ~Form() override;

  platform::BorderStyle BorderStyle() const { return style_.Border; }
  void SetBorderStyle(platform::BorderStyle border);
  void SetBorderIcons(bool systemMenu, bool minimize, bool maximize);
  // A title bar comes with every border but None; borderless-looking windows with a sizing
  // frame (desktop memos) switch it off after choosing the border.
  void SetCaptionBar(bool on);
  // No task bar button.
  void SetToolWindowExStyle(bool on);
  const platform::WindowStyle& Style() const { return style_; }
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool on);
  bool AcceptFiles() const { return style_.AcceptFiles; }
  void SetAcceptFiles(bool on);
  // Showing puts the form on top but leaves the activation where it is.
  void SetShowInactive(bool on);
  // While held, style changes are collected and reach the native window once, at the release:
  // under Wine every restyle of a top-level window costs a round trip to the X server. Holds nest.
  void HoldStyle(bool hold);

  // Places the form in the middle of the screen, at its present size.
  void ScreenCentre();

  MainMenu* Menu() const { return menu_; }
  // Set the menu before the client size: the menu bar is part of the frame.
  void SetMenu(MainMenu* menu);

  void SetVisible(bool visible) override;
  // Runs the close query and the close action; true when the form closed.
  bool Close();
  // Shows the form, runs the nested loop until ModalResult is set, hides it; the result.
  int ShowModal();
  bool Modal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool ReleaseRequested() const { return releaseRequested_; }
  void SetForeground() { P().SetForeground(); }
  // The foreground window is this form.
  bool Active() const;

  // Looks the key up in the main menu (after OnShortCut); true when it was used.
  bool IsShortCut(int key, unsigned shift);

  std::function<void()> OnShow;
  std::function<void()> OnHide;
  std::function<void(bool& canClose)> OnCloseQuery;
  std::function<void(bool& canEnd)> OnQueryEndSession;  // the logon is ending
  std::function<void(CloseAction& action)> OnClose;
  std::function<void()> OnActivate;
  std::function<void()> OnDeactivate;
  std::function<void()> OnMove;
  std::function<void(const std::vector<std::string>& paths)> OnDropFiles;
  std::function<void(int shortCut, bool& handled)> OnShortCut;

 protected:
  void DoActivate(bool active) override;
  bool DoCloseQuery() override;
  bool DoQueryEndSession() override;
  void DoClose() override;
  void DoShowChanged(bool visible) override;
  void DoDropFiles(const std::vector<std::string>& paths) override;
  void DoMenuCommand(int id) override;
  bool DoKeyDown(int key, unsigned shift) override;
  void BoundsChanged(bool sized, bool moved) override;

 private:
  void PushStyle();

  platform::WindowStyle style_;
  int styleHolds_ = 0;
  bool stayOnTop_ = false;
  MainMenu* menu_ = nullptr;
  bool modal_ = false;
  int modalResult_ = MrNone;
  bool releaseRequested_ = false;
};

}  // namespace quillpad::ui
