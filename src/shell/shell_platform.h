#pragma once

#include <memory>

#include "picture/frame.h"

namespace noise {

// The window manager as the start-up and the shut-down see it. The platform is
// also the screen the drawing worker shows its frames on.
class ShellPlatform : public Screen {
 public:
  // A frame the size of the primary screen, or nothing when one cannot be made.
  virtual std::unique_ptr<Frame> CreateFrame() = 0;
  virtual void RegisterWindowClass() = 0;
  // The program's window, hidden, borderless and captionless, at the top-left
  // corner of the primary screen.
  virtual void CreateHiddenWindow(int width, int height) = 0;
  virtual void ShowMaximized() = 0;
  // Asks every window on the desktop to redraw.
  virtual void RedrawAllWindows() = 0;
  // Ends the message loop once what is queued ahead has been handled.
  virtual void PostQuit() = 0;
};

}  // namespace noise
