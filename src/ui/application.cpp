#include "ui/application.h"

#include <stdexcept>

#include "base/text.h"

namespace quillpad::ui {
namespace {
Application* current = nullptr;
}

std::string GetShortHint(std::string_view hint) {
  const std::size_t bar = FindText(hint, "|");
  return std::string(bar == std::string_view::npos ? hint : hint.substr(0, bar));
}

std::string GetLongHint(std::string_view hint) {
  const std::size_t bar = FindText(hint, "|");
  return std::string(bar == std::string_view::npos ? hint : hint.substr(bar + 1));
}

Application::Application(platform::System& system) : system_(system) {
  if (current) throw std::logic_error("only one Application at a time");
  current = this;
}

Application::~Application() {
  if (current == this) current = nullptr;
}

Application& Application::Instance() {
  if (!current) throw std::logic_error("no Application");
  return *current;
}

bool Application::Exists() {
  return current != nullptr;
}

void Application::SetHint(std::string_view fullHint) {
  std::string hint = GetLongHint(fullHint);
  if (hint == hint_) return;
  hint_ = std::move(hint);
  if (OnHint) OnHint();
}

bool Application::Idle() {
  bool done = true;
  if (OnIdle) OnIdle(done);
  return done;
}

int Application::Run() {
  terminated_ = false;
  return system_.RunMessageLoop([this] { return Idle(); });
}

void Application::Terminate(int exitCode) {
  terminated_ = true;
  system_.Quit(exitCode);
}

void Application::Forget(Form* form) {
  if (mainForm_ == form) mainForm_ = nullptr;
}

}  // namespace quillpad::ui
