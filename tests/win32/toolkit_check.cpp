// Drives the component toolkit on the Win32 backend through real window messages: a ui::Form with
// a main menu, a rich edit and a status bar, and a tray icon, built the way the main window builds
// them. A second thread plays the user with window handles and messages only; the toolkit's
// handlers record what arrives. Prints one line per check; exit code 1 on any failure. Leaves a
// screenshot of the screen beside the exe (<name>.bmp).
// clang-format off
#include "platform/win32/wide.h"  // <windows.h> first
#include <shellapi.h>
// clang-format on

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "e2e_support.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_window.h"
#include "tray/task_bar.h"
#include "ui/application.h"
#include "ui/edit_controls.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/status_bar.h"

namespace ui = quillpad::ui;
namespace w32 = quillpad::platform::win32;
using quillpad::e2e::Check;
using quillpad::e2e::CheckBytes;
using quillpad::e2e::failures;
using quillpad::e2e::WaitFor;

namespace {

// Errors that reach the loop are checks that failed, not boxes nobody closes.
class CheckSystem : public w32::Win32System {
 public:
  void ShowError(const std::string& message) override {
    Check(false, "no error reaches the loop", message);
  }
};

const wchar_t kTitle[] = L"Quillpad 部品検査";

// What the toolkit's handlers saw, read by the driver thread.
struct Seen {
  std::atomic<int> showClicks{0};
  std::atomic<int> otherClicks{0};
  std::atomic<int> changes{0};
  std::mutex mutex;
  std::string text;  // the rich edit's Text() at its last OnChange
  std::string Text() {
    std::lock_guard<std::mutex> lock(mutex);
    return text;
  }
};

// Whether the system's notification area holds our icon: modifying an icon answers TRUE only
// for one that was added.
bool TrayIconPresent() {
  HWND tray = FindWindowW(w32::kTrayWindowClass, nullptr);
  for (; tray; tray = FindWindowExW(nullptr, tray, w32::kTrayWindowClass, nullptr)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(tray, &pid);
    if (pid != GetCurrentProcessId()) continue;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = tray;
    data.uID = 1;
    data.uFlags = NIF_TIP;
    lstrcpynW(data.szTip, L"Quillpad 部品検査", 64);
    if (Shell_NotifyIconW(NIM_MODIFY, &data)) return true;
  }
  return false;
}

void Drive(Seen& seen, int showCommand) {
  HWND form = nullptr;
  WaitFor([&] { return (form = FindWindowW(w32::kFormClass, kTitle)) != nullptr; });
  Check(form != nullptr, "the form is found by its caption");
  if (!form) return;
  HWND rich = FindWindowExW(form, nullptr, L"RICHEDIT50W", nullptr);
  Check(rich != nullptr, "the rich edit is a child of the form");
  Check(FindWindowExW(form, nullptr, L"msctls_statusbar32", nullptr) != nullptr,
        "the status bar is a child of the form");

  // What the program set through the toolkit is what the control shows.
  const std::wstring shown = quillpad::e2e::TextOf(rich);
  Check(shown == L"表示ソ\r能力" || shown == L"表示ソ\r\n能力",
        "the control shows the program's text");

  // Pasted text, read back through the toolkit as CP932 bytes.
  const int before = seen.changes;
  SendMessageW(rich, EM_SETSEL, 0, -1);
  SendMessageW(rich, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"予定表示ソ\r\n十\\"));
  Check(WaitFor([&] { return seen.changes > before; }),
        "replacing the text fires RichEdit::OnChange");
  CheckBytes(seen.Text(), "予定表示ソ\r\n十\\",
             "the text reads back byte for byte in CP932 with CR LF");
  const std::string text = seen.Text();
  Check(text.size() > 10 && static_cast<unsigned char>(text[4]) == 0x95 && text[5] == 0x5C &&
            static_cast<unsigned char>(text[8]) == 0x83 && text[9] == 0x5C,
        "the trail bytes 0x5C of the kanji and the katakana survive");

  // Typing: a character message at the caret.
  const int typed = seen.changes;
  PostMessageW(rich, WM_CHAR, L'x', 1);
  Check(WaitFor([&] { return seen.changes > typed; }),
        "a typed character fires RichEdit::OnChange");
  CheckBytes(seen.Text(), "予定表示ソ\r\n十\\x", "the typed character arrives at the caret");
  const int typedJapanese = seen.changes;
  PostMessageW(rich, WM_CHAR, L'ソ', 1);
  Check(WaitFor([&] { return seen.changes > typedJapanese; }),
        "a typed katakana fires RichEdit::OnChange");
  CheckBytes(seen.Text(), "予定表示ソ\r\n十\\xソ", "the typed katakana reads back in CP932");

