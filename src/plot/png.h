// PNG output of a finished canvas: 8-bit RGBA, IHDR, a pHYs chunk with the
// resolution in pixels per metre, IDAT and IEND, no other ancillary chunks.
// A regular file is replaced atomically: written to a temporary file (of a
// fixed-length name) in the target's folder and renamed over it only after a
// complete, flushed write. Symbolic links, live or dangling, are followed: the
// file they end in is created or replaced and the links stay. An existing
// device, FIFO or socket is written in place (encoded in memory first, then
// written without blocking: each wait for a FIFO's reader or a full pipe is a
// tick of the caller's wait hook, which may stop it with EINTR). A regular
// file the caller may not write is refused with the OS's permission error, as
// an open would be.
// Safe to call from several threads on distinct output paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "core/file_wait.h"
#include "core/result.h"
#include "plot/canvas.h"

namespace varenko::plot {

// Writes the canvas to `output_path` with the dpi recorded in pHYs; on failure
// returns the operating system's error text (with its error number and
// `output_path`) or the encoder's message, and leaves any existing regular file
// at the path untouched. A path with a NUL byte fails with "embedded null byte".
[[nodiscard]] core::Status save_png_with_dpi(const Canvas& canvas, std::string output_path,
                                             std::uint32_t dpi,
                                             const core::WaitHook& wait = {});

// The byte sink of the writer, replaceable to inject write failures: it has
// fwrite's contract (returns the count written; sets errno on a short write).
using PngWriteFn = std::function<std::size_t(const void* data, std::size_t size, std::FILE* file)>;

// save_png_with_dpi writing through `write` instead of fwrite.
[[nodiscard]] core::Status save_png_with_dpi_via(const Canvas& canvas, std::string output_path,
                                                 std::uint32_t dpi, const PngWriteFn& write,
                                                 const core::WaitHook& wait = {});

}  // namespace varenko::plot
