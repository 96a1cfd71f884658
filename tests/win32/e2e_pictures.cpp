// End-to-end check of picture plug-ins under Wine: the tray menu's picture command opens the
// picture dialog, whose filter comes from the plug-ins beside the program; choosing a PNG file of
// four coloured blocks in its list brings up the preview beside it; opened, the file is decoded by
// our ifpng.spi and shows as a picture memo, block by block in the screenshots; MemoData.dat holds
// the picture memo after exit, and the memo that was there before is unchanged.
//   e2e_pictures.exe QUILLPAD_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <commctrl.h>
#include <shellapi.h>
// clang-format on

#include <zlib.h>

#include "base/bmp_image.h"
#include "memo/memo_record.h"

using namespace quillpad::e2e;

namespace {

constexpr int kWidth = 160, kHeight = 60;  // wider than the smallest window Wine allows
// Top left, top right, bottom left, bottom right.
constexpr COLORREF kBlocks[4] = {RGB(220, 30, 30), RGB(30, 200, 60), RGB(40, 60, 230),
                                 RGB(240, 220, 20)};

COLORREF BlockAt(int x, int y) {
  return kBlocks[(y < kHeight / 2 ? 0 : 2) + (x < kWidth / 2 ? 0 : 1)];
}

void Chunk(std::string& png, const char* type, const std::string& data) {
  const auto n = static_cast<std::uint32_t>(data.size());
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<char>(n >> shift));
  const std::string body = std::string(type, 4) + data;
  png += body;
  const uLong crc =
      crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<char>(crc >> shift));
}

// An 8-bit RGB PNG of the four blocks.
std::string BlocksPng() {
  std::string raw;
  for (int y = 0; y < kHeight; ++y) {
    raw.push_back('\0');  // no filter
    for (int x = 0; x < kWidth; ++x) {
      const COLORREF c = BlockAt(x, y);
      raw += {static_cast<char>(GetRValue(c)), static_cast<char>(GetGValue(c)),
              static_cast<char>(GetBValue(c))};
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(size, '\0');
  compress(reinterpret_cast<Bytef*>(packed.data()), &size,
           reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()));
  packed.resize(size);
  std::string header = {
      0, 0, 0, static_cast<char>(kWidth), 0, 0, 0, static_cast<char>(kHeight), 8, 2, 0, 0, 0};
  std::string png = "\x89PNG\r\n\x1A\n";
  Chunk(png, "IHDR", header);
  Chunk(png, "IDAT", packed);
  Chunk(png, "IEND", "");
  return png;
}

HWND VisibleDialog(DWORD pid, const std::wstring& title) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"#32770")) {
      if (IsWindowVisible(w) && TextOf(w) == title) found = w;
    }
    return found != nullptr;
  });
  return found;
}

// The memo window whose client area is the picture's size.
HWND PictureMemo(DWORD pid) {
  for (HWND w : ProcessWindows(pid, L"QuillpadForm")) {
    // The caption first: a preview going away in between answers with none.
    if (TextOf(w) == L"イメージビューア") continue;
    RECT r{};
    if (IsWindowVisible(w) && GetClientRect(w, &r) && r.right == kWidth && r.bottom == kHeight)
      return w;
  }
  return nullptr;
}

void CheckBlocks(const Shot& shot, HWND window, const char* what) {
  const RECT client = ScreenClientRect(window);
  for (int block = 0; block < 4; ++block) {
    const int x0 = client.left + (block % 2) * kWidth / 2,
              y0 = client.top + (block / 2) * kHeight / 2;
    const RECT inner{x0 + 4, y0 + 4, x0 + kWidth / 2 - 4, y0 + kHeight / 2 - 4};
    const COLORREF seen = shot.Dominant(inner);
    Check(seen == kBlocks[block] && shot.CountOther(inner, seen) == 0, what,
          "block " + std::to_string(block) + ": " + ColourText(seen) + " want " +
              ColourText(kBlocks[block]));
  }
}

