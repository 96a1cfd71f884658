#include "support/sim_fixture.h"
#include "ui/date_time_picker.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/splitter.h"
#include "ui/std_controls.h"

namespace quillpad::testing {
namespace {

using namespace ui;
using platform::Rect;

class PanesTest : public UiTest {
 protected:
  PanesTest() {
    form.SetBorderStyle(platform::BorderStyle::None);
    form.SetBounds(0, 0, 400, 300);
    left = new Panel(&form, &form);
    left->SetWidth(95);
    left->SetAlign(Align::Left);
    splitter2 = new Splitter(&form, &form);
    splitter2->SetMinSize(10);
    area = new Panel(&form, &form);
    area->SetAlign(Align::Client);
    output = new Memo(&form, area);
    output->SetHeight(20);
    output->SetAlign(Align::Bottom);
    splitter1 = new Splitter(&form, area);
    splitter1->SetAlign(Align::Bottom);
    splitter1->SetMinSize(20);
    editor = new RichEdit(&form, area);
    editor->SetAlign(Align::Client);
  }
  Form form{nullptr};
  Panel* left;
  Splitter* splitter2;
  Panel* area;
  Memo* output;
  Splitter* splitter1;
  RichEdit* editor;
};

TEST_F(PanesTest, SplittersSitBesideTheirPanes) {
  EXPECT_EQ(splitter2->BoundsRect(), (Rect{95, 0, 98, 300}));
  EXPECT_EQ(splitter2->Target(), left);
  EXPECT_EQ(splitter1->BoundsRect(), (Rect{0, 277, 302, 280}));
  EXPECT_EQ(splitter1->Target(), output);
  EXPECT_EQ(Sim(*splitter1).Cursor(), platform::CursorKind::SizeNS);
}

TEST_F(PanesTest, DraggingResizesThePaneWithinTheMinimumSizes) {
  int moved = 0;
  splitter2->OnMoved = [&] { ++moved; };
  Sim(*splitter2).UserDrag({1, 50}, {31, 50});
  EXPECT_EQ(left->Width(), 125);
  EXPECT_EQ(area->Left(), 128);
  EXPECT_EQ(moved, 1);
  splitter2->MoveBy(-500);
  EXPECT_EQ(left->Width(), 10);
  splitter2->MoveBy(1000);  // the editor area keeps its minimum
  EXPECT_EQ(area->Width(), 10);
  Sim(*splitter1).UserDrag({5, 1}, {5, -29});  // upwards: the results pane grows
  EXPECT_EQ(output->Height(), 50);
  EXPECT_EQ(desk.Capture(), nullptr);
}

TEST_F(PanesTest, DatePickerKeepsTheDateAndReportsPicks) {
  auto* picker = new DateTimePicker(&form, left);
  picker->SetDate(EncodeDateTime(2026, 12, 7, 9, 30, 0));
  EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 7));
  std::vector<std::string> log;
  picker->OnChange = [&] { log.push_back("change"); };
  picker->OnCloseUp = [&] { log.push_back("closeup"); };
  Sim(*picker).UserSetDate(EncodeDate(2026, 12, 24));
  EXPECT_EQ(picker->Date(), EncodeDate(2026, 12, 24));
  EXPECT_EQ(log, (std::vector<std::string>{"change", "closeup"}));
}

TEST_F(PanesTest, FileListListsMatchingFilesOnly) {
  auto& fs = desk.Files();
  ASSERT_TRUE(fs.CreateFolder("C:\\ScheduleMemo"));
  ASSERT_TRUE(fs.CreateFolder("C:\\ScheduleMemo\\20261299.txt"));  // a folder: not listed
  for (const char* name : {"20261207.txt", "20261124.txt", "20261201.txt", "20261201.bak"}) {
    ASSERT_TRUE(fs.WriteFileAtomic(std::string("C:\\ScheduleMemo\\") + name, "x"));
  }
  auto* list = new FileListBox(&form, left);
  list->SetMultiSelect(true);
  list->SetMask("202612*.txt");
  list->SetDirectory("C:\\ScheduleMemo\\");
  EXPECT_EQ(list->Items(), (std::vector<std::string>{"20261201.txt", "20261207.txt"}));
  EXPECT_EQ(Sim(*list).Items(), list->Items());
  EXPECT_EQ(list->FileName(1), "C:\\ScheduleMemo\\20261207.txt");
  list->SetSelected(0, true);
  list->SetSelected(1, true);
  EXPECT_EQ(list->SelCount(), 2);
  Sim(*list).UserClickItem(1);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->SelCount(), 1);
  ASSERT_TRUE(fs.DeleteFile("C:\\ScheduleMemo\\20261201.txt"));
  list->Update();
  EXPECT_EQ(list->Count(), 1);
}

TEST_F(PanesTest, SortedListsOrderTheirItems) {
  auto* list = new ListBox(&form, left);
  list->SetSorted(true);
  list->SetItems({"b", "C", "a"});
  EXPECT_EQ(list->Items(), (std::vector<std::string>{"a", "b", "C"}));
  list->AddItem("B2");
  EXPECT_EQ(list->Items()[2], "B2");
}

}  // namespace
}  // namespace quillpad::testing

namespace quillpad::testing {
namespace {

TEST_F(PanesTest, PaintBoxesDrawThroughOnPaint) {
  auto* box = new PaintBox(&form, left);
  box->SetBounds(0, 0, 40, 20);
  box->OnPaint = [](platform::Canvas& canvas) {
    const auto size = canvas.CanvasSize();
    canvas.FillRect({0, 0, size.Width, size.Height}, 0x00FFFF);
    canvas.TextOut({2, 3}, "表a", FontSpec{});
  };
  EXPECT_EQ(Sim(*box).Paint(),
            (std::vector<std::string>{"FillRect 0,0,40,20 $0000FFFF", "TextOut 2,3 $00000000 表a"}));
  EXPECT_EQ(app.Windows().TextExtent("表a", FontSpec{}), (platform::Size{18, 12}));
}

}  // namespace
}  // namespace quillpad::testing
