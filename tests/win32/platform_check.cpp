// Drives the Win32 backend through real window messages: a form with a menu, a rich edit, a tool
// bar, a paint box, a status bar and a tray icon. A second thread plays the user the way the
// end-to-end driver will (FindWindowW, menu captions, posted commands, typed text) while the
// program's handlers record what arrives. Prints one line per check; exit code 1 on any failure.
// Leaves a screenshot of the screen beside the exe (<name>.bmp).
// clang-format off
#include "platform/win32/wide.h"  // <windows.h> first
#include <richedit.h>
#include <shlobj.h>
// clang-format on

#include <atomic>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "base/bmp_image.h"
#include "base/encoding.h"
#include "base/path.h"
#include "e2e_support.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_print.h"
#include "platform/win32/win32_system.h"
#include "platform/win32/win32_tray_icon.h"
#include "platform/win32/win32_window.h"

namespace qp = quillpad::platform;
namespace w32 = quillpad::platform::win32;
using quillpad::Cp932ToUtf8;
using quillpad::e2e::Check;
using quillpad::e2e::CheckBytes;
using quillpad::e2e::failures;
using quillpad::e2e::FindMenuCommand;
using quillpad::e2e::SaveScreenshot;
using quillpad::e2e::WaitFor;

namespace {

// The test's own system: errors that reach the loop are counted instead of shown in a box.
class CheckSystem : public w32::Win32System {
 public:
  void ShowError(const std::string& message) override {
    std::lock_guard<std::mutex> lock(mutex_);
    lastError_ = message;
    ++errors;
  }
  std::string LastError() {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastError_;
  }
  std::atomic<int> errors{0};

 private:
  std::mutex mutex_;
  std::string lastError_;
};

constexpr int kNewMemo = 101;
constexpr int kAbout = 104;
constexpr int kOpen = 105;
constexpr int kSave = 106;
constexpr int kPopupShow = 201;
constexpr int kPopupExit = 202;
constexpr int kShow = 102;
constexpr int kFailing = 103;

// A plain form that asks to be closed; the test decides what closing means.
struct DialogEvents : qp::WindowEvents {
  std::atomic<bool> closeAsked{false};
  void OnClose() override { closeAsked = true; }
};

struct FormEvents : qp::WindowEvents {
  std::mutex mutex;
  std::vector<std::string> dropped;
  qp::Point dropPoint;
  void OnDropFiles(const std::vector<std::string>& paths, qp::Point client) override {
    std::lock_guard<std::mutex> lock(mutex);
    dropped = paths;
    dropPoint = client;
  }
  std::atomic<int> lastMenu{0};
  std::atomic<bool> modalReturned{false};
  std::string dialogFolder;  // set before the loop runs
  std::atomic<bool> dialogDone{false};
  std::atomic<bool> dialogAnswer{false};
  qp::FileDialogOptions dialogResult;  // read by the driver only after dialogDone
  std::atomic<int> menuCount{0};
  std::atomic<int> f5{0};
  std::atomic<bool> closed{false};
  qp::System* system = nullptr;
  void OnMenuCommand(int id) override {
    lastMenu = id;
    ++menuCount;
    if (id == kFailing) throw std::runtime_error("メモを保存できません");
    if (id == kOpen || id == kSave) {
      qp::FileDialogOptions options;
      options.Title = id == kOpen ? "メモを開く" : "メモを保存";
      options.Filter = "テキスト (*.txt)|*.txt|すべて (*.*)|*.*";
      options.InitialDir = dialogFolder;
      options.DefaultExt = "txt";
      options.AllowMultiSelect = id == kOpen;
      options.OverwritePrompt = id == kSave;
      dialogAnswer =
          id == kOpen ? system->OpenFileDialog(options) : system->SaveFileDialog(options);
      dialogResult = options;
      dialogDone = true;
    }
    if (id == kAbout) {
      // A modal dialog inside a handler: the nested loop runs until the dialog asks to close.
      DialogEvents events;
      auto dialog = system->Windows().CreateWindow(qp::WindowClass::Form, nullptr, events);
      qp::WindowStyle style;
      style.Border = qp::BorderStyle::Dialog;
      style.MinimizeBox = style.MaximizeBox = false;
      dialog->SetStyle(style);
      dialog->SetText("バージョン情報");
      dialog->SetBounds({200, 200, 420, 320});
      system->Windows().RunModal(*dialog, [&] { return events.closeAsked.load(); });
      modalReturned = true;
    }
  }
  bool OnKeyDown(int key, unsigned) override {
    if (key != VK_F5) return false;
    ++f5;
    return true;  // eaten: the rich edit must not see it
  }
  void OnClose() override {
    closed = true;
    system->Quit(0);
  }
};

struct EditEvents : qp::WindowEvents {
  qp::Window* peer = nullptr;
  std::atomic<int> contextX{-1}, contextY{-1};
  void OnContextMenu(qp::Point screen) override {
    contextY = screen.Y;
    contextX = screen.X;
  }
  std::atomic<int> changes{0};
  std::atomic<int> f5Seen{0};
  std::mutex mutex;
  std::string lastText;
  void OnChange() override {
    ++changes;
    std::lock_guard<std::mutex> lock(mutex);
    lastText = peer->Text();
  }
  std::string LastText() {
    std::lock_guard<std::mutex> lock(mutex);
    return lastText;
  }
};

struct ClickEvents : qp::WindowEvents {
  qp::Window* peer = nullptr;
  std::atomic<int> clicks{0};
  std::atomic<int> lastIndex{-99};
  std::atomic<int> selectionChanges{0};
  std::atomic<bool> checked{false};
  void OnClick(int index) override {
    lastIndex = index;
    if (peer) {
      // The toolkit owns the mark of a check box; the control only reports the click.
      peer->SetChecked(!peer->ItemSelected(0));
      checked = peer->ItemSelected(0);
    }
    ++clicks;
  }
  void OnSelectionChange() override { ++selectionChanges; }
};

struct PaintEvents : qp::WindowEvents {
  std::atomic<int> paints{0};
  std::atomic<int> downX{-1}, downY{-1}, upCount{0};
  std::atomic<unsigned> downShift{99};
  std::atomic<bool> right{false};
  void OnMouseDown(qp::MouseButton button, qp::Point client, unsigned shift) override {
    right = button == qp::MouseButton::Right;
    downShift = shift;
    downY = client.Y;
    downX = client.X;
  }
  void OnMouseUp(qp::MouseButton, qp::Point, unsigned) override { ++upCount; }
  void OnPaint(qp::Canvas& canvas) override {
    ++paints;
    const qp::Size s = canvas.CanvasSize();
    canvas.FillRect({0, 0, s.Width, s.Height}, 0xE0FFFF);
    canvas.FrameRect({0, 0, s.Width, s.Height}, 0x808080);
    qp::FontSpec font;
    font.Height = -16;
    font.TextColor = 0x800000;
    canvas.TextOut({8, 6}, "計算結果 = 2.4 (表示ソ)", font);
  }
};

// --- the user's side: only window handles and messages ---

HWND WaitForWindow(const wchar_t* cls, const wchar_t* title) {
  for (int i = 0; i < 200; ++i) {
    if (HWND h = FindWindowW(cls, title)) return h;
    Sleep(25);
  }
  return nullptr;
}

qp::MenuItemSpec Item(int id, const std::string& caption, const std::string& shortCut = {}) {
  qp::MenuItemSpec item;
  item.Id = id;
  item.Caption = caption;
  item.ShortCutText = shortCut;
  return item;
}

const wchar_t kTitle[] = L"Quillpad 検査";

struct Controls {
  ClickEvents button, check, list;
  std::atomic<int> popupResult{-1};
};

void DriveControls(Controls& controls) {
  HWND form = WaitForWindow(w32::kFormClass, L"コントロール検査");
  Check(form != nullptr, "controls form found");
  HWND button = FindWindowExW(form, nullptr, L"BUTTON", L"実行");
  Check(button != nullptr, "button found by its caption");
  SendMessageW(button, BM_CLICK, 0, 0);
  Check(WaitFor([&] { return controls.button.clicks == 1; }) && controls.button.lastIndex == 0,
        "button click");
  HWND check = FindWindowExW(form, nullptr, L"BUTTON", L"有効");
  SendMessageW(check, BM_CLICK, 0, 0);
  Check(WaitFor([&] { return controls.check.clicks == 1; }) && controls.check.checked,
        "check box click reported; the handler's mark shows");
  HWND list = FindWindowExW(form, nullptr, L"LISTBOX", nullptr);
  Check(list != nullptr, "list box found");
  RECT item{};
  SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
  const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
  Check(WaitFor([&] { return controls.list.selectionChanges > 0; }),
        "clicking a list item reports the selection");
  Check(WaitFor([&] { return controls.list.lastIndex == 1; }), "list click reports the item index",
        std::to_string(controls.list.lastIndex.load()));
}

void Drive(CheckSystem& system, FormEvents& form, EditEvents& edit, PaintEvents& paint,
           std::atomic<unsigned>& trayMessage, Controls& controls, const std::wstring& screenshot) {
  DriveControls(controls);
  HWND formHwnd = WaitForWindow(w32::kFormClass, kTitle);
  Check(formHwnd != nullptr, "form found by class and title");
  if (!formHwnd) return;
  HWND rich = FindWindowExW(formHwnd, nullptr, L"RICHEDIT50W", nullptr);
  Check(rich != nullptr, "rich edit found inside the form");

  // Typing: select all and replace, as a paste would; the program reads its CP932 bytes back.
  const int before = edit.changes;
  SendMessageW(rich, EM_SETSEL, 0, -1);
  SendMessageW(rich, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"表示ソ\r\n能力テスト"));
  Check(WaitFor([&] { return edit.changes > before; }), "replacing text fires the change event");
  CheckBytes(edit.LastText(), "表示ソ\r\n能力テスト",
             "typed Japanese reads back as CP932 with CR LF");
  const std::string text = edit.LastText();
  Check(text.size() > 5 && static_cast<unsigned char>(text[4]) == 0x83 && text[5] == 0x5C,
        "the trail byte 0x5C of the katakana so survives");

