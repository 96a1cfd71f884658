// TMainForm: the registered tools of "ToolList.txt", their menu and the Explorer command.
#include "app/main_form.h"
#include "base/path.h"
#include "base/text.h"

namespace quillpad {

namespace {
// One path or address a line: a list bigger than this is not ours.
constexpr std::uint64_t kMaxToolListBytes = 1ull << 20;
}  // namespace

void TMainForm::LoadToolList() {
  platform::FileSystem& files = system_.Files();
  const std::string path = ProgramPath(FileNames::kToolList);
  ToolList.clear();
  std::string bytes;
  if (files.FileExists(path) && files.ReadFile(path, bytes, kMaxToolListBytes)) {
    for (std::string& line : SplitLines(bytes)) {
      // A NUL would end the entry at the shell; such a line names nothing we can open.
      if (!Trim(line).empty() && line.find('\0') == std::string::npos)
        ToolList.push_back(std::move(line));
    }
  }
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
