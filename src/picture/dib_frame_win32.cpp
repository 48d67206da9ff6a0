#include "picture/dib_frame_win32.h"

namespace noise {

std::unique_ptr<DibFrame> DibFrame::Create(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom row first in memory
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr || bits == nullptr) {
    if (bitmap != nullptr) DeleteObject(bitmap);
    return nullptr;
  }
  return std::unique_ptr<DibFrame>(
      new DibFrame(bitmap, static_cast<std::uint8_t*>(bits), width, height));
}

DibFrame::DibFrame(HBITMAP bitmap, std::uint8_t* bits, int width, int height)
    : bitmap_(bitmap), bits_(bits), width_(width), height_(height) {}

DibFrame::~DibFrame() {
  if (canvas_ != nullptr) {
    SelectObject(canvas_, canvas_old_bitmap_);
    DeleteDC(canvas_);
  }
  DeleteObject(bitmap_);
}

std::uint8_t* DibFrame::Row(int row) {
  return bits_ + RowStride(width_) * static_cast<std::size_t>(height_ - 1 - row);
}

HDC DibFrame::Canvas() {
  if (canvas_ == nullptr) {
    canvas_ = CreateCompatibleDC(nullptr);
    if (canvas_ != nullptr) canvas_old_bitmap_ = SelectObject(canvas_, bitmap_);
  }
  return canvas_;
}

void ShowFrameOnWindow(HWND window, DibFrame& frame) {
  HDC target = GetDC(window);
  BitBlt(target, 0, 0, frame.Width(), frame.Height(), frame.Canvas(), 0, 0, SRCCOPY);
  ReleaseDC(window, target);
}

}  // namespace noise
