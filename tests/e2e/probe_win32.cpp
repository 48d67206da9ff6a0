// Looks at and pokes the program's window from another process in the same
// Wine prefix, and shows reference windows for comparing cursors.
//
//   probe find                 waits for the window and prints what it sees
//   probe post MESSAGE [WPARAM] posts a message to it (numbers in hex)
//   probe burst                posts two keys, a click and a close request at once
//   probe reference CURSOR     shows a window whose class cursor is "arrow" or
//                              "cross" until it is closed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindProgramWindow(int seconds) {
  for (int tries = 0; tries < seconds * 10; ++tries) {
    HWND window = FindWindowA("Brastowickline", nullptr);
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(100);
  }
  return nullptr;
}

int Find() {
  HWND window = FindProgramWindow(30);
  if (window == nullptr) {
    std::printf("found=0\n");
    return 1;
  }
  RECT rect;
  GetWindowRect(window, &rect);
  char title[256] = "";
  const int title_length = GetWindowTextA(window, title, sizeof(title));
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  std::printf("found=1\n");
  std::printf("style=0x%08lx\n", static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
  std::printf("exstyle=0x%08lx\n", static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)));
  std::printf("visible=%d\n", IsWindowVisible(window) ? 1 : 0);
  std::printf("zoomed=%d\n", IsZoomed(window) ? 1 : 0);
  std::printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
  std::printf("screen=%d,%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::printf("title_length=%d\n", title_length);
  std::printf("owner=%p\n", static_cast<void*>(GetWindow(window, GW_OWNER)));
  return 0;
}

int Post(UINT message, WPARAM wparam) {
  HWND window = FindProgramWindow(30);
  if (window == nullptr) return 1;
  return PostMessageA(window, message, wparam, 0) ? 0 : 1;
}

int Burst() {
  HWND window = FindProgramWindow(30);
  if (window == nullptr) return 1;
  PostMessageA(window, WM_KEYDOWN, 'A', 0);
  PostMessageA(window, WM_KEYDOWN, 'B', 0);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

LRESULT CALLBACK ReferenceProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

int Reference(const char* cursor) {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = ReferenceProc;
  window_class.hCursor =
      LoadCursorA(nullptr, std::strcmp(cursor, "cross") == 0 ? IDC_CROSS : IDC_ARROW);
  window_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  window_class.lpszClassName = "NoiseProbeReference";
  RegisterClassExA(&window_class);
  HWND window = CreateWindowExA(0, "NoiseProbeReference", "reference", WS_POPUP | WS_VISIBLE, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "find") == 0) return Find();
  if (argc >= 3 && std::strcmp(argv[1], "post") == 0) {
    const auto message = static_cast<UINT>(std::strtoul(argv[2], nullptr, 16));
    const auto wparam = static_cast<WPARAM>(argc >= 4 ? std::strtoul(argv[3], nullptr, 16) : 0);
    return Post(message, wparam);
  }
  if (argc >= 2 && std::strcmp(argv[1], "burst") == 0) return Burst();
  if (argc >= 3 && std::strcmp(argv[1], "reference") == 0) return Reference(argv[2]);
  std::fprintf(stderr, "usage: probe find | post MESSAGE [WPARAM] | burst | reference CURSOR\n");
  return 2;
}