  const int typed = edit.changes;
  PostMessageW(rich, WM_CHAR, L'X', 1);
  Check(WaitFor([&] { return edit.changes > typed; }), "a typed character fires the change event");
  CheckBytes(edit.LastText(), "表示ソ\r\n能力テストX", "the typed character arrived at the caret");

  // The system's own reading of the control agrees (it may end lines with CR alone).
  wchar_t buffer[256] = {};
  SendMessageW(rich, WM_GETTEXT, 255, reinterpret_cast<LPARAM>(buffer));
  std::wstring seen = buffer;
  if (seen.find(L"\r\n") == std::wstring::npos) seen.replace(seen.find(L'\r'), 1, L"\r\n");
  Check(seen == L"表示ソ\r\n能力テストX", "WM_GETTEXT sees the same text",
        w32::Narrow(buffer) == "" ? "empty" : "");

  // Menu commands found by caption, posted like a click.
  HMENU menu = GetMenu(formHwnd);
  Check(menu != nullptr, "the form has a menu bar");
  const int showId = FindMenuCommand(menu, L"表示(&V)");
  Check(showId == kShow, "menu item found by caption", "id " + std::to_string(showId));
  PostMessageW(formHwnd, WM_COMMAND, MAKEWPARAM(showId, 0), 0);
  Check(WaitFor([&] { return form.lastMenu == kShow; }),
        "posted menu command reaches OnMenuCommand");

  // A handler's error is reported and the loop goes on.
  const int failingId = FindMenuCommand(menu, L"ソース保存(&S)");
  PostMessageW(formHwnd, WM_COMMAND, MAKEWPARAM(failingId, 0), 0);
  Check(WaitFor([&] { return system.errors > 0; }),
        "an error thrown by a handler reaches ShowError");
  CheckBytes(system.LastError(), "メモを保存できません", "the error text arrives unchanged");
  const int count = form.menuCount;
  PostMessageW(formHwnd, WM_COMMAND, MAKEWPARAM(kNewMemo, 0), 0);
  Check(WaitFor([&] { return form.menuCount > count && form.lastMenu == kNewMemo; }),
        "the loop goes on after the error");

  // Keys pass the form first; an eaten key never reaches the control.
  const int changesBeforeKey = edit.changes;
  PostMessageW(rich, WM_KEYDOWN, VK_F5, 1);
  Check(WaitFor([&] { return form.f5 == 1; }), "a key for the rich edit is offered to its form");
  PostMessageW(rich, WM_KEYDOWN, 'Q', 1);  // translated into a character by the loop
  Check(WaitFor([&] { return edit.changes > changesBeforeKey; }),
        "keys the form leaves reach the control");

