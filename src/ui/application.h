// The application object: the platform the toolkit runs on, the idle event, the hint event and
// the general error report. One per run (one per test); controls reach it through Instance().
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>

#include "platform/system.h"

namespace quillpad::ui {

class Form;

// "short|long": the short part is the tool tip, the long part the status text. A hint without
// "|" is both.
std::string GetShortHint(std::string_view hint);
std::string GetLongHint(std::string_view hint);

class Application {
 public:
  explicit Application(platform::System& system);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  static Application& Instance();  // throws std::logic_error when there is none
  static bool Exists();

  platform::System& System() { return system_; }
  platform::WindowSystem& Windows() { return system_.Windows(); }

  std::string Title = "Quillpad";
  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* form) { mainForm_ = form; }

  // The long part of the hint under the mouse; OnHint fires whenever it changes.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string_view fullHint);
  std::function<void()> OnHint;

  // One idle turn: OnIdle may set done to false to be called again. Answers done.
  std::function<void(bool& done)> OnIdle;
  bool Idle();
  // Runs the message loop until Terminate.
  int Run();
  void Terminate(int exitCode = 0);
  bool Terminated() const { return terminated_; }

  void HandleException(const std::exception& e) { system_.ShowError(e.what()); }
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return system_.MessageBox(text, caption, flags);
  }
  void Forget(Form* form);  // a form going away

 private:
  platform::System& system_;
  Form* mainForm_ = nullptr;
  std::string hint_;
  bool terminated_ = false;
};

}  // namespace quillpad::ui
