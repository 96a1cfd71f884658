#include "memo/templates/style_template_form.h"

#include "base/text.h"
#include "memo/memo_form.h"
#include "memo/templates/style_template.h"
#include "ui/application.h"
#include "ui/short_cut.h"

namespace quillpad {

namespace {
const char* const kListHint = "|Drag & Dropでスタイルの順番変更";
const char* const kChooseFirst = "スタイルを選択してください";
}  // namespace

ui::ToolButton* TStyleTemplateForm::AddButton(const char* name, const char* caption,
                                              const char* hint,
                                              void (TStyleTemplateForm::*handler)()) {
  auto* button = new ui::ToolButton(this, ToolBar1);
  button->Name = name;
  button->SetCaption(caption);
  button->SetHint(hint);
  button->OnClick = [this, handler] { (this->*handler)(); };
  return button;
}

TStyleTemplateForm::TStyleTemplateForm(ui::Component* owner, StyleTemplateHost& host)
    : ui::Form(owner), host_(host) {
  Name = "StyleTemplateForm";
  SetCaption("メモスタイルのテンプレート");
  SetBorderStyle(platform::BorderStyle::Dialog);
  SetBorderIcons(true, false, false);
  SetStayOnTop(true);
  SetClientSize(461, 388);

  ToolBar1 = new ui::ToolBar(this, this);
  ToolBar1->Name = "ToolBar1";
  ToolBar1->SetAlign(ui::Align::Top);
  ToolBar1->SetFlat(true);
  ToolBar1->SetButtonSize(48, 22);
  ExitBtn = AddButton("ExitBtn", "閉じる", "|メモリスト編集画面を閉じる", &TStyleTemplateForm::ExitBtnClick);
  ApplyBtn = AddButton("ApplyBtn", "適用", "スタイルの適用", &TStyleTemplateForm::ApplyBtnClick);
  DeleteBtn = AddButton("DeleteBtn", "削除", "選択スタイルの削除", &TStyleTemplateForm::DeleteBtnClick);

  StatusBar1 = new ui::StatusBar(this, this);
  StatusBar1->Name = "StatusBar1";
  StatusBar1->SetAlign(ui::Align::Bottom);
  // The last panel reaches the edge, so messages longer than its 50 pixels still show.
  StatusBar1->SetPanels({100, -1});

  platform::WindowStyle listStyle = ui::FramedStyle();
  listStyle.OwnerDraw = true;
  StyleListBox = new ui::ListBox(this, this, listStyle);
  StyleListBox->Name = "StyleListBox";
  StyleListBox->SetAlign(ui::Align::Client);
  StyleListBox->SetFont({"ＭＳ Ｐゴシック", -12, 0x000000, 128, 0});
  StyleListBox->SetDragMode(ui::DragMode::Automatic);
  StyleListBox->OnMeasureItem = [this](int i) { return StyleListBoxMeasureItem(i); };
  StyleListBox->OnDrawItem = [this](int i, platform::Canvas& c, const platform::Rect& r, bool s) {
    StyleListBoxDrawItem(i, c, r, s);
  };
  StyleListBox->OnMouseDown = [this](ui::MouseButton b, unsigned, int x, int y) {
    if (b == ui::MouseButton::Left) StyleListBoxMouseDown(x, y);
  };
  StyleListBox->OnDragOver = [this](ui::Control* source, int, int, bool& accept) {
    accept = source == StyleListBox;
  };
  StyleListBox->OnDragDrop = [this](ui::Control*, int x, int y) { StyleListBoxDragDrop(x, y); };
  StyleListBox->OnDblClick = [this] { ApplyBtnClick(); };
  // The list moves its own selection with the arrow keys.
  OnKeyDown = [this](int& key, unsigned shift) {
    if (shift != 0) return;
    if (key == ui::VkReturn) {
      key = 0;
      ApplyBtnClick();
    } else if (key == ui::VkEscape) {
      key = 0;
      Close();
    }
  };

  ui::Application& app = ui::Application::Instance();
  const platform::Size screen = app.System().ScreenSize();
  SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
}

TStyleTemplateForm::~TStyleTemplateForm() = default;

bool TStyleTemplateForm::Execute() {
  templates_ = &host_.LoadTemplates();
  ui::Application& app = ui::Application::Instance();
  mainHint_ = app.OnHint;
  app.OnHint = [this, &app] { Tell(app.Hint()); };
  try {
    FormShow();
    ShowModal();
  } catch (...) {
    app.OnHint = mainHint_;
    throw;
  }
  app.OnHint = mainHint_;
  templates_ = nullptr;
  host_.SaveTemplates();
  return applied_;
}

void TStyleTemplateForm::FormShow() {
  Fill();
  StyleListBox->SetHint(kListHint);
  StyleListBox->SetFocus();
}

void TStyleTemplateForm::Fill() {
  std::vector<std::string> items;
  for (const TMemoForm* t : *templates_) items.push_back(t->MemoText());
  StyleListBox->SetItems(std::move(items));
  StatusBar1->SetPanelText(0, "総ｽﾀｲﾙ数= " + IntToStr(StyleListBox->Count()));
}

int TStyleTemplateForm::StyleListBoxMeasureItem(int index) {
  const int ppi = ui::Application::Instance().System().ScreenPixelsPerInch().Height;
  return TemplateItemHeight(StyleListBox->Items().at(static_cast<std::size_t>(index)), ppi);
}

void TStyleTemplateForm::StyleListBoxDrawItem(int index, platform::Canvas& canvas,
                                              const platform::Rect& rect, bool selected) {
  if (!templates_ || index < 0 || index >= static_cast<int>(templates_->size())) return;
  const MemoRecord record = (*templates_)[static_cast<std::size_t>(index)]->Record();
  canvas.FillRect(rect, static_cast<platform::Color>(record.Color));
  canvas.TextOut({rect.Left + 5, rect.Top + 5}, record.Text, ToPlatformFont(record.Font));
  // Rows are filled with their template's colour: the selection shows as a frame.
  if (selected) ui::DrawSelectionFrame(canvas, rect);
}

void TStyleTemplateForm::StyleListBoxMouseDown(int x, int y) {
  const int index = StyleListBox->ItemAtPos({x, y});
  if (index < 0) return;
  const std::string n = IntToStr(index + 1);
  StyleListBox->SetHint("スタイル#" + n + "|スタイル#" + n + " 選択中。Drag & Dropでスタイルの順番変更");
  // The mouse is over the list: its new hint shows at once.
  ui::Application::Instance().SetHint(StyleListBox->Hint());
}

void TStyleTemplateForm::StyleListBoxDragDrop(int x, int y) {
  const int from = StyleListBox->ItemIndex();
  const int to = ReorderTarget(StyleListBox->ItemAtPos({x, y}), StyleListBox->Count());
  if (!MoveListItem(*templates_, from, to)) return;
  Fill();
  StyleListBox->SetItemIndex(to);
}

TMemoForm* TStyleTemplateForm::Selected() const {
  const int index = StyleListBox->ItemIndex();
  if (!templates_ || index < 0 || index >= static_cast<int>(templates_->size())) return nullptr;
  return (*templates_)[static_cast<std::size_t>(index)];
}

void TStyleTemplateForm::ApplyBtnClick() {
  TMemoForm* style = Selected();
  if (!style) return Tell(kChooseFirst);
  host_.ApplyTemplate(*style);
  applied_ = true;
  Close();
}

void TStyleTemplateForm::DeleteBtnClick() {
  TMemoForm* style = Selected();
  if (!style) return Tell(kChooseFirst);
  const int index = StyleListBox->ItemIndex();
  templates_->erase(templates_->begin() + index);
  delete style;
  Fill();
  StyleListBox->SetItemIndex(SelectionAfterDelete(index, StyleListBox->Count()));
}

void TStyleTemplateForm::ExitBtnClick() { Close(); }

}  // namespace quillpad
