#include "platform/file_system.h"

#include "base/text.h"
#include "platform/system.h"

namespace quillpad::platform {

FileSystem::Owned FileSystem::ReadOwned(const std::string& path, std::string& bytes) {
  bytes.clear();
  const auto held = held_.find(UpperCaseAscii(path));
  const bool sticky = held != held_.end() && held->second.Sticky;
  if (!sticky) {
    if (!FileExists(path)) {
      if (held != held_.end()) held_.erase(held);
      return Owned::Missing;
    }
    if (ReadFile(path, bytes)) {
      if (held != held_.end()) held_.erase(held);
      return Owned::Whole;
    }
    bytes.clear();
  }
  if (held == held_.end()) {
    HoldAs(path, false);
    return Owned::Unreadable;
  }
  if (FileExists(held->second.Sibling) && !ReadFile(held->second.Sibling, bytes)) bytes.clear();
  return Owned::Held;
}

void FileSystem::Hold(const std::string& path) { HoldAs(path, true); }

void FileSystem::HoldAs(const std::string& path, bool sticky) {
  HeldFile& file = held_[UpperCaseAscii(path)];
  file.Sticky = file.Sticky || sticky;
  if (!file.Sibling.empty()) return;
  // Never a name that holds something already: an earlier run's sibling keeps its memos.
  const std::string base = path + ".new";
  file.Sibling = base;
  for (int n = 1; FileExists(file.Sibling); ++n) file.Sibling = base + std::to_string(n);
}

std::string FileSystem::WriteTarget(const std::string& path) const {
  const auto held = held_.find(UpperCaseAscii(path));
  return held == held_.end() ? path : held->second.Sibling;
}

std::string HeldFileMessage(FileSystem& files, const std::string& path, const std::string& what) {
  return path + what + "このファイルには書き込まず、変更は" + files.WriteTarget(path) + "に保存します。";
}

bool ReadOwnedFile(System& system, const std::string& path, std::string& bytes) {
  switch (system.Files().ReadOwned(path, bytes)) {
    case FileSystem::Owned::Unreadable:
      system.ShowError(HeldFileMessage(system.Files(), path, "を開くことに失敗しました。"));
      return false;
    case FileSystem::Owned::Missing:
      return false;
    default:
      return !bytes.empty();
  }
}

bool KeepDamagedCopy(FileSystem& files, const std::string& path, const std::string& bytes) {
  const std::string base = path + ".damaged";
  std::string copy = base;
  std::string existing;
  for (int n = 1; files.FileExists(copy); ++n) {
    if (files.ReadFile(copy, existing) && existing == bytes) return true;
    copy = base + IntToStr(n);
  }
  if (files.CopyFile(path, copy, true) && files.ReadFile(copy, existing) && existing == bytes)
    return true;
  files.DeleteFile(copy);
  return false;
}

bool ReadOwnedTextFile(System& system, const std::string& path, std::string& bytes,
                       const std::function<bool(const std::string&)>& sound) {
  FileSystem& files = system.Files();
  const FileSystem::Owned read = files.ReadOwned(path, bytes);
  if (read == FileSystem::Owned::Unreadable) {
    system.ShowError(HeldFileMessage(files, path, "を開くことに失敗しました。"));
  } else if (read == FileSystem::Owned::Whole && !sound(bytes) &&
             !KeepDamagedCopy(files, path, bytes)) {
    files.Hold(path);
    system.ShowError(HeldFileMessage(files, path, "は壊れていて、控えを作れませんでした。"));
  }
  return !bytes.empty();
}

}  // namespace quillpad::platform
