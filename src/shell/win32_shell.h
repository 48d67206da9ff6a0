#pragma once

#include "shell/shell_platform.h"

namespace noise {

// The Win32 window manager behind the start-up and the shut-down.
class Win32Shell : public ShellPlatform {
 public:
  std::unique_ptr<Frame> CreateFrame() override;
  void RegisterWindowClass() override;
  void CreateHiddenWindow(int width, int height) override;
  void ShowMaximized() override;
  void RedrawAllWindows() override;
  void PostQuit() override;
  void Show(Frame& frame) override;
};

}  // namespace noise
