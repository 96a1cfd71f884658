// TMainForm: the registered tools of "ToolList.txt", their menu and the Explorer command.
#include "app/main_form.h"
#include "app/tool_list.h"
#include "base/path.h"
#include "base/text.h"

namespace quillpad {

void TMainForm::LoadToolList() {
  std::string bytes;
  // A list that would not come back whole from a rewrite keeps a copy first.
  platform::ReadOwnedTextFile(system_, ProgramPath(FileNames::kToolList), bytes,
                              [](const std::string& b) { return IsSoundToolListFile(b); });
  // A list larger than ours is no list of ours; its copy keeps it.
  ToolList =
      bytes.size() <= kMaxToolListBytes ? ReadToolListFile(bytes) : std::vector<std::string>();
  BuildToolMenu();
}

void TMainForm::BuildToolMenu() {
  ui::MenuItem* menu = Item("RegisteredTool1");
  menu->Clear();
  for (std::size_t i = 0; i < ToolList.size(); ++i) {
    const std::string& entry = ToolList[i];
    const bool file = system_.Files().FileExists(entry);
    ui::MenuItem* item = menu->Add(file ? ExtractFileName(entry) : entry);
    item->Tag = static_cast<int>(i);
    item->OnClick = [this, i] { LaunchTool(static_cast<int>(i)); };
  }
}

void TMainForm::LaunchTool(int index) {
  if (index < 0 || index >= static_cast<int>(ToolList.size())) return;
  if (!system_.ShellOpen(ToolList[static_cast<std::size_t>(index)]))
    system_.MessageBox("実行できませんでした", application_.Title, platform::MbOk);
}

void TMainForm::ExecExplorerClick(ui::Component*) {
  constexpr int kSwShow = 5;
  system_.RunProgram("explorer.exe /E,\"" + WorkDir + "\"", kSwShow);
}

}  // namespace quillpad
