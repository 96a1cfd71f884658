#include "app/backup.h"

#include "base/path.h"

namespace quillpad {

namespace {

bool CopyWhole(platform::FileSystem& files, const std::string& from, const std::string& to) {
  std::string bytes;
  return files.ReadFile(from, bytes) && files.WriteFileAtomic(to, bytes);
}

}  // namespace

std::string BackupPath(const std::string& workDir, const std::string& memoFileName) {
  return JoinPath(workDir, "コピー～" + memoFileName);
}

void CopyToBackup(platform::System& system, const std::string& title, const std::string& workDir,
                  const std::string& memoFileName) {
  platform::FileSystem& files = system.Files();
  const std::string source = JoinPath(workDir, memoFileName);
  const std::string target = BackupPath(workDir, memoFileName);
  const std::string name = "コピー～" + memoFileName;
  if (!files.FileExists(target) && CopyWhole(files, source, target)) {
    system.MessageBox(name + "を作成しました", title, platform::MbOk);
    return;
  }
  const int answer = system.MessageBox(name + "は存在します。上書きしますか？", title,
                                       platform::MbYesNoCancel | platform::MbIconQuestion);
  if (answer != platform::IdYes) return;
  if (!CopyWhole(files, source, target)) {
    system.MessageBox("バックアップ作成に失敗しました", title, platform::MbOk);
  }
}

std::string ArchiverCommandLine(const std::string& source, const std::string& archive) {
  // The folder part always ends in a backslash; a source ending in one has no name part.
  const std::string folder = ExtractFileDir(source) + "\\";
  const std::string name = ExtractFileName(source);
  std::string line = "u \"" + archive + "\" \"" + folder + "\" ";
  if (!name.empty()) line += "\"" + name + "\"";
  return line + " -d1";
}

void ArchiveWithLha(platform::System& system, const std::string& title, const std::string& source,
                    const std::string& archive) {
  if (system.CallArchiver(ArchiverCommandLine(source, archive)) == platform::LibraryCall::Missing) {
    system.MessageBox("Unlha32.dll が組込まれていません。", title, platform::MbOk);
  }
}

bool ArchiveDroppedFiles(platform::System& system, const std::string& title,
                         const std::vector<std::string>& paths, std::string& lzhDir,
                         const std::string& programDir) {
  platform::FileDialogOptions options;
  options.Title = "LZH書庫の指定";
  options.Filter = "lzhﾌｧｲﾙ (*.lzh)|*.lzh";
  options.DefaultExt = "lzh";
  options.OverwritePrompt = true;
  options.InitialDir = lzhDir.empty() ? programDir : lzhDir;
  if (!system.SaveFileDialog(options)) return false;
  const std::string archive = options.FileName;
  lzhDir = ExtractFileDir(archive);
  for (const std::string& path : paths) ArchiveWithLha(system, title, path, archive);
  if (!system.Files().FileExists(archive)) return false;
  system.RunProgram("explorer.exe /E,\"" + ExtractFileDir(archive) + "\"", 5);
  return true;
}

}  // namespace quillpad
