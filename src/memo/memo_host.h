// What a desktop memo window asks of the window that owns the memo list and the editor. The
// memo code knows the main window only through this interface.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "memo/arrangement.h"
#include "memo/memo_record.h"
#include "platform/types.h"

namespace quillpad {

namespace platform {
struct FileDialogOptions;
}
class TMemoForm;

// The owner's settings a memo reads, as they stand when it asks.
struct MemoHostSettings {
  int iMemoDblClick = 0;
  int iDragDrop = 0;
  int iDefaultWidth = 100;
  int iDefaultHeight = 25;
  bool bShowMemoAsHint = true;
  bool bSkipCheckDelete = false;
  bool bSendURLonDblClk = true;
  bool bReadOnly = false;
  std::string asTextDir;
  std::string asLogFile = "Quillpad.log";
  std::string WorkDir;
  std::string ProgramDir;
  std::string asViewer;
  std::string asBitmapDir;  // where BMP saves and picture opens start
  std::string JpegDir;      // where JPEG saves start; remembered only while the program runs
  std::string TextFileName = "Memo.txt";  // the editor's current text file name
  int CurrentCategory = 0;
  std::string CategoryCaptions[kMemoCategoryCount];
  platform::Rect WorkArea;
  platform::Size FullScreen;
};

// A change made to a memo through the editor: each present part replaces the memo's own.
struct MemoEdit {
  std::optional<std::string> Text;
  std::optional<FontSpec> Font;
  std::optional<ColorValue> Color;
  bool DefaultStyle = false;  // take the stored default style first
  bool AutoSize = false;      // automatic size for this one store, whatever bDefaultSize says
};

class MemoHost {
 public:
  virtual ~MemoHost() = default;

  virtual MemoHostSettings MemoSettings() const = 0;
  virtual void SetTextDir(const std::string& folder) = 0;
  virtual void SetLogFile(const std::string& fileName) = 0;
  virtual void SetBitmapDir(const std::string& folder) = 0;
  virtual void SetJpegDir(const std::string& folder) = 0;
  // The picture save dialog, with the preview of the picture files the user selects in it.
  virtual bool PictureSaveDialog(platform::FileDialogOptions& options) = 0;
  // Shortcut texts by menu item name from the user's memo key list ("Ctrl+D"); items not named
  // there keep their default keys.
  virtual const std::map<std::string, std::string>& MemoKeyList() = 0;
  // The memos of the current category, in file order.
  virtual const std::vector<TMemoForm*>& Memos() const = 0;
  // "yyyy/mm/dd h:nn:ss" in the system's formats.
  virtual std::string NowText() = 0;

  // The font and colour dialogs of the main window, opened on this value; false on Cancel.
  virtual bool ChooseFont(FontSpec& font) = 0;
  virtual bool ChooseColor(ColorValue& color) = 0;

  // Loads the memo into the editor and shows the main window for editing.
  virtual void EditMemo(TMemoForm* memo) = 0;
  // Runs the memo through the editor with this change and stores it back; false when the user
  // cancelled at the unsaved-edit question.
  // `choose` (the command's dialog) runs once the memo is in the editor and may fill in the
  // change; false from it abandons the command.
  virtual bool ChangeMemo(TMemoForm* memo, const MemoEdit& edit,
                          const std::function<bool(MemoEdit&)>& choose = {}) = 0;
  // A copy of the memo placed right after it in the list; null when cancelled.
  virtual TMemoForm* DuplicateMemo(TMemoForm* memo) = 0;
  // A new memo right after it holding the clipboard text or picture; null when there was none.
  virtual TMemoForm* ClipNewHere(TMemoForm* memo) = 0;
  // The memo's border, kind, font and colour become the default style.
  virtual void SetDefaultStyleFrom(TMemoForm* memo) = 0;
  // The memo's style as a new style template.
  virtual void SaveStyleAsTemplate(TMemoForm* memo) = 0;
  // The template window; a template applied there becomes the editor's style.
  virtual void ChooseStyleTemplate() = 0;

  virtual void MarkDeleted(TMemoForm* memo) = 0;
  virtual void AppendMemoToCategory(TMemoForm* memo, int category) = 0;
  virtual void IdleSweep() = 0;

  // The memo moved back inside the work area.
  virtual void ClampMemo(TMemoForm* memo) = 0;
  // A dropped file as a new memo at the end of the list: text through the editor. False (after
  // telling the user) when it could not be read.
  virtual bool OpenFileAsMemo(const std::string& path) = 0;
  // A dropped BMP file as a new picture memo right after this memo (at the end of the list when
  // that memo is gone). False (after telling the user) when it is no picture this program reads.
  virtual bool OpenPictureAsMemo(TMemoForm* after, const std::string& path) = 0;
  // A dropped file of any other kind, the same way when a picture plug-in reads it; false,
  // with nothing said, when none does.
  virtual bool OpenPluginPictureAsMemo(TMemoForm* after, const std::string& path) = 0;
  virtual void NewMemo() = 0;
  // The main window's picture open command: a picture file as a new memo at the end.
  virtual void OpenPictureFile() = 0;
  // The main window's commands of the same names.
  virtual void OpenTextAsMemo() = 0;
  virtual void ClipNewMemoAtStart() = 0;
  virtual void ClipNewMemoAtEnd() = 0;
  virtual void ListAllMemos() = 0;  // and shows the main window
  virtual void ShowCalendar() = 0;
  virtual void ShowClipboardViewer() = 0;
  virtual void ShowCalculator() = 0;
  virtual void ShowAllMemos() = 0;
  virtual void HideAllMemos() = 0;
  // The main window's find (false) or replace (true) dialog over the memos of the category.
  virtual void ShowSearchDialog(bool replace) = 0;
  // Files dropped in archive mode into an archive the user chooses; true when the explorer
  // was started on the archive's folder.
  virtual bool ArchiveDropped(const std::vector<std::string>& paths) = 0;
  // Files dropped in tool mode: registered in the tool list, which is written at once.
  virtual void RegisterDroppedTools(const std::vector<std::string>& paths) = 0;
  // The main window's arrangement and bulk sizing of all memos: the four arrange
  // commands, the arrangement iAfterSizeChange names, SetDefaultSizeClick and SetAutoSizeClick.
  virtual void ArrangeMemos(ArrangeKind kind) = 0;
  virtual void ArrangeAfterChange() = 0;
  virtual void SetDefaultSizeAll() = 0;
  virtual void SetAutoSizeAll() = 0;
  // The clipboard and Ctrl+V into the window the user worked in before.
  virtual void SendTextToPreviousWindow(const std::string& text) = 0;
  // The batch login: every other window of ours hidden while this memo waits for the click, the
  // instructions as a memo at the front, and afterwards all shown again.
  virtual void HideForLogin(TMemoForm* memo) = 0;
  virtual void ShowLoginInstructions(const std::string& text) = 0;
  virtual void EndLogin(TMemoForm* memo) = 0;
  // The end of the program at the next idle pass.
  virtual void RequestExit() = 0;
};

}  // namespace quillpad
