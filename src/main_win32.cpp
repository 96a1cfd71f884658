// Program entry: one instance only, a hidden main window in the tray, the message loop.
#include <exception>
#include <memory>

#include "app/main_form.h"
#include "platform/win32/win32_system.h"
#include "ui/application.h"

int main() {
  auto system = std::make_unique<quillpad::platform::win32::Win32System>();
  // A second start ends at once and shows nothing.
  if (!system->AcquireInstanceLock("Quillpad")) return 1;
  quillpad::ui::Application application(*system);
  std::unique_ptr<quillpad::TMainForm> mainForm;
  try {
    mainForm = std::make_unique<quillpad::TMainForm>(application);
    application.Run();
  } catch (const std::exception& error) {
    system->ShowError(error.what());
  }
  mainForm.reset();
  return 0;
}
