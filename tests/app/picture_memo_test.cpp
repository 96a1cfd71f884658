#include <gtest/gtest.h>

#include "app/main_form_fixture.h"
#include "base/bmp_image.h"
#include "memo/memo_form.h"
#include "memo/memo_record.h"
#include "plugins/picture_preview.h"
#include "support/fake_plugins.h"

namespace quillpad {
namespace {

using platform::ClipboardPicture;

class PictureMemoTest : public testing::MainFormTest {
 protected:
  TMainForm& StartWith(const std::vector<MemoRecord>& records) {
    WriteMemoData("MemoData.dat", records);
    return Start();
  }
  // What the memo file holds for memo i after a save.
  MemoRecord Saved(TMainForm& f, std::size_t i) {
    f.SaveAllMemoClick(nullptr);
    const MemoFileContents file =
        ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
    return file.Records.at(i);
  }
  const std::string picture = SolidBmpFile(30, 20, 0x0000FF);
};

TEST_F(PictureMemoTest, AClipboardPictureBecomesAPictureMemoBelowTheLastMemo) {
  TMainForm& f = StartWith({Memo("a", 900, 10)});
  f.ShowBorderClick(nullptr);  // the border mark off: the picture memo has no border
  desk.SetPicture(picture);
  f.ClipNewMemoAtEndClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 2);
  TMemoForm& memo = *f.MemoList[1];
  const TMemoForm& above = *f.MemoList[0];
  EXPECT_EQ(memo.Kind(), MemoKind::mkImage);
  EXPECT_EQ(memo.ClientWidth(), 30);
  EXPECT_EQ(memo.ClientHeight(), 20);
  EXPECT_EQ(memo.Left() + memo.Width(), above.Left() + above.Width());  // right edges aligned
  EXPECT_EQ(memo.Top(), above.Top() + above.Height() + 1);
  EXPECT_TRUE(memo.Visible());
  EXPECT_EQ(f.CurrentMemo, nullptr);
  EXPECT_EQ(f.RichEdit1->Text(), "");  // pictures do not pass through the editor

  const MemoRecord saved = Saved(f, 1);
  EXPECT_EQ(saved.Kind, MemoKind::mkImage);
  EXPECT_EQ(saved.Picture, picture);
  EXPECT_EQ(saved.PictureHint, "16,777,216色");
  EXPECT_EQ(saved.BorderStyle, MemoBorder::None);
  EXPECT_EQ(saved.StampText, "");
  EXPECT_EQ(saved.Text, "");
}

TEST_F(PictureMemoTest, TheTooltipNamesTheColourDepthOfTheClipboardPicture) {
  const std::pair<PixelFormat, std::string> table[] = {
      {PixelFormat::Device, "マシンのデフォルト解像度"},
      {PixelFormat::Bits1, "白黒"},
      {PixelFormat::Bits4, "16色"},
      {PixelFormat::Bits8, "256色"},
      {PixelFormat::Bits15, ""},
      {PixelFormat::Bits16, "25,536色"},
      {PixelFormat::Bits24, "16,777,216色"},
      {PixelFormat::Bits32, "4,294,967,296色"}};
  TMainForm& f = Start();
  for (const auto& [format, text] : table) {
    desk.SetClipboardPicture({picture, format});
    f.ClipNewMemoAtEndClick(nullptr);
  }
  f.SaveAllMemoClick(nullptr);
  const MemoFileContents file =
      ReadMemoFile(testing::ReadHostFile(ProgramFolder() / "MemoData.dat"));
  ASSERT_EQ(file.Records.size(), std::size(table));
  for (std::size_t i = 0; i < std::size(table); ++i)
    EXPECT_EQ(file.Records[i].PictureHint, table[i].second) << i;
}

TEST_F(PictureMemoTest, APictureAtTheStartKeepsThePlaceOfTheNewWindow) {
  TMainForm& f = StartWith({Memo("a", 100, 300)});
  const int newWidth = TMemoForm(nullptr).Width();
  desk.SetPicture(picture);
  f.ClipNewMemoAtStartClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 2);
  TMemoForm& memo = *f.MemoList[0];
  EXPECT_EQ(memo.Kind(), MemoKind::mkImage);
  // Placed at the top right while the window had its first size, then fitted to the picture.
  EXPECT_EQ(memo.Top(), 0);
  EXPECT_EQ(memo.Left(), 1024 - newWidth);
  EXPECT_EQ(memo.ClientWidth(), 30);
  EXPECT_TRUE(memo.Visible());
}

