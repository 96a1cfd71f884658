#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "base/bmp_image.h"
#include "capture/capture_commands.h"
#include "capture/capture_rules.h"
#include "capture/capture_timer_form.h"
#include "memo/memo_form.h"

namespace quillpad {
namespace {

using platform::MouseButton;
using platform::Point;
using platform::Rect;
using platform::WindowHandle;
using platform::sim::ScreenOp;
using platform::sim::ScreenOpKind;
using platform::sim::SimWindow;

constexpr const char* kWindowQuestion =
    "このメッセージが消えた後、クリックしたウインドウをキャプチャしますか？";

class CaptureTest : public testing::MainFormTest {
 protected:
  platform::sim::SimScreen& screen() { return desk.ScreenSim(); }
  WindowHandle Foreign(const Rect& bounds) {
    platform::sim::ForeignWindow w;
    w.Text = "other";
    w.Bounds = bounds;
    return desk.Others().AddForeignWindow(w);
  }
  // The user's drag on the frozen screen, from one corner to the other.
  void DragOnScreenForm(Point from, Point to) {
    desk.SetModalScript("ScreenForm", [=, this](SimWindow& w) {
      SimWindow& image = *w.Children().at(0);
      image.UserMouseDown(MouseButton::Right, from);  // ignored
      image.UserMouseDown(MouseButton::Left, from);
      image.UserMouseMove({(from.X + to.X) / 2, (from.Y + to.Y) / 2});
      image.UserMouseMove(to);
      const std::vector<std::string> painted = image.Paint();
      EXPECT_EQ(painted.back(), "InvertFrame " + std::to_string(std::min(from.X, to.X)) + "," +
                                    std::to_string(std::min(from.Y, to.Y)) + "," +
                                    std::to_string(std::max(from.X, to.X)) + "," +
                                    std::to_string(std::max(from.Y, to.Y)));
      image.UserMouseUp(MouseButton::Left, to);
    });
  }
  void AnswerTimerDialog(const std::string& delay) {
    desk.SetModalScript("CaptureTimerForm", [delay](SimWindow& w) {
      w.FindChild("7")->SetText(delay);
      w.FindChild("OK")->UserClick();
    });
  }
  // The memo's picture compared pixel by pixel with the screen at r.
  void ExpectShows(const TMemoForm& memo, const Rect& r) {
    const std::optional<RgbPicture> picture = DecodeBmp(memo.Record().Picture);
    ASSERT_TRUE(picture);
    ASSERT_EQ(picture->Width, r.Width());
    ASSERT_EQ(picture->Height, r.Height());
    int wrong = 0;
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x)
        wrong += picture->At(x, y) != screen().PixelAt({r.Left + x, r.Top + y});
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(memo.Kind(), MemoKind::mkImage);
    EXPECT_EQ(memo.Left(), r.Left + 3);
    EXPECT_EQ(memo.Top(), r.Top + 3);
  }
};

TEST_F(CaptureTest, ARegionDrawnEitherWayBecomesTheSamePictureOverItsSpot) {
  TMainForm& f = Start();
  f.ShowBorderClick(nullptr);  // no border: the picture's corner is the memo's corner
  screen().PaintScreen({100, 50, 140, 80}, 0x0000FF);
  screen().PaintScreen({120, 60, 130, 70}, 0x00FF00);
  desk.SetText("before");
  DragOnScreenForm({90, 40}, {150, 90});
  f.CaptureWithMemoClick(nullptr);
  DragOnScreenForm({150, 90}, {90, 40});
  f.CaptureWithMemoClick(nullptr);

  ASSERT_EQ(f.MemoCount(), 2);
  ExpectShows(*f.MemoList[0], {90, 40, 150, 90});
  ExpectShows(*f.MemoList[1], {90, 40, 150, 90});
  EXPECT_EQ(f.MemoList[0]->Record().Picture, f.MemoList[1]->Record().Picture);
  // The clipboard gave up its text for the picture of the last capture.
  platform::ClipboardPicture held;
  ASSERT_TRUE(desk.GetPicture(held));
  EXPECT_FALSE(desk.HasText());
  EXPECT_EQ(held.Format, PixelFormat::Device);
  EXPECT_EQ(DecodeBmp(held.Bmp)->Pixels, DecodeBmp(f.MemoList[1]->Record().Picture)->Pixels);
  EXPECT_EQ(f.MemoList[1]->Record().PictureHint, "マシンのデフォルト解像度");
}

TEST_F(CaptureTest, AClickWithoutADragMakesNoMemoAndTheHiddenWindowsComeBack) {
  WriteMemoData("MemoData.dat", {Memo("keep", 500, 300)});
  TMainForm& f = Start();
  desk.SetModalScript("ScreenForm", [&](SimWindow& w) {
    EXPECT_FALSE(f.MemoList[0]->Visible());  // out of the picture
    EXPECT_TRUE(w.Topmost());
    EXPECT_EQ(w.Bounds(), (Rect{0, 0, 1024, 768}));
    w.Children().at(0)->UserMouseDown(MouseButton::Left, {40, 40});
    w.Children().at(0)->UserMouseUp(MouseButton::Left, {40, 40});
  });
  f.CaptureWithoutMemoClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 1);
  EXPECT_TRUE(f.MemoList[0]->Visible());
  EXPECT_FALSE(f.Visible());
}

