#include "ui/form.h"

#include "support/sim_fixture.h"
#include "ui/edit_controls.h"
#include "ui/menu_item.h"
#include "ui/status_bar.h"
#include "ui/std_controls.h"

namespace quillpad::testing {
namespace {

using namespace ui;
using platform::Rect;

class FormTest : public UiTest {
 protected:
  Form form{nullptr};
};

// A form that is a caption only while the left button is held, as desktop memos are.
class DragForm : public Form {
 public:
  using Form::Form;
  platform::Point asked{};

 protected:
  int DoHitTest(platform::Point screen) override {
    asked = screen;
    return Application::Instance().System().MouseButtonDown(platform::MouseButton::Left) ? platform::HtCaption
                                                                                         : platform::HtDefault;
  }
};

TEST_F(FormTest, HitTestReachesTheFormAndSeesTheHeldButton) {
  EXPECT_EQ(Sim(form).UserHitTest({5, 5}), platform::HtDefault);
  DragForm drag(nullptr);
  EXPECT_EQ(Sim(drag).UserHitTest({30, 40}), platform::HtDefault);
  EXPECT_EQ(drag.asked, (platform::Point{30, 40}));
  desk.SetMouseButtonDown(platform::MouseButton::Left, true);
  EXPECT_EQ(Sim(drag).UserHitTest({30, 40}), platform::HtCaption);
  EXPECT_FALSE(desk.MouseButtonDown(platform::MouseButton::Right));
  desk.SetMouseButtonDown(platform::MouseButton::Left, false);
  EXPECT_EQ(Sim(drag).UserHitTest({30, 40}), platform::HtDefault);
}

TEST_F(FormTest, ClientSizeAddsTheFrameOfTheBorderAndMenu) {
  form.SetBounds(10, 20, 100, 100);
  auto* menu = new MainMenu(&form);
  menu->Add("ファイル(&F)");
  form.SetMenu(menu);
  form.SetClientSize(438, 272);
  EXPECT_EQ(form.BoundsRect(), (Rect{10, 20, 10 + 438 + 16, 20 + 272 + 39 + 20}));
  EXPECT_EQ(form.ClientWidth(), 438);
  auto* status = new StatusBar(&form, &form);
  EXPECT_EQ(status->Top(), 272 - StatusBar::kDefaultHeight);
  form.SetBorderStyle(platform::BorderStyle::None);
  EXPECT_EQ(status->BoundsRect().Bottom, form.ClientHeight());  // docked anew in the larger area
  form.SetMenu(nullptr);
  EXPECT_EQ(form.ClientHeight(), form.Height());
  EXPECT_EQ(status->BoundsRect().Bottom, form.Height());
}

TEST_F(FormTest, HeldStyleReachesThePeerAtTheLastReleaseAndDocksAnew) {
  form.SetBounds(0, 0, 200, 150);
  auto* status = new StatusBar(&form, &form);
  const int framedBottom = status->BoundsRect().Bottom;
  form.HoldStyle(true);
  form.HoldStyle(true);
  form.SetBorderStyle(platform::BorderStyle::None);
  form.SetToolWindowExStyle(true);
  form.HoldStyle(false);
  EXPECT_EQ(Sim(form).Style().Border, platform::BorderStyle::Sizeable);
  EXPECT_EQ(status->BoundsRect().Bottom, framedBottom);
  form.HoldStyle(false);
  EXPECT_EQ(Sim(form).Style().Border, platform::BorderStyle::None);
  EXPECT_TRUE(Sim(form).Style().ToolWindowExStyle);
  EXPECT_GT(form.ClientHeight(), framedBottom);
  EXPECT_EQ(status->BoundsRect().Bottom, form.ClientHeight());
}

TEST_F(FormTest, DockingFillsTheClientAreaInAlignOrder) {
  form.SetBorderStyle(platform::BorderStyle::None);
  form.SetBounds(0, 0, 400, 300);
  auto* top = new Panel(&form, &form);
  top->SetHeight(30);
  top->SetAlign(Align::Top);
  auto* status = new StatusBar(&form, &form);
  auto* left = new Panel(&form, &form);
  left->SetWidth(95);
  left->SetAlign(Align::Left);
  auto* area = new Panel(&form, &form);
  area->SetAlign(Align::Client);
  auto* output = new Memo(&form, area);
  output->SetHeight(20);
  output->SetAlign(Align::Bottom);
  auto* editor = new RichEdit(&form, area);
  editor->SetAlign(Align::Client);

  EXPECT_EQ(top->BoundsRect(), (Rect{0, 0, 400, 30}));
  EXPECT_EQ(status->BoundsRect(), (Rect{0, 281, 400, 300}));
  EXPECT_EQ(left->BoundsRect(), (Rect{0, 30, 95, 281}));
  EXPECT_EQ(area->BoundsRect(), (Rect{95, 30, 400, 281}));
  EXPECT_EQ(output->BoundsRect(), (Rect{0, 231, 305, 251}));
  EXPECT_EQ(editor->BoundsRect(), (Rect{0, 0, 305, 231}));
  EXPECT_EQ(Sim(*editor).Bounds(), editor->BoundsRect());  // mirrored into the peer

  left->Hide();  // hidden controls take no room
  EXPECT_EQ(area->BoundsRect(), (Rect{0, 30, 400, 281}));
  EXPECT_EQ(editor->Width(), 400);
  left->Show();
  left->SetWidth(0);  // a zero-width pane keeps its place but takes no room
  EXPECT_EQ(area->Left(), 0);
  Sim(form).UserSetBounds({0, 0, 500, 300});  // the user sizes the window
  EXPECT_EQ(area->Width(), 500);
  EXPECT_EQ(status->Width(), 500);
}

TEST_F(FormTest, CloseAsksTheQueryAndHidesByDefault) {
  form.Show();
  std::vector<std::string> log;
  bool allow = false;
  form.OnCloseQuery = [&](bool& canClose) {
    log.push_back("query");
    canClose = allow;
  };
  form.OnClose = [&](CloseAction&) { log.push_back("close"); };
  form.OnHide = [&] { log.push_back("hide"); };
  EXPECT_FALSE(form.Close());
  EXPECT_TRUE(form.Visible());
  allow = true;
  EXPECT_TRUE(Sim(form).UserClose());
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(Sim(form).IsVisible());
  EXPECT_EQ(log, (std::vector<std::string>{"query", "query", "close", "hide"}));
  EXPECT_FALSE(desk.QuitCalled());
}

TEST_F(FormTest, ClosingTheMainFormEndsTheProgram) {
  app.SetMainForm(&form);
  form.Show();
  form.OnClose = [](CloseAction& action) { action = CloseAction::Free; };
  desk.QueueLoopAction([&] { form.Close(); });
  EXPECT_EQ(app.Run(), 0);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(FormTest, FreeOnlyMarksTheFormForItsOwner) {
  form.Show();
  form.OnClose = [](CloseAction& action) { action = CloseAction::Free; };
  form.Close();
  EXPECT_TRUE(form.ReleaseRequested());
  EXPECT_FALSE(form.Visible());
}

TEST_F(FormTest, ShowModalRunsTheScriptForItsCaption) {
  auto* ok = new Button(&form, &form);
  ok->SetCaption("OK");
  ok->ModalResult = MrOk;
  form.SetCaption("バージョン情報");
  desk.SetModalScript("バージョン情報", [](platform::sim::SimWindow& w) {
    EXPECT_TRUE(w.IsVisible());
    w.FindChild("OK")->UserClick();
  });
  EXPECT_EQ(form.ShowModal(), MrOk);
  EXPECT_FALSE(form.Visible());
  // Closing a modal form by its close box answers Cancel.
  desk.QueueModalScript([](platform::sim::SimWindow& w) { w.UserClose(); });
  form.SetCaption("other");
  EXPECT_EQ(form.ShowModal(), MrCancel);
  // A script may name the form instead of its caption.
  form.Name = "AboutBox";
  desk.SetModalScript("AboutBox", [](platform::sim::SimWindow& w) {
    dynamic_cast<Form&>(*Control::FromEvents(w.Events())).SetModalResult(MrNo);
  });
  EXPECT_EQ(form.ShowModal(), MrNo);
}

// Enter presses the default button, or the focused one; Esc the cancel button; a focused
// multi-line memo keeps its Enter.
TEST_F(FormTest, EnterAndEscAnswerWithTheButtonRoles) {
  auto* ok = new Button(&form, &form);
  ok->SetCaption("OK");
  ok->ModalResult = MrOk;
  ok->SetDefault(true);
  auto* cancel = new Button(&form, &form);
  cancel->SetCaption("Cancel");
  cancel->ModalResult = MrCancel;
  cancel->Cancel = true;
  auto* other = new Button(&form, &form);
  other->SetCaption("Other");
  other->ModalResult = MrRetry;
  auto* memo = new Memo(&form, &form);
  form.SetCaption("roles");
  desk.SetModalScript("roles", [](platform::sim::SimWindow& w) { w.UserKey(VkReturn); });
  EXPECT_EQ(form.ShowModal(), MrOk);
  desk.SetModalScript("roles", [](platform::sim::SimWindow& w) { w.UserKey(VkEscape); });
  EXPECT_EQ(form.ShowModal(), MrCancel);
  desk.SetModalScript("roles", [&](platform::sim::SimWindow& w) {
    other->SetFocus();
    w.UserKey(VkReturn);
  });
  EXPECT_EQ(form.ShowModal(), MrRetry);
  desk.SetModalScript("roles", [&](platform::sim::SimWindow& w) {
    memo->SetFocus();
    EXPECT_FALSE(w.UserKey(VkReturn));
    EXPECT_EQ(form.ModalResult(), MrNone);
    w.UserKey(VkEscape);
  });
  EXPECT_EQ(form.ShowModal(), MrCancel);
  // A disabled default button answers nothing.
  ok->SetEnabled(false);
  desk.SetModalScript("roles", [&](platform::sim::SimWindow& w) {
    EXPECT_FALSE(w.UserKey(VkReturn));
    w.UserKey(VkEscape);
  });
  EXPECT_EQ(form.ShowModal(), MrCancel);
}

TEST_F(FormTest, ReachingTheFormFromItsPeer) {
  EXPECT_EQ(Control::FromEvents(Sim(form).Events()), &form);
}

TEST_F(FormTest, DroppedFilesAndMovesReachTheHandlers) {
  std::vector<std::string> dropped;
  form.OnDropFiles = [&](const std::vector<std::string>& paths) { dropped = paths; };
  failOnUnexpected = false;
  Sim(form).UserDropFiles({"C:\\a.txt"});
  EXPECT_EQ(unexpected.size(), 1u);  // not accepting files yet
  failOnUnexpected = true;
  form.SetAcceptFiles(true);
  Sim(form).UserDropFiles({"C:\\a.txt", "C:\\b"});
  EXPECT_EQ(dropped.size(), 2u);
  int moves = 0;
  form.OnMove = [&] { ++moves; };
  Sim(form).UserSetBounds({50, 60, 150, 160});
  form.SetBounds(70, 60, 100, 100);
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(form.Left(), 70);
}

TEST_F(FormTest, StayOnTopPutsTheWindowInTheTopmostBand) {
  Form other{nullptr};
  other.Show();
  form.Show();
  other.SetForeground();
  form.SetStayOnTop(true);
  EXPECT_TRUE(Sim(form).Topmost());
  other.SetForeground();
  EXPECT_EQ(desk.ZOrder().front(), &Sim(form));
}

TEST_F(FormTest, CheckBoxesAndButtonsReportClicks) {
  auto* check = new CheckBox(&form, &form);
  int clicks = 0;
  check->OnClick = [&] { ++clicks; };
  Sim(*check).UserClick();
  EXPECT_TRUE(check->Checked());
  EXPECT_TRUE(Sim(*check).Checked());
  check->SetChecked(true);  // no change, no event
  EXPECT_EQ(clicks, 1);
  check->SetEnabled(false);
  failOnUnexpected = false;
  Sim(*check).UserClick();
  EXPECT_EQ(unexpected.size(), 1u);
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace quillpad::testing

namespace quillpad::testing {
namespace {

TEST_F(FormTest, ATooSmallParentDoesNotEatTheSizeOfDockedControls) {
  form.SetBorderStyle(platform::BorderStyle::None);
  form.SetBounds(0, 0, 100, 10);
  auto* status = new StatusBar(&form, &form);
  EXPECT_EQ(status->Height(), StatusBar::kDefaultHeight);
  form.SetBounds(0, 0, 100, 200);
  EXPECT_EQ(status->BoundsRect(), (Rect{0, 181, 100, 200}));
}

}  // namespace
}  // namespace quillpad::testing