// The dialog goes to the Pics folder and its file list's first file (the PNG) is chosen from the
// keyboard: the preview stands at the dialog's left showing the picture, and the dialog keeps
// the activation.
void CheckPreview(DWORD pid, HWND dialog, HWND name, const std::wstring& pics) {
  SetWindowPos(dialog, nullptr, 300, 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pics.c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  HWND list = nullptr;
  Check(WaitFor([&] {
          const auto lists = ChildWindows(dialog, L"SysListView32");
          list = lists.empty() ? nullptr : lists[0];
          return list && SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1;
        }),
        "the dialog lists the Pics folder's one picture");
  if (!list) return;
  SetFocus(list);
  PostMessageW(list, WM_KEYDOWN, VK_HOME, 0);
  PostMessageW(list, WM_KEYUP, VK_HOME, 0);
  HWND preview = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
      if (IsWindowVisible(w) && TextOf(w) == L"イメージビューア") preview = w;
    return preview != nullptr;
  });
  Check(preview != nullptr, "the preview shows");
  if (!preview) return;
  RECT d{}, p{};
  GetWindowRect(dialog, &d);
  GetWindowRect(preview, &p);
  Check(p.right == d.left && p.top == d.top && p.right - p.left == kWidth &&
            p.bottom - p.top == kHeight,
        "the preview stands at the dialog's left at the picture's size",
        std::to_string(p.left) + "," + std::to_string(p.top) + " " +
            std::to_string(p.right - p.left) + "x" + std::to_string(p.bottom - p.top));
  Check(WaitFor([&] { return GetForegroundWindow() == dialog; }, 3000),
        "the dialog keeps the activation");
  Sleep(500);
  const Shot shot = Shot::Take();
  Check(shot.Save(BesideSelf(L"-preview.bmp")), "screenshot saved");
  CheckBlocks(shot, preview, "the preview shows each block's colour");
  const int captionY = d.top + GetSystemMetrics(SM_CYFRAME) + 2;
  const COLORREF caption = shot.Dominant({d.right - 120, captionY, d.right - 40, captionY + 4});
  Check(caption == GetSysColor(COLOR_ACTIVECAPTION) ||
            caption == GetSysColor(COLOR_GRADIENTACTIVECAPTION),
        "the dialog's title bar is drawn active", ColourText(caption));
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) {
    std::printf("usage: e2e_pictures QUILLPAD_EXE\n");
    return 2;
  }
  const std::wstring exe = argv[1];
  const std::wstring folder = exe.substr(0, exe.find_last_of(L'\\'));
  CreateDirectoryW((folder + L"\\Pics").c_str(), nullptr);
  Check(WriteFileBytes(folder + L"\\Pics\\blocks.png", BlocksPng()), "the PNG file is written");
  quillpad::MemoRecord before;
  before.Text = "before";
  before.Left = 100;
  before.Top = 100;
  before.Visible = true;
  before.StampText = "2026/12/01 8:00:00";
  const std::string memoFile = quillpad::WriteMemoFile({before});
  WriteFileBytes(folder + L"\\MemoData.dat", memoFile);

  Process app;
  HWND main = StartQuillpad(app, exe, folder);
  if (!main) return 1;
  const DWORD pid = app.Info.dwProcessId;
  // The tray menu's picture command by its access keys: データを使って新規メモ作成(&M) >
  // ファイルを開いて(&F) > 画像(&B).
  const auto trays = ProcessWindows(pid, L"QuillpadTray");
  Check(!trays.empty(), "the tray icon's window exists");
  if (trays.empty()) return 1;
  PostMessageW(trays[0], 0x8064, 1, WM_RBUTTONDOWN);
  PostMessageW(trays[0], 0x8064, 1, WM_RBUTTONUP);
  for (wchar_t key : {L'm', L'f', L'b'}) {
    HWND popup = nullptr;
    Check(WaitFor([&] {
            return (popup = FindWindowW(L"#32768", nullptr)) != nullptr && IsWindowVisible(popup);
          }),
          "the tray menu shows");
    Sleep(300);
    PostMessageW(popup, WM_CHAR, key, 0);
  }
  HWND dialog = VisibleDialog(pid, L"画像ファイルを開く");
  Check(dialog != nullptr, "the picture dialog shows");
  if (!dialog) return 1;
  Sleep(300);
  // The dialog's file types: the first is every picture the plug-ins and the program read.
  HWND types = GetDlgItem(dialog, 0x470);
  std::wstring first;
  if (types && SendMessageW(types, CB_GETCOUNT, 0, 0) > 0) {
    first.resize(static_cast<std::size_t>(SendMessageW(types, CB_GETLBTEXTLEN, 0, 0)) + 1);
    SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first.data()));
    first.resize(first.size() - 1);
  }
  Check(first.find(L"PNGファイル(*.png)") != std::wstring::npos &&
            first.find(L"JPEGファイル(*.jpg;*.jpeg;*.jpe)") != std::wstring::npos &&
            first.find(L"ビットマップファイル(*.bmp)") != std::wstring::npos,
        "the filter names the plug-ins' types", ToCp932(first));
  HWND name = GetDlgItem(dialog, 0x47C);
  if (!name) name = GetDlgItem(dialog, 0x480);
  CheckPreview(pid, dialog, name, folder + L"\\Pics");
  const std::wstring path = folder + L"\\Pics\\blocks.png";
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));

  HWND memo = nullptr;
  Check(WaitFor([&] { return (memo = PictureMemo(pid)) != nullptr; }),
        "a memo of the picture's size shows");
  if (!memo) {
    for (HWND w : ProcessWindows(pid, L"#32770"))
      if (IsWindowVisible(w)) Check(false, "a box shows instead", ToCp932(TextOf(w)));
    for (HWND w : ProcessWindows(pid, L"QuillpadForm")) {
      RECT r{};
      GetClientRect(w, &r);
      std::printf("window %s %ldx%ld %d\n", ToCp932(TextOf(w)).c_str(), r.right, r.bottom,
                  IsWindowVisible(w));
    }
    Shot::Take().Save(BesideSelf(L".bmp"));
    return 1;
  }
  SetWindowPos(memo, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  Sleep(800);
  const Shot shot = Shot::Take();
  Check(shot.Save(BesideSelf(L".bmp")), "screenshot saved");
  CheckBlocks(shot, memo, "a block shows its colour");
  bool previewGone = true;
  for (HWND w : ProcessWindows(pid, L"QuillpadForm"))
    if (IsWindowVisible(w) && TextOf(w) == L"イメージビューア") previewGone = false;
  Check(previewGone, "the preview went with the dialog");

  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const quillpad::MemoFileContents saved =
      quillpad::ReadMemoFile(ReadFileBytes(folder + L"\\MemoData.dat"));
  Check(saved.Records.size() == 2, "MemoData.dat holds two memos");
  if (saved.Records.size() == 2) {
    Check(saved.Records[0].Text == "before" && saved.Records[0].Left == 100 &&
              saved.Records[0].Top == 100,
          "the memo that was there is unchanged");
    const quillpad::MemoRecord& picture = saved.Records[1];
    const auto pixels = quillpad::DecodeBmp(picture.Picture);
    bool same = picture.Kind == quillpad::MemoKind::mkImage && pixels && pixels->Width == kWidth &&
                pixels->Height == kHeight;
    for (int y = 0; same && y < kHeight; ++y)
      for (int x = 0; same && x < kWidth; ++x) same = pixels->At(x, y) == BlockAt(x, y);
    Check(same, "the picture memo holds the PNG's pixels");
  }
  std::printf("%s\n", failures ? "e2e_pictures: FAILED" : "e2e_pictures: passed");
  return failures ? 1 : 0;
}
