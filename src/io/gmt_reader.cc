// GMT reader: pulls bytes through a buffer, cuts them into lines at LF, CR or
// CRLF (files saved with any of the three conventions read alike), validates
// each line as UTF-8 and turns every non-blank line into a Pathway. Lines are
// numbered from 1, blank ones included. Gene fields are trimmed of Unicode
// white space.
#include "io/gmt_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "core/utf8.h"

namespace varenko::io {
namespace {

constexpr std::size_t kChunkSize = 256 * 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kInvalidUtf8 = "stream did not contain valid UTF-8";

// Message of an operating-system error: its description and " (os error N)".
// Works with both the GNU (char*) and the POSIX (int) strerror_r.
[[maybe_unused]] const char* pick_message(char* result, char* /*buffer*/) { return result; }
[[maybe_unused]] const char* pick_message(int result, char* buffer) {
  return result == 0 ? buffer : nullptr;
}

std::string os_error(int code) {
  char buffer[256] = {};
  const char* text = pick_message(strerror_r(code, buffer, sizeof buffer), buffer);
  std::string message = text != nullptr ? text : "Unknown error " + std::to_string(code);
  message += " (os error ";
  message += std::to_string(code);
  message += ')';
  return message;
}

// Unicode White_Space code points.
bool is_unicode_space(char32_t c) {
  if (c <= 0x20) return c == 0x20 || (c >= 0x09 && c <= 0x0D);
  if (c < 0x85) return false;
  return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) ||
         c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

// `s` (valid UTF-8) without leading and trailing Unicode white space.
std::string_view trim_unicode(std::string_view s) {
  // Common case: both ends are printable ASCII, so nothing is trimmed.
  if (!s.empty()) {
    const auto front = static_cast<unsigned char>(s.front());
    const auto back = static_cast<unsigned char>(s.back());
    if (front > 0x20 && front < 0x80 && back > 0x20 && back < 0x80) return s;
  }
  std::size_t begin = 0;
  while (begin < s.size()) {
    std::size_t len = 0;
    if (!is_unicode_space(core::decode_utf8_at(s, begin, len))) break;
    begin += len;
  }
  std::size_t end = s.size();
  while (end > begin) {
    std::size_t start = end - 1;
    while (start > begin && (static_cast<unsigned char>(s[start]) & 0xC0) == 0x80) --start;
    std::size_t len = 0;
    if (!is_unicode_space(core::decode_utf8_at(s, start, len))) break;
    end = start;
  }
  return s.substr(begin, end - begin);
}

// The position of the first CR or LF in [from, to) of `data`, or `to`.
std::size_t find_line_end(const char* data, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    if (data[i] == '\n' || data[i] == '\r') return i;
  }
  return to;
}

// Turns lines into pathways handed to a sink; keeps the line count.
class GmtParser {
 public:
  explicit GmtParser(const PathwaySink& sink) : sink_(sink) {}

  // Handles one line without its terminator.
  core::Status line(std::string_view text) {
    ++line_number_;
    if (line_number_ == 1 && text.starts_with(kByteOrderMark)) {
      text.remove_prefix(kByteOrderMark.size());
    }
    if (!core::is_valid_utf8(text)) return core::fail(std::string(kInvalidUtf8));
    if (trim_unicode(text).empty()) return core::Status::success();

    fields_.clear();
    std::size_t start = 0;
    while (true) {
      const void* tab = std::memchr(text.data() + start, '\t', text.size() - start);
      if (tab == nullptr) {
        fields_.push_back(text.substr(start));
        break;
      }
      const auto pos = static_cast<std::size_t>(static_cast<const char*>(tab) - text.data());
      fields_.push_back(text.substr(start, pos - start));
      start = pos + 1;
    }
    if (fields_.size() < 3) {
      return core::fail("Malformed GMT line " + std::to_string(line_number_) +
                        ": expected at least 3 tab-separated columns.");
    }

    core::Pathway p;
    p.name.assign(fields_[0]);
    if (!fields_[1].empty()) p.description.emplace(fields_[1]);
    p.genes.reserve(fields_.size() - 2);
    for (std::size_t i = 2; i < fields_.size(); ++i) {
      const std::string_view gene = trim_unicode(fields_[i]);
      if (!gene.empty()) p.genes.emplace_back(gene);
    }
    return sink_(std::move(p));
  }

  [[nodiscard]] std::size_t line_number() const { return line_number_; }

  // The failure for the next line when it is longer than `limit` bytes.
  [[nodiscard]] core::Error line_too_long(std::size_t limit) const {
    return core::fail("Malformed GMT line " + std::to_string(line_number_ + 1) +
                      ": longer than " + std::to_string(limit) + " bytes.");
  }

