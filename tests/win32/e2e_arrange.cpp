// End-to-end check of the arrangement under Wine: two stored memos, the basic tool bar's
// arrangement button pressed on its face, "右揃え" chosen in its drop-down; both memos then stand
// right-justified on the screen, and MemoData.dat holds their new places at exit.
//   e2e_arrange.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

#include "memo/memo_record.h"

using namespace quillpad::e2e;

namespace {

quillpad::MemoRecord Memo(const std::string& text, int left, int top, int width, int height) {
  quillpad::MemoRecord r;
  r.Text = text;
  r.Left = left;
  r.Top = top;
  r.ClientWidth = width;
  r.ClientHeight = height;
  r.BorderStyle = quillpad::MemoBorder::None;
  r.Visible = true;
  r.StampText = "2026/12/01 8:00:00";
  return r;
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_arrange QUILLPAD_EXE [EMPTY_EXE]\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  // The wide memo first, the narrow one second, both away from the right edge; no arrangement
  // after changes, so only the button moves them.
  Check(WriteFileBytes(
            folder + L"\\MemoData.dat",
            quillpad::WriteMemoFile({Memo("one", 10, 300, 120, 60), Memo("two", 400, 50, 80, 40)})),
        "MemoData.dat written");
  Check(WriteFileBytes(folder + L"\\Quillpad.ini", "[FORM]\r\niAfterSizeChange=0\r\n"),
        "Quillpad.ini written");

  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int right = work.left + GetSystemMetrics(SM_CXFULLSCREEN) - 2;

  Process app;
  HWND main = StartQuillpad(app, exe, folder);
  std::vector<HWND> memos;
  WaitFor([&] {
    memos.clear();
    for (HWND w : ProcessWindows(app.Info.dwProcessId, L"QuillpadForm")) {
      if (w != main && IsWindowVisible(w)) memos.push_back(w);
    }
    return memos.size() == 2;
  });
  Check(memos.size() == 2, "two memo windows show");
  // The wide one is the first memo of the list.
  std::sort(memos.begin(), memos.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.right - ra.left > rb.right - rb.left;
  });

  // The tray's new-memo action shows the editor with its tool bars.
  TrayClick(app.Info.dwProcessId);
  Check(WaitFor([&] { return IsWindowVisible(main) != FALSE; }), "the editor shows");
  const auto toolBars = ChildWindows(main, L"ToolbarWindow32");
  Check(!toolBars.empty(), "the basic tool bar exists");
  if (!toolBars.empty() && memos.size() == 2) {
    // The face of the arrangement button (row 9): its drop-down opens, modal inside Quillpad,
    // so the click is posted.
    PostMessageW(GetParent(toolBars[0]), WM_COMMAND, MAKEWPARAM(1000 + 9, BN_CLICKED),
                 reinterpret_cast<LPARAM>(toolBars[0]));
    HWND popup = nullptr;
    Check(WaitFor([&] {
            return (popup = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(popup);
          }),
          "the arrangement drop-down opens from the button's face");
    if (popup) {
      PostMessageW(popup, WM_KEYDOWN, VK_DOWN, 0);
      PostMessageW(popup, WM_KEYDOWN, VK_RETURN, 0);
    }
    RECT first{}, second{};
    const bool placed = WaitFor([&] {
      GetWindowRect(memos[0], &first);
      GetWindowRect(memos[1], &second);
      return first.right == right && second.right == right;
    });
    Check(placed, "both memos are right-justified at the work-area left + full width - 2",
          RectText(first) + " / " + RectText(second) + ", R " + std::to_string(right));
    Check(first.top == work.top && second.top == first.bottom + 1,
          "the first memo at the work-area top, the second 1 pixel below it",
          RectText(first) + " / " + RectText(second));
  }

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const quillpad::MemoFileContents back =
      quillpad::ReadMemoFile(ReadFileBytes(folder + L"\\MemoData.dat"));
  Check(back.Records.size() == 2 && back.Records[0].Left + 120 == right &&
            back.Records[1].Left + 80 == right && back.Records[0].Top == work.top &&
            back.Records[1].Top == work.top + 61,
        "MemoData.dat holds the right-justified places",
        back.Records.size() == 2
            ? std::to_string(back.Records[0].Left) + "," + std::to_string(back.Records[0].Top) +
                  " / " + std::to_string(back.Records[1].Left) + "," +
                  std::to_string(back.Records[1].Top)
            : std::string("records: ") + std::to_string(back.Records.size()));
  std::printf("%s\n", failures ? "e2e_arrange: FAILED" : "e2e_arrange: passed");
  return failures ? 1 : 0;
}
