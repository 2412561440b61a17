// Reader of GMT gene set files: one gene set per line, TAB-separated name,
// description and genes. Lines are validated as UTF-8 one by one; the first
// problem ends the read and no partial collection is returned. A single
// leading byte-order mark is skipped. Thread-safe (no shared state).
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "core/records.h"
#include "core/result.h"

namespace varenko::io {

// Reads the GMT file at `path` (the full view, embedded NUL bytes included) into
// pathways in file order; fails with the system's error text plus
// " (os error N)", "stream did not contain valid UTF-8", or
// "Malformed GMT line K: expected at least 3 tab-separated columns.".
core::Result<core::PathwayDb> read_gmt(std::string_view path);

// A source of bytes: fills up to `capacity` bytes of `buffer` and returns how
// many it wrote (0 at the end of the input), or fails with a message.
using ByteSource = std::function<core::Result<std::size_t>(char* buffer, std::size_t capacity)>;

// Parses GMT text pulled from `source`, exactly as read_gmt does with a file;
// a failing source ends the read with its message.
core::Result<core::PathwayDb> read_gmt_from(const ByteSource& source);

// Parses GMT text held in memory, exactly as read_gmt does with a file.
core::Result<core::PathwayDb> parse_gmt(std::string_view text);

}  // namespace varenko::io
