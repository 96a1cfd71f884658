// Text controls: the one-line Edit, the plain Memo and the editor's RichEdit. The text, the
// selection, the modified flag and the undo history live in the peer (the user edits there);
// positions are byte offsets into Text(), whose lines are separated by CR LF.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace quillpad::ui {

class CustomEdit : public Control {
 public:
  CustomEdit(Component* owner, Control* parent, platform::WindowClass cls,
             const platform::WindowStyle& style = FramedStyle());

  std::string Text() const override { return P().Text(); }
  void SetText(const std::string& text) override;  // raises OnChange, resets undo and Modified
  void Clear() { SetText(""); }

  // Lines as the control shows them: a final line end adds no empty line.
  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  int LineCount() const { return static_cast<int>(Lines().size()); }
  // The line holding byte offset pos (from 0) and the offset where a line starts.
  int LineFromChar(int pos) const;
  int LineStart(int line) const;

  int SelStart() const;
  int SelLength() const;
  void SetSelStart(int start) { P().SetSelection(start, 0); }
  void SetSelLength(int length) { P().SetSelection(SelStart(), length); }
  void Select(int start, int length) { P().SetSelection(start, length); }
  std::string SelText() const;
  void SetSelText(const std::string& text) { P().ReplaceSelection(text); }
  void SelectAll() { P().SetSelection(0, -1); }
  // As the keyboard sends them: a key-down (backspace deletes before the caret) and a character
  // (13 starts a new line).
  void SendKeyDown(int virtualKey) { P().SendKeyDown(virtualKey); }
  void SendChar(int code) { P().SendChar(code); }
  // Caret to the start and the view scrolled to it.
  void CaretToStart();
  void ScrollToCaret() { P().ScrollToCaret(); }

  bool Modified() const { return P().Modified(); }
  void SetModified(bool modified) { P().SetModified(modified); }
  bool CanUndo() const { return P().CanUndo(); }
  void Undo() { P().Undo(); }
  void ClearUndo() { P().ClearUndo(); }
  void CutToClipboard() { P().Cut(); }
  void CopyToClipboard() { P().Copy(); }
  void PasteFromClipboard() { P().Paste(); }

  bool ReadOnly() const { return style_.ReadOnly; }
  void SetReadOnly(bool on);
  bool WordWrap() const { return style_.WordWrap; }
  void SetWordWrap(bool on);
  bool ScrollBars() const { return style_.ScrollBars; }  // given in the style it is made with

  std::function<void()> OnChange;
  std::function<void()> OnSelectionChange;

 protected:
  void DoChange() override;
  void DoSelectionChange() override;
  platform::WindowStyle style_;
};

class Edit : public CustomEdit {
 public:
  Edit(Component* owner, Control* parent)
      : CustomEdit(owner, parent, platform::WindowClass::Edit) {}
};

class Memo : public CustomEdit {
 public:
  Memo(Component* owner, Control* parent, const platform::WindowStyle& style = FramedStyle())
      : CustomEdit(owner, parent, platform::WindowClass::Memo, style) {}
};

// Plain text, both scroll bars, no word wrap, tabs accepted.
class RichEdit : public CustomEdit {
 public:
  RichEdit(Component* owner, Control* parent)
      : CustomEdit(owner, parent, platform::WindowClass::RichEdit) {
    SetColor(ClWindow);
  }
};

}  // namespace quillpad::ui
