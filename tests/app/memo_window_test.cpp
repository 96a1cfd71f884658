#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_form_fixture.h"
#include "base/bmp_image.h"
#include "memo/marquee_control.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"
#include "ui/short_cut.h"

namespace quillpad {
namespace {

using platform::MouseButton;
using testing::MainFormTest;

class MemoWindowTest : public MainFormTest {
 protected:
  std::string ReadFile(const std::string& name) {
    return testing::ReadHostFile(ProgramFolder() / name);
  }
  // Opens the memo's popup menu and picks a caption path ("" closes it); the menu as shown.
  const platform::sim::PopupRecord& RightClick(TMemoForm& memo, const std::string& choice) {
    desk.ExpectPopupChoice(choice);
    Sim(memo).UserContextMenu({memo.Left() + 10, memo.Top() + 10});
    return desk.Popups().back();
  }
  static const platform::MenuItemSpec& Find(const std::vector<platform::MenuItemSpec>& items,
                                            const std::string& caption) {
    for (const platform::MenuItemSpec& item : items) {
      if (item.Caption == caption) return item;
    }
    throw std::runtime_error("no menu item");
  }
  static constexpr const char* kNow = "2026/12/07 9:05:03";
};

// Only what can show is drawn: a long line is cut at as many characters as the window has
// pixels across, and lines below the window are left out.
TEST_F(MemoWindowTest, PaintDrawsOnlyWhatCanShow) {
  std::string kanji;
  for (int i = 0; i < 200; ++i) kanji += "メ";
  WriteMemoData("MemoData.dat",
                {Memo(std::string(500, 'a') + "\r\n" + kanji + "\r\nc\r\nd\r\ne", 100, 50)});
  TMainForm& f = Start();
  std::vector<std::string> texts;
  for (const std::string& op : Sim(*f.MemoList[0]).Paint()) {
    if (op.rfind("TextOut 4,", 0) == 0) texts.push_back(op.substr(op.find(' ', op.find('$')) + 1));
  }
  const int width = f.MemoList[0]->ClientSize().Width - 4;
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], std::string(static_cast<std::size_t>(width), 'a'));
  EXPECT_EQ(texts[1], kanji.substr(0, 2 * static_cast<std::size_t>(width)));
  EXPECT_EQ(texts[2], "c");
}

TEST_F(MemoWindowTest, PopupMenuHasEveryCommandWithItsCaptionShortcutAndName) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  const platform::sim::PopupRecord& shown = RightClick(memo, "");
  std::vector<std::string> top;
  for (const platform::MenuItemSpec& item : shown.Items) top.push_back(item.Caption);
  const std::vector<std::string> expected{"メモの削除(&D)",
                                          "メモの編集(&E)",
                                          "メモのスタイル変更(&S)...",
                                          "メモの内容保存、複製(&W)...",
                                          "メモを別ファイルへ移動(&M)...",
                                          "メモに挿入(&I)...",
                                          "画像メモの減色とJPEG保存(&R)",
                                          "メモの印刷(&P)",
                                          "-",
                                          "このメモのスタイルを(&T)...",
                                          "-",
                                          "メモの内容をエディタにCtrl+&V",
                                          "メモ内容をクリップボードへ(&C)",
                                          "メモを関連アプリに送る(&B)",
                                          "メモを送ってIDとパスワード入力(&Q)",
                                          "-",
                                          "新規メモの作成(&N)",
                                          "データを使って新規メモ作成(&D)...",
                                          "-",
                                          "全メモの操作(&A)...",
                                          "-",
                                          "クリップボードビューアの表示(&H)",
                                          "カレンダーの表示(&K)",
                                          "電卓計算(&J)",
                                          "-",
                                          "Quillpadの終了(&X)"};
  EXPECT_EQ(top, expected);
  const auto& style = Find(shown.Items, "メモのスタイル変更(&S)...").Children;
  ASSERT_EQ(style.size(), 13u);
  EXPECT_EQ(style[4].Caption, "境界線を表示");
  EXPECT_EQ(style[4].ShortCutText, "Ctrl+K");
  EXPECT_TRUE(style[6].RadioItem);
  EXPECT_EQ(style[8].Caption, "透明（壁紙）");
  const auto& reduce = Find(shown.Items, "画像メモの減色とJPEG保存(&R)").Children;
  ASSERT_EQ(reduce.size(), 7u);
  EXPECT_EQ(reduce[3].Caption, "-");
  EXPECT_EQ(reduce[6].Caption, "&JPEG保存");

  const std::pair<const char*, const char*> keys[] = {{"MemoEdit", "Ctrl+E"},
                                                      {"MemoFont", "Ctrl+F"},
                                                      {"BackColor", "Ctrl+G"},
                                                      {"ShowBorder", "Ctrl+K"},
                                                      {"MemoSave", "Ctrl+S"},
                                                      {"MemoCopy", "Ctrl+W"},
                                                      {"ToMemoFile0", "Ctrl+1"},
                                                      {"ToMemoFile2", "Ctrl+3"},
                                                      {"ClipAddStart", "Ctrl+I"},
                                                      {"ClipAddEnd", "Ctrl+J"},
                                                      {"SendMemoToClipboard", "Ctrl+C"},
                                                      {"SendMemoToApplication", "Ctrl+B"}};
  for (const auto& [name, key] : keys) {
    ASSERT_NE(memo.Item(name), nullptr) << name;
    EXPECT_EQ(memo.Item(name)->GetShortCut(), ui::TextToShortCut(key)) << name;
  }
  EXPECT_EQ(memo.Item("SaveDelete")->GetShortCut(),
            ui::MakeShortCut(ui::VkDelete, platform::SsCtrl));
  EXPECT_EQ(memo.Item("NoSaveDelete")->GetShortCut(), ui::MakeShortCut(ui::VkDelete, 0));
  EXPECT_EQ(memo.Item("ToMemoFile2")->Tag, 2);
  EXPECT_EQ(memo.Item("NoSaveDeleteAll")->Caption(), "保存なし(&D)");
  EXPECT_EQ(memo.Item("BgMarquee")->Caption(), "Marquee 表示");
}