  // Files dropped from the shell: an HDROP block as the shell builds it.
  const std::wstring files =
      std::wstring(L"C:\\メモ\\表示.txt") + L'\0' + L"D:\\a b.bmp" + L'\0' + L'\0';
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + files.size() * sizeof(wchar_t));
  auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
  header->pFiles = sizeof(DROPFILES);
  header->pt = {40, 50};
  header->fWide = TRUE;
  std::copy(files.begin(), files.end(), reinterpret_cast<wchar_t*>(header + 1));
  GlobalUnlock(drop);
  PostMessageW(formHwnd, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
  Check(WaitFor([&] {
          std::lock_guard<std::mutex> lock(form.mutex);
          return form.dropped.size() == 2;
        }),
        "dropped files arrive");
  {
    std::lock_guard<std::mutex> lock(form.mutex);
    if (form.dropped.size() == 2) {
      CheckBytes(form.dropped[0] + "|" + form.dropped[1], "C:\\メモ\\表示.txt|D:\\a b.bmp",
                 "dropped paths in CP932");
      Check(form.dropPoint == qp::Point{40, 50}, "drop point");
    }
  }

  // Mouse on the paint box and the context menu key on the editor.
  HWND paintBox = FindWindowExW(formHwnd, nullptr, w32::kPanelClass, nullptr);
  Check(paintBox != nullptr, "paint box found by class");
  PostMessageW(paintBox, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, MAKELPARAM(12, 7));
  PostMessageW(paintBox, WM_RBUTTONUP, MK_SHIFT, MAKELPARAM(12, 7));
  Check(WaitFor([&] { return paint.upCount == 1; }) && paint.downX == 12 && paint.downY == 7 &&
            paint.right && paint.downShift == qp::SsShift,
        "mouse down and up with button, point and shift");
  PostMessageW(rich, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(rich), MAKELPARAM(300, 200));
  Check(WaitFor([&] { return edit.contextX == 300 && edit.contextY == 200; }),
        "context menu request with its point");

  // The tray's callback message, as the shell sends it for a click.
  HWND tray = FindWindowW(w32::kTrayWindowClass, nullptr);
  Check(tray != nullptr, "tray window found by class");
  PostMessageW(tray, w32::kTrayCallbackMessage, 1, WM_LBUTTONDOWN);
  Check(WaitFor([&] { return trayMessage == WM_LBUTTONDOWN; }),
        "tray callback reports the mouse message");

  // The system's file dialogs: the filter list, the folder and the chosen names come back.
  for (const bool open : {true, false}) {
    form.dialogDone = false;
    PostMessageW(formHwnd, WM_COMMAND, MAKEWPARAM(open ? kOpen : kSave, 0), 0);
    HWND dialog = WaitForWindow(L"#32770", open ? L"メモを開く" : L"メモを保存");
    Check(dialog != nullptr,
          open ? "open dialog shows with its title" : "save dialog shows with its title");
    if (!dialog) continue;
    Sleep(200);
    // The file name field is a combo box (explorer style) or an edit; both take WM_SETTEXT.
    HWND name = GetDlgItem(dialog, 0x47C);
    if (!name) name = GetDlgItem(dialog, 0x480);
    SendMessageW(name, WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(open ? L"\"a.txt\" \"表示.txt\"" : L"新規メモ"));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    Check(WaitFor([&] { return form.dialogDone.load(); }) && form.dialogAnswer,
          "the dialog answered OK");
    std::string names;
    for (const auto& n : form.dialogResult.FileNames) names += n + "|";
    const std::string folder = form.dialogFolder + "\\";
    if (open) {
      CheckBytes(names, folder + "a.txt|" + folder + "表示.txt|",
                 "multi-selection gives full paths");
    } else {
      CheckBytes(form.dialogResult.FileName, folder + "新規メモ.txt",
                 "save dialog adds the default extension");
    }
    Check(form.dialogResult.FilterIndex == 1, "filter index");
  }

  // The tray menu: opened on the right button's release, chosen with the keyboard.
  PostMessageW(tray, w32::kTrayCallbackMessage, 1, WM_RBUTTONUP);
  HWND popup = nullptr;
  WaitFor([&] {
    return (popup = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(popup);
  });
  Check(popup != nullptr, "the pop-up menu opened");
  PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
  Check(WaitFor([&] { return controls.popupResult != -1; }) && controls.popupResult == kPopupExit,
        "the chosen pop-up item comes back from TrackPopupMenu",
        std::to_string(controls.popupResult.load()));

  // A modal dialog: the other windows are disabled while it runs, enabled again afterwards.
  PostMessageW(formHwnd, WM_COMMAND, MAKEWPARAM(kAbout, 0), 0);
  HWND dialog = WaitForWindow(w32::kFormClass, L"バージョン情報");
  Check(dialog != nullptr, "the modal dialog shows");
  Check(WaitFor([&] { return !IsWindowEnabled(formHwnd); }),
        "the main form is disabled while the dialog runs");
  PostMessageW(formHwnd, WM_COMMAND, MAKEWPARAM(kShow, 0), 0);
  Check(WaitFor([&] { return form.lastMenu == kShow; }),
        "posted messages still run in the nested loop");
  Sleep(300);  // let the windows paint before the picture
  Check(SaveScreenshot(screenshot), "screenshot saved");
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  Check(WaitFor([&] { return form.modalReturned.load(); }),
        "RunModal returns once done() answers true");
  Check(IsWindowEnabled(formHwnd), "the main form is enabled again");
  Check(WaitFor([&] { return !IsWindow(dialog); }), "the dialog window is gone with its peer");

  PostMessageW(formHwnd, WM_CLOSE, 0, 0);
  Check(WaitFor([&] { return form.closed.load(); }), "WM_CLOSE reaches OnClose");
}

// Checks that need no user: conversions, files, formats, the peers' own answers.
void CheckServices(CheckSystem& system) {
  using w32::ConvertDatePicture;
  CheckBytes(ConvertDatePicture(L"yyyy/MM/dd"), "yyyy/mm/dd", "short date picture");
  CheckBytes(ConvertDatePicture(L"H:mm:ss"), "h:nn:ss", "24-hour time picture");
  CheckBytes(ConvertDatePicture(L"hh:mm:ss tt"), "hh:nn:ss", "AM/PM mark dropped");
  CheckBytes(ConvertDatePicture(L"yyyy'年'M'月'd'日'"), "yyyy\"年\"m\"月\"d\"日\"",
             "quoted literals");
  CheckBytes(ConvertDatePicture(L"d/M/yy"), "d/m/yy", "short letters");
  const std::string date = system.ShortDateFormat(), time = system.LongTimeFormat();
  Check(date.find("yy") != std::string::npos && date.find('m') != std::string::npos,
        "system short date format", date);
  Check(time.find("nn") != std::string::npos, "system long time format uses nn for minutes", time);

  Check(w32::MatchesMask(L"20261207.txt", L"202612*.txt"), "mask with prefix");
  Check(!w32::MatchesMask(L"memo.txtx", L"*.txt"), "mask does not match a longer extension");
  Check(w32::MatchesMask(L"MEMO.TXT", L"*.txt"), "mask ignores case");
  Check(w32::MatchesMask(L"noext", L"*.*"), "*.* matches a name without a dot");
  Check(w32::MatchesMask(L"a1.dat", L"a?.dat") && !w32::MatchesMask(L"a12.dat", L"a?.dat"),
        "? is one character");

  const std::string exe = system.ExecutablePath();
  Check(exe.size() > 4 && exe.substr(exe.size() - 4) == ".exe", "executable path",
        Cp932ToUtf8(exe));

  // Files: a Japanese folder and names, one with the trail byte 0x5C (表).
  auto& fs = system.Files();
  wchar_t tempPath[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, tempPath);
  const std::string folder =
      quillpad::JoinPath(quillpad::ExcludeTrailingBackslash(w32::Narrow(tempPath)),
                         "メモ検査" + std::to_string(GetCurrentProcessId()));
  Check(fs.CreateFolder(folder) && fs.FolderExists(folder), "create a Japanese folder");
  Check(fs.CreateFolder(folder), "creating an existing folder answers true");
  const std::string file = quillpad::JoinPath(folder, "表示.txt");
  const std::string content = "一行目\r\nソ\\表\r\n";
  Check(fs.WriteFileAtomic(file, content), "atomic write");
  Check(fs.FileExists(file) && !fs.FolderExists(file) && !fs.FileExists(folder),
        "file and folder kinds");
  std::string read;
  Check(fs.ReadFile(file, read, 1 << 20), "read back");
  CheckBytes(read, content, "file bytes");
  Check(!fs.ReadFile(file, read, 4), "a file past the bound is not read");
  Check(fs.WriteFileAtomic(file, "短い"), "atomic write replaces an existing file");
  Check(fs.ReadFile(file, read) && read == "短い", "replaced content");
  Check(fs.AppendFile(file, "追加") && fs.ReadFile(file, read) && read == "短い追加", "append");
  Check(fs.CopyFile(file, quillpad::JoinPath(folder, "写し.txt"), true), "copy");
  Check(!fs.CopyFile(file, quillpad::JoinPath(folder, "写し.txt"), true),
        "copy refuses an existing target");
  Check(fs.RenameFile(quillpad::JoinPath(folder, "写し.txt"), quillpad::JoinPath(folder, "b.TXT")),
        "rename");
  fs.WriteFileAtomic(quillpad::JoinPath(folder, "c.txtx"), "x");
  const auto entries = fs.ListFolder(folder, "*.txt");
  std::string names;
  for (const auto& e : entries) names += e.Name + ";";
  CheckBytes(names, "b.TXT;表示.txt;", "list by mask, sorted, no temporary files left");
  Check(entries.size() == 2 && entries[1].Size == 8, "listed size");
  Check(fs.DeleteFile(file) && !fs.FileExists(file), "delete");
  Check(!fs.ReadFile(file, read), "reading a missing file fails");
  for (const auto& e : fs.ListFolder(folder, "*"))
    fs.DeleteFile(quillpad::JoinPath(folder, e.Name));
  RemoveDirectoryW(w32::Wide(folder).c_str());

  system.GetClipboard().SetText("クリップ表示\r\n");
  CheckBytes(system.GetClipboard().GetText(), "クリップ表示\r\n", "clipboard text round trip");

  Check(system.AcquireInstanceLock("QuillpadCheckLock"), "instance lock taken");
  Check(!system.AcquireInstanceLock("QuillpadCheckLock"), "a second take of the lock fails");

  const qp::Rect work = system.WorkArea();
  const qp::Size screen = system.ScreenSize();
  Check(work.Width() > 0 && work.Width() <= screen.Width && work.Height() <= screen.Height,
        "work area inside screen");
}

// --- pictures: clipboard, drawing on a page, capturing a window ---

void Put(std::string& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
}

// A BMP file image with the given header size, colour table (or the masks after a version 1
// header) and pixel bytes; gap bytes lie between the table and the pixels.
std::string MakeBmp(int width, int height, int bitCount, std::uint32_t compression,
                    const std::string& table, const std::string& pixels, int headerSize = 40,
                    int colorsUsed = 0, int gap = 0) {
  std::string b = "BM";
  const int offset = 14 + headerSize + static_cast<int>(table.size()) + gap;
  Put(b, static_cast<std::uint32_t>(offset + static_cast<int>(pixels.size())), 4);
  Put(b, 0, 4);
  Put(b, static_cast<std::uint32_t>(offset), 4);
  Put(b, static_cast<std::uint32_t>(headerSize), 4);
  Put(b, static_cast<std::uint32_t>(width), 4);
  Put(b, static_cast<std::uint32_t>(height), 4);
  Put(b, 1, 2);
  Put(b, static_cast<std::uint32_t>(bitCount), 2);
  Put(b, compression, 4);
  Put(b, static_cast<std::uint32_t>(pixels.size()), 4);
  Put(b, 2835, 4);
  Put(b, 2835, 4);
  Put(b, static_cast<std::uint32_t>(colorsUsed), 4);
  Put(b, 0, 4);
  b.append(14 + static_cast<std::size_t>(headerSize) - b.size(), '\0');  // a later header's fields
  b += table;
  b.append(static_cast<std::size_t>(gap), '\x5A');
  return b + pixels;
}

// Every byte of the rows (padding too) different from its neighbours.
std::string Pattern(std::size_t n, unsigned seed) {
  std::string out(n, '\0');
  for (std::size_t i = 0; i < n; ++i)
    out[i] = static_cast<char>((i * 37 + seed * 11 + (i >> 3)) & 0xFF);
  return out;
}

std::string Masks565() {
  std::string m;
  Put(m, 0xF800, 4);
  Put(m, 0x07E0, 4);
  Put(m, 0x001F, 4);
  return m;
}

// Puts a block of bytes on the clipboard as another program would, under a format of its choice.
void PutForeign(UINT format, const std::string& bytes) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  std::copy(bytes.begin(), bytes.end(), static_cast<char*>(GlobalLock(block)));
  GlobalUnlock(block);
  if (!SetClipboardData(format, block)) GlobalFree(block);
  CloseClipboard();
}

