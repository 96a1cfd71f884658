// TCaptureTimerForm: how many seconds a timed capture waits, typed or stepped with the arrows.
#pragma once

#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/std_controls.h"

namespace quillpad {

class TCaptureTimerForm : public ui::Form {
 public:
  explicit TCaptureTimerForm(ui::Component* owner);

  ui::Edit* edCaptureTimer;
  ui::Label* Label1;
  // The arrow control tied to the edit: its up and down halves.
  ui::Button* udCaptureTimerUp;
  ui::Button* udCaptureTimerDown;
  ui::Button* OKBtn;
  ui::Button* CancelBtn;

  // The delay the edit holds, in whole seconds (0 when it is no number).
  int DelaySeconds() const;
  void udCaptureTimerClick(int step);
};

}  // namespace quillpad