TEST_F(PictureMemoTest, UnsavedEditorTextSurvivesAPictureMemo) {
  TMainForm& f = Start();
  f.NewMemoClick(nullptr);
  Editor().UserType("draft");
  desk.SetPicture(picture);
  f.ClipNewMemoAtStartClick(nullptr);
  f.ClipNewMemoAtEndClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.RichEdit1->Text(), "draft");
  desk.ExpectMessageBox(platform::IdCancel);  // still unsaved: the next open asks
  f.NewMemoClick(nullptr);
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(PictureMemoTest, AnUnreadablePictureMakesNoMemoAnywhere) {
  TMainForm& f = StartWith({Memo("a", 100, 300)});
  desk.SetClipboardPicture({"BM broken", PixelFormat::Bits24});
  f.ClipNewMemoAtStartClick(nullptr);
  f.ClipNewMemoAtEndClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 1);
  desk.ExpectPopupChoice(
      "データを使って新規メモ作成(&D)... > クリップボードから(&C)... > このメモの次(&N)");
  Sim(*f.MemoList[0]).UserContextMenu({110, 310});
  EXPECT_EQ(f.MemoCount(), 1);
}

TEST_F(PictureMemoTest, CopyingAPictureMemoPutsTheSamePictureRightAfterIt) {
  MemoRecord pic = Memo("", 500, 100);
  pic.Kind = MemoKind::mkImage;
  pic.Picture = picture;
  pic.PictureHint = "256色";
  pic.ClientWidth = 30;
  pic.ClientHeight = 20;
  TMainForm& f = StartWith({pic, Memo("b", 100, 400)});
  TMemoForm& source = *f.MemoList[0];
  desk.ExpectPopupChoice("メモの内容保存、複製(&W)... > 複製(&W)");
  Sim(source).UserContextMenu({510, 110});
  ASSERT_EQ(f.MemoCount(), 3);
  TMemoForm& copy = *f.MemoList[1];
  EXPECT_EQ(copy.Kind(), MemoKind::mkImage);
  EXPECT_EQ(copy.Left(), source.Left() - 20);
  EXPECT_EQ(copy.Top(), source.Top() + 20);
  EXPECT_EQ(f.MemoList[2]->MemoText(), "b");
  ClipboardPicture onClipboard;
  ASSERT_TRUE(desk.GetPicture(onClipboard));  // the copy went through the clipboard
  EXPECT_EQ(onClipboard.Bmp, picture);
  EXPECT_EQ(Saved(f, 1).Picture, picture);
}

TEST_F(PictureMemoTest, APictureMemoWithoutItsPictureCopiesNothingFromTheClipboard) {
  MemoRecord pic = Memo("", 500, 100);
  pic.Kind = MemoKind::mkImage;  // its picture was lost to a damaged file
  TMainForm& f = StartWith({pic});
  desk.SetText("unrelated");
  desk.ExpectPopupChoice("メモの内容保存、複製(&W)... > 複製(&W)");
  Sim(*f.MemoList[0]).UserContextMenu({510, 110});
  EXPECT_EQ(f.MemoCount(), 1);
}

TEST_F(PictureMemoTest, DroppedBmpFilesBecomePicturesAndOtherSpellingsText) {
  const auto drop = ProgramFolder() / "Drop";
  std::filesystem::create_directories(drop);
  testing::WriteHostFile(drop / "a.bmp", picture);
  testing::WriteHostFile(drop / "b.bmp", "BM not a picture");
  testing::WriteHostFile(drop / "c.BMP", "capital");
  // No re-arrangement after the drop, so the picture's own place shows.
  WriteIni("[FORM]\r\niDragDrop=1\r\niAfterSizeChange=0\r\n");
  TMainForm& f = StartWith({Memo("first", 600, 100), Memo("last", 100, 400)});
  desk.ExpectMessageBox(platform::IdOk, "C:\\Quillpad\\Drop\\b.bmpを開くことに失敗しました。");
  Sim(*f.MemoList[0]).UserDropFiles({"C:\\Quillpad\\Drop"});
  ASSERT_EQ(f.MemoCount(), 4);
  EXPECT_EQ(f.MemoList[1]->Kind(), MemoKind::mkImage);  // right after the memo it was dropped on
  EXPECT_EQ(f.MemoList[1]->Left(), f.MemoList[0]->Left() - 20);
  EXPECT_EQ(f.MemoList[2]->MemoText(), "last");
  EXPECT_EQ(f.MemoList[3]->MemoText(), "capital");
  EXPECT_TRUE(desk.AllAnswersUsed());
}