void CheckClipboardPictures(qp::Clipboard& clipboard) {
  struct Case {
    const char* what;
    std::string file;
    quillpad::PixelFormat format;
  };
  std::string palette2, palette3;
  Put(palette2, 0x000000, 4);
  Put(palette2, 0xFFFFFF, 4);
  for (std::uint32_t c : {0x102030u, 0x405060u, 0x708090u}) Put(palette3, c, 4);
  const std::vector<Case> cases = {
      {"1-bit picture", MakeBmp(13, 3, 1, 0, palette2, Pattern(4 * 3, 1)),
       quillpad::PixelFormat::Bits1},
      {"8-bit picture with three colours", MakeBmp(5, 2, 8, 0, palette3, Pattern(8 * 2, 2), 40, 3),
       quillpad::PixelFormat::Bits8},
      {"24-bit picture", MakeBmp(7, 3, 24, 0, "", Pattern(24 * 3, 3)),
       quillpad::PixelFormat::Bits24},
      {"24-bit top-down picture", MakeBmp(2, -2, 24, 0, "", Pattern(8 * 2, 4)),
       quillpad::PixelFormat::Bits24},
      {"16-bit 5-6-5 picture", MakeBmp(3, 2, 16, 3, Masks565(), Pattern(8 * 2, 5)),
       quillpad::PixelFormat::Bits16},
      {"16-bit 5-5-5 picture", MakeBmp(3, 2, 16, 0, "", Pattern(8 * 2, 6)),
       quillpad::PixelFormat::Bits15},
  };
  for (const Case& c : cases) {
    clipboard.SetPicture(c.file);
    qp::ClipboardPicture picture;
    const bool got = clipboard.HasPicture() && clipboard.GetPicture(picture);
    Check(got && !clipboard.HasText(), (std::string(c.what) + ": alone on the clipboard").c_str());
    CheckBytes(picture.Bmp, c.file, (std::string(c.what) + ": reads back byte for byte").c_str());
    Check(picture.Format == c.format, (std::string(c.what) + ": pixel format").c_str(),
          std::to_string(static_cast<int>(picture.Format)));
  }

  // A gap before the pixels is allowed in a file but not in the clipboard's packed form.
  const std::string pixels = Pattern(12 * 2, 7);
  clipboard.SetPicture(MakeBmp(4, 2, 24, 0, "", pixels, 40, 0, 6));
  qp::ClipboardPicture gapped;
  const bool gotGapped = clipboard.GetPicture(gapped);
  const auto gappedInfo = quillpad::ReadBmpInfo(gapped.Bmp);
  Check(gotGapped && gappedInfo && gappedInfo->PixelOffset == 54 && gapped.Bmp.substr(54) == pixels,
        "a file's gap before its pixels is closed on the clipboard");

  clipboard.SetText("文字だけ");
  qp::ClipboardPicture none;
  Check(!clipboard.HasPicture() && !clipboard.GetPicture(none) && none.Bmp.empty(),
        "text set after a picture leaves no picture");
  clipboard.SetPicture("BM not a picture");
  CheckBytes(clipboard.GetText(), "文字だけ", "an unsound picture leaves the clipboard as it was");

  // A device bitmap from another program: the packed form is the system's, the format the screen's.
  HDC screen = GetDC(nullptr);
  HBITMAP device = CreateCompatibleBitmap(screen, 17, 9);
  ReleaseDC(nullptr, screen);
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    if (!SetClipboardData(CF_BITMAP, device)) DeleteObject(device);
    CloseClipboard();
  }
  qp::ClipboardPicture fromDevice;
  Check(clipboard.HasPicture() && clipboard.GetPicture(fromDevice), "a device bitmap is a picture");
  const auto deviceInfo = quillpad::ReadBmpInfo(fromDevice.Bmp);
  Check(fromDevice.Format == quillpad::PixelFormat::Device, "a device bitmap has the device format",
        std::to_string(static_cast<int>(fromDevice.Format)));
  Check(deviceInfo && deviceInfo->Width == 17 && deviceInfo->Height == 9,
        "a device bitmap keeps its size");

  // A packed bitmap put by another program as it is: its header is checked, not believed.
  const std::string dib = std::string(quillpad::DibOfBmpFile(cases[2].file));
  PutForeign(CF_DIB, dib);
  qp::ClipboardPicture foreign;
  Check(clipboard.GetPicture(foreign) && foreign.Bmp == cases[2].file &&
            foreign.Format == quillpad::PixelFormat::Bits24,
        "another program's packed bitmap reads as a file image");
  std::string lying = dib;
  lying[8] = 100;  // 100 rows claimed, 3 there
  PutForeign(CF_DIB, lying);
  qp::ClipboardPicture rejected;
  Check(!clipboard.GetPicture(rejected) && rejected.Bmp.empty(),
        "a packed bitmap claiming more rows than it has is refused");
  PutForeign(CF_DIB, dib.substr(0, 20));
  Check(!clipboard.GetPicture(rejected), "a cut-off header is refused");
  clipboard.SetText("");
}

