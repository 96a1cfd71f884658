// TMemoForm: one desktop memo, a small borderless window showing its text or picture on a
// painted background. It keeps the memo's record; the memo files read and write that record.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "memo/memo_host.h"
#include "memo/memo_record.h"
#include "platform/file_system.h"
#include "platform/system.h"
#include "platform/window.h"
#include "ui/form.h"
#include "ui/menu_item.h"

namespace quillpad {

platform::FontSpec ToPlatformFont(const FontSpec& font);
FontSpec FromPlatformFont(const platform::FontSpec& font);

// The filter of the text file dialogs of the memo windows and the editor.
inline constexpr const char* kTextFileFilter = "ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|すべてのﾌｧｲﾙ(*.*)|*.*";
// Where the text file dialogs start: textDir when it exists, else "DesktopMemo" in the work
// folder, which is made when missing.
std::string TextFileFolder(platform::FileSystem& files, const std::string& workDir,
                           const std::string& textDir);

class TMemoForm : public ui::Form {
 public:
  // The host answers the memo's questions and runs its editing; null for memos that only hold
  // a record (style templates), whose commands then do nothing.
  explicit TMemoForm(ui::Component* owner, MemoHost* host = nullptr);

  // Takes every field of the record: place, client size, border, colours, font, kind, text.
  // Visibility is left to the caller.
  void SetRecord(const MemoRecord& record);
  // Before the window takes another memo's record: nothing of the memo it showed stays (its
  // scrolling text, deletion mark, tooltip).
  void PrepareForReuse();
  // Coming up, the memo takes what activating it sets (tooltip, cursor, menu states), though it
  // leaves the activation where it is.
  void SetVisible(bool visible) override;
  // The record as it stands now, with the window's present place and size.
  MemoRecord Record() const;

  MemoKind Kind() const { return memo_.Kind; }
  const std::string& MemoText() const { return memo_.Text; }
  const std::string& StampText() const { return memo_.StampText; }
  const FontSpec& MemoFont() const { return memo_.Font; }
  ColorValue MemoColor() const { return memo_.Color; }
  const std::string& Picture() const { return memo_.Picture; }  // a BMP file image, or empty
  class TMarquee* Marquee() const {
    return marquee_;
  }
  void SetStampText(const std::string& stamp) { memo_.StampText = stamp; }

  bool PositionFixed() const { return memo_.PositionFixed; }
  bool HandCursor() const { return memo_.HandCursor; }

  // Set when the memo is closed for good; the main window's idle sweep destroys it.
  bool DeletedFlag = false;
  // Armed for the batch login: the next mouse press types the ID and password.
  bool BatchLoginMode = false;

  // Built on first use (a right click, a key, a command): most memos never need theirs.
  ui::PopupMenu* pmMemo = nullptr;
  ui::MenuItem* Item(const char* name);
  bool MenuBuilt() const { return pmMemo != nullptr; }
  // The user's keys of KeyListOnMemo.ini onto the menu, when it exists.
  void ApplyKeyList();

  // Cursor, tooltip and menu states for the memo as it is now (UpdateLooks), and on activation
  // the acceptance of dropped files too.
  void UpdateActivation();
  void UpdateLooks();
  // The double-click action.
  void MemoDblClick();

  // --- Commands of the popup menu ------------------------------------------------------
  void SaveDeleteClick();
  void NoSaveDeleteClick();
  void MemoEditClick();
  void SetStyleDefaultClick();
  void MemoFontClick();
  void BackColorClick();
  void ShowBorderClick();
  void DefaultSizeClick();
  void AutoSizeClick();
  void BgNormalClick();
  void BgGradationClick();
  void BgEraseClick();
  void BgMarqueeClick();
  void MemoStayOnTopClick();
  void MemoPosFixClick();
  void MemoHideClick();
  void MemoSaveClick();
  void MemoCopyClick();
  void ClipNewHereClick();
  void ToMemoFile0Click();
  void DateTimeStartAddClick();
  void DateTimeEndAddClick();
  void ClipAddStartClick();
  void ClipAddEndClick();
  void SetDefaultStyleClick();
  void SetStyleFromTemplateClick();  // templates/template_commands.cpp
  void SaveAsTemplateClick();
  void NewMemoEditClick();
  void ShowAllMemoClick();
  void HideAllMemoClick();
  void SaveAllClick();
  void SaveAllDeleteClick();
  void NoSaveDeleteAllClick();
  void ExitClick();
  void OpenTextClick();
  void ClipNewStartClick();
  void ClipNewEndClick();
  void ListAllMemoClick();
  void ShowCalendarClick();
  void ShowClipboardViewer1Click();
  void ShowCalculatorDlgClick();
  void TextFindClick();
  void TextReplaceClick();
  void PrintMemoClick();
  // All memos (memo_arrange_commands.cpp): the main window's commands.
  void RightJustifyClick();
  void RightTileJustifyClick();
  void LeftJustifyClick();
  void LeftTileJustifyClick();
  void SetDefaultSizeAllClick();
  void SetAutoSizeAllClick();
  void SendMemoToActiveWindowClick();
  void SendMemoToClipboardClick();
  void SendMemoToApplicationClick();
  void SendMemoToPasswordClick();
  // Pictures (memo_picture_commands.cpp).
  void To256Click();
  void To16Click();
  void ToBlackWhiteClick();
  void To256GrayScaleClick();
  void SaveToJPEGClick();
  void OpenBitmapClick();

 protected:
  void DoPaint(platform::Canvas& canvas) override;
  void DoActivate(bool active) override;
  int DoHitTest(platform::Point screen) override;
  void DoNcLeftButtonUp() override;
  bool DoKeyDown(int key, unsigned shift) override;
  void DoContextMenu(platform::Point screen) override;
  void DoDblClick() override;
  void BoundsChanged(bool sized, bool moved) override;
  void DoDropFiles(const std::vector<std::string>& paths) override;
  void DoMouseDown(platform::MouseButton button, platform::Point p, unsigned shift) override;

 private:
  void ApplyBorder();
  void ApplyMarquee();
  void ApplyMenuMarks();  // the border and fixed-position marks, when the menu exists
  void UpdateMenuStates();  // enabled items, marks and category captions, when it exists
  void ClampToWorkArea();
  void BuildMenu();
  void SetKind(MemoKind kind);
  bool SaveAllText();
  // A converted picture with its tooltip; an empty one (a failed conversion) changes nothing.
  void SetPicture(std::string picture, const char* hint);
  void SavePictureAsBmp();
  // The picture save dialog, then the encoded picture written to the chosen file: its folder,
  // none when cancelled.
  std::optional<std::string> SavePictureAs(platform::FileDialogOptions& options,
                                           const std::function<std::string()>& encode);
  // The text save dialog, then the text written to the chosen file: its path, none when cancelled.
  std::optional<std::string> SaveTextAs(const char* title, const char* defaultExt,
                                        const std::function<std::string()>& text);
  // Files to open for a drop: folders walked to the bottom.
  static void CollectDropped(const std::string& path, std::vector<std::string>& found);
  ui::MenuItem* clickedItem_ = nullptr;  // the item whose command runs
  MemoHost* host_;
  MemoRecord memo_;
  class TMarquee* marquee_ = nullptr;  // only while the memo scrolls its text
  // The batch login's user ID and password: the first two lines of the last run.
  std::string loginId_;
  std::string loginPassword_;
};

}  // namespace quillpad