// A memo's menu costs nothing until it is used: a right click or one of its keys builds it.
TEST_F(MemoWindowTest, TheMenuIsBuiltOnFirstUse) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 150)});
  TMainForm& f = Start();
  Sim(*f.MemoList[0]).UserActivate();
  for (TMemoForm* memo : f.MemoList) EXPECT_FALSE(memo->MenuBuilt());
  EXPECT_TRUE(Sim(*f.MemoList[1]).UserKey('W', platform::SsCtrl));  // duplicate
  EXPECT_EQ(f.MemoCount(), 3);
  EXPECT_TRUE(f.MemoList[1]->MenuBuilt());
  const platform::sim::PopupRecord& shown = RightClick(*f.MemoList[0], "");
  EXPECT_FALSE(shown.Items.empty());
  EXPECT_TRUE(f.MemoList[0]->MenuBuilt());
}

TEST_F(MemoWindowTest, ActivationSetsCursorTooltipAndMenuStates) {
  MemoRecord image = Memo("", 100, 50);
  image.Kind = MemoKind::mkImage;
  MemoRecord gradient = Memo("mail a@b.jp", 100, 150);
  gradient.Kind = MemoKind::mkGradation;
  gradient.PositionFixed = true;
  // A full-width blank ends in the byte of an at sign: no address.
  MemoRecord wide = Memo("メモ　です.", 100, 250);
  wide.StampText = "MemoForm";
  WriteMemoData("MemoData.dat", {image, gradient, wide});
  WriteIni("[FORM]\r\nbShowMemoAsHint=0\r\nasMemoFile1=仕事\r\n");
  TMainForm& f = Start();
  TMemoForm& pic = *f.MemoList[0];
  Sim(pic).UserActivate();
  for (const char* name : {"MemoEdit", "MemoFont", "BackColor", "InsertDateTime1", "InsertClip1",
                           "ClipAddStart", "ClipAddEnd"}) {
    EXPECT_FALSE(pic.Item(name)->Enabled()) << name;
  }
  EXPECT_TRUE(pic.Item("SaveDelete")->Enabled());
  EXPECT_FALSE(pic.Item("ToMemoFile0")->Enabled());
  EXPECT_TRUE(pic.Item("ToMemoFile1")->Enabled());
  EXPECT_EQ(pic.Item("ToMemoFile1")->Caption(), "仕事");
  EXPECT_EQ(pic.Hint(), "メモ #1/3 in カテゴリ０： Last Modified at 2026/12/01 8:00:00");

  TMemoForm& text = *f.MemoList[1];
  Sim(text).UserActivate();
  EXPECT_TRUE(text.Item("MemoEdit")->Enabled());
  EXPECT_TRUE(text.Item("BgGradation")->Checked());
  EXPECT_FALSE(text.Item("BgNormal")->Checked());
  EXPECT_TRUE(text.Item("MemoPosFix")->Checked());
  EXPECT_EQ(text.Cursor(), platform::CursorKind::Hand);

  TMemoForm& plain = *f.MemoList[2];
  Sim(plain).UserActivate();
  EXPECT_EQ(plain.Cursor(), platform::CursorKind::Arrow);
  EXPECT_EQ(plain.Hint(), "メモ #3/3 in カテゴリ０");

  // Read-only mode: no memo moves anywhere.
  f.bReadOnly = true;
  Sim(text).UserActivate();
  EXPECT_FALSE(text.Item("ToMemoFile1")->Enabled());
  EXPECT_FALSE(text.Item("ToMemoFile2")->Enabled());
}

