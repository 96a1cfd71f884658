// Keeping copies: the backup copy of a memo file beside it, and files put into an LZH archive
// by the archiver library.
#pragma once

#include <string>
#include <vector>

#include "platform/system.h"

namespace quillpad {

// "コピー～" + the memo file name, in the same folder.
std::string BackupPath(const std::string& workDir, const std::string& memoFileName);

// Copies the memo file to its backup copy, asking before an old copy is replaced; tells the
// user how it went. The copy is written beside the target and then replaces it, so a failed
// copy never leaves a half-written backup.
void CopyToBackup(platform::System& system, const std::string& title, const std::string& workDir,
                  const std::string& memoFileName);

// u "archive" "folder\" ["name"] -d1: the folder part always ends in a backslash; a source
// path ending in one has no name item.
std::string ArchiverCommandLine(const std::string& source, const std::string& archive);

// Adds one file or folder to the archive through the archiver library; a missing library is
// the one thing reported here.
void ArchiveWithLha(platform::System& system, const std::string& title, const std::string& source,
                    const std::string& archive);

// The whole drop on a memo in archive mode: the archive chosen in a save dialog (starting in
// lzhDir, else programDir; the chosen folder goes back into lzhDir), every path added, and the
// explorer started on the archive's folder when the archive exists afterwards (true then).
bool ArchiveDroppedFiles(platform::System& system, const std::string& title,
                         const std::vector<std::string>& paths, std::string& lzhDir,
                         const std::string& programDir);

}  // namespace quillpad