// The colour of a pixel of a 24-bit DIB section (bottom-up rows), as 0x00BBGGRR.
std::uint32_t PixelAt(const unsigned char* bits, int width, int height, int x, int y) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const unsigned char* p = bits + (height - 1 - y) * stride + x * 3;
  return p[2] | p[1] << 8 | p[0] << 16;
}

// A 24-bit page of w x h pixels on a memory device context of the screen's kind; the page's
// pixels in bits (bottom-up rows). A print job takes the context; the page stays the caller's.
HBITMAP MemoryPage(int w, int h, HDC& memory, const unsigned char*& bits) {
  HDC screen = GetDC(nullptr);
  memory = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* raw = nullptr;
  HBITMAP page = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &raw, nullptr, 0);
  SelectObject(memory, page);
  bits = static_cast<const unsigned char*>(raw);
  return page;
}

// Pictures drawn by a print job, here on a memory device context: no printer dialog can be
// answered under Wine, so the page is a DIB section and the document itself must fail.
void CheckPrintJobDrawing(qp::System& system) {
  constexpr int kW = 24, kH = 12;
  HDC memory = nullptr;
  const unsigned char* bits = nullptr;
  HBITMAP page = MemoryPage(kW, kH, memory, bits);
  auto fill = [&](std::uint32_t color) {
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) SetPixel(memory, x, y, color);
    GdiFlush();
  };
  auto all = [&](qp::Rect r, std::uint32_t color) {
    GdiFlush();
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (PixelAt(bits, kW, kH, x, y) != color) return false;
    return true;
  };
  fill(0xFFFFFF);

  auto job = std::make_unique<w32::Win32PrintJob>(memory, "印刷検査");
  Check(job->PixelsPerInch() == system.ScreenPixelsPerInch(),
        "a job's pixels per inch are its device's");
  job->DrawBitmap({0, 0, kW, kH}, quillpad::SolidBmpFile(3, 2, 0x0000FF));
  Check(all({0, 0, kW, kH}, 0x0000FF), "a solid picture stretched over the page");

  fill(0xFFFFFF);
  std::string red565;
  for (int i = 0; i < 2; ++i) Put(red565, 0xF800, 2);
  job->DrawBitmap({4, 2, 12, 8}, MakeBmp(2, 1, 16, 3, Masks565(), red565));
  Check(all({4, 2, 12, 8}, 0x0000FF) && all({0, 0, kW, 2}, 0xFFFFFF) &&
            all({12, 0, kW, kH}, 0xFFFFFF),
        "a 5-6-5 picture drawn through its masks, only into its rectangle");

  // An 8-bit picture behind a later, longer header: its colour table follows the whole header.
  std::string table;
  Put(table, 0x00FF00, 4);  // green (entries are blue, green, red, 0)
  Put(table, 0x0000FF, 4);  // blue
  job->DrawBitmap({0, 0, kW, kH}, MakeBmp(1, 1, 8, 0, table, std::string("\x01\0\0\0", 4), 124, 2));
  Check(all({0, 0, kW, kH}, 0xFF0000), "a colour table after a version 5 header",
        std::to_string(PixelAt(bits, kW, kH, 0, 0)));

  const std::string whole = quillpad::SolidBmpFile(4, 4, 0x00FF00);
  job->DrawBitmap({0, 0, kW, kH}, whole.substr(0, whole.size() - 1));
  Check(all({0, 0, kW, kH}, 0xFF0000), "a picture one byte short draws nothing");

  Check(!job->Finish(), "a document the device refuses is reported");
  Check(!job->Finish(), "a job finishes once");
  job.reset();  // the device context goes with the job
  Check(!GetObjectType(memory), "the job deleted its device context");
  DeleteObject(page);
}

// A rich edit's text laid out on a page by the control, inside the inch of margin.
void CheckRichEditPrinting(qp::System& system, qp::WindowSystem& windows) {
  const qp::Size perInch = system.ScreenPixelsPerInch();
  const int w = perInch.Width * 3, h = perInch.Height * 3;
  HDC memory = nullptr;
  const unsigned char* bits = nullptr;
  HBITMAP page = MemoryPage(w, h, memory, bits);
  PatBlt(memory, 0, 0, w, h, WHITENESS);
  qp::WindowEvents plain;
  auto form = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  auto edit = windows.CreateWindow(qp::WindowClass::RichEdit, form.get(), plain);
  edit->SetText("印刷 WWWW\r\nWWWW");
  auto job = std::make_unique<w32::Win32PrintJob>(memory, "印刷検査");
  job->PrintRichEdit(*edit);
  GdiFlush();
  int inside = 0, outside = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (PixelAt(bits, w, h, x, y) == 0xFFFFFF) continue;
      const bool body = x >= perInch.Width && x < w - perInch.Width && y >= perInch.Height &&
                        y < h - perInch.Height;
      ++(body ? inside : outside);
    }
  }
  Check(inside >= 60 && outside == 0, "a rich edit prints its text inside the margins",
        std::to_string(inside) + " inside, " + std::to_string(outside) + " outside");
  job.reset();
  DeleteObject(page);
}

