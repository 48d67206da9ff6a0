#pragma once

#include <windows.h>

namespace noise {

// The program's one window; the drawing worker copies frames onto it.
extern HWND MainWindow;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace noise