TEST_F(PictureMemoTest, PrintingPutsTheMemoImageOnThePageAtPrinterScale) {
  TMainForm& f = StartWith({Memo("a", 100, 300)});
  TMemoForm& memo = *f.MemoList[0];
  memo.SetClientSize(50, 40);
  desk.ExpectPrintDialog(std::nullopt);  // cancelled: nothing reaches the printer
  memo.PrintMemoClick();
  EXPECT_TRUE(desk.Printed().empty());

  desk.SetScreenPixelsPerInch({96, 120});
  desk.ExpectPrintDialog(platform::Size{600, 300});
  memo.PrintMemoClick();
  ASSERT_EQ(desk.Printed().size(), 1u);
  const platform::sim::PrintRecord& page = desk.Printed()[0];
  EXPECT_EQ(page.Title, "Quillpad");
  EXPECT_TRUE(page.Finished);
  ASSERT_EQ(page.Bitmaps.size(), 1u);
  EXPECT_EQ(page.Bitmaps[0].Dest, (platform::Rect{0, 0, 312, 100}));  // 50*600/96, 40*300/120
  const std::optional<BmpInfo> image = ReadBmpInfo(page.Bitmaps[0].Bmp);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Width, 50);
  EXPECT_EQ(image->Height, 40);
}

TEST_F(PictureMemoTest, AClipboardBitmapOf200By100MakesAMemoOfThatClientSize) {
  TMainForm& f = Start();
  desk.SetClipboardPicture({SolidBmpFile(200, 100, 0x00FF00), PixelFormat::Bits24});
  f.ClipNewMemoAtEndClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 1);
  EXPECT_EQ(f.MemoList[0]->ClientWidth(), 200);
  EXPECT_EQ(f.MemoList[0]->ClientHeight(), 100);
  EXPECT_EQ(f.MemoList[0]->Record().PictureHint, "16,777,216色");
}

// The picture commands of the memo menu: each reduction changes the picture and its tooltip
// and reaches the memo file; the saves write the picture as BMP and as JPEG; a text memo
// is left alone by all of them.
TEST_F(PictureMemoTest, ReductionsAndSavesWorkOnThePictureAndLeaveTextMemosAlone) {
  MemoRecord pic = Memo("", 500, 100);
  pic.Kind = MemoKind::mkImage;
  pic.Picture = SolidBmpFile(30, 20, 0x0000FF);
  pic.ClientWidth = 30;
  pic.ClientHeight = 20;
  TMainForm& f = StartWith({pic, Memo("text", 100, 400)});
  TMemoForm& memo = *f.MemoList[0];
  const std::pair<const char*, std::pair<int, const char*>> steps[] = {
      {"&256色", {8, "256色"}},
      {"&16色", {4, "16色"}},
      {"256グレースケール(&G)", {8, "256グレースケール"}},
      {"白黒(&B)", {1, "モノクロ"}}};
  for (const auto& [caption, expected] : steps) {
    desk.ExpectPopupChoice(std::string("画像メモの減色とJPEG保存(&R) > ") + caption);
    Sim(memo).UserContextMenu({510, 110});
    const std::optional<BmpInfo> info = ReadBmpInfo(memo.Picture());
    ASSERT_TRUE(info) << caption;
    EXPECT_EQ(info->BitCount, expected.first);
    EXPECT_EQ(memo.Record().PictureHint, expected.second);
    EXPECT_EQ(memo.ClientWidth(), 30);
  }
  const std::string mono = memo.Picture();
  EXPECT_EQ(DecodeBmp(mono)->At(0, 0), 0u);  // grey 76 is nearer black

  desk.ExpectSaveFile({true, {"C:\\Quillpad\\Bitmap\\red.bmp"}});
  memo.MemoSaveClick();
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "Bitmap" / "red.bmp"), mono);
  EXPECT_EQ(f.asBitmapDir, "C:\\Quillpad\\Bitmap");
  desk.ExpectSaveFile({true, {"C:\\Quillpad\\red.jpg"}});
  memo.SaveToJPEGClick();
  EXPECT_EQ(testing::ReadHostFile(ProgramFolder() / "red.jpg").substr(0, 2), "\xFF\xD8");
  ASSERT_GE(desk.FileDialogs().size(), 2u);
  const platform::FileDialogOptions& jpeg = desk.FileDialogs().back().Options;
  EXPECT_EQ(jpeg.Title, "JPEGへの保存");
  EXPECT_EQ(jpeg.InitialDir, "C:\\Quillpad\\JPEG");
  EXPECT_EQ(jpeg.FileName, "untitled.jpg");

  TMemoForm& text = *f.MemoList[1];
  const MemoRecord before = text.Record();
  text.To256Click();
  text.To256GrayScaleClick();
  text.SaveToJPEGClick();  // no dialog expected
  EXPECT_EQ(text.Record(), before);
  EXPECT_EQ(Saved(f, 0).Picture, mono);
  EXPECT_EQ(Saved(f, 0).PictureHint, "モノクロ");
  EXPECT_EQ(Saved(f, 1).Text, "text");
}