  // A menu command found by its caption in the menu bar, posted as a click would send it.
  HMENU menu = GetMenu(form);
  Check(menu != nullptr, "the form has the main menu as its menu bar");
  const int id = quillpad::e2e::FindMenuCommand(menu, L"表示(&V)");
  Check(id != 0 && id == showCommand, "the menu item is found by its Japanese caption",
        id == showCommand ? std::string()
                          : std::to_string(id) + " instead of " + std::to_string(showCommand));
  PostMessageW(form, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  Check(WaitFor([&] { return seen.showClicks == 1; }),
        "the menu command runs the MenuItem's OnClick");
  Check(seen.otherClicks == 0, "no other item ran");

  Check(TrayIconPresent(), "the tray icon is in the notification area");

  Sleep(300);  // let the windows paint before the picture
  Check(quillpad::e2e::SaveScreenshot(quillpad::e2e::BesideSelf(L".bmp")), "screenshot saved");

  // The status bar's hint: its tip window comes with the mouse over the bar, and shows.
  HWND bar = FindWindowExW(form, nullptr, L"msctls_statusbar32", nullptr);
  RECT barRect{};
  if (bar) GetWindowRect(bar, &barRect);
  SetCursorPos((barRect.left + barRect.right) / 2, (barRect.top + barRect.bottom) / 2);
  Sleep(50);
  SetCursorPos((barRect.left + barRect.right) / 2 + 3, (barRect.top + barRect.bottom) / 2);
  Check(
      WaitFor([] {
        for (HWND tip : quillpad::e2e::ProcessWindows(GetCurrentProcessId(), L"tooltips_class32")) {
          if (IsWindowVisible(tip) && quillpad::e2e::TextOf(tip) == L"状態") return true;
        }
        return false;
      }),
      "hovering the status bar shows its hint");
  PostMessageW(form, WM_CLOSE, 0, 0);
}

}  // namespace

int main() {
  CheckSystem system;
  ui::Application application(system);
  Seen seen;

  auto form = std::make_unique<ui::Form>();
  application.SetMainForm(form.get());
  form->SetCaption("Quillpad 部品検査");
  form->SetBounds(80, 60, 560, 380);

  auto* menu = new ui::MainMenu(form.get());
  ui::MenuItem* file = menu->Add("ファイル(&F)");
  file->Add("新規メモ(&N)")->OnClick = [&] { ++seen.otherClicks; };
  file->AddSeparator();
  ui::MenuItem* show = file->Add("表示(&V)");
  show->OnClick = [&] { ++seen.showClicks; };
  menu->Add("ヘルプ(&H)")->Add("バージョン情報(&A)")->OnClick = [&] { ++seen.otherClicks; };
  form->SetMenu(menu);

  auto* status = new ui::StatusBar(form.get(), form.get());
  status->SetAlign(ui::Align::Bottom);
  status->SetPanels({140, -1});
  status->SetPanelText(0, "入力・修正待ち");
  status->SetPanelText(1, "表示ソ");
  status->SetHint("状態|入力の状態");

  auto* rich = new ui::RichEdit(form.get(), form.get());
  rich->SetAlign(ui::Align::Client);
  quillpad::platform::FontSpec font;
  font.Name = "ＭＳ ゴシック";
  font.Height = -16;
  rich->SetFont(font);
  rich->OnChange = [&seen, rich] {
    std::lock_guard<std::mutex> lock(seen.mutex);
    seen.text = rich->Text();
    ++seen.changes;
  };
  rich->SetText("表示ソ\r\n能力");
  CheckBytes(rich->Text(), "表示ソ\r\n能力", "the program's text reads back through the toolkit");

  auto* tray = new quillpad::TTaskBar(form.get(), system);
  tray->SetTips("Quillpad 部品検査");
  Check(!TrayIconPresent(), "no tray icon before the tray component is loaded");
  tray->Loaded();

  form->Show();
  rich->SetFocus();

  // Stops the run if the driver hangs.
  const int watchdog = system.StartTimer(40000, [&] {
    Check(false, "the driver finished in time");
    application.Terminate(2);
  });
  std::thread driver(Drive, std::ref(seen), show->Command());
  const int exitCode = application.Run();
  driver.join();
  system.StopTimer(watchdog);
  Check(exitCode == 0, "closing the main form ends the loop with exit code 0");
  Check(application.Terminated(), "the application is terminated");
  form.reset();

  std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "PASSED", failures.load());
  return failures ? 1 : 0;
}
