#pragma once

#include <windows.h>

#include <memory>

#include "picture/frame.h"

namespace noise {

// The frame as a 24-bit bottom-up DIB section: its pixels never move, and a
// memory device context with them selected is the source of every copy.
class DibFrame : public Frame {
 public:
  // Nothing when the platform cannot make a bitmap of that size.
  static std::unique_ptr<DibFrame> Create(int width, int height);
  ~DibFrame() override;
  DibFrame(const DibFrame&) = delete;
  DibFrame& operator=(const DibFrame&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  std::uint8_t* Row(int row) override;

  // Made on first use and kept until the frame is freed, so later copies
  // neither make a context nor move a pixel.
  HDC Canvas();

 private:
  DibFrame(HBITMAP bitmap, std::uint8_t* bits, int width, int height);

  HBITMAP bitmap_;
  std::uint8_t* bits_;
  int width_;
  int height_;
  HDC canvas_ = nullptr;
  HGDIOBJ canvas_old_bitmap_ = nullptr;
};

// Copies the whole frame to the window's top-left corner through the window's
// own device context, held only for the copy.
void ShowFrameOnWindow(HWND window, DibFrame& frame);

}  // namespace noise
