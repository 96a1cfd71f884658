// Arranging all memos and sizing them in bulk through the program's menus, keys,
// tool button, tray and drops, on a simulated screen whose full height is 1000.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/main_form_fixture.h"
#include "base/bmp_image.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"
#include "tray/task_bar.h"
#include "ui/short_cut.h"

namespace quillpad {
namespace {

using platform::Point;
using testing::ReadHostFile;

class MemoArrangeTest : public testing::MainFormTest {
 protected:
  MemoArrangeTest() {
    // R = 0 + 1280 - 2 = 1278, L = 0, T = 0; columns wrap past 1000.
    desk.SetScreen({1280, 1024}, {0, 0, 1280, 1000}, {1280, 1000});
  }
  static MemoRecord Sized(const std::string& text, int left, int top, int width, int height) {
    MemoRecord r = Memo(text, left, top);
    r.ClientWidth = width;
    r.ClientHeight = height;
    return r;
  }
  static MemoRecord Picture(int left, int top) {
    MemoRecord r;
    r.Left = left;
    r.Top = top;
    r.Kind = MemoKind::mkImage;
    r.BorderStyle = MemoBorder::None;
    r.ParentFont = true;
    r.Picture = SolidBmpFile(30, 400, 0x0000FF);
    r.ClientWidth = 30;
    r.ClientHeight = 400;
    r.Visible = true;
    return r;
  }
  static MemoRecord Fixed(MemoRecord r) {
    r.PositionFixed = true;
    return r;
  }
  // Three free text memos 400 high, 100, 150 and 80 wide, scattered.
  TMainForm& StartWithThree() {
    WriteMemoData("MemoData.dat", {Sized("a", 10, 10, 100, 400), Sized("b", 300, 500, 150, 400),
                                   Sized("c", 700, 20, 80, 400)});
    TMainForm& f = Start();
    for (TMemoForm* memo : f.MemoList) EXPECT_EQ(memo->Width(), memo->ClientWidth());
    return f;
  }
  std::vector<Point> Corners() const {
    std::vector<Point> corners;
    for (const TMemoForm* memo : form->MemoList) corners.push_back({memo->Left(), memo->Top()});
    return corners;
  }
  void Scatter() {
    int i = 0;
    for (TMemoForm* memo : form->MemoList) {
      if (!memo->PositionFixed())
        memo->SetBounds(200 + 37 * i, 300 + 11 * i, memo->Width(), memo->Height());
      ++i;
    }
  }
  const platform::sim::PopupRecord& RightClick(TMemoForm& memo, const std::string& choice) {
    desk.ExpectPopupChoice(choice);
    Sim(memo).UserContextMenu({memo.Left() + 10, memo.Top() + 10});
    return desk.Popups().back();
  }
  int ZIndex(TMemoForm* memo) const {
    const std::vector<platform::sim::SimWindow*> z = desk.ZOrder();
    return static_cast<int>(std::find(z.begin(), z.end(), &Sim(*memo)) - z.begin());
  }
  std::string Host(const std::string& name) const { return ReadHostFile(ProgramFolder() / name); }

