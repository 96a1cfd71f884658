// A simulated desktop with a program folder C:\Quillpad holding Quillpad.exe, and helpers to
// start the main window on it.
#pragma once

#include <filesystem>
#include <memory>

#include "app/main_form.h"
#include "memo/memo_record.h"
#include "support/sim_fixture.h"

namespace quillpad::testing {

class MainFormTest : public UiTest {
 protected:
  MainFormTest() {
    std::filesystem::create_directories(temp.Path() / "Quillpad");
    desk.SetExecutablePath("C:\\Quillpad\\Quillpad.exe");
    desk.SetScreen({1024, 768}, {0, 0, 1024, 738}, {1024, 715});
    desk.SetNow(EncodeDateTime(2026, 12, 7, 9, 5, 3));
  }
  ~MainFormTest() override { Stop(); }

  TMainForm& Start() {
    form = std::make_unique<TMainForm>(app);
    desk.RunIdle();
    return *form;
  }
  void Stop() {
    if (form) {
      form->Close();
      form.reset();
    }
  }
  std::filesystem::path ProgramFolder() const { return temp.Path() / "Quillpad"; }
  std::string ReadIni() const { return ReadHostFile(ProgramFolder() / "Quillpad.ini"); }
  void WriteIni(const std::string& text) { WriteHostFile(ProgramFolder() / "Quillpad.ini", text); }
  static bool Holds(const std::string& text, const std::string& line) {
    return text.find(line + "\r\n") != std::string::npos;
  }
  platform::sim::SimWindow& Editor() { return Sim(*form->RichEdit1); }

  // A visible text memo without a border, stamped, at a place.
  static MemoRecord Memo(const std::string& text, int left, int top) {
    MemoRecord r;
    r.Text = text;
    r.Left = left;
    r.Top = top;
    r.BorderStyle = MemoBorder::None;
    r.Visible = true;
    r.StampText = "2026/12/01 8:00:00";
    return r;
  }
  void WriteMemoData(const std::string& name, const std::vector<MemoRecord>& records) {
    WriteHostFile(ProgramFolder() / name, WriteMemoFile(records));
  }

  std::unique_ptr<TMainForm> form;
};

}  // namespace quillpad::testing
