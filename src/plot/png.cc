// PNG encoding with libpng into a temporary file beside the target, renamed
// over it only after the stream was completely written, flushed and closed.
// Symbolic links are followed to the file they name; an existing device, FIFO
// or socket is written in place, as a plain open for writing would, with
// every wait for a FIFO's reader taken in ticks through the caller's hook.
// libpng reports errors by longjmp, so the function that calls setjmp holds
// only trivially destructible locals; messages travel in a context object.
#include "plot/png.h"

#include <atomic>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
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
  int os_errno = 0;   // its error number when the failure was the OS's
};

void on_png_write(png_structp png, png_bytep data, std::size_t length) {
  auto* ctx = static_cast<EncodeContext*>(png_get_io_ptr(png));
  errno = 0;
  const std::size_t written = (*ctx->write)(data, length, ctx->file);
  if (written != length) {
    {
      const int err = errno != 0 ? errno : EIO;
      if (ctx->error.empty()) {
        ctx->error = os_error_text(err);
        ctx->os_errno = err;
      }
    }
    png_error(png, "write failed");
  }
}

void on_png_flush(png_structp png) {
  auto* ctx = static_cast<EncodeContext*>(png_get_io_ptr(png));
  if (std::fflush(ctx->file) != 0) {
    {
      const int err = errno != 0 ? errno : EIO;
      if (ctx->error.empty()) {
        ctx->error = os_error_text(err);
        ctx->os_errno = err;
      }
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

// Longest chain of symbolic links followed, as the kernel allows.
constexpr int kMaxLinkHops = 40;

// The file a write to the caller's path ends up in.
struct Target {
  std::string path;     // symbolic links resolved; to be created or replaced
  bool direct = false;  // an existing device, FIFO or socket: written in place
};

// The failure of a file operation on the caller's path.
core::Error os_failure(int err, const std::string& output_path) {
  return core::fail_os(os_error_text(err), err, output_path);
}

// Follows symbolic links (live or dangling) from `output_path` to the path
// that a plain open for writing would write, and decides how to write it: a
// regular file or a new name through a temporary file and a rename, anything
// else but a folder directly. A regular file that the caller could not open
// for writing is refused here, since the rename would replace it regardless.
// Paths are never normalised lexically: ".." after a linked folder must mean
// what the kernel makes of it.
core::Result<Target> resolve_target(const std::string& output_path) {
  std::string path = output_path;
  for (int hops = 0;; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      const int err = errno;
      // A missing file is created; a missing folder fails on the temporary file.
      if (err == ENOENT) return Target{path, false};
      return os_failure(err, output_path);
    }
    if (S_ISLNK(st.st_mode)) {
      if (hops >= kMaxLinkHops) return os_failure(ELOOP, output_path);
      std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 0) + 256, '\0');
      const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
      if (n < 0) return os_failure(errno, output_path);
      if (static_cast<std::size_t>(n) == link.size()) continue;  // grew meanwhile: read again
      link.resize(static_cast<std::size_t>(n));
      if (!link.empty() && link.front() == '/') {
        path = std::move(link);
      } else {
        path = (std::filesystem::path(path).parent_path() / link).string();
      }
      continue;
    }
    if (S_ISREG(st.st_mode)) {
      if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return os_failure(errno, output_path);
      }
      return Target{path, false};
    }
    // A folder goes the rename's way, which refuses it with "Is a directory".
    return Target{path, !S_ISDIR(st.st_mode)};
  }
}

// Opens a new, exclusive temporary file in the folder of `target`. Its name has
// a fixed length, so that any target name the file system accepts also leaves
// room for it.
core::Result<std::pair<int, std::string>> open_temporary_beside(const std::string& target,
                                                                const std::string& output_path) {
  const std::filesystem::path folder = std::filesystem::path(target).parent_path();
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, ".vk-%08x-%08x.tmp",
                  static_cast<unsigned>(::getpid()), counter.fetch_add(1));
    const std::string temp = folder.empty() ? std::string(name) : (folder / name).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return std::pair<int, std::string>{fd, temp};
    if (errno != EEXIST) return os_failure(errno, output_path);
  }
  return os_failure(EEXIST, output_path);
}

// Encodes the canvas into the open stream `file` (taken over and closed).
// On failure returns the encoder's message or the OS error of the caller's path.
core::Status write_png_to(std::FILE* file, const Canvas& canvas, std::uint32_t dpi,
                          const PngWriteFn& write, const std::string& output_path) {
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
  if (!encoded) {
    if (ctx.os_errno != 0) return core::fail_os(ctx.error, ctx.os_errno, output_path);
    return core::fail(ctx.error);
  }
  if (!flushed) return os_failure(flush_errno != 0 ? flush_errno : EIO, output_path);
  if (!closed) return os_failure(close_errno != 0 ? close_errno : EIO, output_path);
  return core::Status::success();
}

// Writes the canvas to a device or FIFO in place: encoded in memory first, so
// that the descriptor can stay non-blocking and every wait for the other end
// (no reader yet, a full pipe) goes through `wait`.
core::Status write_png_in_place(const Canvas& canvas, const std::string& path, std::uint32_t dpi,
                                const PngWriteFn& write, const core::WaitHook& wait,
                                const std::string& output_path) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* memory = ::open_memstream(&buffer, &size);
  if (memory == nullptr) return os_failure(errno, output_path);
  struct Freed {
    char*& p;
    ~Freed() { std::free(p); }
  } freed{buffer};
  VARENKO_TRY(write_png_to(memory, canvas, dpi, write, output_path));
  const int fd = core::open_for_writing_waiting(path.c_str(), wait);
  if (fd < 0) return os_failure(-fd, output_path);
  const int written = core::write_all_waiting(fd, buffer, size, wait);
  const int closed = ::close(fd) == 0 ? 0 : errno;
  if (written != 0) return os_failure(written, output_path);
  if (closed != 0 && closed != EINTR) return os_failure(closed, output_path);
  return core::Status::success();
}

}  // namespace

core::Status save_png_with_dpi_via(const Canvas& canvas, std::string output_path,
                                   std::uint32_t dpi, const PngWriteFn& write,
                                   const core::WaitHook& wait) {
  if (output_path.find('\0') != std::string::npos) return core::fail("embedded null byte");
  VARENKO_ASSIGN_OR_RETURN(const Target target, resolve_target(output_path));
  if (target.direct) {
    return write_png_in_place(canvas, target.path, dpi, write, wait, output_path);
  }
  VARENKO_ASSIGN_OR_RETURN(const auto opened, open_temporary_beside(target.path, output_path));
  const auto& [fd, temp] = opened;
  std::FILE* file = ::fdopen(fd, "wb");
  if (file == nullptr) {
    const int err = errno;
    ::close(fd);
    ::unlink(temp.c_str());
    return os_failure(err, output_path);
  }
  std::setvbuf(file, nullptr, _IOFBF, kWriteBufferBytes);
  core::Status written = write_png_to(file, canvas, dpi, write, output_path);
  if (!written) {
    ::unlink(temp.c_str());
    return written;
  }
  if (std::rename(temp.c_str(), target.path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return os_failure(err, output_path);
  }
  return core::Status::success();
}

core::Status save_png_with_dpi(const Canvas& canvas, std::string output_path, std::uint32_t dpi,
                               const core::WaitHook& wait) {
  static const PngWriteFn kFwrite = [](const void* data, std::size_t size, std::FILE* file) {
    return std::fwrite(data, 1, size, file);
  };
  return save_png_with_dpi_via(canvas, std::move(output_path), dpi, kFwrite, wait);
}

}  // namespace varenko::plot