// Memos come up without the activation, yet with the tooltip and cursor they would get from it.
TEST_F(MemoWindowTest, MemosShownWithoutTheActivationHaveTheirTooltipAndCursor) {
  MemoRecord first = Memo("first", 100, 100);
  first.StampText = "MemoForm";
  WriteMemoData("MemoData.dat", {first, Memo("last", 100, 300)});
  WriteIni("[FORM]\r\nbShowMemoAsHint=0\r\n");
  TMainForm& f = Start();
  EXPECT_EQ(f.MemoList[0]->Hint(), "メモ #1/2 in カテゴリ０");
  EXPECT_EQ(f.MemoList[1]->Hint(), "メモ #2/2 in カテゴリ０： Last Modified at 2026/12/01 8:00:00");
  TMemoForm& made0 = *f.MemoList[0];
  f.SetForeground();
  desk.SetText("http://example.jp/");
  f.ClipNewMemoAtEndClick(nullptr);
  TMemoForm& made = *f.MemoList[2];
  EXPECT_FALSE(made.Active());
  EXPECT_EQ(made.Cursor(), platform::CursorKind::Hand);
  EXPECT_TRUE(made.Hint().starts_with("メモ #3/3 in カテゴリ０"));

  // The next file's memo in a window kept over the switch.
  WriteMemoData("MemoData1.dat", {Memo("mail@example.jp", 100, 100)});
  f.ChangeMemoFileClick(nullptr);
  ASSERT_EQ(f.MemoList.size(), 1u);
  EXPECT_EQ(f.MemoList[0], &made0);
  EXPECT_EQ(made0.Cursor(), platform::CursorKind::Hand);
  EXPECT_TRUE(made0.Hint().starts_with("メモ #1/1 in カテゴリ１"));
}

TEST_F(MemoWindowTest, HitTestBandCornersDraggingAndClamping) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  ASSERT_EQ(memo.BoundsRect(), (platform::Rect{100, 50, 215, 80}));
  auto& w = Sim(memo);
  EXPECT_EQ(w.UserHitTest({105, 55}), platform::HtTopLeft);
  EXPECT_EQ(w.UserHitTest({105, 75}), platform::HtBottomLeft);
  EXPECT_EQ(w.UserHitTest({210, 55}), platform::HtTopRight);
  EXPECT_EQ(w.UserHitTest({210, 75}), platform::HtBottomRight);
  EXPECT_EQ(w.UserHitTest({105, 60}), platform::HtLeft);
  EXPECT_EQ(w.UserHitTest({150, 55}), platform::HtTop);
  EXPECT_EQ(w.UserHitTest({210, 60}), platform::HtRight);
  EXPECT_EQ(w.UserHitTest({150, 75}), platform::HtBottom);
  // Just inside the band on every side.
  EXPECT_EQ(w.UserHitTest({106, 56}), platform::HtClient);
  EXPECT_EQ(w.UserHitTest({209, 74}), platform::HtClient);
  desk.SetMouseButtonDown(MouseButton::Left, true);
  EXPECT_EQ(w.UserHitTest({150, 60}), platform::HtCaption);
  EXPECT_EQ(w.UserHitTest({105, 55}), platform::HtTopLeft);
  desk.SetMouseButtonDown(MouseButton::Left, false);
  desk.SetMouseButtonDown(MouseButton::Right, true);
  EXPECT_EQ(w.UserHitTest({105, 55}), platform::HtClient);
  desk.SetMouseButtonDown(MouseButton::Right, false);

  // Dragged off the screen, the memo comes back into the work area.
  memo.SetBounds(-40, 730, memo.Width(), memo.Height());
  w.UserHitTest({0, 735});
  EXPECT_EQ(memo.Left(), 0);
  EXPECT_EQ(memo.BoundsRect().Bottom, 738);
  // A memo wider than the screen stays where it is.
  memo.SetClientSize(1100, 30);
  memo.SetBounds(-40, 100, memo.Width(), memo.Height());
  w.UserHitTest({0, 110});
  EXPECT_EQ(memo.Left(), -40);
}