TEST_F(PictureMemoTest, OpeningAPictureFileMakesAMemoAtTheEndAndRemembersItsFolder) {
  std::filesystem::create_directories(ProgramFolder() / "Pics");
  testing::WriteHostFile(ProgramFolder() / "Pics" / "a.bmp", picture);
  testing::WriteHostFile(ProgramFolder() / "Pics" / "b.BMP", picture);
  TMainForm& f = StartWith({Memo("first", 100, 100)});
  desk.ExpectOpenFile({true, {"C:\\Quillpad\\Pics\\a.bmp"}});
  f.BitmapOpenAndShowClick(nullptr);
  ASSERT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(f.MemoList[1]->Kind(), MemoKind::mkImage);
  EXPECT_EQ(f.MemoList[1]->Picture(), picture);
  EXPECT_EQ(f.asBitmapDir, "C:\\Quillpad\\Pics");
  EXPECT_TRUE(std::filesystem::is_directory(ProgramFolder() / "Bitmap"));
  // Capitals go to the plug-ins, and there are none here.
  desk.ExpectOpenFile({true, {"C:\\Quillpad\\Pics\\b.BMP"}});
  desk.ExpectMessageBox(platform::IdOk, "C:\\Quillpad\\Pics\\b.BMPを開くことに失敗しました。");
  f.BitmapOpenAndShowClick(nullptr);
  EXPECT_EQ(f.MemoCount(), 2);
  EXPECT_EQ(desk.FileDialogs().back().Options.InitialDir, "C:\\Quillpad\\Pics");
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(Saved(f, 0).Text, "first");
}

// With a plug-in at hand: the dialog offers its files, capitals and other formats go through it,
// and a drop tries it before taking a file as text.
TEST_F(PictureMemoTest, PicturesThatAreNotExactlyBmpGoThroughThePlugins) {
  desk.SimPlugins().Register("ifgif.spi", testing::BmpPlugin());
  std::filesystem::create_directories(ProgramFolder() / "Drop");
  const std::string blue = SolidBmpFile(4, 6, 0xFF0000);
  testing::WriteHostFile(ProgramFolder() / "b.BMP", picture);
  testing::WriteHostFile(ProgramFolder() / "Drop" / "c.qpx", blue);
  testing::WriteHostFile(ProgramFolder() / "Drop" / "d.qpx", "not a picture");
  WriteIni("[FORM]\r\niDragDrop=1\r\niAfterSizeChange=0\r\n");
  TMainForm& f = StartWith({Memo("first", 600, 100), Memo("last", 100, 400)});
  EXPECT_EQ(f.SupportedExtensionList(), ".qpx");

  desk.ExpectOpenFile({true, {"C:\\Quillpad\\b.BMP"}});
  f.BitmapOpenAndShowClick(nullptr);
  EXPECT_EQ(desk.FileDialogs().back().Options.Filter,
            "QPX file(*.qpx),ビットマップファイル(*.bmp)|*.qpx;*.bmp|すべてのファイル(*.*)|*.*");
  ASSERT_EQ(f.MemoCount(), 3);
  EXPECT_EQ(f.MemoList[2]->Picture(), picture);

  Sim(*f.MemoList[0]).UserDropFiles({"C:\\Quillpad\\Drop"});
  ASSERT_EQ(f.MemoCount(), 5);
  EXPECT_EQ(f.MemoList[1]->Kind(), MemoKind::mkImage);  // right after the memo it was dropped on
  EXPECT_EQ(f.MemoList[1]->Picture(), blue);
  EXPECT_EQ(f.MemoList[4]->MemoText(), "not a picture");
  EXPECT_EQ(desk.SimPlugins().LoadedNow(), 0);
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(Saved(f, 0).Text, "first");
  EXPECT_EQ(Saved(f, 1).Picture, blue);
}

