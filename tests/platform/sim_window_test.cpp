#include "platform/sim/sim_window.h"

#include "platform/sim/sim_metrics.h"
#include "support/sim_fixture.h"

namespace quillpad::testing {
namespace {

using namespace platform;
using namespace platform::sim;

struct Recorder : WindowEvents {
  std::vector<std::string> log;
  bool allowClose = true;
  void OnChange() override { log.push_back("change"); }
  void OnSelectionChange() override { log.push_back("sel"); }
  void OnActivate(bool active) override { log.push_back(active ? "activate" : "deactivate"); }
  void OnMenuCommand(int id) override { log.push_back("menu " + std::to_string(id)); }
  void OnResized(const Rect& r) override { log.push_back("size " + std::to_string(r.Width())); }
  bool OnCloseQuery() override {
    log.push_back("query");
    return allowClose;
  }
  void OnClose() override { log.push_back("close"); }
};

class SimWindowTest : public SimTest {
 protected:
  std::unique_ptr<Window> Make(WindowClass cls, Recorder& r, Window* parent = nullptr) {
    return desk.Windows().CreateWindow(cls, parent, r);
  }
};

TEST(SimMetricsTest, TextAndFramesAreThePublishedNumbers) {
  FontSpec font;
  font.Height = -12;
  EXPECT_EQ(MeasureText("ab", font), (Size{12, 12}));
  EXPECT_EQ(MeasureText("表a", font), (Size{18, 12}));
  EXPECT_EQ(MeasureText("abc\r\n表\r\n", font), (Size{18, 24}));
  EXPECT_EQ(MeasureText("", font), (Size{0, 12}));
  font.Height = 13;
  EXPECT_EQ(MeasureText("a", font), (Size{7, 13}));
  WindowStyle style;
  EXPECT_EQ(FrameExtent(WindowClass::Form, true, style, false), (Size{16, 39}));
  EXPECT_EQ(FrameExtent(WindowClass::Form, true, style, true), (Size{16, 59}));
  style.Border = BorderStyle::Dialog;
  EXPECT_EQ(FrameExtent(WindowClass::Form, true, style, false), (Size{6, 29}));
  style.Border = BorderStyle::None;
  EXPECT_EQ(FrameExtent(WindowClass::Form, true, style, false), (Size{0, 0}));
  EXPECT_EQ(FrameExtent(WindowClass::RichEdit, false, style, false), (Size{4, 4}));
}

TEST_F(SimWindowTest, TypingRaisesChangeForEachCharacterAndUndoesAsOneStep) {
  Recorder r;
  auto edit = Make(WindowClass::RichEdit, r);
  auto& sim = SimDesktop::Sim(edit.get());
  edit->SetText("x");
  r.log.clear();
  EXPECT_FALSE(edit->Modified());
  edit->SetSelection(1, 0);
  sim.UserType("表\n1");
  EXPECT_EQ(edit->Text(), "x表\r\n1");
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(std::count(r.log.begin(), r.log.end(), "change"), 3);
  int start = 0, length = 0;
  edit->GetSelection(start, length);
  EXPECT_EQ(start, 6);
  ASSERT_TRUE(edit->CanUndo());
  edit->Undo();
  EXPECT_EQ(edit->Text(), "x");
  EXPECT_FALSE(edit->CanUndo());
}

TEST_F(SimWindowTest, ReadOnlyAndOneLineFieldsTakeWhatTheyShould) {
  Recorder r;
  auto edit = Make(WindowClass::Edit, r);
  SimDesktop::Sim(edit.get()).UserType("a\r\nb");
  EXPECT_EQ(edit->Text(), "ab");
  WindowStyle ro;
  ro.ReadOnly = true;
  auto memo = Make(WindowClass::Memo, r);
  memo->SetStyle(ro);
  SimDesktop::Sim(memo.get()).UserType("zzz");
  EXPECT_EQ(memo->Text(), "");
}

TEST_F(SimWindowTest, CutCopyPasteGoThroughTheDesktopClipboard) {
  Recorder r;
  auto edit = Make(WindowClass::RichEdit, r);
  edit->SetText("hello world");
  edit->SetSelection(0, 5);
  edit->Cut();
  EXPECT_EQ(edit->Text(), " world");
  edit->SetSelection(-1, 0);
  edit->Paste();
  EXPECT_EQ(edit->Text(), " worldhello");
  EXPECT_EQ(desk.GetText(), "hello");
}

TEST_F(SimWindowTest, ZOrderKeepsTopmostWindowsInFrontAndTracksForeground) {
  Recorder ra, rb, rc;
  auto a = Make(WindowClass::Form, ra);
  auto b = Make(WindowClass::Form, rb);
  auto c = Make(WindowClass::Form, rc);
  a->SetTopmost(true);
  b->SetVisible(true);
  c->SetVisible(true);
  auto z = desk.ZOrder();
  ASSERT_EQ(z.size(), 3u);
  EXPECT_EQ(z[0], a.get());
  EXPECT_EQ(z[1], c.get());
  b->SetForeground();
  EXPECT_EQ(desk.ZOrder()[1], b.get());
  EXPECT_EQ(desk.Foreground(), b.get());
  c->SetForeground();
  EXPECT_EQ(rb.log.back(), "deactivate");
  EXPECT_EQ(rc.log.back(), "activate");
  c.reset();
  EXPECT_EQ(desk.Foreground(), nullptr);
  EXPECT_EQ(desk.ZOrder().size(), 2u);
}

TEST_F(SimWindowTest, MenuBarChoicesFollowCaptionPaths) {
  Recorder r;
  auto form = Make(WindowClass::Form, r);
  auto make = [](int id, const char* caption) {
    MenuItemSpec s;
    s.Id = id;
    s.Caption = caption;
    return s;
  };
  MenuItemSpec file = make(1, "ファイル(&F)");
  file.Children.push_back(make(2, "開く(&O)"));
  MenuItemSpec off = make(3, "印刷(&P)");
  off.Enabled = false;
  file.Children.push_back(off);
  std::vector<MenuItemSpec> bar{file};
  form->SetMenuBar(&bar);
  auto& sim = SimDesktop::Sim(form.get());
  EXPECT_TRUE(sim.UserChooseMenu("ファイル(&F) > 開く(&O)"));
  EXPECT_TRUE(sim.UserChooseMenu("ファイル(F) > 開く(O)"));
  EXPECT_EQ(r.log, (std::vector<std::string>{"menu 2", "menu 2"}));
  failOnUnexpected = false;
  EXPECT_FALSE(sim.UserChooseMenu("ファイル > 印刷"));  // disabled: a user cannot choose it
  EXPECT_EQ(unexpected.size(), 1u);
}

TEST_F(SimWindowTest, PopupMenusAndModalWindowsFollowTheScript) {
  Recorder r;
  MenuItemSpec arrange;
  arrange.Id = 10;
  arrange.Caption = "整列...";
  MenuItemSpec right;
  right.Id = 11;
  right.Caption = "右揃え";
  arrange.Children.push_back(right);
  std::vector<MenuItemSpec> items{arrange};
  desk.ExpectPopupChoice("整列... > 右揃え");
  desk.ExpectPopupChoice("");
  EXPECT_EQ(desk.Windows().TrackPopupMenu(items, {5, 5}, nullptr), 11);
  EXPECT_EQ(desk.Windows().TrackPopupMenu(items, {5, 5}, nullptr), 0);

  auto dialog = Make(WindowClass::Form, r);
  dialog->SetText("バージョン情報");
  bool closed = false;
  desk.SetModalScript("バージョン情報", [&](SimWindow& w) {
    EXPECT_EQ(&w, dialog.get());
    closed = true;
  });
  desk.Windows().RunModal(*dialog, [&] { return closed; });
  EXPECT_EQ(desk.ModalCaptions(), (std::vector<std::string>{"バージョン情報"}));

  failOnUnexpected = false;
  dialog->SetText("other");
  desk.Windows().RunModal(*dialog, [] { return false; });
  EXPECT_EQ(unexpected.size(), 1u);
}

TEST_F(SimWindowTest, UserCloseAsksFirstAndChildrenFollowTheirParent) {
  Recorder r;
  auto form = Make(WindowClass::Form, r);
  r.allowClose = false;
  EXPECT_FALSE(SimDesktop::Sim(form.get()).UserClose());
  r.allowClose = true;
  EXPECT_TRUE(SimDesktop::Sim(form.get()).UserClose());
  EXPECT_EQ(r.log, (std::vector<std::string>{"query", "query", "close"}));
  Recorder rc;
  auto child = Make(WindowClass::Panel, rc, form.get());
  EXPECT_EQ(SimDesktop::Sim(child.get()).Parent(), form.get());
  form->SetBounds({0, 0, 200, 100});
  EXPECT_EQ(form->ClientSize(), (Size{184, 61}));
}

}  // namespace
}  // namespace quillpad::testing