TEST_F(MemoWindowTest, DoubleClickTogglesBetweenDefaultAndAutomaticSize) {
  MemoRecord address = Memo("http://example.jp", 100, 150);
  WriteMemoData("MemoData.dat", {Memo("abc", 100, 50), address});
  WriteIni("[FORM]\r\niMemoDblClick=6\r\niDefaultWidth=100\r\niDefaultHeight=25\r\n");
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  ASSERT_EQ(memo.ClientWidth(), 115);
  Sim(memo).UserDblClick();
  EXPECT_EQ(memo.ClientSize(), (platform::Size{100, 25}));
  Sim(memo).UserDblClick();
  const platform::Size text =
      desk.SimWindows().TextExtent("abc", ToPlatformFont(DefaultMemoFont()));
  EXPECT_EQ(memo.ClientSize(), (platform::Size{text.Width + 8, text.Height + 8}));
  EXPECT_EQ(memo.MemoText(), "abc");
  EXPECT_FALSE(f.Visible());
  Sim(memo).UserDblClick();
  EXPECT_EQ(memo.ClientSize(), (platform::Size{100, 25}));

  // An address with sending on double click: the size is left alone.
  TMemoForm& link = *f.MemoList[1];
  Sim(link).UserActivate();
  Sim(link).UserDblClick();
  EXPECT_EQ(link.ClientWidth(), 115);
}

TEST_F(MemoWindowTest, DeleteWithLogAppendsTheEntryThenAsks) {
  std::filesystem::create_directories(ProgramFolder() / "DesktopMemo");
  testing::WriteHostFile(ProgramFolder() / "DesktopMemo" / "old.log", "earlier\r\n");
  WriteMemoData("MemoData.dat", {Memo("買い物\r\n牛乳", 100, 50), Memo("b", 100, 150)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  const MemoRecord record = memo.Record();
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\old.log"}});
  desk.ExpectMessageBox(platform::IdYes, "選択したメモを削除しますか？");
  RightClick(memo, "メモの削除 > ログへ保存後");
  const platform::sim::FileDialogRecord& dialog = desk.FileDialogs().back();
  EXPECT_EQ(dialog.Options.Title, "メモのログへの保存");
  EXPECT_EQ(dialog.Options.DefaultExt, "log");
  EXPECT_EQ(dialog.Options.Filter, "ﾛｸﾞﾌｧｲﾙ(*.log)|*.log|すべてのﾌｧｲﾙ(*.*)|*.*");
  EXPECT_EQ(dialog.Options.FileName, "Quillpad.log");
  EXPECT_EQ(dialog.Options.InitialDir, "C:\\Quillpad\\DesktopMemo");
  const std::string log = testing::ReadHostFile(ProgramFolder() / "DesktopMemo" / "old.log");
  EXPECT_EQ(log, AppendLogEntry(std::string("earlier\r\n"), record, kNow));
  EXPECT_EQ(log.rfind("earlier\r\n", 0), 0u);
  EXPECT_NE(log.find("買い物\r\n牛乳"), std::string::npos);
  EXPECT_NE(log.find(DeleteLine(kNow)), std::string::npos);
  EXPECT_EQ(f.asLogFile, "old.log");
  EXPECT_EQ(f.asTextDir, "C:\\Quillpad\\DesktopMemo");
  const platform::sim::MessageBoxRecord& box = desk.MessageBoxes().back();
  EXPECT_EQ(box.Flags, platform::MbYesNoCancel | platform::MbIconWarning);
  EXPECT_EQ(box.Caption, "Quillpad");
  EXPECT_TRUE(memo.DeletedFlag);
  desk.RunIdle();
  EXPECT_EQ(f.MemoCount(), 1);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoWindowTest, CancelledLogDialogStillAsksAndNoKeepsTheMemo) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  desk.ExpectSaveFile({false, {}});
  desk.ExpectMessageBox(platform::IdNo, "選択したメモを削除しますか？");
  Sim(memo).UserKey(ui::VkDelete, platform::SsCtrl);
  EXPECT_FALSE(memo.DeletedFlag);
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "DesktopMemo" / "Quillpad.log"));
  EXPECT_EQ(f.asLogFile, "Quillpad.log");
  // Without the question the plain delete goes straight through.
  f.bSkipCheckDelete = true;
  RightClick(memo, "メモの削除 > 保存なし");
  EXPECT_TRUE(memo.DeletedFlag);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoWindowTest, FailedLogWriteKeepsTheMemo) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  // No such folder: the log cannot be written.
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\Missing\\x.log"}});
  desk.ExpectErrorBox();
  RightClick(memo, "メモの削除 > ログへ保存後");
  EXPECT_FALSE(memo.DeletedFlag);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoWindowTest, DeleteAllNeedsTwoYes) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 150)});
  TMainForm& f = Start();
  desk.ExpectMessageBox(platform::IdYes, "全てのメモを削除しますか？");
  desk.ExpectMessageBox(platform::IdNo, "本当に全てのメモを削除しますか？");
  RightClick(*f.MemoList[1], "全メモの操作... > すべて削除 > 保存なし");
  EXPECT_EQ(f.MemoCount(), 2);
  EXPECT_FALSE(f.MemoList[0]->DeletedFlag);
  EXPECT_FALSE(f.MemoList[1]->DeletedFlag);
  EXPECT_EQ(desk.MessageBoxes().back().Flags, platform::MbYesNoCancel | platform::MbIconError);
  desk.ExpectMessageBox(platform::IdYes, "全てのメモを削除しますか？");
  desk.ExpectMessageBox(platform::IdYes, "本当に全てのメモを削除しますか？");
  RightClick(*f.MemoList[1], "全メモの操作... > すべて削除 > 保存なし");
  EXPECT_TRUE(f.MemoList[0]->DeletedFlag && f.MemoList[1]->DeletedFlag);
  EXPECT_FALSE(f.MemoList[1]->Visible());
  desk.RunIdle();  // the windows go after the command has returned
  EXPECT_EQ(f.MemoCount(), 0);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoWindowTest, SaveAllThenDeleteWritesTextFirstAndCancelDeletesNothing) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 150)});
  TMainForm& f = Start();
  std::vector<MemoRecord> records{f.MemoList[0]->Record(), f.MemoList[1]->Record()};
  desk.ExpectSaveFile({false, {}});
  RightClick(*f.MemoList[0], "全メモの操作... > すべて削除 > 保存後");
  EXPECT_EQ(f.MemoCount(), 2);
  EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder() / "DesktopMemo"));
  EXPECT_EQ(desk.FileDialogs().back().Options.Title, "全メモの保存");
  EXPECT_EQ(desk.FileDialogs().back().Options.InitialDir, "C:\\Quillpad\\DesktopMemo");
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\all.txt"}});
  desk.ExpectMessageBox(platform::IdYes);
  desk.ExpectMessageBox(platform::IdYes);
  RightClick(*f.MemoList[0], "全メモの操作... > すべて削除 > 保存後");
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "DesktopMemo" / "all.txt"),
            AllMemosTextExport(records, kNow));
  desk.RunIdle();
  EXPECT_EQ(f.MemoCount(), 0);
}

