// Full Unicode lower-casing. Every character takes its lower-case mapping
// from generated tables; U+0130 maps to "i" + U+0307, and capital sigma
// becomes final sigma when a cased letter precedes it and none follows it
// (case-ignorable characters skipped on both sides).
#include "bindings/unicode_case.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace varenko::bindings {
namespace {

struct LowerRun {
  char32_t first;
  std::uint32_t count;
  std::uint32_t step;
  std::int32_t delta;
};

struct CodeRange {
  char32_t first;
  char32_t last;
};

#include "bindings/unicode_tables.inc"

constexpr char32_t kInvalid = 0xFFFFFFFF;  // stands for one byte that is not UTF-8
constexpr char32_t kCapitalSigma = 0x03A3;
constexpr char32_t kSmallSigma = 0x03C3;
constexpr char32_t kFinalSigma = 0x03C2;
constexpr char32_t kCapitalIWithDot = 0x0130;

template <std::size_t N>
bool in_ranges(const CodeRange (&table)[N], char32_t c) {
  const auto* it = std::upper_bound(std::begin(table), std::end(table), c,
                                    [](char32_t v, const CodeRange& r) { return v < r.first; });
  return it != std::begin(table) && c <= std::prev(it)->last;
}

char32_t lower_of(char32_t c) {
  const auto* it = std::upper_bound(std::begin(kLowerRuns), std::end(kLowerRuns), c,
                                    [](char32_t v, const LowerRun& r) { return v < r.first; });
  if (it == std::begin(kLowerRuns)) return c;
  const LowerRun& run = *std::prev(it);
  const char32_t offset = c - run.first;
  if (offset % run.step != 0 || offset / run.step >= run.count) return c;
  return static_cast<char32_t>(static_cast<std::int64_t>(c) + run.delta);
}

bool case_ignorable(char32_t c) { return c != kInvalid && in_ranges(kCaseIgnorable, c); }
bool cased(char32_t c) {
  return c != kInvalid && (in_ranges(kCasedNotIgnorable, c) || in_ranges(kCaseIgnorable, c));
}

// Decodes one character at s[i] (or kInvalid for a byte that starts no valid
// sequence) and sets its length in bytes.
char32_t decode(std::string_view s, std::size_t i, std::size_t& len) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char b0 = byte(0);
  len = 1;
  if (b0 < 0x80) return b0;
  std::size_t need = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 2, cp = b0 & 0x1F, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 3, cp = b0 & 0x0F, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return kInvalid;
  }
  if (s.size() - i < need) return kInvalid;
  for (std::size_t k = 1; k < need; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return kInvalid;
    cp = cp << 6 | (byte(k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kInvalid;
  len = need;
  return cp;
}

void append_utf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// True when the first character of `chars` (from `begin` in direction `step`)
// that is not case-ignorable exists and is cased.
bool cased_after_ignorables(const std::vector<char32_t>& chars, std::ptrdiff_t begin,
                            std::ptrdiff_t step) {
  for (std::ptrdiff_t i = begin; i >= 0 && i < static_cast<std::ptrdiff_t>(chars.size()); i += step) {
    if (!case_ignorable(chars[static_cast<std::size_t>(i)])) {
      return cased(chars[static_cast<std::size_t>(i)]);
    }
  }
  return false;
}

}  // namespace

std::string unicode_lower(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    for (const char c : utf8) out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c);
    return out;
  }

  std::vector<char32_t> chars;
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t len = 0;
    chars.push_back(decode(utf8, i, len));
    offsets.push_back(i);
    i += len;
  }
  for (std::size_t k = 0; k < chars.size(); ++k) {
    const char32_t c = chars[k];
    if (c == kInvalid) {
      out.push_back(utf8[offsets[k]]);
    } else if (c == kCapitalIWithDot) {
      out += "i\xCC\x87";  // i followed by U+0307 COMBINING DOT ABOVE
    } else if (c == kCapitalSigma) {
      const auto at = static_cast<std::ptrdiff_t>(k);
      const bool final = cased_after_ignorables(chars, at - 1, -1) &&
                         !cased_after_ignorables(chars, at + 1, +1);
      append_utf8(out, final ? kFinalSigma : kSmallSigma);
    } else {
      append_utf8(out, lower_of(c));
    }
  }
  return out;
}

}  // namespace varenko::bindings
