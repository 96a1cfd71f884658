// TMemoForm: one desktop memo, a small borderless window showing its text or picture on a
// painted background. It keeps the memo's record; the memo files read and write that record.
#pragma once

#include <string>

#include "memo/memo_record.h"
#include "platform/window.h"
#include "ui/form.h"

namespace quillpad {

platform::FontSpec ToPlatformFont(const FontSpec& font);
FontSpec FromPlatformFont(const platform::FontSpec& font);

class TMemoForm : public ui::Form {
 public:
  explicit TMemoForm(ui::Component* owner);

  // Takes every field of the record: place, client size, border, colours, font, kind, text.
  // Visibility is left to the caller.
  void SetRecord(const MemoRecord& record);
  // The record as it stands now, with the window's present place and size.
  MemoRecord Record() const;

  MemoKind Kind() const { return memo_.Kind; }
  const std::string& MemoText() const { return memo_.Text; }
  const std::string& StampText() const { return memo_.StampText; }
  class TMarquee* Marquee() const { return marquee_; }
  void SetStampText(const std::string& stamp) { memo_.StampText = stamp; }

  // Set when the memo is closed for good; the main window's idle sweep destroys it.
  bool DeletedFlag = false;

 protected:
  void DoPaint(platform::Canvas& canvas) override;

 private:
  void ApplyBorder();
  void ApplyMarquee();
  MemoRecord memo_;
  class TMarquee* marquee_ = nullptr;  // only while the memo scrolls its text
};

}  // namespace quillpad