TEST_F(MemoWindowTest, MovingToAnotherCategoryAppendsTheRecordByteForByte) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 150)});
  WriteMemoData("MemoData2.dat", {Memo("x", 10, 10)});
  const std::string other = ReadFile("MemoData2.dat");
  TMainForm& f = Start();
  TMemoForm& b = *f.MemoList[1];
  const MemoRecord moved = b.Record();
  RightClick(b, "メモを別ファイルへ移動... > カテゴリ２");
  EXPECT_EQ(ReadFile("MemoData2.dat"), other + WriteMemoRecord(moved));
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData1.dat"));
  desk.RunIdle();
  ASSERT_EQ(f.MemoCount(), 1);
  // The other one by its key into the second category, whose file is new.
  TMemoForm& a = *f.MemoList[0];
  const MemoRecord first = a.Record();
  Sim(a).UserKey('2', platform::SsCtrl);
  EXPECT_EQ(ReadFile("MemoData1.dat"), WriteMemoRecord(first));
  desk.RunIdle();
  EXPECT_EQ(f.MemoCount(), 0);
  f.Close();
  form.reset();
  EXPECT_EQ(ReadMemoFile(ReadFile("MemoData.dat")).Records.size(), 0u);
}

TEST_F(MemoWindowTest, EditingLoadsTheMemoIntoTheEditorAndStoresItBack) {
  MemoRecord second = Memo("会議", 300, 200);
  second.Color = 0x00FF00;
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), second});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[1];
  RightClick(memo, "メモの編集");
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.Caption(), "Quillpad - カテゴリ０ ： メモ #2/2 編集中...");
  EXPECT_EQ(f.RichEdit1->Text(), "会議");
  EXPECT_EQ(f.Left(), 300);
  EXPECT_EQ(f.CurrentMemo, &memo);
  EXPECT_EQ(f.ColorDialog1Color, 0x00FF00u);
  Editor().UserSelect(static_cast<int>(f.RichEdit1->Text().size()), 0);
  Editor().UserType("\n10:00");
  f.ShowMemoClick(nullptr);
  EXPECT_EQ(memo.MemoText(), "会議\r\n10:00");
  EXPECT_EQ(memo.StampText(), kNow);
  EXPECT_EQ(f.MemoCount(), 2);
}