// A hidden form keeps the place and frame it is given until it is shown, and reports them
// meanwhile as the system will make them; the show puts it on top without the activation.
void CheckHeldPlacement(qp::WindowSystem& windows) {
  qp::WindowEvents plain;
  auto below = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  below->SetBounds({400, 280, 700, 500});
  below->SetVisible(true);
  const HWND active = GetActiveWindow();
  auto form = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  qp::WindowStyle style;
  style.Border = qp::BorderStyle::Single;
  style.Caption = false;
  style.ToolWindowExStyle = true;
  style.ShowInactive = true;
  style.AcceptFiles = true;
  form->SetStyle(style);
  form->SetBackground(0x0000FF);
  const qp::Rect want{420, 300, 603, 397};
  form->SetBounds(want);
  const qp::Size client = form->ClientSize();
  Check(form->Bounds() == want && client.Width > 170 && client.Width < 183,
        "a hidden form reports the place and client it was given");
  form->SetVisible(true);
  const HWND hwnd = static_cast<w32::Win32Window*>(form.get())->Handle();
  RECT w{}, c{};
  GetWindowRect(hwnd, &w);
  GetClientRect(hwnd, &c);
  Check(qp::Rect{w.left, w.top, w.right, w.bottom} == want, "it comes up where it was placed",
        std::to_string(w.left) + "," + std::to_string(w.top) + " " +
            std::to_string(w.right - w.left) + "x" + std::to_string(w.bottom - w.top));
  Check(c.right == client.Width && c.bottom == client.Height,
        "its client size was known before the show",
        std::to_string(c.right) + "x" + std::to_string(c.bottom) + " against " +
            std::to_string(client.Width) + "x" + std::to_string(client.Height));
  const HWND belowHwnd = static_cast<w32::Win32Window*>(below.get())->Handle();
  HWND next = hwnd;
  while (next && next != belowHwnd) next = GetWindow(next, GW_HWNDNEXT);
  Check(next == belowHwnd && GetActiveWindow() == active,
        "it comes up over the window shown before it, without the activation");
  const std::string picture = form->CaptureClient();
  const auto info = quillpad::ReadBmpInfo(picture);
  Check(info && info->Width == client.Width && info->Height == client.Height &&
            picture.substr(info->PixelOffset) ==
                quillpad::SolidBmpFile(client.Width, client.Height, 0x0000FF).substr(54),
        "it shows its background over the whole client");
  // Its frame is drawn on the screen, while a frameless form skips the frame painting.
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  HDC screen = GetDC(nullptr);
  const COLORREF edge = GetPixel(screen, w.left, (w.top + w.bottom) / 2);
  const COLORREF inside = GetPixel(screen, w.left + 5, (w.top + w.bottom) / 2);
  ReleaseDC(nullptr, screen);
  Check(inside == RGB(255, 0, 0) && edge == GetSysColor(COLOR_WINDOWFRAME),
        "its single border shows on the screen around the background",
        std::to_string(edge) + " at the edge, " + std::to_string(inside) + " inside");

  // Asked again for the same style, a window that lost the drop registration takes it back.
  const auto accepts = [hwnd] {
    return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  };
  const bool madeAccepting = accepts();
  DragAcceptFiles(hwnd, FALSE);
  form->SetStyle(style);
  Check(madeAccepting && accepts(), "a form takes dropped files again when asked again");

  // Moved while hidden, then handed out: whoever holds the handle sees the new place.
  form->SetVisible(false);
  const qp::Rect moved{450, 320, 600, 420};
  form->SetBounds(moved);
  GetWindowRect(static_cast<w32::Win32Window*>(form.get())->Handle(), &w);
  Check(qp::Rect{w.left, w.top, w.right, w.bottom} == moved && !IsWindowVisible(hwnd),
        "the handle of a hidden form shows its held place");

  // The system fits a sizing border to its tracking limits: the form reports that at once.
  style.Border = qp::BorderStyle::SizeToolWindow;
  form->SetStyle(style);
  form->SetBounds({450, 320, 480, 335});
  const qp::Rect fitted = form->Bounds();
  Check(fitted.Width() >= GetSystemMetrics(SM_CXMINTRACK) && !IsWindowVisible(hwnd),
        "a hidden form with a sizing border reports the width the system gives it",
        std::to_string(fitted.Width()));
}

// The controls of a hidden form wait for its show, placed once however often they were moved,
// and know their client areas before it.
void CheckControlsWaitForShow(qp::WindowSystem& windows) {
  struct Placed : qp::WindowEvents {
    int sized = 0;
    void OnResized(const qp::Rect&) override { ++sized; }
  } panelEvents, listEvents;
  qp::WindowEvents plain;
  auto form = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  form->SetBounds({300, 500, 500, 640});
  auto panel = windows.CreateWindow(qp::WindowClass::Panel, form.get(), panelEvents);
  panelEvents.sized = 0;  // its creation's own report
  panel->SetBounds({0, 0, 50, 50});
  const qp::Rect panelRect{10, 8, 110, 78};
  panel->SetBounds(panelRect);
  auto list = windows.CreateWindow(qp::WindowClass::ListBox, panel.get(), listEvents);
  list->SetBounds({5, 5, 85, 65});
  const qp::Size listClient = list->ClientSize();
  const std::string before = std::to_string(panelEvents.sized) + " " +
                             std::to_string(listEvents.sized);
  const bool known = panel->Bounds() == panelRect && panel->ClientSize() == qp::Size{100, 70};
  form->SetVisible(true);
  const HWND hwnd = static_cast<w32::Win32Window*>(form.get())->Handle();
  const HWND panelHwnd = GetWindow(hwnd, GW_CHILD);
  const HWND listHwnd = GetWindow(panelHwnd, GW_CHILD);
  RECT p{}, l{};
  GetWindowRect(panelHwnd, &p);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&p), 2);
  GetClientRect(listHwnd, &l);
  Check(before == "0 0" && known && panelEvents.sized == 1 && listEvents.sized == 1 &&
            qp::Rect{p.left, p.top, p.right, p.bottom} == panelRect &&
            qp::Size{l.right, l.bottom} == listClient,
        "the controls of a hidden form are placed once at its show, where they said",
        "sized before " + before + ", after " + std::to_string(panelEvents.sized) + " " +
            std::to_string(listEvents.sized) + "; list " + std::to_string(l.right) + "x" +
            std::to_string(l.bottom) + " against " + std::to_string(listClient.Width) + "x" +
            std::to_string(listClient.Height));
}

// A hidden form's menu bar is made at its show; the client area it leaves is known before.
void CheckMenuWaitsForShow(qp::WindowSystem& windows) {
  qp::WindowEvents plain;
  auto form = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  form->SetText("メニュー待ち");
  form->SetBounds({320, 200, 620, 400});
  std::vector<qp::MenuItemSpec> menu(1);
  menu[0].Caption = "ファイル(&F)";
  menu[0].Children.push_back(Item(kNewMemo, "新規メモ(&N)", "Ctrl+N"));
  form->SetMenuBar(&menu);
  const qp::Size client = form->ClientSize();
  const HWND raw = FindWindowW(w32::kFormClass, L"メニュー待ち");
  const bool waited = raw && !GetMenu(raw);
  form->SetVisible(true);
  RECT c{};
  GetClientRect(raw, &c);
  Check(waited && GetMenu(raw) && GetMenuItemCount(GetMenu(raw)) == 1 &&
            qp::Size{c.right, c.bottom} == client,
        "a hidden form's menu bar is made at its show, leaving the client area it foretold",
        std::to_string(c.right) + "x" + std::to_string(c.bottom) + " against " +
            std::to_string(client.Width) + "x" + std::to_string(client.Height));
}

