// TStyleTemplateForm: the list of style templates, each row drawn in its own colour and font;
// the user applies, deletes and reorders them. Modal; the list goes back to its file when the
// window closes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "memo/templates/style_template_host.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/status_bar.h"
#include "ui/tool_bar.h"

namespace quillpad {

class TStyleTemplateForm : public ui::Form {
 public:
  TStyleTemplateForm(ui::Component* owner, StyleTemplateHost& host);
  ~TStyleTemplateForm() override;

  ui::ToolBar* ToolBar1 = nullptr;
  ui::ToolButton* ExitBtn = nullptr;
  ui::ToolButton* ApplyBtn = nullptr;
  ui::ToolButton* DeleteBtn = nullptr;
  ui::ListBox* StyleListBox = nullptr;
  ui::StatusBar* StatusBar1 = nullptr;

  // Reads the templates, shows the window until it closes, then writes them back; true when a
  // template was applied.
  bool Execute();

  void FormShow();
  void Fill();
  void ApplyBtnClick();
  void DeleteBtnClick();
  void ExitBtnClick();
  int StyleListBoxMeasureItem(int index);
  void StyleListBoxDrawItem(int index, platform::Canvas& canvas, const platform::Rect& rect,
                            bool selected);
  void StyleListBoxMouseDown(int x, int y);
  void StyleListBoxDragDrop(int x, int y);

 private:
  ui::ToolButton* AddButton(const char* name, const char* caption, const char* hint,
                            void (TStyleTemplateForm::*handler)());
  TMemoForm* Selected() const;
  void Tell(const std::string& text) { StatusBar1->SetPanelText(1, text); }

  StyleTemplateHost& host_;
  std::vector<TMemoForm*>* templates_ = nullptr;
  std::function<void()> mainHint_;  // the application's hint routing while this one shows
  bool applied_ = false;
};

}  // namespace quillpad