TEST_F(MemoWindowTest, InsertingDateTimeAndClipboardText) {
  WriteMemoData("MemoData.dat", {Memo("本文", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  RightClick(memo, "メモに挿入... > 現在の日時... > 最後");
  EXPECT_EQ(memo.MemoText(), std::string("本文\r\n\r\n") + kNow);
  RightClick(memo, "メモに挿入... > 現在の日時... > 先頭");
  EXPECT_EQ(memo.MemoText(), std::string(kNow) + "\r\n本文\r\n\r\n" + kNow);
  desk.SetText("貼");
  Sim(memo).UserKey('I', platform::SsCtrl);
  EXPECT_EQ(memo.MemoText().substr(0, 4), "貼\r\n");
  EXPECT_FALSE(f.Visible());
  EXPECT_EQ(f.CurrentMemo, nullptr);
  // An unsaved editor text with Cancel leaves the memo alone.
  f.NewMemoClick(nullptr);
  Editor().UserType("draft");
  desk.ExpectMessageBox(platform::IdCancel);
  const std::string before = memo.MemoText();
  RightClick(memo, "メモに挿入... > クリップボードの内容... > 最後");
  EXPECT_EQ(memo.MemoText(), before);
  EXPECT_EQ(f.RichEdit1->Text(), "draft");
}

TEST_F(MemoWindowTest, StyleCommandsOfOneMemo) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 150)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  const platform::Size client = memo.ClientSize();
  RightClick(memo, "メモのスタイル変更... > 境界線を表示");
  EXPECT_EQ(memo.Record().BorderStyle, MemoBorder::SizeToolWin);
  EXPECT_TRUE(memo.Item("ShowBorder")->Checked());
  EXPECT_EQ(memo.ClientSize(), client);
  EXPECT_GT(memo.Width(), client.Width);
  RightClick(memo, "メモのスタイル変更... > 境界線を表示");
  EXPECT_EQ(memo.Record().BorderStyle, MemoBorder::None);
  EXPECT_EQ(memo.ClientSize(), client);

  RightClick(memo, "メモのスタイル変更... > Marquee 表示");
  ASSERT_NE(memo.Marquee(), nullptr);
  EXPECT_EQ(memo.Kind(), MemoKind::mkMarquee);
  RightClick(memo, "メモのスタイル変更... > グラデーション");
  EXPECT_EQ(memo.Marquee(), nullptr);
  EXPECT_EQ(memo.Kind(), MemoKind::mkGradation);

  desk.ExpectColorDialog(std::nullopt);
  RightClick(memo, "メモのスタイル変更... > 背景色");
  EXPECT_EQ(memo.Record().Color, kClWhite);
  desk.ExpectColorDialog(0x0000FF);
  RightClick(memo, "メモのスタイル変更... > 背景色");
  EXPECT_EQ(memo.Record().Color, 0x0000FFu);
  EXPECT_EQ(ReadMemoColorFile(ReadFile("MemoColor.dat")), std::optional<ColorValue>(0x0000FF));
  EXPECT_EQ(memo.Kind(), MemoKind::mkGradation);

  RightClick(memo, "メモのスタイル変更... > 位置とサイズを固定");
  EXPECT_TRUE(memo.Record().PositionFixed);
  RightClick(memo, "メモのスタイル変更... > 最前面表示");
  EXPECT_TRUE(memo.StayOnTop());
  RightClick(memo, "メモのスタイル変更... > 一時隠す");
  EXPECT_FALSE(memo.Visible());
  EXPECT_EQ(f.MemoCount(), 2);

  TMemoForm& b = *f.MemoList[1];
  RightClick(b, "メモの内容保存、複製... > 複製");
  ASSERT_EQ(f.MemoCount(), 3);
  TMemoForm& copy = *f.MemoList[2];
  EXPECT_EQ(copy.MemoText(), "b");
  EXPECT_EQ(copy.Left(), b.Left() - 20);
  EXPECT_EQ(copy.Top(), b.Top() + 20);
  EXPECT_EQ(copy.BoundsRect().Width(), b.Width());
  EXPECT_EQ(b.MemoText(), "b");

  desk.ExpectSaveFile({true, {"C:\\Quillpad\\DesktopMemo\\b.txt"}});
  const MemoRecord record = b.Record();
  RightClick(b, "メモの内容保存、複製... > 保存");
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "DesktopMemo" / "b.txt"),
            MemoTextExport(record, kNow));
  EXPECT_EQ(desk.FileDialogs().back().Options.FileName, "Memo.txt");
  EXPECT_TRUE(desk.FileDialogs().back().Options.OverwritePrompt);
}

TEST_F(MemoWindowTest, ExitEndsTheProgramAtTheNextIdlePass) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  RightClick(*f.MemoList[0], "Quillpadの終了");
  EXPECT_TRUE(f.ExitRequested);
  desk.RunIdle();
  EXPECT_EQ(ReadMemoFile(ReadFile("MemoData.dat")).Records.size(), 1u);
}