 private:
  const PathwaySink& sink_;
  std::vector<std::string_view> fields_;
  std::size_t line_number_ = 0;
};

// Closes a file descriptor on every path.
class FdGuard {
 public:
  explicit FdGuard(int fd) : fd_(fd) {}
  ~FdGuard() { ::close(fd_); }
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  [[nodiscard]] int get() const { return fd_; }

 private:
  int fd_;
};

// Cuts the bytes of `source` into lines for `parser`. A CR ends a line; an
// LF right after it belongs to the same terminator, also when the two arrive
// in different reads.
core::Status parse_lines(GmtParser& parser, const ByteSource& source,
                         std::size_t max_line_bytes) {
  // The buffer never grows past one byte more than the limit: an unfinished
  // line that fills that much is already too long.
  const std::size_t max_buffer =
      max_line_bytes < SIZE_MAX ? max_line_bytes + 1 : max_line_bytes;
  std::string buffer(kChunkSize, '\0');
  std::size_t filled = 0;     // bytes of buffer holding an unfinished line
  bool after_cr = false;      // the last byte read ended a line with a CR
  while (true) {
    if (filled == buffer.size()) {  // a very long line
      buffer.resize(std::max(filled, std::min(filled * 2, max_buffer)));
      if (filled == buffer.size()) return parser.line_too_long(max_line_bytes);
    }
    VARENKO_ASSIGN_OR_RETURN(const std::size_t n,
                             source(buffer.data() + filled, buffer.size() - filled));
    if (n == 0) break;
    const std::size_t scan_from = filled;
    filled += n;

    // Complete lines in buffer[0, filled); the search for terminators starts
    // at the new bytes.
    std::size_t line_start = 0;
    std::size_t search = scan_from;
    if (after_cr) {  // nothing was pending, so the new bytes start at 0
      after_cr = false;
      if (buffer[0] == '\n') line_start = search = 1;
    }
    while (search < filled) {
      const std::size_t pos = find_line_end(buffer.data(), search, filled);
      if (pos == filled) break;
      if (pos - line_start > max_line_bytes) return parser.line_too_long(max_line_bytes);
      VARENKO_TRY(parser.line(std::string_view(buffer.data() + line_start, pos - line_start)));
      line_start = pos + 1;
      if (buffer[pos] == '\r') {
        if (line_start == filled) {
          after_cr = true;
        } else if (buffer[line_start] == '\n') {
          ++line_start;
        }
      }
      search = line_start;
    }
    if (line_start > 0) {
      std::memmove(buffer.data(), buffer.data() + line_start, filled - line_start);
      filled -= line_start;
    }
    if (filled > max_line_bytes) return parser.line_too_long(max_line_bytes);
  }
  if (filled > 0) {
    VARENKO_TRY(parser.line(std::string_view(buffer.data(), filled)));
  }
  return core::Status::success();
}

}  // namespace

core::Status read_gmt_each(const ByteSource& source, const PathwaySink& sink,
                           std::size_t max_line_bytes, std::size_t* failed_line) {
  GmtParser parser(sink);
  core::Status status = parse_lines(parser, source, max_line_bytes);
  if (!status && failed_line != nullptr) *failed_line = parser.line_number();
  return status;
}

core::Result<core::PathwayDb> read_gmt_from(const ByteSource& source,
                                            std::size_t max_line_bytes) {
  core::PathwayDb db;
  const PathwaySink append = [&db](core::Pathway&& p) {
    db.pathways.push_back(std::move(p));
    return core::Status::success();
  };
  VARENKO_TRY(read_gmt_each(source, append, max_line_bytes));
  return db;
}

core::Result<core::PathwayDb> parse_gmt(std::string_view text) {
  std::size_t offset = 0;
  return read_gmt_from([&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
    const std::size_t n = std::min(capacity, text.size() - offset);
    std::memcpy(out, text.data() + offset, n);
    offset += n;
    return n;
  });
}

core::Result<core::PathwayDb> read_gmt(std::string_view path, const core::WaitHook& wait) {
  if (path.find('\0') != std::string_view::npos) {
    return core::fail("file name contained an unexpected NUL byte");
  }
  const std::string c_path(path);
  const int fd = core::open_for_reading_waiting(c_path.c_str(), wait);
  if (fd < 0) return core::fail_os(os_error(-fd), -fd, c_path);
  FdGuard guard(fd);
  // A failed read keeps its error number here: the parser passes on only the
  // message of a failing source.
  int read_errno = 0;
  core::Result<core::PathwayDb> db =
      read_gmt_from([&](char* out, std::size_t capacity) -> core::Result<std::size_t> {
        std::size_t n = 0;
        read_errno = core::read_waiting(guard.get(), out, capacity, n, wait);
        if (read_errno != 0) return core::fail(os_error(read_errno));
        return n;
      });
  if (!db && read_errno != 0) return core::fail_os(db.error(), read_errno, c_path);
  return db;
}

}  // namespace varenko::io
