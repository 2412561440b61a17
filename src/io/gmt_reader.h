// Reader of GMT gene set files: one gene set per line (lines end at LF, CR or
// CRLF), TAB-separated name, description and genes. Lines are validated as UTF-8 one by one; the first
// problem ends the read and no partial collection is returned. A single
// leading byte-order mark is skipped. Thread-safe (no shared state).
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "core/file_wait.h"
#include "core/records.h"
#include "core/result.h"

namespace varenko::io {

// Reads the GMT file at `path` (the full view, embedded NUL bytes included) into
// pathways in file order; fails with the system's error text plus
// " (os error N)", "stream did not contain valid UTF-8",
// "Malformed GMT line K: expected at least 3 tab-separated columns." or
// "Malformed GMT line K: longer than 268435456 bytes.". A FIFO (or terminal)
// with nothing to read yet is waited for in ticks through `wait`; when the
// hook says stop, the read fails with EINTR.
core::Result<core::PathwayDb> read_gmt(std::string_view path, const core::WaitHook& wait = {});

// A source of bytes: fills up to `capacity` bytes of `buffer` and returns how
// many it wrote (0 at the end of the input), or fails with a message.
using ByteSource = std::function<core::Result<std::size_t>(char* buffer, std::size_t capacity)>;

// Longest line the reader accepts, in bytes before its LF (256 MiB): an endless
// line (a device such as /dev/zero given as the path) fails instead of
// growing the buffer without bound.
inline constexpr std::size_t kMaxGmtLineBytes = std::size_t{256} << 20;

// Receives each gene set as soon as its line is parsed; a failure ends the read
// with its message.
using PathwaySink = std::function<core::Status(core::Pathway&&)>;

// Parses GMT text pulled from `source` as read_gmt_from does, handing each
// gene set to `sink` instead of collecting them: a caller that converts them
// at once never holds the whole collection twice. On failure the number of
// the line being read is stored in `*failed_line` when given.
core::Status read_gmt_each(const ByteSource& source, const PathwaySink& sink,
                           std::size_t max_line_bytes = kMaxGmtLineBytes,
                           std::size_t* failed_line = nullptr);

// Parses GMT text pulled from `source`, exactly as read_gmt does with a file;
// a failing source ends the read with its message, and a line longer than
// `max_line_bytes` with "Malformed GMT line K: longer than N bytes.".
core::Result<core::PathwayDb> read_gmt_from(const ByteSource& source,
                                            std::size_t max_line_bytes = kMaxGmtLineBytes);

// Parses GMT text held in memory, exactly as read_gmt does with a file.
core::Result<core::PathwayDb> parse_gmt(std::string_view text);

}  // namespace varenko::io
