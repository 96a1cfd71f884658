// TMainForm: the current memo style and the style templates. The template window and the
// template values live in memo/templates; this file wires the commands to them.
#include "app/main_form.h"
#include "memo/memo_form.h"
#include "memo/templates/style_template.h"
#include "memo/templates/style_template_form.h"

namespace quillpad {

std::optional<MemoKind> TMainForm::CheckedBackground() const {
  const std::pair<const char*, MemoKind> modes[] = {{"BgNormal", MemoKind::mkNormal},
                                                     {"BgErase", MemoKind::mkWallpaper},
                                                     {"BgGradation", MemoKind::mkGradation},
                                                     {"BgMarquee", MemoKind::mkMarquee}};
  for (const auto& [name, kind] : modes) {
    if (Item(name)->Checked()) return kind;
  }
  return std::nullopt;
}

MemoStyle TMainForm::CurrentStyle() const {
  MemoStyle style;
  style.Color = static_cast<ColorValue>(ColorDialog1Color);
  style.Font = FromPlatformFont(FontDialog1Font);
  style.Border = Item("ShowBorder")->Checked();
  style.Kind = CheckedBackground().value_or(MemoKind::mkNormal);
  return style;
}

void TMainForm::CheckBackgroundItem(ui::Component* sender) {
  if (auto* item = dynamic_cast<ui::MenuItem*>(sender)) item->SetChecked(true);
}

void TMainForm::AddTemplate(const MemoStyle& style) {
  LoadTemplateList();
  TMemoForm* added = CreateMemo();
  added->SetRecord(TemplateRecord(style, system_.ScreenPixelsPerInch().Height));
  added->Hide();
  TemplateList.push_back(added);
  SaveTemplateList();
}

void TMainForm::SaveAsTemplateClick(ui::Component*) { AddTemplate(CurrentStyle()); }
void TMainForm::SetStyleFromTemplateClick(ui::Component*) { ChooseStyleTemplate(); }
void TMainForm::SetStyleDefaultClick(ui::Component*) { LoadDefaultStyle(); }
void TMainForm::SetDefaultStyleClick(ui::Component*) { SaveDefaultStyle(); }

void TMainForm::ChooseStyleTemplate() {
  TStyleTemplateForm window(this, *this);
  window.Execute();
}

void TMainForm::SaveStyleAsTemplate(TMemoForm* memo) {
  // Taking the memo's style clears the editor: its unsaved text is asked about first.
  if (!AskSaveEditorText()) return;
  CurrentMemo = memo;
  Hide();
  RichEdit1->Clear();
  SetEditorModified(false);
  TakeStyleIntoEditor(memo);
  CurrentMemo = nullptr;
  AddTemplate(CurrentStyle());
}

std::vector<TMemoForm*>& TMainForm::LoadTemplates() {
  LoadTemplateList();
  return TemplateList;
}

void TMainForm::SaveTemplates() { SaveTemplateList(); }

void TMainForm::ApplyTemplate(TMemoForm& style) { TakeStyleIntoEditor(&style); }

}  // namespace quillpad
