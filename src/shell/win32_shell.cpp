#include "shell/win32_shell.h"

#include <windows.h>

#include "picture/dib_frame_win32.h"
#include "shell/main_window_win32.h"

namespace noise {
namespace {

constexpr char kClassName[] = "Brastowickline";
// Style 0 gets a caption from the platform; these are its two bits.
constexpr LONG kWithoutCaption = static_cast<LONG>(0xFF3FFFFF);
static_assert((~static_cast<DWORD>(kWithoutCaption)) == WS_CAPTION);
static_assert(sizeof(void*) != 4 || sizeof(WNDCLASSEXA) == 48);

}  // namespace

std::unique_ptr<Frame> Win32Shell::CreateFrame() {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  return DibFrame::Create(width, height);
}

void Win32Shell::RegisterWindowClass() {
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = MainWindowProc;
  window_class.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // No background brush: the platform never erases, the frames cover it all.
  window_class.lpszClassName = kClassName;
  RegisterClassExA(&window_class);
}

void Win32Shell::CreateHiddenWindow(int width, int height) {
  MainWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "", 0, 0, 0, width, height, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  SetWindowLongA(MainWindow, GWL_STYLE, GetWindowLongA(MainWindow, GWL_STYLE) & kWithoutCaption);
}

void Win32Shell::ShowMaximized() { ShowWindow(MainWindow, SW_SHOWMAXIMIZED); }

void Win32Shell::RedrawAllWindows() { InvalidateRect(nullptr, nullptr, FALSE); }

void Win32Shell::PostQuit() { PostQuitMessage(0); }

void Win32Shell::Show(Frame& frame) {
  // Every frame this shell shows is one it made.
  ShowFrameOnWindow(MainWindow, static_cast<DibFrame&>(frame));
}

}  // namespace noise
