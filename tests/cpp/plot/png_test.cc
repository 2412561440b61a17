// PNG output: chunk layout, resolution, pixel round trip, atomic
// replacement of the target when writing fails, and a FIFO written in place
// with its waits going through the caller's hook.
#include "plot/png.h"

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include <gtest/gtest.h>

#include "png_reader.h"
#include "support/test_support.h"

namespace varenko::plot {
namespace {

namespace fs = std::filesystem;

Canvas sample_canvas() {
  auto c = Canvas::create(7, 5, kTransparentWhite);
  EXPECT_TRUE(c.ok());
  c->set(0, 0, Rgba{1, 2, 3, 4});
  c->set(6, 4, Rgba{250, 0, 128, 255});
  c->fill_rect(2, 1, 3, 2, Rgba{0, 180, 0, 255});
  return std::move(c.value());
}

std::vector<std::string> entries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SavePng, WritesOnlyTheRequiredChunks) {
  test::TempDir dir;
  const fs::path path = dir.path() / "out.png";
  ASSERT_TRUE(save_png_with_dpi(sample_canvas(), path.string(), 300).ok());
  const auto chunks = test::read_png_chunks(path);
  ASSERT_GE(chunks.size(), 4U);
  EXPECT_EQ(chunks.front().type, "IHDR");
  EXPECT_EQ(chunks[1].type, "pHYs");
  EXPECT_EQ(chunks.back().type, "IEND");
  for (std::size_t i = 2; i + 1 < chunks.size(); ++i) EXPECT_EQ(chunks[i].type, "IDAT");
  const auto& ihdr = chunks.front().data;
  ASSERT_EQ(ihdr.size(), 13U);
  EXPECT_EQ(test::be32(ihdr, 0), 7U);
  EXPECT_EQ(test::be32(ihdr, 4), 5U);
  EXPECT_EQ(ihdr[8], 8);   // bit depth
  EXPECT_EQ(ihdr[9], 6);   // RGBA
  EXPECT_EQ(ihdr[12], 0);  // not interlaced
  const auto& phys = chunks[1].data;
  ASSERT_EQ(phys.size(), 9U);
  EXPECT_EQ(test::be32(phys, 0), 11811U);
  EXPECT_EQ(test::be32(phys, 4), 11811U);
  EXPECT_EQ(phys[8], 1);  // metre
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"out.png"}));
}

TEST(SavePng, PixelsRoundTrip) {
  test::TempDir dir;
  const fs::path path = dir.path() / "out.png";
  const Canvas canvas = sample_canvas();
  ASSERT_TRUE(save_png_with_dpi(canvas, path.string(), 600).ok());
  const auto decoded = test::decode_png(path);
  ASSERT_EQ(decoded.width, 7U);
  EXPECT_TRUE(std::equal(decoded.rgba.begin(), decoded.rgba.end(), canvas.bytes().begin(),
                         canvas.bytes().end()));
  EXPECT_EQ(test::be32(test::read_png_chunks(path)[1].data, 0), 23622U);
}

TEST(SavePng, FailedWriteLeavesTheTargetUntouched) {
  test::TempDir dir;
  const fs::path target = dir.write("plot.png", "previous contents");
  std::size_t budget = 100;
  const PngWriteFn failing = [&budget](const void* data, std::size_t size, std::FILE* file) {
    const std::size_t n = std::min(size, budget);
    budget -= n;
    const std::size_t written = std::fwrite(data, 1, n, file);
    if (written < size) errno = ENOSPC;
    return written;
  };
  EXPECT_ERROR(save_png_with_dpi_via(sample_canvas(), target.string(), 300, failing),
               "No space left on device");
  EXPECT_EQ(budget, 0U);  // the failure came after some bytes were written
  const auto bytes = test::read_file_bytes(target);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "previous contents");
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"plot.png"}));
}

TEST(SavePng, ReplacesAnExistingFile) {
  test::TempDir dir;
  const fs::path target = dir.write("plot.png", "previous contents");
  ASSERT_TRUE(save_png_with_dpi(sample_canvas(), target.string(), 300).ok());
  EXPECT_EQ(test::decode_png(target).width, 7U);
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"plot.png"}));
}

TEST(SavePng, WritesThroughASymbolicLink) {
  test::TempDir dir;
  const fs::path target = dir.write("real.png", "previous contents");
  fs::create_symlink("real.png", dir.path() / "link.png");
  ASSERT_TRUE(save_png_with_dpi(sample_canvas(), (dir.path() / "link.png").string(), 300).ok());
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.png"));
  EXPECT_EQ(test::decode_png(target).width, 7U);
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"link.png", "real.png"}));
}

TEST(SavePng, UnwritablePathsReportTheSystemError) {
  test::TempDir dir;
  EXPECT_ERROR(save_png_with_dpi(sample_canvas(), (dir.path() / "missing" / "x.png").string(), 300),
               "No such file or directory");
  fs::create_directory(dir.path() / "sub");
  EXPECT_ERROR(save_png_with_dpi(sample_canvas(), (dir.path() / "sub").string(), 300),
               "Is a directory");
  EXPECT_ERROR(save_png_with_dpi(sample_canvas(), "", 300), "No such file or directory");
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"sub"}));
  EXPECT_TRUE(fs::is_empty(dir.path() / "sub"));
}

TEST(SavePng, AFifoWithoutReaderWaitsThroughTheHookUntilItSaysStop) {
  test::TempDir dir;
  const fs::path fifo = dir.path() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  int ticks = 0;
  const core::WaitHook stop_after_three = [&ticks](const std::function<void()>& pause) {
    pause();
    return ++ticks < 3;
  };
  const core::Status status = save_png_with_dpi(sample_canvas(), fifo.string(), 300, stop_after_three);
  EXPECT_ERROR(status, "Interrupted system call");
  EXPECT_EQ(status.failure().os_errno, EINTR);
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(entries(dir.path()), (std::vector<std::string>{"pipe"}));
}

TEST(SavePng, AFifoIsWrittenOnceItsReaderComes) {
  test::TempDir dir;
  const fs::path fifo = dir.path() / "pipe";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  int ticks = 0;
  std::string received;
  const core::WaitHook counting = [&](const std::function<void()>& pause) {
    pause();
    if (++ticks == 2) {
      std::thread([&fifo, &received] {
        std::ifstream in(fifo, std::ios::binary);
        received.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      }).detach();
    }
    return ticks < 200;
  };
  ASSERT_TRUE(save_png_with_dpi(sample_canvas(), fifo.string(), 300, counting).ok());
  for (int i = 0; i < 200 && received.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(received.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_GE(ticks, 2);
}

}  // namespace
}  // namespace varenko::plot