TEST_F(MemoWindowTest, DoubleClickEditsOrDeletesByTheSetting) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50), Memo("b", 100, 150)});
  WriteIni("[FORM]\r\niMemoDblClick=5\r\n");
  TMainForm& f = Start();
  desk.ExpectMessageBox(platform::IdYes, "選択したメモを削除しますか？");
  Sim(*f.MemoList[0]).UserDblClick();
  EXPECT_TRUE(f.MemoList[0]->DeletedFlag);
  desk.RunIdle();
  ASSERT_EQ(f.MemoCount(), 1);
  f.iMemoDblClick = 0;
  Sim(*f.MemoList[0]).UserDblClick();
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.CurrentMemo, f.MemoList[0]);
  EXPECT_EQ(f.RichEdit1->Text(), "b");
  f.ShowMemoClick(nullptr);
  // Unknown actions and the ones of later pieces leave the memo alone.
  f.iMemoDblClick = 9;
  Sim(*f.MemoList[0]).UserDblClick();
  EXPECT_FALSE(f.Visible());
  EXPECT_FALSE(f.MemoList[0]->DeletedFlag);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoWindowTest, FontAndDefaultStyle) {
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  desk.ExpectFontDialog(std::nullopt);
  Sim(memo).UserKey('F', platform::SsCtrl);
  EXPECT_EQ(memo.Record().Font, DefaultMemoFont());
  EXPECT_EQ(f.CurrentMemo, nullptr);
  platform::FontSpec big = ToPlatformFont(DefaultMemoFont());
  big.Height = -24;
  big.Style = 1;
  desk.ExpectFontDialog(big);
  Sim(memo).UserKey('F', platform::SsCtrl);
  EXPECT_EQ(memo.Record().Font.Height, -24);
  EXPECT_EQ(memo.Record().Font.Style, 1u);
  EXPECT_EQ(memo.MemoText(), "a");
  // This memo's style becomes the default one and a memo reset to the default takes it back.
  RightClick(memo, "このメモのスタイルを... > デフォルトに設定");
  FontSpec stored = DefaultMemoFont();
  ASSERT_TRUE(ReadMemoFontFile(ReadFile("MemoFont.dat"), stored));
  EXPECT_EQ(stored.Height, -24);
  desk.ExpectFontDialog(ToPlatformFont(DefaultMemoFont()));
  Sim(memo).UserKey('F', platform::SsCtrl);
  EXPECT_EQ(memo.Record().Font.Height, -12);
  RightClick(memo, "メモのスタイル変更... > デフォルトスタイルへ");
  EXPECT_EQ(memo.Record().Font.Height, -24);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(MemoWindowTest, MemoKeyListReassignsShortcutsByItemName) {
  testing::WriteHostFile(ProgramFolder() / "KeyListOnMemo.ini",
                         "[Key]\r\nMemoEdit=Ctrl+D\r\nNoSaveDelete=\r\nNoSuchItem=Ctrl+Q\r\n");
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  EXPECT_EQ(memo.Item("MemoEdit")->GetShortCut(), ui::TextToShortCut("Ctrl+D"));
  EXPECT_EQ(memo.Item("NoSaveDelete")->GetShortCut(), 0);
  EXPECT_EQ(memo.Item("MemoSave")->GetShortCut(), ui::TextToShortCut("Ctrl+S"));
  Sim(memo).UserKey('D', platform::SsCtrl);
  EXPECT_EQ(f.CurrentMemo, &memo);
  EXPECT_TRUE(f.Visible());
}

TEST_F(MemoWindowTest, ClipboardTextBecomesTheNextMemo) {
  MemoRecord first = Memo("a", 300, 50);
  first.Color = 0x00FF00;
  WriteMemoData("MemoData.dat", {first, Memo("z", 100, 400)});
  TMainForm& f = Start();
  // Nothing on the clipboard: no memo, and no empty window left in the list.
  RightClick(*f.MemoList[0],
             "データを使って新規メモ作成... > クリップボードから... > このメモの次");
  EXPECT_EQ(f.MemoCount(), 2);
  desk.SetText("貼り付け");
  RightClick(*f.MemoList[0],
             "データを使って新規メモ作成... > クリップボードから... > このメモの次");
  ASSERT_EQ(f.MemoCount(), 3);
  TMemoForm& added = *f.MemoList[1];
  EXPECT_EQ(added.MemoText(), "貼り付け");
  EXPECT_EQ(added.Record().Color, 0x00FF00u);
  EXPECT_EQ(added.Left(), 280);
  EXPECT_EQ(added.Top(), 70);
  EXPECT_TRUE(added.Visible());
  EXPECT_EQ(f.MemoList[2]->MemoText(), "z");
  EXPECT_EQ(f.MemoList[0]->MemoText(), "a");
}

// Copies are new memos styled through the editor; pictures have no font of their own; the
// class-default colour is not written; blank text makes no memo; a drag ends inside the work area.
TEST_F(MemoWindowTest, CopiesPicturesAndDragsKeepTheWriterRules) {
  MemoRecord pinned = Memo("pinned", 300, 50);
  pinned.Color = 0x00FF00;
  pinned.StayOnTop = true;
  pinned.PositionFixed = true;
  MemoRecord grey = Memo("grey", 300, 300);
  grey.Color = kClBtnFace;
  WriteMemoData("MemoData.dat", {pinned, grey});
  TMainForm& f = Start();
  RightClick(*f.MemoList[0], "メモの内容保存、複製... > 複製");
  ASSERT_EQ(f.MemoCount(), 3);
  const MemoRecord copy = f.MemoList[1]->Record();
  EXPECT_EQ(copy.Text, "pinned");
  EXPECT_EQ(copy.Color, 0x00FF00u);
  EXPECT_FALSE(copy.StayOnTop || f.MemoList[1]->StayOnTop());
  EXPECT_FALSE(copy.PositionFixed);

  desk.SetPicture(SolidBmpFile(30, 20, 0x0000FF));
  RightClick(*f.MemoList[0],
             "データを使って新規メモ作成... > クリップボードから... > このメモの次");
  ASSERT_EQ(f.MemoCount(), 4);
  const MemoRecord picture = f.MemoList[1]->Record();
  EXPECT_EQ(picture.Kind, MemoKind::mkImage);
  EXPECT_EQ(picture.Color, kClWhite);
  EXPECT_FALSE(picture.StayOnTop || picture.PositionFixed);

  desk.SetText(" \r\n\t");
  f.ClipNewMemoAtStartClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 4);

  TMemoForm& dragged = *f.MemoList[3];
  dragged.SetBounds(-40, 730, dragged.Width(), dragged.Height());
  Sim(dragged).UserNcLeftButtonUp();
  EXPECT_EQ(dragged.Left(), 0);
  EXPECT_EQ(dragged.BoundsRect().Bottom, 738);

  f.SaveAllMemoClick(nullptr);
  const std::string bytes = ReadFile("MemoData.dat");
  auto count = [&](const std::string& what) {
    int n = 0;
    for (std::size_t at = bytes.find(what); at != std::string::npos; at = bytes.find(what, at + 1))
      ++n;
    return n;
  };
  EXPECT_EQ(count("\x0AParentFont"), 1);
  EXPECT_EQ(count(std::string("\x09") + "Font.Name"), 3);  // the three text memos
  EXPECT_EQ(count(std::string("\x05") + "Color"), 3);      // all but the grey one
  const MemoFileContents file = ReadMemoFile(bytes);
  ASSERT_EQ(file.Records.size(), 4u);
  EXPECT_TRUE(file.Records[1].ParentFont);
  EXPECT_EQ(file.Records[3].Color, kClBtnFace);
}

