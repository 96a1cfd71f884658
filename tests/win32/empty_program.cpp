// The yardstick for start-up times: a window and a message loop, nothing else.
#include <windows.h>

int main() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"QuillpadEmpty";
  RegisterClassW(&wc);
  CreateWindowExW(0, wc.lpszClassName, L"empty", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                  wc.hInstance, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