TEST_F(CaptureTest, WhileAnotherProgramHoldsTheClipboardItsPictureShowsAndNoMemoIsMade) {
  TMainForm& f = Start();
  const std::string held = SolidBmpFile(10, 10, 0x0000FF);
  desk.SetPicture(held);
  desk.SetClipboardHeld(true);
  desk.SetModalScript("ScreenForm", [&](SimWindow& w) {
    SimWindow& image = *w.Children().at(0);
    EXPECT_EQ(image.Paint().at(0),
              "DrawBitmap 0,0,10,10 " + std::to_string(held.size()) + " bytes");
    image.UserDrag({2, 2}, {8, 8});
  });
  f.CaptureWithMemoClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 0);
  platform::ClipboardPicture still;
  ASSERT_TRUE(desk.GetPicture(still));
  EXPECT_EQ(still.Bmp, held);
}

TEST_F(CaptureTest, AWindowPartlyOffScreenIsCapturedWithItsOnScreenPart) {
  TMainForm& f = Start();
  const WindowHandle w = Foreign({-50, 700, 150, 800});
  screen().PaintScreen({0, 700, 150, 768}, 0x00FFFF);
  screen().PaintScreen({10, 710, 20, 720}, 0xFF0000);
  desk.ExpectMessageBox(platform::IdYes, kWindowQuestion);
  f.CaptureWindowWithMemoClick(nullptr);
  EXPECT_EQ(desk.Capture(), &Sim(f));  // the next click anywhere comes to the main window
  desk.SetCursorPos({30, 730});
  desk.Advance(200);
  Sim(f).UserMouseDown(MouseButton::Left, {0, 0});

  ASSERT_EQ(f.MemoCount(), 1);
  ExpectShows(*f.MemoList[0], {0, 700, 150, 768});
  EXPECT_EQ(desk.Foreground(), &Sim(*f.MemoList[0]));
  EXPECT_EQ(desk.Capture(), nullptr);
  EXPECT_FALSE(f.Timer2->Enabled());
  const std::vector<ScreenOp> ops = {
      {ScreenOpKind::Outline, w}, {ScreenOpKind::Redraw, w, 1799}, {ScreenOpKind::Update, w}};
  EXPECT_EQ(screen().Ops(), ops);
  // A further click, picking over, captures nothing.
  Sim(f).UserMouseDown(MouseButton::Left, {0, 0});
  EXPECT_EQ(f.MemoCount(), 1);
}

