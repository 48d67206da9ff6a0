#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/random.h"
#include "picture/fill.h"
#include "picture/frame_lines.h"
#include "picture/memory_frame.h"
#include "picture/palette.h"

namespace noise {
namespace {

TEST(GreyPalette, HoldsAllLevelsAsEqualBytes) {
  const GreyPalette palette = MakeGreyPalette();
  for (int level = 0; level < 256; ++level) {
    const GreyPixel& pixel = palette[static_cast<std::size_t>(level)];
    EXPECT_EQ(pixel.blue, level);
    EXPECT_EQ(pixel.green, level);
    EXPECT_EQ(pixel.red, level);
  }
}

TEST(FrameLines, RowZeroIsTheTopRowThoughMemoryIsBottomUp) {
  struct Case {
    int width;
    std::size_t stride;
  };
  for (const auto& [width, stride] :
       {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}, Case{1366, 4100}}) {
    SCOPED_TRACE(width);
    EXPECT_EQ(RowStride(width), stride);
    MemoryFrame frame(width, 3);
    ASSERT_EQ(frame.Memory().size(), 3 * stride);
    const FrameLines lines = MakeFrameLines(frame);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], frame.Memory().data() + 2 * stride);
    EXPECT_EQ(lines[1], frame.Memory().data() + stride);
    EXPECT_EQ(lines[2], frame.Memory().data());
  }
}

class FillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    generator.Seed(42);
    palette = MakeGreyPalette();
  }
  Generator generator;
  GreyPalette palette;
};

TEST_F(FillTest, EveryPixelIsGreyAndPaddingIsNeverWritten) {
  for (const auto& [width, height] : {std::pair{1, 1}, {2, 3}, {3, 2}, {5, 4}, {1366, 8}}) {
    SCOPED_TRACE(::testing::Message() << width << "x" << height);
    MemoryFrame frame(width, height);
    auto& memory = frame.Memory();
    std::memset(memory.data(), 0xA5, memory.size());
    const FrameLines lines = MakeFrameLines(frame);
    const std::uint64_t before = generator.Taken();

    FillFrame(lines, width, palette, generator);

    EXPECT_EQ(generator.Taken() - before, static_cast<std::uint64_t>(width) * height);
    const std::size_t stride = RowStride(width);
    for (int row = 0; row < height; ++row) {
      const std::uint8_t* line = memory.data() + stride * static_cast<std::size_t>(row);
      for (int column = 0; column < width; ++column) {
        const std::uint8_t* pixel = line + 3 * column;
        ASSERT_EQ(pixel[0], pixel[1]);
        ASSERT_EQ(pixel[1], pixel[2]);
      }
      for (std::size_t pad = 3 * static_cast<std::size_t>(width); pad < stride; ++pad) {
        ASSERT_EQ(line[pad], 0xA5) << "padding byte " << pad << " of row " << row;
      }
    }
  }
}

TEST_F(FillTest, PixelsTakeTheirDrawsTopRowFirstLeftToRight) {
  const int width = 37, height = 5;
  MemoryFrame frame(width, height);
  const FrameLines lines = MakeFrameLines(frame);
  const std::uint64_t first = generator.Reserve(123);  // not at a block boundary
  FillFrame(lines, width, palette, generator);

  std::vector<std::uint8_t> draws(width * height);
  generator.LevelsAt(first + 123, draws.data(), draws.size());
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      ASSERT_EQ(frame.Row(row)[3 * column], draws[row * width + column]) << row << "," << column;
    }
  }
}

TEST_F(FillTest, UsesTheFullRangeAndRedrawsEveryPixel) {
  const int width = 256, height = 256;
  MemoryFrame frame(width, height);
  const FrameLines lines = MakeFrameLines(frame);
  FillFrame(lines, width, palette, generator);
  const std::vector<std::uint8_t> first = frame.Memory();
  FillFrame(lines, width, palette, generator);

  bool saw_black = false, saw_white = false;
  int kept = 0;
  for (std::size_t i = 0; i < first.size(); i += 3) {
    saw_black |= first[i] == 0;
    saw_white |= first[i] == 255;
    kept += first[i] == frame.Memory()[i];
  }
  EXPECT_TRUE(saw_black);
  EXPECT_TRUE(saw_white);
  // A pixel keeps its level only by chance, about once in 256.
  EXPECT_NEAR(kept, width * height / 256.0, 5 * 16);
}

}  // namespace
}  // namespace noise
