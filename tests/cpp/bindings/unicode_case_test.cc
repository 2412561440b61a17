#include "bindings/unicode_case.h"

#include <string>

#include <gtest/gtest.h>

namespace varenko::bindings {
namespace {

TEST(UnicodeLower, AppliesFullMappingsAndTheFinalSigmaRule) {
  struct Case {
    const char* name;
    std::string input;
    std::string expected;
  };
  const Case cases[] = {
      {"ASCII", "MiXeD 123_Case", "mixed 123_case"},
      {"empty", "", ""},
      {"sharp s is already lower case", "Stra\xC3\x9F" "E", "stra\xC3\x9F" "e"},
      {"capital I with dot becomes i and combining dot", "\xC4\xB0", "i\xCC\x87"},
      {"dotted I inside a word", "Q\xC4\xB0N", "qi\xCC\x87n"},
      {"Latin-1 capitals", "\xC3\x80\xC3\x89\xC3\x9E", "\xC3\xA0\xC3\xA9\xC3\xBE"},
      {"Cyrillic", "\xD0\x9F\xD0\xA0\xD0\x98", "\xD0\xBF\xD1\x80\xD0\xB8"},
      {"title-case digraph", "\xC7\x85", "\xC7\x86"},
      {"Kelvin sign", "\xE2\x84\xAA", "k"},
      {"fullwidth letters", "\xEF\xBC\xA1\xEF\xBC\xBA", "\xEF\xBD\x81\xEF\xBD\x9a"},
      {"Deseret (four bytes)", "\xF0\x90\x90\x80", "\xF0\x90\x90\xA8"},
      {"Greek word: final sigma at the end", "\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3",
       "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82"},
      {"sigma alone", "\xCE\xA3", "\xCF\x83"},
      {"sigma at the start of a word", "\xCE\xA3\xCE\x91", "\xCF\x83\xCE\xB1"},
      {"sigma after a digit", "1\xCE\xA3", "1\xCF\x83"},
      {"sigma before a space", "A\xCE\xA3 B", "a\xCF\x82 b"},
      {"case-ignorable skipped before", "A'\xCE\xA3", "a'\xCF\x82"},
      {"case-ignorable skipped after, then a letter", "A\xCE\xA3.B", "a\xCF\x83.b"},
      {"case-ignorable then a space after", "A\xCE\xA3. ", "a\xCF\x82. "},
      {"two sigmas", "A\xCE\xA3\xCE\xA3", "a\xCF\x83\xCF\x82"},
      {"invalid bytes copied through", "\xFF" "A\xC3", "\xFF" "a\xC3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(unicode_lower(c.input), c.expected);
  }
}

}  // namespace
}  // namespace varenko::bindings