TEST_F(CaptureTest, TheOutlineLeavesTheFirstWindowBeforeMarkingTheNext) {
  WriteMemoData("MemoData.dat", {Memo("keep", 500, 300)});
  TMainForm& f = Start();
  const WindowHandle a = Foreign({100, 100, 300, 300});
  const WindowHandle b = Foreign({400, 100, 600, 300});
  desk.ExpectMessageBox(platform::IdNo, kWindowQuestion);
  f.CaptureWindowWithoutMemoClick(nullptr);
  EXPECT_FALSE(f.Timer2->Enabled());
  EXPECT_TRUE(f.MemoList[0]->Visible());

  desk.ExpectMessageBox(platform::IdYes, kWindowQuestion);
  f.CaptureWindowWithoutMemoClick(nullptr);
  EXPECT_FALSE(f.MemoList[0]->Visible());
  EXPECT_TRUE(f.Visible());
  EXPECT_EQ(f.Left(), f.WorkArea.Right);  // out of sight, holding the mouse
  desk.SetCursorPos({150, 150});
  desk.Advance(400);  // two ticks over the same window outline it once
  desk.SetCursorPos({450, 150});
  desk.Advance(200);
  const std::vector<ScreenOp> ops = {
      {ScreenOpKind::Outline, a}, {ScreenOpKind::Redraw, a, 1927}, {ScreenOpKind::Outline, b}};
  EXPECT_EQ(screen().Ops(), ops);
  Sim(f).UserMouseDown(MouseButton::Right, {0, 0});
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[1]->Left(), 403);
  EXPECT_TRUE(f.MemoList[0]->Visible());
  EXPECT_EQ(f.Left(), f.WorkArea.Right);
}

TEST_F(CaptureTest, TheCountdownShowsTheWholeSecondsLeftThenSelectsARegion) {
  WriteMemoData("MemoData.dat", {Memo("keep", 500, 300)});
  TMainForm& f = Start();
  f.RichEdit1->SetText("unsaved");
  AnswerTimerDialog("7");
  f.TimerCaptureClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 3);  // the editor's text, then the countdown at the front
  TMemoForm* countdown = f.MemoList[0];
  EXPECT_EQ(f.MemoList[2]->MemoText(), "unsaved");
  EXPECT_TRUE(countdown->StayOnTop());
  EXPECT_TRUE(countdown->Visible());
  EXPECT_FALSE(f.MemoList[1]->Visible());
  EXPECT_FALSE(f.Visible());
  EXPECT_FALSE(desk.HasText() && !desk.GetText().empty());
  std::vector<int> shown = {7};
  for (int tick = 1; tick < 35; ++tick) {
    desk.Advance(200);
    const std::string text = countdown->MemoText();
    ASSERT_EQ(text.rfind("*** タイマー設定によるスクリーンキャプチャモード ***\r\n\r\n", 0), 0u);
    const int seconds = std::stoi(text.substr(text.rfind('\n') + 1));
    if (seconds != shown.back()) shown.push_back(seconds);
  }
  EXPECT_EQ(shown, (std::vector<int>{7, 6, 5, 4, 3, 2, 1, 0}));

  DragOnScreenForm({10, 10}, {30, 20});
  desk.Advance(200);  // the deadline
  ASSERT_EQ(f.MemoCount(), 3);
  EXPECT_EQ(f.MemoList[0]->MemoText(), "keep");
  ExpectShows(*f.MemoList[2], {10, 10, 30, 20});
  EXPECT_TRUE(f.MemoList[0]->Visible());
  EXPECT_FALSE(f.Timer3->Enabled());
  f.SaveAllMemoClick(nullptr);
  const MemoFileContents file =
      ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(file.Records.size(), 3u);
  EXPECT_EQ(file.Records[0].Text, "keep");
  EXPECT_EQ(file.Records[0].Left, 500);
  EXPECT_EQ(file.Records[0].Top, 300);
  EXPECT_TRUE(file.Records[0].Visible);
}

TEST_F(CaptureTest, ExitDuringACountdownSavesTheMemosAsTheUserLeftThem) {
  WriteMemoData("MemoData.dat", {Memo("keep", 500, 300)});
  TMainForm& f = Start();
  AnswerTimerDialog("50");
  f.TimerWindowCaptureClick(nullptr);
  desk.Advance(1000);
  Stop();
  const MemoFileContents file =
      ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(file.Records.size(), 1u);  // no countdown memo
  EXPECT_TRUE(file.Records[0].Visible);
  EXPECT_EQ(desk.Capture(), nullptr);
}

