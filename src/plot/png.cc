// PNG encoding with libpng into a temporary file beside the target, renamed
// over it only after the stream was completely written, flushed and closed.
// libpng reports errors by longjmp, so the function that calls setjmp holds
// only trivially destructible locals; messages travel in a context object.
#include "plot/png.h"

#include <atomic>
#include <cerrno>
#include <csetjmp>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include <png.h>

#include "plot/scale.h"

namespace varenko::plot {

namespace {

constexpr std::size_t kWriteBufferBytes = 8192;

std::string os_error_text(int err) { return std::generic_category().message(err); }

struct EncodeContext {
  std::FILE* file = nullptr;
  const PngWriteFn* write = nullptr;
  std::string error;  // first failure: the OS error text or the encoder's message
};

void on_png_write(png_structp png, png_bytep data, std::size_t length) {
  auto* ctx = static_cast<EncodeContext*>(png_get_io_ptr(png));
  errno = 0;
  const std::size_t written = (*ctx->write)(data, length, ctx->file);
  if (written != length) {
    {
      const int err = errno != 0 ? errno : EIO;
      if (ctx->error.empty()) ctx->error = os_error_text(err);
    }
    png_error(png, "write failed");
  }
}

void on_png_flush(png_structp png) {
  auto* ctx = static_cast<EncodeContext*>(png_get_io_ptr(png));
  if (std::fflush(ctx->file) != 0) {
    {
      if (ctx->error.empty()) ctx->error = os_error_text(errno != 0 ? errno : EIO);
    }
    png_error(png, "flush failed");
  }
}

void on_png_error(png_structp png, png_const_charp message) {
  auto* ctx = static_cast<EncodeContext*>(png_get_error_ptr(png));
  if (ctx != nullptr && ctx->error.empty()) {
    ctx->error = message != nullptr ? message : "PNG encoding failed";
  }
  png_longjmp(png, 1);
}

void on_png_warning(png_structp, png_const_charp) {}

// Encodes the canvas; returns false with ctx.error set on any failure.
// Only trivially destructible locals live here, because libpng leaves by longjmp.
bool encode_png(const Canvas& canvas, std::uint32_t pixels_per_meter, EncodeContext& ctx) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &ctx, on_png_error,
                                            on_png_warning);
  if (png == nullptr) {
    ctx.error = "failed to create the PNG encoder";
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    ctx.error = "failed to create the PNG encoder";
    return false;
  }
  if (setjmp(png_jmpbuf(png)) != 0) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, &ctx, on_png_write, on_png_flush);
  // Plots are mostly flat colour and vertical lines: the Up filter alone with
  // a fast zlib level compresses them as well as the adaptive default, at a
  // fraction of its effort.
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_set_compression_level(png, 3);
  png_set_IHDR(png, info, canvas.width(), canvas.height(), 8, PNG_COLOR_TYPE_RGBA,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_pHYs(png, info, pixels_per_meter, pixels_per_meter, PNG_RESOLUTION_METER);
  png_write_info(png, info);
  const std::uint8_t* base = canvas.bytes().data();
  const std::size_t stride = static_cast<std::size_t>(canvas.width()) * 4;
  for (std::uint32_t y = 0; y < canvas.height(); ++y) {
    png_write_row(png, base + y * stride);
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

// Opens a new, exclusive temporary file in the folder of `target`.
core::Result<std::pair<int, std::string>> open_temporary_beside(const std::string& target) {
  const std::filesystem::path path(target);
  const std::filesystem::path folder = path.parent_path();
  // Appended piecewise: GCC 12 warns falsely (-Wrestrict) on "." + std::string.
  std::string stem(1, '.');
  stem.append(path.filename().string()).append(".tmp-").append(std::to_string(::getpid()));
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = stem;
    name.append("-").append(std::to_string(counter.fetch_add(1))).append(".png");
    const std::string temp = folder.empty() ? name : (folder / name).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return std::pair<int, std::string>{fd, temp};
    if (errno != EEXIST) return core::fail(os_error_text(errno));
  }
  return core::fail(os_error_text(EEXIST));
}

}  // namespace

core::Status save_png_with_dpi_via(const Canvas& canvas, std::string output_path,
                                   std::uint32_t dpi, const PngWriteFn& write) {
  // Writing to a symbolic link replaces the file it points to, as writing
  // through the link would, rather than the link itself.
  std::error_code link_error;
  if (std::filesystem::is_symlink(output_path, link_error)) {
    const auto resolved = std::filesystem::weakly_canonical(output_path, link_error);
    if (!link_error) output_path = resolved.string();
  }
  auto opened = open_temporary_beside(output_path);
  if (!opened) return core::fail(opened.error());
  const auto [fd, temp] = std::move(opened.value());
  std::FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) {
    const std::string err = os_error_text(errno);
    ::close(fd);
    ::unlink(temp.c_str());
    return core::fail(err);
  }
  auto fail_and_clean = [&](std::string message) -> core::Status {
    ::unlink(temp.c_str());
    return core::fail(std::move(message));
  };
  std::setvbuf(file, nullptr, _IOFBF, kWriteBufferBytes);
  EncodeContext ctx;
  ctx.file = file;
  ctx.write = &write;
  const bool encoded = encode_png(canvas, dpi_to_pixels_per_meter(dpi), ctx);
  errno = 0;
  const bool flushed = encoded && std::fflush(file) == 0;
  const int flush_errno = errno;
  errno = 0;
  const bool closed = std::fclose(file) == 0;
  const int close_errno = errno;
  if (!encoded) return fail_and_clean(ctx.error);
  if (!flushed) return fail_and_clean(os_error_text(flush_errno != 0 ? flush_errno : EIO));
  if (!closed) return fail_and_clean(os_error_text(close_errno != 0 ? close_errno : EIO));
  if (std::rename(temp.c_str(), output_path.c_str()) != 0) {
    return fail_and_clean(os_error_text(errno));
  }
  return {};
}

core::Status save_png_with_dpi(const Canvas& canvas, std::string output_path, std::uint32_t dpi) {
  static const PngWriteFn kFwrite = [](const void* data, std::size_t size, std::FILE* file) {
    return std::fwrite(data, 1, size, file);
  };
  return save_png_with_dpi_via(canvas, std::move(output_path), dpi, kFwrite);
}

}  // namespace varenko::plot
