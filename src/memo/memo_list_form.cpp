#include "memo/memo_list_form.h"

#include <algorithm>

#include "base/bmp_image.h"
#include "base/text.h"
#include "memo/memo_form.h"
#include "memo/memo_list_rules.h"
#include "ui/application.h"

namespace quillpad {

namespace {

ui::ToolButton* AddButton(ui::Component* owner, ui::ToolBar* bar, const char* name,
                          const std::string& caption, const char* hint,
                          ui::ToolButtonStyle style = ui::ToolButtonStyle::Button) {
  auto* b = new ui::ToolButton(owner, bar, style);
  b->Name = name;
  b->SetCaption(caption);
  b->SetHint(hint);
  return b;
}

}  // namespace

TMemoListForm::TMemoListForm(ui::Component* owner, MemoListHost& host)
    : ui::Form(owner), host_(host) {
  Name = "MemoListForm";
  SetBorderIcons(true, false, false);
  SetStayOnTop(true);
  SetClientSize(461, 388);
  const platform::Size screen = ui::Application::Instance().System().ScreenSize();
  SetBounds((screen.Width - Width()) / 2, (screen.Height - Height()) / 2, Width(), Height());
  BuildControls();
  UpdateCategory();
  Refill();
}

TMemoListForm::~TMemoListForm() = default;

void TMemoListForm::BuildControls() {
  ToolBar1 = new ui::ToolBar(this, this);
  ToolBar1->Name = "ToolBar1";
  ToolBar1->SetFlat(true);
  ToolBar1->SetShowCaptions(true);
  ToolBar1->SetButtonSize(100, 22);
  ToolBar1->SetAlign(ui::Align::Top);
  ExitBtn = AddButton(this, ToolBar1, "ExitBtn", "閉じる", "|メモリスト編集画面を閉じる");
  ExitBtn->OnClick = [this] { ExitBtnClick(); };
  JustifyBtn = AddButton(this, ToolBar1, "JustifyBtn", "メモの整列", "|メモ全体の整列",
                         ui::ToolButtonStyle::DropDown);
  DeleteBtn = AddButton(this, ToolBar1, "DeleteBtn", "削除", "選択したメモの削除");
  DeleteBtn->OnClick = [this] { DeleteBtnClick(); };

  MemoListEditPopupMenu = new ui::PopupMenu(this);
  MemoListEditPopupMenu->Name = "MemoListEditPopupMenu";
  const std::pair<const char*, ArrangeKind> arrangements[] = {
      {"右揃え", ArrangeKind::RightJustify},
      {"左揃え", ArrangeKind::LeftJustify},
      {"右揃えタイル", ArrangeKind::RightTile},
      {"左揃えタイル", ArrangeKind::LeftTile},
  };
  for (const auto& [caption, arrangement] : arrangements) {
    MemoListEditPopupMenu->Add(caption)->OnClick = [this, a = arrangement] {
      host_.ArrangeMemos(a);
    };
  }
  JustifyBtn->DropdownMenu = MemoListEditPopupMenu;

  // Bottom controls dock from the edge up: the status bar first.
  StatusBar1 = new ui::StatusBar(this, this);
  StatusBar1->Name = "StatusBar1";
  // The hint panel reaches the right edge so its texts can be read whole.
  StatusBar1->SetPanels({100, -1});
  ToolBar2 = new ui::ToolBar(this, this);
  ToolBar2->Name = "ToolBar2";
  ToolBar2->SetFlat(true);
  ToolBar2->SetShowCaptions(true);
  ToolBar2->SetButtonSize(80, 22);
  ToolBar2->SetHint("ボタン上にメモをドロップするとメモを別ファイルに移動");
  ToolBar2->SetAlign(ui::Align::Bottom);
  const char* const names[] = {"MemoFile0Btn", "MemoFile1Btn", "MemoFile2Btn"};
  for (int k = 0; k < kMemoCategoryCount; ++k) {
    ui::ToolButton* b = AddButton(this, ToolBar2, names[k], host_.ListCategoryCaption(k), "");
    b->Tag = k;
    b->OnClick = [this, k] { MemoFile0BtnClick(k); };
    b->OnDragOver = [this, k](ui::Control* source, bool& accept) {
      MemoFile0BtnDragOver(k, source, accept);
    };
    b->OnDragDrop = [this, k](ui::Control*) { MemoFile0BtnDragDrop(k); };
    MemoFileBtns[static_cast<std::size_t>(k)] = b;
  }

  platform::WindowStyle listStyle = ui::FramedStyle();
  listStyle.OwnerDraw = true;
  MemoListBox = new ui::ListBox(this, this, listStyle);
  MemoListBox->Name = "MemoListBox";
  MemoListBox->SetAlign(ui::Align::Client);
  MemoListBox->SetHint("|Drag & Dropでメモの順番変更");
  MemoListBox->SetDragMode(ui::DragMode::Automatic);
  MemoListBox->OnMeasureItem = [this](int i) { return MemoListBoxMeasureItem(i); };
  MemoListBox->OnDrawItem = [this](int i, platform::Canvas& c, const platform::Rect& r, bool s) {
    MemoListBoxDrawItem(i, c, r, s);
  };
  MemoListBox->OnMouseDown = [this](ui::MouseButton b, unsigned, int x, int y) {
    MemoListBoxMouseDown(b, x, y);
  };
  MemoListBox->OnDragOver = [this](ui::Control* source, int, int, bool& accept) {
    MemoListBoxDragOver(source, accept);
  };
  MemoListBox->OnDragDrop = [this](ui::Control*, int x, int y) { MemoListBoxDragDrop(x, y); };
}

int TMemoListForm::Execute() {
  ui::Application& app = ui::Application::Instance();
  // The owner's hint handling comes back however the window ends.
  struct HintRoute {
    ui::Application& App;
    std::function<void()> Saved;
    ~HintRoute() { App.OnHint = std::move(Saved); }
  } route{app, app.OnHint};
  app.OnHint = [this] { ShowHint(); };
  return ShowModal();
}

void TMemoListForm::ShowHint() {
  StatusBar1->SetPanelText(1, ui::Application::Instance().Hint());
}

void TMemoListForm::Refill() {
  const std::vector<TMemoForm*>& memos = host_.ListedMemos();
  std::vector<std::string> texts;
  texts.reserve(memos.size());
  for (const TMemoForm* memo : memos) texts.push_back(memo->MemoText());
  MemoListBox->SetItems(std::move(texts));
  MemoListBox->Invalidate();
  StatusBar1->SetPanelText(0, MemoCountText(MemoListBox->Count()));
}

void TMemoListForm::UpdateCategory() {
  const int current = host_.ListCategory();
  for (int k = 0; k < kMemoCategoryCount; ++k) {
    ui::ToolButton* b = MemoFileBtns[static_cast<std::size_t>(k)];
    b->SetCaption(host_.ListCategoryCaption(k));
    b->SetEnabled(CategoryButtonEnabled(k, current));
  }
  SetCaption(MemoListCaption(host_.ListCategoryCaption(current)));
}

void TMemoListForm::ExitBtnClick() {
  Close();
}

void TMemoListForm::DeleteBtnClick() {
  const int index = MemoListBox->ItemIndex();
  if (index < 0 || index >= MemoListBox->Count()) {
    StatusBar1->SetPanelText(1, "メモを選択してください");
    return;
  }
  DeleteAt(index);
}

void TMemoListForm::DeleteAt(int index) {
  const std::vector<TMemoForm*>& memos = host_.ListedMemos();
  if (index < 0 || index >= static_cast<int>(memos.size())) return;
  host_.DeleteListedMemo(memos[static_cast<std::size_t>(index)]);
  Refill();
  MemoListBox->SetItemIndex(SelectionAfterDelete(index, MemoListBox->Count()));
}

void TMemoListForm::MemoFile0BtnClick(int category) {
  if (!CategoryButtonEnabled(category, host_.ListCategory())) return;
  host_.SwitchListCategory(category);
  Refill();
  UpdateCategory();
}

void TMemoListForm::MemoListBoxMouseDown(ui::MouseButton button, int x, int y) {
  if (button != ui::MouseButton::Left) return;
  const int index = MemoListBox->ItemAtPos({x, y});
  if (index >= 0) MemoListBox->SetHint(MemoSelectedHint(index + 1));
}

void TMemoListForm::MemoListBoxDragOver(ui::Control* source, bool& accept) {
  accept = source == MemoListBox;
}

void TMemoListForm::MemoListBoxDragDrop(int x, int y) {
  const int count = MemoListBox->Count();
  const int from = MemoListBox->ItemIndex();
  const int to = ReorderTarget(MemoListBox->ItemAtPos({x, y}), count);
  if (from < 0 || from >= count || to < 0) return;
  host_.MoveListedMemo(from, to);
  Refill();
  MemoListBox->SetItemIndex(to);
}

void TMemoListForm::MemoFile0BtnDragOver(int category, ui::Control* source, bool& accept) {
  accept = source == MemoListBox &&
           CategoryTakesDrop(category, host_.ListCategory(), host_.ListReadOnly());
}

void TMemoListForm::MemoFile0BtnDragDrop(int category) {
  const int index = MemoListBox->ItemIndex();
  const std::vector<TMemoForm*>& memos = host_.ListedMemos();
  if (index < 0 || index >= static_cast<int>(memos.size())) return;
  // A failed append raises its error here, and the memo stays in this list.
  host_.AppendMemoToCategory(memos[static_cast<std::size_t>(index)], category);
  DeleteAt(index);
}

int TMemoListForm::MemoListBoxMeasureItem(int index) {
  const std::vector<TMemoForm*>& memos = host_.ListedMemos();
  if (index < 0 || index >= static_cast<int>(memos.size())) return 1;
  const TMemoForm* memo = memos[static_cast<std::size_t>(index)];
  const platform::FontSpec font = ToPlatformFont(memo->MemoFont());
  const int lineHeight = ui::Application::Instance().Windows().TextExtent("A", font).Height;
  const int lines = static_cast<int>(SplitLines(memo->MemoText()).size());
  return MemoItemHeight(memo->Kind(), memo->ClientHeight(), lines, lineHeight);
}

void TMemoListForm::MemoListBoxDrawItem(int index, platform::Canvas& canvas,
                                        const platform::Rect& r, bool selected) {
  const std::vector<TMemoForm*>& memos = host_.ListedMemos();
  if (index < 0 || index >= static_cast<int>(memos.size())) return;
  const TMemoForm* memo = memos[static_cast<std::size_t>(index)];
  if (memo->Kind() == MemoKind::mkImage) {
    // The picture at its own size from the item's corner: the item shows its top-left part.
    canvas.FillRect(r, ui::ClWindow);
    if (const auto info = ReadBmpInfo(memo->Picture())) {
      canvas.DrawBitmap({r.Left, r.Top, r.Left + info->Width, r.Top + info->Height},
                        memo->Picture());
    }
  } else {
    canvas.FillRect(r, static_cast<platform::Color>(memo->MemoColor()));
    const platform::FontSpec font = ToPlatformFont(memo->MemoFont());
    const int lineHeight = canvas.TextExtent("A", font).Height;
    int y = r.Top + kMemoItemInset;
    for (const std::string& line : SplitLines(memo->MemoText())) {
      if (y >= r.Bottom) break;
      canvas.TextOut({r.Left + kMemoItemInset, y}, line, font);
      y += lineHeight;
    }
  }
  // Every item is filled with its memo's colour: the selection shows as a frame.
  if (selected) ui::DrawSelectionFrame(canvas, r);
}

}  // namespace quillpad