TEST_F(CaptureTest, ATimedWindowCaptureTakesTheWindowUnderAPointerThatNeverMoved) {
  TMainForm& f = Start();
  const WindowHandle w = Foreign({200, 200, 260, 240});
  screen().PaintScreen({200, 200, 260, 240}, 0x123456);
  desk.SetCursorPos({210, 210});
  AnswerTimerDialog("none");  // no number: at the first tick
  f.TimerWindowCaptureClick(nullptr);
  EXPECT_EQ(desk.Capture(), &Sim(f));
  Sim(f).UserMouseDown(MouseButton::Left, {0, 0});  // clicks do not end a timed capture
  EXPECT_EQ(f.MemoCount(), 1);
  desk.Advance(200);
  ASSERT_EQ(f.MemoCount(), 1);
  ExpectShows(*f.MemoList[0], {200, 200, 260, 240});
  EXPECT_EQ(screen().Ops().front(), (ScreenOp{ScreenOpKind::Outline, w}));
  EXPECT_EQ(desk.Capture(), nullptr);
  EXPECT_FALSE(f.Capture->TimedWindowCapture);
}

TEST_F(CaptureTest, TheTimerDialogStepsWithinItsRange) {
  Start();
  TCaptureTimerForm dialog(nullptr);
  dialog.edCaptureTimer->SetText("99");
  dialog.udCaptureTimerUp->Click();
  dialog.udCaptureTimerUp->Click();
  EXPECT_EQ(dialog.edCaptureTimer->Text(), "100");
  dialog.edCaptureTimer->SetText("0");
  dialog.udCaptureTimerDown->Click();
  EXPECT_EQ(dialog.DelaySeconds(), 0);
  // Past a minute the delay still counts in seconds, bounded by the arrows' range.
  EXPECT_EQ(CaptureDelaySeconds("75"), 75);
  EXPECT_EQ(CaptureDelaySeconds("5000"), 100);
  EXPECT_EQ(CaptureDelaySeconds("-3"), 0);
  EXPECT_EQ(CaptureDelaySeconds("7s"), 0);
}

TEST_F(CaptureTest, EveryIconOfAFileBecomesOneMemoInIndexOrder) {
  TMainForm& f = Start();
  const std::string red = SolidBmpFile(16, 16, 0x0000FF);
  const std::string green = SolidBmpFile(32, 32, 0x00FF00);
  const std::string blue = SolidBmpFile(48, 48, 0xFF0000);
  screen().SetFileIcons("C:\\Quillpad\\three.exe", {red, green, blue});
  screen().SetFileIcons("C:\\Quillpad\\one.exe", {green});
  testing::WriteHostFile(ProgramFolder() / "note.txt", "text");
  for (const char* file : {"three.exe", "one.exe", "note.txt", "missing.exe"})
    desk.ExpectOpenFile({true, {std::string("C:\\Quillpad\\") + file}});
  for (int i = 0; i < 4; ++i) f.IconCaptureClick(nullptr);

  ASSERT_EQ(f.MemoCount(), 4);
  const std::string pictures[] = {red, green, blue, green};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(DecodeBmp(f.MemoList[i]->Record().Picture)->Pixels, DecodeBmp(pictures[i])->Pixels);
    EXPECT_EQ(f.MemoList[i]->ClientWidth(), DecodeBmp(pictures[i])->Width);
  }
  EXPECT_EQ(screen().LiveIcons(), 0);
  const platform::FileDialogOptions& asked = desk.FileDialogs().at(0).Options;
  EXPECT_EQ(asked.Title, "アイコン取得のファイルを指定");
  EXPECT_EQ(asked.Filter, "exeﾌｧｲﾙ(*.exe)|*.exe|すべてのﾌｧｲﾙ(*.*)|*.*");
  EXPECT_EQ(asked.InitialDir, f.WorkDir);
}

}  // namespace
}  // namespace quillpad
