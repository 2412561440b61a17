// Full Unicode lower-casing. Every character takes its lower-case mapping
// from generated tables; U+0130 maps to "i" + U+0307, and capital sigma
// becomes final sigma when a cased letter precedes it and none follows it
// (case-ignorable characters skipped on both sides).
#include "bindings/unicode_case.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "core/utf8.h"

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

bool case_ignorable(char32_t c) { return c != core::kNotUtf8 && in_ranges(kCaseIgnorable, c); }
bool cased(char32_t c) {
  return c != core::kNotUtf8 && (in_ranges(kCasedNotIgnorable, c) || in_ranges(kCaseIgnorable, c));
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
    chars.push_back(core::decode_utf8_at(utf8, i, len));
    offsets.push_back(i);
    i += len;
  }
  for (std::size_t k = 0; k < chars.size(); ++k) {
    const char32_t c = chars[k];
    if (c == core::kNotUtf8) {
      out.push_back(utf8[offsets[k]]);
    } else if (c == kCapitalIWithDot) {
      out += "i\xCC\x87";  // i followed by U+0307 COMBINING DOT ABOVE
    } else if (c == kCapitalSigma) {
      const auto at = static_cast<std::ptrdiff_t>(k);
      const bool final = cased_after_ignorables(chars, at - 1, -1) &&
                         !cased_after_ignorables(chars, at + 1, +1);
      core::append_utf8(out, final ? kFinalSigma : kSmallSigma);
    } else {
      core::append_utf8(out, lower_of(c));
    }
  }
  return out;
}

}  // namespace varenko::bindings
