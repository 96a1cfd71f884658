#include "capture/capture_timer_form.h"

#include <string>

#include "capture/capture_rules.h"

namespace quillpad {

TCaptureTimerForm::TCaptureTimerForm(ui::Component* owner) : ui::Form(owner) {
  Name = "CaptureTimerForm";
  SetCaption("スクリーンキャプチャタイマーの設定");
  SetBorderStyle(platform::BorderStyle::Dialog);
  SetBorderIcons(true, false, false);
  SetClientSize(260, 80);
  ScreenCentre();

  edCaptureTimer = new ui::Edit(this, this);
  edCaptureTimer->Name = "edCaptureTimer";
  edCaptureTimer->SetBounds(12, 12, 41, 21);
  edCaptureTimer->SetText("7");
  udCaptureTimerUp = new ui::Button(this, this);
  udCaptureTimerUp->Name = "udCaptureTimerUp";
  udCaptureTimerUp->SetArrow(ui::Button::ArrowKind::Up);
  udCaptureTimerUp->SetBounds(53, 12, 16, 11);
  udCaptureTimerUp->OnClick = [this] { udCaptureTimerClick(1); };
  udCaptureTimerDown = new ui::Button(this, this);
  udCaptureTimerDown->Name = "udCaptureTimerDown";
  udCaptureTimerDown->SetArrow(ui::Button::ArrowKind::Down);
  udCaptureTimerDown->SetBounds(53, 23, 16, 10);
  udCaptureTimerDown->OnClick = [this] { udCaptureTimerClick(-1); };
  Label1 = new ui::Label(this, this);
  Label1->Name = "Label1";
  Label1->SetCaption("秒後にスクリーンキャプチャ開始");
  Label1->SetBounds(76, 16, 180, 13);

  OKBtn = new ui::Button(this, this);
  OKBtn->Name = "OKBtn";
  OKBtn->SetCaption("OK");
  OKBtn->SetBounds(92, 46, 75, 25);
  OKBtn->ModalResult = ui::MrOk;
  OKBtn->SetDefault(true);
  CancelBtn = new ui::Button(this, this);
  CancelBtn->Name = "CancelBtn";
  CancelBtn->SetCaption("ｷｬﾝｾﾙ");
  CancelBtn->SetBounds(176, 46, 75, 25);
  CancelBtn->ModalResult = ui::MrCancel;
  CancelBtn->Cancel = true;
}

int TCaptureTimerForm::DelaySeconds() const {
  return CaptureDelaySeconds(edCaptureTimer->Text());
}

void TCaptureTimerForm::udCaptureTimerClick(int step) {
  edCaptureTimer->SetText(std::to_string(StepCaptureDelay(edCaptureTimer->Text(), step)));
}

}  // namespace quillpad
