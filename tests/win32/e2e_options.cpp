// The options dialog under Wine: opened from the main menu by its access keys, each page shown by a
// click on its tab, two pages photographed and checked in the pixels, a folder registered in the
// tool list, OK; ToolList.txt then holds the folder and the memos are as they were.
//   e2e_options.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell and common-control headers
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include "memo/memo_record.h"

using namespace quillpad::e2e;

namespace {

quillpad::MemoRecord Memo(const std::string& text, int left, int top) {
  quillpad::MemoRecord r;
  r.Text = text;
  r.Left = left;
  r.Top = top;
  r.BorderStyle = quillpad::MemoBorder::None;
  r.Visible = true;
  r.StampText = "2026/12/01 8:00:00";
  return r;
}

HWND FindDialog(DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      if (IsWindowVisible(w) && TextOf(w) == L"オプション設定") found = w;
    return found != nullptr;
  });
  return found;
}

// A left click at a point of the tab strip, as the mouse gives it.
void ClickAt(HWND hwnd, int x, int y) {
  SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// Clicks along the tab strip until the page's tab is hit; the tab's place is the control's own.
bool ClickTab(HWND tabs, int page) {
  RECT r{};
  GetClientRect(tabs, &r);
  for (int x = 6; x < r.right; x += 8) {
    if (SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == page) return true;
    ClickAt(tabs, x, 10);
  }
  return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == page;
}

std::vector<HWND> VisibleChildren(HWND parent, const std::wstring& cls) {
  std::vector<HWND> shown;
  for (HWND w : ChildWindows(parent, cls))
    if (IsWindowVisible(w)) shown.push_back(w);
  return shown;
}

HWND ChildWithText(HWND parent, const std::wstring& cls, const std::wstring& text) {
  for (HWND w : VisibleChildren(parent, cls))
    if (TextOf(w) == text) return w;
  return nullptr;
}

RECT ScreenRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

// Dark pixels (text, marks) inside r.
int DarkPixels(const Shot& shot, const RECT& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const COLORREF c = shot.At(x, y);
      n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  return n;
}

std::wstring BesideShot(const wchar_t* page) {
  std::wstring p = BesideSelf(L"");
  return p + L"-" + page + L".bmp";
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring exe = argc >= 2 ? argv[1] : L"";
  if (exe.empty()) return 2;
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  const std::vector<quillpad::MemoRecord> memos = {Memo("untouched one", 20, 300),
                                                   Memo("untouched two", 20, 360)};
  Check(WriteFileBytes(folder + L"\\MemoData.dat", quillpad::WriteMemoFile(memos)),
        "MemoData.dat written");
  Check(WriteFileBytes(folder + L"\\Quillpad.ini", "[FORM]\r\niAfterSizeChange=0\r\n"),
        "Quillpad.ini written");
  Process app;
  HWND main = StartWithEditor(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  // The settings menu's options item by its access keys, as the keyboard reaches it.
  const auto editors = ChildWindows(main, L"RICHEDIT");
  SetForegroundWindow(main);
  if (!editors.empty()) SetFocus(editors[0]);
  Sleep(200);
  PressKey('O', true);
  PressKey('O');
  HWND dlg = FindDialog(pid);
  Check(dlg != nullptr, "the options dialog opens");
  if (!dlg) return 1;
  const auto tabStrips = ChildWindows(dlg, L"SysTabControl32");
  Check(tabStrips.size() == 1, "the dialog has one tab strip");
  if (tabStrips.empty()) return 1;
  HWND tabs = tabStrips[0];
  Check(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0) == 6, "six pages");
  Check(SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == 0, "it opens on the first page");

  // Every page by its tab, last to first; each shows its own controls.
  const wchar_t* const pageButtons[] = {L"ファイル(&F)...", nullptr, nullptr,
                                        L"参照(&A)...",     nullptr, L"参照(&R)..."};
  for (int page = 5; page >= 0; --page) {
    Check(ClickTab(tabs, page), "a click on its tab shows the page", std::to_string(page));
    Sleep(150);
    if (pageButtons[page])
      Check(ChildWithText(dlg, L"Button", pageButtons[page]) != nullptr,
            "the page's own button shows", std::to_string(page));
  }

  // The tray page: the marked action of a left click is the design one, drawn with its dot.
  Check(ClickTab(tabs, 1), "the tray page by its tab");
  Sleep(300);
  HWND marked = ChildWithText(dlg, L"Button", L"新規メモ作成");
  HWND unmarked = ChildWithText(dlg, L"Button", L"なにもしない");
  Check(marked && SendMessageW(marked, BM_GETCHECK, 0, 0) == BST_CHECKED,
        "new memo is the marked left-click action");
  Shot shot = Shot::Take();
  shot.Save(BesideShot(L"tray"));
  if (marked && unmarked) {
    // The round mark sits at the left of the button; a dot adds dark pixels there.
    RECT m = ScreenRect(marked), u = ScreenRect(unmarked);
    m.right = m.left + 14;
    u.right = u.left + 14;
    const int markedDark = DarkPixels(shot, m), plainDark = DarkPixels(shot, u);
    Check(markedDark > plainDark + 4, "the marked radio button shows its dot",
          std::to_string(markedDark) + " against " + std::to_string(plainDark));
  }

  // The folder page: its labels are drawn.
  Check(ClickTab(tabs, 3), "the folder page by its tab");
  Sleep(300);
  shot = Shot::Take();
  shot.Save(BesideShot(L"folders"));
  HWND label = ChildWithText(dlg, L"Static", L"ワークフォルダ：メモファイルを共有するとき指定(&W)");
  Check(label != nullptr, "the work folder label shows");
  if (label) {
    const RECT r = ScreenRect(label);
    const int text = shot.CountOther(r, shot.Dominant(r));
    Check(text >= 40, "the work folder label shows its text", std::to_string(text) + " pixels");
  }

  // Register the program folder on the first page, then OK.
  Check(ClickTab(tabs, 0), "the register page by its tab");
  Sleep(150);
  const auto edits = VisibleChildren(dlg, L"Edit");
  Check(!edits.empty(), "the register page has its entry field");
  if (!edits.empty())
    SendMessageW(edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  if (HWND add = ChildWithText(dlg, L"Button", L"追加(&A)")) SendMessageW(add, BM_CLICK, 0, 0);
  const auto lists = VisibleChildren(dlg, L"ListBox");
  Check(!lists.empty() && SendMessageW(lists[0], LB_GETCOUNT, 0, 0) == 1,
        "the folder is in the registered list");
  if (HWND ok = ChildWithText(dlg, L"Button", L"&OK")) PostMessageW(ok, BM_CLICK, 0, 0);
  Check(WaitFor([&] { return !IsWindow(dlg) || !IsWindowVisible(dlg); }), "OK closes the dialog");
  const std::string wantList = ToCp932(folder) + "\r\n";
  WaitFor([&] { return ReadFileBytes(folder + L"\\ToolList.txt") == wantList; });
  CheckBytes(ReadFileBytes(folder + L"\\ToolList.txt"), wantList,
             "ToolList.txt holds the registered folder");

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const quillpad::MemoFileContents back =
      quillpad::ReadMemoFile(ReadFileBytes(folder + L"\\MemoData.dat"));
  bool same = back.Records.size() == memos.size();
  for (std::size_t i = 0; same && i < memos.size(); ++i)
    same = back.Records[i].Text == memos[i].Text && back.Records[i].Left == memos[i].Left &&
           back.Records[i].Top == memos[i].Top;
  Check(same, "the memos the dialog did not touch are unchanged in MemoData.dat");
  std::printf("%s\n", failures ? "e2e_options: FAILED" : "e2e_options: passed");
  return failures ? 1 : 0;
}
