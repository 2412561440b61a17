// Full Unicode lower-casing of UTF-8 text: per-character lower-case mappings
// (including the one-to-many mapping of U+0130) and the word-final rule for
// capital sigma. Invalid UTF-8 bytes are copied through unchanged.
// Pure function over static tables; thread-safe.
#pragma once

#include <string>
#include <string_view>

namespace varenko::bindings {

// The lower-case form of `utf8` under the default Unicode case mapping.
[[nodiscard]] std::string unicode_lower(std::string_view utf8);

}  // namespace varenko::bindings
