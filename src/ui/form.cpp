#include "ui/form.h"

#include "ui/application.h"
#include "ui/edit_controls.h"
#include "ui/menu_item.h"
#include "ui/short_cut.h"
#include "ui/std_controls.h"

namespace quillpad::ui {

Form::Form(Component* owner) : Control(owner, nullptr, platform::WindowClass::Form) {
  PushStyle();
}

Form::Form(Component* owner, const platform::WindowStyle& style)
    : Control(owner, nullptr, platform::WindowClass::Form, &style) {
  style_ = style;
  PushStyle();
}

Form::~Form() {
  // The components go while the form is still whole: menus talk to it on their way out.
  DestroyComponents();
  if (menu_) SetMenu(nullptr);
  if (Application::Exists()) Application::Instance().Forget(this);
}

void Form::HoldStyle(bool hold) {
  styleHolds_ += hold ? 1 : -1;
  if (!hold) PushStyle();
}

void Form::PushStyle() {
  if (styleHolds_ > 0) return;
  P().SetStyle(style_);
  Realign();  // the frame, and so the client area, may have changed
}

void Form::SetBorderStyle(platform::BorderStyle border) {
  style_.Border = border;
  style_.Caption = border != platform::BorderStyle::None;
  PushStyle();
}

void Form::SetCaptionBar(bool on) {
  style_.Caption = on;
  PushStyle();
}

void Form::SetBorderIcons(bool systemMenu, bool minimize, bool maximize) {
  style_.SystemMenu = systemMenu;
  style_.MinimizeBox = minimize;
  style_.MaximizeBox = maximize;
  PushStyle();
}

void Form::SetToolWindowExStyle(bool on) {
  style_.ToolWindowExStyle = on;
  PushStyle();
}

void Form::SetStayOnTop(bool on) {
  stayOnTop_ = on;
  P().SetTopmost(on);
}

void Form::SetAcceptFiles(bool on) {
  style_.AcceptFiles = on;
  PushStyle();
}

void Form::SetShowInactive(bool on) {
  style_.ShowInactive = on;
  PushStyle();
}

void Form::SetMenu(MainMenu* menu) {
  if (menu_ == menu) return;
  MainMenu* old = menu_;
  menu_ = menu;
  if (old) old->AttachTo(nullptr);
  if (menu_) {
    menu_->AttachTo(this);  // pushes the items to the peer
  } else {
    P().SetMenuBar(nullptr);
  }
  Realign();
}

void Form::SetVisible(bool visible) {
  if (visible == Visible()) return;
  Control::SetVisible(visible);
  if (visible) {
    // The client area is final only now: a menu bar that wraps takes more room than foreseen.
    Realign();
    if (OnShow) OnShow();
  } else {
    if (OnHide) OnHide();
  }
}

bool Form::Close() {
  if (!DoCloseQuery()) return false;
  DoClose();
  return true;
}

bool Form::DoCloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  return canClose;
}

bool Form::DoQueryEndSession() {
  bool canEnd = true;
  if (OnQueryEndSession) OnQueryEndSession(canEnd);
  return canEnd;
}

void Form::DoClose() {
  if (modal_) {
    // Closing a modal form ends the modal loop; the loop hides it.
    if (modalResult_ == MrNone) modalResult_ = MrCancel;
    return;
  }
  CloseAction action = CloseAction::Hide;
  if (OnClose) OnClose(action);
  if (action == CloseAction::None) return;
  if (Application::Instance().MainForm() == this) {
    Hide();
    Application::Instance().Terminate(0);
    return;
  }
  if (action == CloseAction::Free) releaseRequested_ = true;
  Hide();
}

int Form::ShowModal() {
  modal_ = true;
  modalResult_ = MrNone;
  Show();
  SetForeground();
  Application::Instance().Windows().RunModal(P(), [this] { return modalResult_ != MrNone; });
  modal_ = false;
  Hide();
  return modalResult_;
}

bool Form::IsShortCut(int key, unsigned shift) {
  const ShortCut value = MakeShortCut(key, shift);
  bool handled = false;
  if (OnShortCut) OnShortCut(value, handled);
  if (handled) return true;
  return menu_ && menu_->DispatchShortCut(value);
}

bool Form::Active() const {
  return Application::Instance().Windows().ForegroundWindow() == Peer();
}

void Form::DoActivate(bool active) {
  if (active && OnActivate) OnActivate();
  if (!active && OnDeactivate) OnDeactivate();
}

void Form::DoShowChanged(bool visible) {
  if (visible == Visible()) return;
  Control::DoShowChanged(visible);
  if (visible && OnShow) OnShow();
  if (!visible && OnHide) OnHide();
}

void Form::DoDropFiles(const std::vector<std::string>& paths) {
  if (OnDropFiles) OnDropFiles(paths);
}

void Form::DoMenuCommand(int id) {
  if (menu_) menu_->DispatchCommand(id);
}

namespace {

template <typename Pred>
Control* FindControl(Control* parent, Pred pred) {
  for (Control* child : parent->Controls()) {
    if (pred(child)) return child;
    if (Control* found = FindControl(child, pred)) return found;
  }
  return nullptr;
}

Button* RoleButton(Control* form, bool cancel) {
  return static_cast<Button*>(FindControl(form, [cancel](Control* c) {
    auto* b = dynamic_cast<Button*>(c);
    return b && b->Visible() && b->Enabled() && (cancel ? b->Cancel : b->Default());
  }));
}

}  // namespace

// Enter and Esc as a dialog answers them: the focused button, else the default (Enter) or the
// cancel button (Esc). Enter stays with a multi-line text control that has the focus.
void Form::ScreenCentre() {
  const Size screen = Application::Instance().System().ScreenSize();
  SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
}

bool Form::DoKeyDown(int key, unsigned shift) {
  if (Control::DoKeyDown(key, shift)) return true;
  if (shift != 0 || (key != VkReturn && key != VkEscape)) return false;
  Control* focused = FindControl(this, [](Control* c) { return c->Focused(); });
  Button* target = nullptr;
  if (key == VkReturn) {
    if (dynamic_cast<Memo*>(focused) || dynamic_cast<RichEdit*>(focused)) return false;
    target = dynamic_cast<Button*>(focused);
    if (!target) target = RoleButton(this, false);
  } else {
    target = RoleButton(this, true);
  }
  if (!target) return false;
  target->Click();
  return true;
}

void Form::BoundsChanged(bool sized, bool moved) {
  Control::BoundsChanged(sized, moved);
  if (moved && OnMove) OnMove();
}

}  // namespace quillpad::ui