  // The four arrangements of the three memos above, without bUseStartMemo.
  const std::vector<Point> kRightJustify{{1178, 0}, {1128, 401}, {1047, 0}};
  const std::vector<Point> kRightTile{{1178, 0}, {1128, 20}, {1198, 40}};
  const std::vector<Point> kLeftJustify{{0, 0}, {0, 401}, {151, 0}};
  const std::vector<Point> kLeftTile{{0, 0}, {0, 20}, {0, 40}};
  static constexpr const char* kNow = "2026/12/07 9:05:03";
};

// Every menu that lists an arrangement runs it: the main menu, the tray menu, the tool bar's
// drop-down and each memo's menu.
TEST_F(MemoArrangeTest, EveryMenuItemRunsItsArrangement) {
  TMainForm& f = StartWithThree();
  const std::pair<const char*, const std::vector<Point>*> main[] = {
      {"RightJustify", &kRightJustify},  {"RightTileJustify", &kRightTile},
      {"LeftJustify", &kLeftJustify},    {"LeftTileJustify", &kLeftTile},
      {"RightJustify1", &kRightJustify}, {"RightTileJustify1", &kRightTile},
      {"LeftJustify1", &kLeftJustify},   {"LeftTileJustify1", &kLeftTile},
      {"RightJustify2", &kRightJustify}, {"RightTileJustify2", &kRightTile},
      {"LeftJustify2", &kLeftJustify},   {"LeftTileJustify2", &kLeftTile},
  };
  for (const auto& [name, expected] : main) {
    Scatter();
    ASSERT_NE(f.Item(name), nullptr) << name;
    f.Item(name)->Click();
    EXPECT_EQ(Corners(), *expected) << name;
  }
  TMemoForm& memo = *f.MemoList[1];
  for (const auto& [name, expected] : {main[0], main[1], main[2], main[3]}) {
    Scatter();
    memo.Item(name)->Click();
    EXPECT_EQ(Corners(), *expected) << "memo menu " << name;
  }
}

TEST_F(MemoArrangeTest, KeysF12ToF9) {
  StartWithThree();
  const std::pair<int, const std::vector<Point>*> keys[] = {{ui::VkF1 + 11, &kRightJustify},
                                                            {ui::VkF1 + 10, &kRightTile},
                                                            {ui::VkF1 + 9, &kLeftJustify},
                                                            {ui::VkF1 + 8, &kLeftTile}};
  for (const auto& [key, expected] : keys) {
    Scatter();
    EXPECT_TRUE(Editor().UserKey(key)) << key;
    EXPECT_EQ(Corners(), *expected) << key;
  }
}

// The tool button's face opens its drop-down as its arrow does.
TEST_F(MemoArrangeTest, TheJustifyButtonOpensTheArrangements) {
  TMainForm& f = StartWithThree();
  const auto& rows = BasicToolBarRows();
  const int index = static_cast<int>(
      std::find_if(rows.begin(), rows.end(),
                   [](const ToolRow& row) { return std::string(row.Name) == "JustifyBtn"; }) -
      rows.begin());
  ASSERT_EQ(f.Button("JustifyBtn"), f.tbMain->Buttons(index));
  desk.ExpectPopupChoice("右揃え");
  Sim(*f.tbMain).UserClickButton(index);
  EXPECT_EQ(Corners(), kRightJustify);
  desk.ExpectPopupChoice("左揃えタイル");
  Sim(*f.tbMain).UserClickDropDown(index);
  EXPECT_EQ(Corners(), kLeftTile);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

// The flow: the user right-clicks a memo and right-justifies all memos; the memo file written at
// the end holds the new places, the fixed memo exactly as it was, and the other categories'
// files are untouched.
TEST_F(MemoArrangeTest, RightJustifyFromAMemoMenuReachesTheMemoFile) {
  const MemoRecord fixed = Fixed(Sized("fixed", 400, 300, 200, 300));
  WriteMemoData("MemoData.dat", {Sized("a", 10, 10, 100, 400), fixed, Picture(50, 60),
                                 Sized("c", 700, 20, 80, 400)});
  const std::string other = WriteMemoFile({Sized("elsewhere", 5, 6, 70, 80)});
  testing::WriteHostFile(ProgramFolder() / "MemoData1.dat", other);
  TMainForm& f = Start();
  std::vector<MemoRecord> before;
  for (const TMemoForm* m : f.MemoList) before.push_back(m->Record());
  TMemoForm& memo = *f.MemoList[3];
  RightClick(memo, "全メモの操作(&A)... > 整列(&A)... > 右揃え(&R)");
  EXPECT_TRUE(desk.AllAnswersUsed());
  Stop();
  const MemoFileContents back = ReadMemoFile(Host("MemoData.dat"));
  ASSERT_EQ(back.Records.size(), 4u);
  // a at R; the picture (30 x 400) below it; c wraps to a column left of a's left edge.
  EXPECT_EQ(back.Records[0].Left, 1178);
  EXPECT_EQ(back.Records[0].Top, 0);
  EXPECT_EQ(back.Records[2].Left, 1248);
  EXPECT_EQ(back.Records[2].Top, 401);
  EXPECT_EQ(back.Records[3].Left, 1177 - 80);
  EXPECT_EQ(back.Records[3].Top, 0);
  EXPECT_EQ(back.Records[1], before[1]);
  EXPECT_EQ(back.Records[1].Left, fixed.Left);
  EXPECT_EQ(back.Records[1].Top, fixed.Top);
  // Nothing but the place changed.
  for (std::size_t i : {0u, 2u, 3u}) {
    MemoRecord r = back.Records[i];
    r.Left = before[i].Left;
    r.Top = before[i].Top;
    EXPECT_EQ(r, before[i]) << i;
  }
  EXPECT_EQ(back.Records[2].Kind, MemoKind::mkImage);
  EXPECT_EQ(Host("MemoData1.dat"), other);
  EXPECT_FALSE(std::filesystem::exists(ProgramFolder() / "MemoData2.dat"));
}

// The same through the tray menu, with the start memo fixed and bUseStartMemo: the others line
// up against it and it stays.
TEST_F(MemoArrangeTest, AFixedStartMemoAnchorsTheTrayArrangement) {
  WriteIni("[FORM]\r\nbUseStartMemo=1\r\n");
  const MemoRecord start = Fixed(Sized("start", 500, 200, 100, 50));
  WriteMemoData("MemoData.dat", {start, Sized("b", 0, 0, 80, 300), Sized("c", 0, 0, 90, 300),
                                 Sized("d", 0, 0, 60, 300)});
  TMainForm& f = Start();
  ASSERT_TRUE(f.bUseStartMemo);
  const MemoRecord loaded = f.MemoList[0]->Record();
  EXPECT_EQ((Point{loaded.Left, loaded.Top}), (Point{start.Left, start.Top}));
  desk.ExpectPopupChoice("全メモの操作(&A)... > 整列... > 右揃え");
  desk.TrayMouse(TmRightDown);
  desk.TrayMouse(TmRightUp);
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(Corners(), (std::vector<Point>{{500, 200}, {520, 200}, {510, 501}, {449, 200}}));
  Stop();
  EXPECT_EQ(ReadMemoFile(Host("MemoData.dat")).Records[0], loaded);
}

TEST_F(MemoArrangeTest, PlacedMemosComeToTheFrontInListOrder) {
  WriteMemoData("MemoData.dat", {Sized("a", 10, 10, 100, 400), Fixed(Sized("f", 9, 9, 50, 50)),
                                 Sized("c", 700, 20, 80, 400)});
  TMainForm& f = Start();
  TMemoForm* a = f.MemoList[0];
  TMemoForm* fixed = f.MemoList[1];
  TMemoForm* c = f.MemoList[2];
  fixed->BringToFront();
  f.RightJustifyClick(nullptr);
  EXPECT_LT(ZIndex(c), ZIndex(a));  // the last placed is in front
  EXPECT_LT(ZIndex(a), ZIndex(fixed));
  EXPECT_EQ((Point{fixed->Left(), fixed->Top()}), (Point{9, 9}));
}

// Each memo is moved back inside the work area after it is placed; the columns still follow
// the unclamped places.
TEST_F(MemoArrangeTest, PlacedMemosAreClampedIntoTheWorkArea) {
  desk.SetScreen({1280, 1024}, {0, 30, 1280, 700}, {1280, 1000});
  WriteMemoData("MemoData.dat", {Sized("a", 10, 40, 100, 400), Sized("b", 300, 40, 150, 400),
                                 Sized("c", 700, 40, 80, 400), Sized("tall", 10, 40, 90, 900)});
  TMainForm& f = Start();
  f.RightJustifyClick(nullptr);
  // T = 30: a at 30; b at 431, its bottom 831 moved up to 700; c would end at 1232: a new
  // column at a's left (1178) - 1 - 80; tall (900) would end at 1331 below c: a column left of
  // c's, and, taller than the work area, its top ends at the work area's top.
  EXPECT_EQ(Corners(), (std::vector<Point>{{1178, 30}, {1128, 300}, {1047, 30}, {956, 30}}));

  // A fixed start memo partly off the left: the others go to the work-area left, the second
  // column starts from the unclamped right edges.
  Stop();
  WriteIni("[FORM]\r\nbUseStartMemo=1\r\n");
  WriteMemoData("MemoData.dat",
                {Fixed(Sized("s", -50, 30, 100, 300)), Sized("a", 300, 40, 120, 300),
                 Sized("b", 300, 40, 130, 300), Sized("c", 300, 40, 70, 400)});
  TMainForm& g = Start();
  TMemoForm& fixedStart = *g.MemoList[0];
  EXPECT_EQ((Point{fixedStart.Left(), fixedStart.Top()}), (Point{0, 30}));  // clamped when loaded
  // Pushed off the left again, it stays there: fixed memos are not placed, so not clamped.
  fixedStart.SetBounds(-50, 30, 100, 300);
  g.LeftJustifyClick(nullptr);
  // L = -50, T = 30: a and b are placed at -50 and clamped to 0; c wraps (632 + 400 > 1000) to
  // the unclamped right edge of b, -50 + 130, plus 1.
  EXPECT_EQ(Corners(), (std::vector<Point>{{-50, 30}, {0, 30}, {0, 331}, {81, 30}}));
}

TEST_F(MemoArrangeTest, TheWorkAreaIsReadAgainForEachArrangement) {
  TMainForm& f = StartWithThree();
  desk.SetScreen({1024, 768}, {100, 20, 1024, 738}, {924, 718});
  f.LeftJustifyClick(nullptr);
  EXPECT_EQ(f.WorkArea, (platform::Rect{100, 20, 1024, 738}));
  // L = 100, T = 20; b (400 high) would end at 821 > 718: a new column; c likewise.
  EXPECT_EQ(Corners(), (std::vector<Point>{{100, 20}, {201, 20}, {352, 20}}));
  f.RightTileJustifyClick(nullptr);
  // R = 100 + 924 - 2 = 1022; the cascade fits (60 + 400 <= 718).
  EXPECT_EQ(Corners(), (std::vector<Point>{{922, 20}, {872, 40}, {942, 60}}));
}

TEST_F(MemoArrangeTest, NothingHappensWithoutMemos) {
  TMainForm& f = Start();
  for (const char* name : {"RightJustify", "RightTileJustify", "LeftJustify", "LeftTileJustify",
                           "SetDefaultSize", "SetAutoSize"}) {
    f.Item(name)->Click();
  }
  EXPECT_EQ(f.MemoCount(), 0);
}

// Default size: text memos only, fixed and picture memos keep theirs; then the arrangement of
// iAfterSizeChange. F5 and the tray row do the same.
TEST_F(MemoArrangeTest, DefaultSizeForTextMemosThenTheAfterChangeArrangement) {
  WriteIni("[FORM]\r\niAfterSizeChange=0\r\niDefaultWidth=120\r\niDefaultHeight=40\r\n");
  WriteMemoData("MemoData.dat", {Sized("a", 10, 10, 100, 400), Fixed(Sized("f", 9, 500, 50, 60)),
                                 Picture(500, 60), Sized("c", 700, 20, 80, 400)});
  TMainForm& f = Start();
  EXPECT_FALSE(f.LastBulkSizeDefault());
  EXPECT_TRUE(Editor().UserKey(ui::VkF1 + 4));  // F5
  EXPECT_TRUE(f.LastBulkSizeDefault());
  EXPECT_EQ(f.Item("SetDefaultSize")->Tag, 1);
  const std::vector<platform::Size> sizes{{120, 40}, {50, 60}, {30, 400}, {120, 40}};
  for (std::size_t i = 0; i < sizes.size(); ++i)
    EXPECT_EQ(f.MemoList[i]->ClientSize(), sizes[i]) << i;
  // iAfterSizeChange 0: nobody moved.
  EXPECT_EQ(Corners(), (std::vector<Point>{{10, 10}, {9, 500}, {500, 60}, {700, 20}}));

  f.iAfterSizeChange = 2;
  f.MemoList[0]->SetClientSize(10, 10);
  f.Item("SetDefaultSize1")->Click();
  EXPECT_EQ(f.MemoList[0]->ClientSize(), (platform::Size{120, 40}));
  // Left justify: a at 0, the picture at 41, c at 442.
  EXPECT_EQ(Corners(), (std::vector<Point>{{0, 0}, {9, 500}, {0, 41}, {0, 442}}));
  // From a memo's menu too.
  f.iAfterSizeChange = 4;
  f.MemoList[3]->Item("SetDefaultSizeAll")->Click();
  EXPECT_EQ(Corners(), (std::vector<Point>{{0, 0}, {9, 500}, {0, 20}, {0, 40}}));
}

// Automatic size: every free text memo goes through the editor and back (its size from its
// text, a new stamp), pictures and fixed memos stay; the editor, its style, bDefaultSize and
// the current memo are as before.
TEST_F(MemoArrangeTest, AutoSizeStoresEveryTextMemoThroughTheEditor) {
  WriteIni("[FORM]\r\niAfterSizeChange=0\r\nbDefaultSize=1\r\n");
  MemoRecord hidden = Sized("two\r\nlines", 300, 500, 10, 10);
  hidden.Visible = false;
  const MemoRecord fixed = Fixed(Sized("fixed", 9, 500, 50, 60));
  WriteMemoData("MemoData.dat", {Sized("abc", 10, 10, 100, 400), fixed, Picture(500, 60), hidden});
  TMainForm& f = Start();
  const MemoRecord fixedLoaded = f.MemoList[1]->Record();
  f.iDefaultWidth = 111;  // would show if the default size were applied
  TMemoForm* current = f.MemoList[2];
  f.CurrentMemo = current;
  const platform::FontSpec editorFont = f.FontDialog1Font;
  f.SetDefaultSizeClick(nullptr);
  ASSERT_TRUE(f.LastBulkSizeDefault());

  EXPECT_TRUE(Editor().UserKey(ui::VkF1 + 5));  // F6
  EXPECT_FALSE(f.LastBulkSizeDefault());
  const platform::FontSpec font = ToPlatformFont(DefaultMemoFont());
  platform::WindowSystem& windows = app.System().Windows();
  const int h = windows.TextExtent("A", font).Height;
  // "abc" in the 12-pixel font: client height h + 8.
  EXPECT_EQ(f.MemoList[0]->ClientSize(),
            (platform::Size{windows.TextExtent("abc", font).Width + 8, h + 8}));
  EXPECT_EQ(f.MemoList[0]->StampText(), kNow);
  const int widest =
      std::max(windows.TextExtent("two", font).Width, windows.TextExtent("lines", font).Width);
  EXPECT_EQ(f.MemoList[3]->ClientSize(), (platform::Size{widest + 8, 2 * h + 8}));
  EXPECT_TRUE(f.MemoList[3]->Visible());  // shown after its store
  EXPECT_EQ(f.MemoList[1]->ClientSize(), (platform::Size{50, 60}));
  EXPECT_EQ(f.MemoList[1]->StampText(), "2026/12/01 8:00:00");
  EXPECT_EQ(f.MemoList[2]->ClientSize(), (platform::Size{30, 400}));
  EXPECT_TRUE(f.bDefaultSize);
  EXPECT_EQ(f.CurrentMemo, current);
  EXPECT_EQ(f.RichEdit1->Text(), "");
  EXPECT_FALSE(f.RichEdit1->Modified());
  EXPECT_EQ(f.FontDialog1Font, editorFont);
  EXPECT_EQ(f.EditFileDisplayName, f.NewMemoCaption());
  EXPECT_EQ(f.MemoCount(), 4);
  Stop();
  const MemoFileContents back = ReadMemoFile(Host("MemoData.dat"));
  ASSERT_EQ(back.Records.size(), 4u);
  EXPECT_EQ(back.Records[1], fixedLoaded);
  EXPECT_EQ(back.Records[0].Text, "abc");
  EXPECT_EQ(back.Records[3].Text, "two\r\nlines");
}

TEST_F(MemoArrangeTest, AutoSizeAsksAboutTheEditorFirst) {
  WriteIni("[FORM]\r\niAfterSizeChange=1\r\n");
  WriteMemoData("MemoData.dat", {Sized("abc", 10, 10, 100, 400)});
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("typed");
  desk.ExpectMessageBox(
      platform::IdCancel,
      "編集中のメモが保存されていません。\n新規デスクトップメモととして保存しますか？");
  f.MemoList[0]->Item("SetAutoSizeAll")->Click();
  EXPECT_EQ(f.MemoList[0]->ClientSize(), (platform::Size{100, 400}));
  EXPECT_EQ(Corners(), (std::vector<Point>{{10, 10}}));
  EXPECT_EQ(f.RichEdit1->Text(), "typed");
  // Yes: the typed text becomes a memo first and is sized with the others, then right-justified.
  desk.ExpectMessageBox(
      platform::IdYes,
      "編集中のメモが保存されていません。\n新規デスクトップメモととして保存しますか？");
  f.Item("SetAutoSize1")->Click();
  EXPECT_TRUE(desk.AllAnswersUsed());
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[1]->MemoText(), "typed");
  const int h = app.System().Windows().TextExtent("A", ToPlatformFont(DefaultMemoFont())).Height;
  EXPECT_EQ(f.MemoList[0]->ClientHeight(), h + 8);
  EXPECT_EQ(Corners(), (std::vector<Point>{{1278 - f.MemoList[0]->Width(), 0},
                                           {1278 - f.MemoList[1]->Width(), h + 8 + 1}}));
}

// Tray action 9 toggles: the run starts at the automatic size, so the default size comes first.
TEST_F(MemoArrangeTest, TheTraySizeToggleAlternates) {
  WriteIni("[FORM]\r\niTaskTrayClick=9\r\niAfterSizeChange=0\r\n");
  WriteMemoData("MemoData.dat", {Sized("abc", 10, 10, 300, 400)});
  TMainForm& f = Start();
  desk.TrayMouse(TmLeftDown);
  desk.TrayMouse(TmLeftUp);
  EXPECT_EQ(f.MemoList[0]->ClientSize(), (platform::Size{100, 25}));
  EXPECT_TRUE(f.LastBulkSizeDefault());
  desk.TrayMouse(TmLeftDown);
  desk.TrayMouse(TmLeftUp);
  const int h = app.System().Windows().TextExtent("A", ToPlatformFont(DefaultMemoFont())).Height;
  EXPECT_EQ(f.MemoList[0]->ClientHeight(), h + 8);
  EXPECT_FALSE(f.LastBulkSizeDefault());
  desk.TrayMouse(TmLeftDown);
  desk.TrayMouse(TmLeftUp);
  EXPECT_EQ(f.MemoList[0]->ClientSize(), (platform::Size{100, 25}));
}

// After files are dropped on a memo the memos line up by iAfterSizeChange, except when the
// tools mode ran or the explorer was started on the archive.
TEST_F(MemoArrangeTest, DropsRearrangeByTheSetting) {
  WriteIni("[FORM]\r\niAfterSizeChange=1\r\niDragDrop=3\r\n");
  TMainForm& f = StartWithThree();
  TMemoForm& memo = *f.MemoList[1];
  Scatter();
  Sim(memo).UserDropFiles({"C:\\x\\a.txt"});
  EXPECT_EQ(memo.MemoText(), "b\r\nC:\\x\\a.txt");
  // b was stored with its automatic size: c fits below it.
  const int bHeight = memo.Height();
  ASSERT_LT(bHeight, 198);
  EXPECT_EQ(Corners(),
            (std::vector<Point>{{1178, 0}, {1278 - memo.Width(), 401}, {1198, 401 + bHeight + 1}}));

  f.iDragDrop = 2;
  Scatter();
  const std::vector<Point> scattered = Corners();
  Sim(memo).UserDropFiles({"C:\\x\\a.txt"});
  EXPECT_EQ(Corners(), scattered);

  // Archive mode: a cancelled dialog still re-arranges (iAfterSizeChange 4 now) ...
  f.iDragDrop = 0;
  f.iAfterSizeChange = 4;
  desk.ExpectSaveFile({false, {}});
  Sim(memo).UserDropFiles({"C:\\x\\a.txt"});
  EXPECT_EQ(Corners(), kLeftTile);
  // ... and so does an archive that did not come about; the explorer on its folder does not.
  Scatter();
  desk.SetArchiverLibrary(platform::LibraryCall::NoEntry);
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\a.lzh"}});
  Sim(memo).UserDropFiles({"C:\\x\\a.txt"});
  EXPECT_EQ(Corners(), kLeftTile);
  Scatter();
  const std::vector<Point> before = Corners();
  desk.SetArchiverLibrary(platform::LibraryCall::Called, [&](const std::string&) {
    testing::WriteHostFile(ProgramFolder() / "a.lzh", "-lh5-");
  });
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\a.lzh"}});
  Sim(memo).UserDropFiles({"C:\\x\\a.txt"});
  ASSERT_EQ(desk.ProgramRuns().size(), 1u);
  EXPECT_EQ(Corners(), before);

  // Open mode: the new memo is arranged with the others.
  testing::WriteHostFile(ProgramFolder() / "one.txt", "one");
  f.iDragDrop = 1;
  f.iAfterSizeChange = 3;
  Sim(memo).UserDropFiles({"C:\\Quillpad\\one.txt"});
  ASSERT_EQ(f.MemoCount(), 4);
  EXPECT_EQ(f.MemoList[3]->MemoText(), "one");
  std::vector<Point> tiles;
  for (int i = 0; i < 4; ++i) tiles.push_back({1278 - f.MemoList[i]->Width(), 20 * i});
  EXPECT_EQ(Corners(), tiles);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

}  // namespace
}  // namespace quillpad
