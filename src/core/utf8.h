// UTF-8 decoding shared by the GMT reader, the case folding and the text
// drawing: well-formed means no overlong forms, no surrogates and nothing
// above U+10FFFF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varenko::core {

// Stands for one byte that starts no well-formed character.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// Decodes the character starting at s[i] (i < s.size()) and sets `len` to its
// length in bytes; a byte that starts no well-formed character gives kNotUtf8
// with `len` 1, so a caller can step over it and go on.
inline char32_t decode_utf8_at(std::string_view s, std::size_t i, std::size_t& len) {
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
    return kNotUtf8;
  }
  if (s.size() - i < need) return kNotUtf8;
  for (std::size_t k = 1; k < need; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return kNotUtf8;
    cp = cp << 6 | (byte(k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kNotUtf8;
  len = need;
  return cp;
}

// True when all of `s` is well-formed UTF-8 (ASCII runs are checked eight
// bytes at a time).
[[nodiscard]] bool is_valid_utf8(std::string_view s);

// Appends the UTF-8 form of the code point `c` (at most U+10FFFF) to `out`.
void append_utf8(std::string& out, char32_t c);

}  // namespace varenko::core