// The ticker keeps its black background whatever the memo's colour, and a restyle with the same
// text does not start the scroll again.
TEST_F(MemoWindowTest, MarqueeKeepsItsOwnBackgroundAndItsScroll) {
  MemoRecord red = Memo("ticker", 300, 50);
  red.Color = 0x0000FF;
  red.Kind = MemoKind::mkMarquee;
  WriteMemoData("MemoData.dat", {red});
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  ASSERT_NE(memo.Marquee(), nullptr);
  EXPECT_EQ(memo.Marquee()->GetColor(), 0x000000u);
  desk.Advance(1000);
  const int offset = memo.Marquee()->State().Offset();
  memo.SetRecord(memo.Record());
  EXPECT_EQ(memo.Marquee()->State().Offset(), offset);
  EXPECT_EQ(memo.Marquee()->GetColor(), 0x000000u);
}

TEST_F(MemoWindowTest, DroppedFilesOpenAsMemosOrJoinTheText) {
  const auto drop = ProgramFolder() / "Drop";
  std::filesystem::create_directories(drop / "sub");
  testing::WriteHostFile(drop / "one.txt", "一");
  testing::WriteHostFile(drop / "sub" / "two.txt", "二");
  WriteMemoData("MemoData.dat", {Memo("a", 100, 50)});
  WriteIni("[FORM]\r\niDragDrop=1\r\n");
  TMainForm& f = Start();
  TMemoForm& memo = *f.MemoList[0];
  desk.ExpectMessageBox(platform::IdOk, "C:\\Quillpad\\none.txtを開くことに失敗しました。");
  Sim(memo).UserDropFiles({"C:\\Quillpad\\Drop", "C:\\Quillpad\\none.txt"});
  std::vector<std::string> texts;
  for (TMemoForm* m : f.MemoList) texts.push_back(m->MemoText());
  std::sort(texts.begin() + 1, texts.end());
  EXPECT_EQ(texts, (std::vector<std::string>{"a", "一", "二"}));

  f.iDragDrop = 3;
  Sim(memo).UserDropFiles({"C:\\x\\a.txt", "C:\\y"});
  EXPECT_EQ(memo.MemoText(), "a\r\nC:\\x\\a.txt\r\nC:\\y");
  EXPECT_EQ(f.MemoCount(), 3);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

}  // namespace
}  // namespace quillpad
