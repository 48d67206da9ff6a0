#include <windows.h>

#include "common/random.h"
#include "shell/main_window_win32.h"
#include "shell/program.h"
#include "shell/win32_shell.h"
#include "sound/wave_out_win32.h"

namespace noise {

HWND MainWindow = nullptr;

namespace {

// Made on the heap and let go only once both workers have ended, so that a
// worker that outlived the shut-down never touches freed memory.
Win32Shell* TheShell = nullptr;
WaveOut* TheWaveOut = nullptr;
Program* TheProgram = nullptr;

LRESULT RequestShutDown() {
  // The shut-down runs when the notification comes back through the loop.
  PostMessageA(MainWindow, WM_DESTROY, 0, 0);
  return 0;
}

LRESULT ShutDown() {
  if (TheProgram != nullptr) TheProgram->ShutDown();
  return 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      return RequestShutDown();
    case WM_LBUTTONDOWN:
      return RequestShutDown();
    case WM_DESTROY:
      return ShutDown();
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace noise

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace noise;
  TheShell = new Win32Shell;
  TheWaveOut = new WaveOut;
  TheProgram = new Program(*TheShell, *TheWaveOut, TheGenerator());
  if (!TheProgram->StartUp()) return 1;

  MSG message;
  // Only the quit message ends the loop; an error result (-1) does not.
  while (GetMessageA(&message, nullptr, 0, 0) != 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // A quit posted from outside ends the loop without a destroy notification.
  TheProgram->ShutDown();

  if (TheProgram->WorkersEnded()) {
    delete TheProgram;
    delete TheWaveOut;
    delete TheShell;
  }
  return 0;
}