// What a form shows, its children included: the form's background and a paint box's fill.
void CheckCapture(qp::WindowSystem& windows) {
  struct Fill : qp::WindowEvents {
    void OnPaint(qp::Canvas& canvas) override {
      const qp::Size s = canvas.CanvasSize();
      canvas.FillRect({0, 0, s.Width, s.Height}, 0xFF0000);
    }
  } fill;
  qp::WindowEvents plain;
  auto form = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  form->SetText("写し検査");
  form->SetBounds({100, 470, 360, 650});
  form->SetBackground(0x00FF00);
  auto box = windows.CreateWindow(qp::WindowClass::PaintBox, form.get(), fill);
  const qp::Rect boxRect{30, 20, 90, 50};
  box->SetBounds(boxRect);
  form->SetVisible(true);
  form->BringToFront();

  const qp::Size client = form->ClientSize();
  const std::string picture = form->CaptureClient();
  const auto info = quillpad::ReadBmpInfo(picture);
  Check(
      info && info->Width == client.Width && info->Height == client.Height && info->BitCount == 24,
      "a capture has the client's size in 24 bits",
      info ? std::to_string(info->Width) + "x" + std::to_string(info->Height) : "unreadable");
  if (info) {
    const auto* bits = reinterpret_cast<const unsigned char*>(picture.data() + info->PixelOffset);
    int wrongForm = 0, wrongBox = 0;
    std::uint32_t firstWrong = 0;
    for (int y = 0; y < info->Height; ++y) {
      for (int x = 0; x < info->Width; ++x) {
        const bool inBox =
            x >= boxRect.Left && x < boxRect.Right && y >= boxRect.Top && y < boxRect.Bottom;
        const std::uint32_t color = PixelAt(bits, info->Width, info->Height, x, y);
        if (color != (inBox ? 0xFF0000u : 0x00FF00u)) {
          if (!wrongForm && !wrongBox) firstWrong = color;
          ++(inBox ? wrongBox : wrongForm);
        }
      }
    }
    Check(wrongForm == 0, "the form's background in the capture",
          std::to_string(wrongForm) + " pixels, first " + std::to_string(firstWrong));
    Check(wrongBox == 0, "the child's painting in the capture",
          std::to_string(wrongBox) + " pixels, first " + std::to_string(firstWrong));
  }
  const std::string child = box->CaptureClient();
  const auto childInfo = quillpad::ReadBmpInfo(child);
  Check(childInfo && childInfo->Width == boxRect.Width() && childInfo->Height == boxRect.Height() &&
            child.substr(childInfo->PixelOffset) ==
                quillpad::SolidBmpFile(boxRect.Width(), boxRect.Height(), 0xFF0000).substr(54),
        "a child captured alone");
}

}  // namespace

