// Test scaffolding shared by the platform and ui tests: a fresh temporary folder as drive C:, a
// simulated desktop whose unexpected questions fail the test, and (for ui tests) the application.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "platform/sim/sim_desktop.h"
#include "ui/application.h"
#include "ui/control.h"

namespace quillpad::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quillpad-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::string ReadHostFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteHostFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

class SimTest : public ::testing::Test {
 protected:
  SimTest() {
    desk.MapDrive('C', temp.Path());
    desk.OnUnexpected = [this](const std::string& what) {
      unexpected.push_back(what);
      if (failOnUnexpected) ADD_FAILURE() << what;
    };
  }
  TempFolder temp;
  platform::sim::SimDesktop desk;
  std::vector<std::string> unexpected;
  bool failOnUnexpected = true;
};

class UiTest : public SimTest {
 protected:
  UiTest() : app(desk) {
    desk.SetIdleHandler([this] { return app.Idle(); });
    desk.NameOf = [](platform::sim::SimWindow& w) {
      ui::Control* c = ui::Control::FromEvents(w.Events());
      return c ? c->Name : std::string();
    };
  }
  static platform::sim::SimWindow& Sim(ui::Control& c) {
    return platform::sim::SimDesktop::Sim(c.Peer());
  }
  ui::Application app;
};

}  // namespace quillpad::testing