// The picture dialogs' preview: a file the plug-ins read stands at the dialog's left at its own
// size and the dialog keeps the keyboard; anything else, and the dialog's close, take it away.
TEST_F(PictureMemoTest, ThePictureDialogsPreviewFollowsTheChosenFile) {
  desk.SimPlugins().Register("ifgif.spi", testing::BmpPlugin());
  const std::string green = SolidBmpFile(40, 30, 0x00FF00);
  testing::WriteHostFile(ProgramFolder() / "g.qpx", green);
  testing::WriteHostFile(ProgramFolder() / "G2.QPX", SolidBmpFile(8, 9, 0xFF0000));
  testing::WriteHostFile(ProgramFolder() / "b.BMP", picture);
  testing::WriteHostFile(ProgramFolder() / "bad.qpx", "not a picture");
  TMainForm& f = StartWith({Memo("first", 600, 100)});
  f.SetForeground();
  const auto preview = [&f] { return f.PreviewOfPictureDialogs->Form(); };

  std::vector<std::string> seen;
  desk.ExpectOpenFile(
      {.Ok = false,
       .Files = {},
       .Selections = {"C:\\Quillpad\\g.qpx", "C:\\Quillpad\\b.BMP", "C:\\Quillpad\\G2.QPX",
                      "C:\\Quillpad\\bad.qpx", "C:\\Quillpad\\gone.qpx", "C:\\Quillpad\\g.qpx"},
       .WhileOpen = [&](const std::string& path) {
         TImageViewForm* form = preview();
         if (!form) {
           seen.push_back("none");
           return;
         }
         seen.push_back(form->Hint());
         EXPECT_TRUE(form->Visible()) << path;
         EXPECT_EQ(form->BorderStyle(), platform::BorderStyle::None);
         EXPECT_EQ(Sim(*form).Text(), "イメージビューア");
         // The dialog, not the preview, has the keyboard.
         const platform::WindowHandle front = desk.Others().ForeignForeground();
         ASSERT_NE(front, 0u);
         EXPECT_EQ(desk.Others().Foreign(front).Text, "画像ファイルを開く");
         if (path != "C:\\Quillpad\\g.qpx") return;
         const platform::Rect d = platform::sim::kFileDialogBounds;
         EXPECT_EQ(form->BoundsRect(), (platform::Rect{d.Left - 40, d.Top, d.Left, d.Top + 30}));
         EXPECT_EQ(DecodeBmp(form->Picture())->Pixels, DecodeBmp(green)->Pixels);
         EXPECT_EQ(Sim(*form->Image1).Paint().at(0),
                   "DrawBitmap 0,0,40,30 " + std::to_string(form->Picture().size()) + " bytes");
         EXPECT_EQ(Sim(*form->Image1).ToolTip(), "高さ:30 幅:40");
       }});
  f.BitmapOpenAndShowClick(nullptr);
  EXPECT_EQ(seen, (std::vector<std::string>{"高さ:30 幅:40", "none", "高さ:9 幅:8", "none", "none",
                                            "高さ:30 幅:40"}));
  EXPECT_EQ(preview(), nullptr);
  EXPECT_TRUE(f.Active());  // the owner is in front again
  EXPECT_EQ(f.MemoCount(), 1);

  // The memo's picture save dialog has the same preview, and a click on it hides it.
  desk.SetPicture(picture);
  f.ClipNewMemoAtEndClick(nullptr);
  desk.ExpectSaveFile({.Ok = false,
                       .Files = {},
                       .Selections = {"C:\\Quillpad\\g.qpx"},
                       .WhileOpen = [&](const std::string&) {
                         ASSERT_NE(preview(), nullptr);
                         Sim(*preview()->Image1).UserMouseDown(platform::MouseButton::Left, {3, 3});
                         Sim(*preview()->Image1).UserMouseUp(platform::MouseButton::Left, {3, 3});
                         EXPECT_FALSE(preview()->Visible());
                       }});
  f.MemoList[1]->MemoSaveClick();
  EXPECT_EQ(preview(), nullptr);
  EXPECT_TRUE(desk.AllAnswersUsed());
  EXPECT_EQ(Saved(f, 0).Text, "first");
}

}  // namespace
}  // namespace quillpad