int main() {
  CheckSystem system;
  auto& windows = system.Windows();
  CheckServices(system);
  CheckClipboardPictures(system.GetClipboard());
  Check(system.ScreenPixelsPerInch().Width > 0 && system.ScreenPixelsPerInch().Height > 0,
        "screen pixels per inch");
  CheckPrintJobDrawing(system);
  CheckRichEditPrinting(system, windows);
  CheckCapture(windows);
  CheckHeldPlacement(windows);
  CheckControlsWaitForShow(windows);
  CheckMenuWaitsForShow(windows);

  FormEvents formEvents;
  formEvents.system = &system;
  auto form = windows.CreateWindow(qp::WindowClass::Form, nullptr, formEvents);
  qp::WindowStyle mainStyle;
  mainStyle.AcceptFiles = true;
  form->SetStyle(mainStyle);
  form->SetText("Quillpad 検査");
  form->SetBounds({60, 40, 660, 460});

  std::vector<qp::MenuItemSpec> menu(2);
  menu[0].Caption = "ファイル(&F)";
  menu[0].Children.resize(4);
  menu[0].Children[0] = Item(kNewMemo, "新規メモ(&N)", "Ctrl+N");
  menu[0].Children[1].Caption = "-";
  menu[0].Children[2] = Item(kShow, "表示(&V)");
  menu[0].Children[2].Checked = true;
  menu[0].Children[3] = Item(kFailing, "ソース保存(&S)");
  menu[1].Caption = "ヘルプ(&H)";
  menu[1].Children.push_back(Item(104, "バージョン情報(&A)"));
  form->SetMenuBar(&menu);

  qp::WindowEvents toolEvents;
  auto tools = windows.CreateWindow(qp::WindowClass::ToolBar, form.get(), toolEvents);
  std::vector<qp::ToolButtonSpec> buttons(3);
  buttons[0].Caption = "新規";
  buttons[0].Hint = "新しいメモ";
  buttons[1].Separator = true;
  buttons[2].Caption = "表示";
  buttons[2].Check = true;
  buttons[2].Down = true;
  tools->SetButtons(buttons);

  EditEvents editEvents;
  auto rich = windows.CreateWindow(qp::WindowClass::RichEdit, form.get(), editEvents);
  editEvents.peer = rich.get();
  qp::FontSpec font;
  font.Name = "ＭＳ ゴシック";
  font.Height = -16;
  rich->SetFont(font);

  PaintEvents paintEvents;
  auto paint = windows.CreateWindow(qp::WindowClass::PaintBox, form.get(), paintEvents);

  qp::WindowEvents statusEvents;
  auto status = windows.CreateWindow(qp::WindowClass::StatusBar, form.get(), statusEvents);
  status->SetPanels({140, 120, -1});
  status->SetPanelText(0, "入力・修正待ち");
  status->SetPanelText(1, "1行:1列");

  const qp::Size client = form->ClientSize();
  tools->SetBounds({0, 0, client.Width, 28});
  rich->SetBounds({0, 28, client.Width, client.Height - 24 - 40});
  paint->SetBounds({0, client.Height - 24 - 40, client.Width, client.Height - 24});
  status->SetBounds({0, client.Height - 24, client.Width, client.Height});
  const qp::Size nonClient = form->NonClientExtent();
  Check(nonClient.Width > 0 && nonClient.Height > 20,
        "non-client extent includes caption and menu");

  // The peer's own conversions: bytes in, bytes out, selections in bytes.
  const std::string initial = "表示ソ\r\n能力 abc\r\n";
  rich->SetText(initial);
  CheckBytes(rich->Text(), initial, "SetText/Text round trip with CR LF");
  Check(editEvents.changes == 1, "a program's text change is reported once");
  rich->ReplaceSelection("x");
  Check(rich->Modified() && rich->CanUndo(), "an edit is modified and can be undone");
  rich->SetText(initial);
  Check(editEvents.changes == 3, "every SetText reports one change");
  Check(!rich->Modified() && !rich->CanUndo(),
        "SetText starts fresh: not modified, nothing to undo");
  int start = -1, length = -1;
  rich->GetSelection(start, length);
  Check(start == 0 && length == 0, "SetText puts the caret at the start");
  rich->SetSelection(2, 4);  // 示ソ
  rich->GetSelection(start, length);
  Check(start == 2 && length == 4, "byte selection round trip",
        std::to_string(start) + "," + std::to_string(length));
  CHARRANGE range{};
  SendMessageW(static_cast<w32::Win32Window*>(rich.get())->Handle(), EM_EXGETSEL, 0,
               reinterpret_cast<LPARAM>(&range));
  Check(range.cpMin == 1 && range.cpMax == 3, "byte offsets become character positions");
  rich->SetSelection(8, 2);  // 能 after the line break
  rich->GetSelection(start, length);
  Check(start == 8 && length == 2, "selection after a line break counts CR LF as two bytes",
        std::to_string(start) + "," + std::to_string(length));
  rich->SetSelection(3, 0);  // inside 示: falls back to its first byte
  rich->GetSelection(start, length);
  Check(start == 2 && length == 0, "a selection never starts inside a character");
  rich->SetSelection(6, 2);
  rich->ReplaceSelection("／");
  CheckBytes(rich->Text(), "表示ソ／能力 abc\r\n", "replace selection across a line break");
  Check(editEvents.changes == 4, "replacing the selection reports one change");
  Check(rich->CanUndo(), "the replacement can be undone");

  auto tray = system.CreateTrayIcon();
  std::atomic<unsigned> trayMessage{0};
  Controls controls;
  tray->OnCallback = [&](unsigned message, qp::Point cursor) {
    trayMessage = message;
    if (message == WM_RBUTTONUP) {
      std::vector<qp::MenuItemSpec> items{Item(kPopupShow, "メモを表示(&S)"),
                                          Item(kPopupExit, "終了(&X)")};
      controls.popupResult = windows.TrackPopupMenu(items, cursor, nullptr);
    }
  };
  Check(tray->Add("Quillpad 検査"), "tray icon added (Shell_NotifyIconW answered TRUE)");

  // A second form with the small controls.
  qp::WindowEvents plain;
  auto controlForm = windows.CreateWindow(qp::WindowClass::Form, nullptr, plain);
  qp::WindowStyle toolStyle;
  toolStyle.Border = qp::BorderStyle::ToolWindow;
  controlForm->SetStyle(toolStyle);
  controlForm->SetText("コントロール検査");
  controlForm->SetBounds({690, 40, 1010, 420});
  auto label = windows.CreateWindow(qp::WindowClass::Label, controlForm.get(), plain);
  label->SetText("ラベル：予定表");
  label->SetBounds({8, 8, 200, 26});
  auto button = windows.CreateWindow(qp::WindowClass::Button, controlForm.get(), controls.button);
  button->SetText("実行");
  button->SetBounds({8, 30, 100, 56});
  auto check = windows.CreateWindow(qp::WindowClass::CheckBox, controlForm.get(), controls.check);
  controls.check.peer = check.get();
  check->SetText("有効");
  check->SetBounds({110, 30, 220, 56});
  auto edit = windows.CreateWindow(qp::WindowClass::Edit, controlForm.get(), plain);
  edit->SetBounds({8, 62, 300, 86});
  edit->SetText("一行ソ表");
  CheckBytes(edit->Text(), "一行ソ表", "edit text round trip");
  edit->SetSelection(4, 2);
  edit->GetSelection(start, length);
  Check(start == 4 && length == 2, "edit byte selection");
  auto memo = windows.CreateWindow(qp::WindowClass::Memo, controlForm.get(), plain);
  memo->SetBounds({8, 92, 300, 150});
  memo->SetText("1行目\r\nソ2行目");
  CheckBytes(memo->Text(), "1行目\r\nソ2行目", "memo text round trip");
  memo->SetSelection(7, 2);
  memo->GetSelection(start, length);
  Check(start == 7 && length == 2, "memo selection after CR LF");
  qp::WindowStyle wrap;
  wrap.WordWrap = true;
  memo->SetStyle(wrap);  // made again with word wrap
  CheckBytes(memo->Text(), "1行目\r\nソ2行目", "memo text kept when word wrap changes");
  auto list = windows.CreateWindow(qp::WindowClass::ListBox, controlForm.get(), controls.list);
  list->SetBounds({8, 156, 300, 240});
  list->SetItems({"一月", "二月", "三月", "四月"});
  qp::WindowStyle multi;
  multi.MultiSelect = true;
  list->SetStyle(multi);  // made again with extended selection
  list->SetItemSelected(0, true);
  list->SetItemSelected(2, true);
  Check(list->ItemSelected(0) && !list->ItemSelected(1) && list->ItemSelected(2),
        "multi-select list keeps items and selections");
  auto date = windows.CreateWindow(qp::WindowClass::DatePicker, controlForm.get(), plain);
  date->SetBounds({8, 246, 200, 270});
  date->SetDate(quillpad::EncodeDate(2026, 12, 7));
  int y = 0, m = 0, d = 0;
  quillpad::DecodeDate(date->Date(), y, m, d);
  Check(y == 2026 && m == 12 && d == 7, "date picker round trip");
  check->SetChecked(true);
  Check(check->ItemSelected(0), "check box mark set by the program");
  check->SetChecked(false);
  Check(!check->ItemSelected(0), "check box mark cleared by the program");
  const qp::Size extent = windows.TextExtent("表示", qp::FontSpec{});
  Check(extent.Width > 0 && extent.Height > 0, "text extent of Japanese text",
        std::to_string(extent.Width) + "x" + std::to_string(extent.Height));
  controlForm->SetVisible(true);

  std::atomic<int> ticks{0};
  const int timer = system.StartTimer(30, [&] { ++ticks; });
  int idleCalls = 0;
  // Stops the run if the driver hangs.
  const int watchdog = system.StartTimer(40000, [&] {
    Check(false, "the driver finished in time");
    system.Quit(2);
  });

  {
    wchar_t tempPath[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, tempPath);
    formEvents.dialogFolder =
        quillpad::JoinPath(quillpad::ExcludeTrailingBackslash(w32::Narrow(tempPath)), "ダイアログ");
    system.Files().CreateFolder(formEvents.dialogFolder);
    system.Files().WriteFileAtomic(quillpad::JoinPath(formEvents.dialogFolder, "a.txt"), "a");
    system.Files().WriteFileAtomic(quillpad::JoinPath(formEvents.dialogFolder, "表示.txt"), "b");
  }
  form->SetVisible(true);
  rich->SetFocus();

  const std::wstring screenshot = quillpad::e2e::BesideSelf(L".bmp");

  std::thread driver(Drive, std::ref(system), std::ref(formEvents), std::ref(editEvents),
                     std::ref(paintEvents), std::ref(trayMessage), std::ref(controls), screenshot);
  const int exitCode = system.RunMessageLoop([&] {
    ++idleCalls;
    return true;
  });
  driver.join();
  system.StopTimer(timer);
  system.StopTimer(watchdog);
  Check(exitCode == 0, "the loop ends with the code given to Quit");
  Check(ticks > 0, "the timer ticked on the loop", std::to_string(ticks.load()));
  Check(idleCalls > 0, "the idle handler ran");
  Check(paintEvents.paints > 0, "the paint box was painted through OnPaint");
  tray->Delete();

  std::printf("%s: %d failure(s)\n", failures ? "FAILED" : "PASSED", failures.load());
  return failures ? 1 : 0;
}
