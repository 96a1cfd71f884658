// End-to-end check of the style template window under Wine: with two templates in
// StyleTemplate.dat, the edit tool bar's template button opens the window, whose list shows each
// template as a band of its own colour and height with its description on it; closing the
// window writes the templates back.
//   e2e_templates.exe QUILLPAD_EXE EMPTY_EXE
// clang-format off
#include "e2e_support.h"  // <windows.h> before the shell header
#include <shellapi.h>
// clang-format on

#include <cstdint>
#include <thread>

using namespace quillpad::e2e;

namespace {

// The tool button among the edit bar's buttons and separators.
constexpr int kTemplateButton = 13;
constexpr COLORREF kFirst = RGB(0x40, 0xA0, 0xD0);
constexpr COLORREF kSecond = RGB(0xF0, 0xE0, 0x30);
// "Big Font,20": the third field is 20 points, 20 * 96 / 72 + 10 pixels; "Small" has none: 23.
constexpr int kFirstHeight = 36;
constexpr int kSecondHeight = 23;

std::string Short(const std::string& s) { return static_cast<char>(s.size()) + s; }
std::string Int32(std::int32_t v) {
  std::string out(1, '\x04');
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}

// One template record as the memo files keep it: the window's style and the text child.
std::string Template(COLORREF colour, int fontHeight, const std::string& description) {
  std::string r = "TPF0" + Short("TMemoForm") + Short("MemoForm");
  r += Short("BorderStyle") + '\x07' + Short("bsNone");
  r += Short("Color") + Int32(static_cast<std::int32_t>(colour));
  r += Short("Font.Charset") + '\x07' + Short("ANSI_CHARSET");
  r += Short("Font.Color") + Int32(0);
  r += Short("Font.Height") + Int32(fontHeight);
  r += Short("Font.Name") + '\x06' + Short("Arial");
  r += std::string(1, '\0');
  r += Short("TLabel") + Short("MemoLabel") + Short("Caption") + '\x06' + Short(description);
  r += std::string(2, '\0');
  r += Short("TImage") + Short("ClipImage") + std::string(2, '\0');
  r += std::string(1, '\0');
  return r;
}

HWND TemplateWindow(DWORD pid) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : ProcessWindows(pid, L"QuillpadForm")) {
      if (IsWindowVisible(w) && ToCp932(TextOf(w)) == ToCp932(L"メモスタイルのテンプレート")) found = w;
    }
    return found != nullptr;
  });
  return found;
}

// The list: the largest list child of the window.
HWND ListOf(HWND window) {
  HWND best = nullptr;
  long area = 0;
  for (HWND child : ChildWindows(window, L"ListBox")) {
    RECT r{};
    GetClientRect(child, &r);
    if (r.right * r.bottom > area) best = child, area = r.right * r.bottom;
  }
  return best;
}

// The rows of r whose most frequent colour is c: the first and one past the last.
std::pair<int, int> BandOf(const Shot& shot, const RECT& r, COLORREF c) {
  int first = -1, last = -1;
  for (int y = r.top; y < r.bottom; ++y) {
    if (shot.Dominant({r.left, y, r.right, y + 1}) != c) continue;
    if (first < 0) first = y;
    last = y + 1;
  }
  return {first - r.top, last - r.top};
}

void CheckBand(const Shot& shot, const RECT& list, COLORREF colour, int top, int height,
               const char* what) {
  const auto [from, to] = BandOf(shot, list, colour);
  Check(from == top && to == top + height, what,
        ColourText(colour) + " rows " + std::to_string(from) + "-" + std::to_string(to));
  const RECT band{list.left, list.top + top, list.right, list.top + top + height};
  const int text = shot.CountOther(band, colour);
  Check(text >= 40, "the band shows its description", std::to_string(text) + " text pixels");
}

}  // namespace

int main() {
  int argc = 0;
  const wchar_t* const* args = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring exe = argc >= 2 ? args[1] : L"";
  if (exe.empty()) return std::printf("usage: e2e_templates QUILLPAD_EXE [EMPTY_EXE]\n"), 2;
  const std::wstring folder = exe.substr(0, exe.rfind(L'\\'));
  // Two templates before the start: the window reads its file when it opens.
  const std::wstring templates = folder + L"\\StyleTemplate.dat";
  WriteFileBytes(templates, Template(kFirst, -24, "Big Font,20") + Template(kSecond, -14, "Small"));
  Process app;
  HWND main = StartWithEditor(app, exe, folder);
  const DWORD pid = app.Info.dwProcessId;
  const auto toolBars = main ? ChildWindows(main, L"ToolbarWindow32") : std::vector<HWND>{};
  if (toolBars.size() < 2) return Check(false, "the editor and its tool bars show"), 1;
  // The window is modal: the button's command returns only once it closes.
  std::thread click([&] { ClickToolButton(toolBars[1], kTemplateButton); });
  HWND window = TemplateWindow(pid);
  Check(window != nullptr, "the template button opens the template window");
  if (window) {
    Sleep(500);
    const Shot shot = Shot::Take();
    shot.Save(BesideSelf(L".bmp"));
    RECT r{};
    GetWindowRect(window, &r);
    HWND top = WindowFromPoint({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    Check(top == window || GetAncestor(top, GA_ROOT) == window, "the template window is in front");
    HWND listBox = ListOf(window);
    if (listBox) {
      const RECT list = ScreenClientRect(listBox);
      CheckBand(shot, list, kFirst, 0, kFirstHeight, "the first template is a band of its colour and height");
      CheckBand(shot, list, kSecond, kFirstHeight, kSecondHeight, "the second template follows it");
      const RECT below{list.left, list.top + kFirstHeight + kSecondHeight + 2, list.right, list.bottom};
      Check(shot.Dominant(below) == GetSysColor(COLOR_WINDOW), "the list is empty below its templates",
            ColourText(shot.Dominant(below)));
    } else {
      Check(false, "the template window has its list");
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  click.join();
  PostMessageW(main, WM_CLOSE, 0, 0);
  Check(app.Wait() == 0, "the program ends with exit code 0");
  const std::string written = ReadFileBytes(templates);
  const std::size_t big = written.find("Big Font,20"), small = written.find("Small");
  Check(big != std::string::npos && small != std::string::npos && big < small,
        "closing the window writes both templates back in their order");
  std::printf("%s\n", failures ? "e2e_templates: FAILED" : "e2e_templates: passed");
  return failures ? 1 : 0;
}
