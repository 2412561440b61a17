#include "bindings/run_options.h"

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace varenko::bindings {
namespace {

TEST(InterfaceModeParsing, LowerCasesThenMatchesExactly) {
  struct Case {
    const char* name;
    std::string text;
    std::optional<InterfaceMode> mode;
    std::string shown;  // the lower-cased text quoted in the message
  };
  const Case cases[] = {
      {"mixed case", "MultiLevel", InterfaceMode::Multilevel, ""},
      {"upper case", "QUORIN", InterfaceMode::Quorin, ""},
      {"lower case", "simple", InterfaceMode::Simple, ""},
      {"unknown mode", "fast", std::nullopt, "fast"},
      {"unknown mode is shown lower-cased", "FAST", std::nullopt, "fast"},
      {"empty", "", std::nullopt, ""},
      {"surrounding space is not trimmed", " simple", std::nullopt, " simple"},
      {"dotted capital I lower-cases to two characters", "QUOR\xC4\xB0N", std::nullopt,
       "quori\xCC\x87n"},
      {"final sigma in the message", "\xCE\xA3\xCE\xA3", std::nullopt, "\xCF\x83\xCF\x82"},
      {"fullwidth letters are other characters", "\xEF\xBC\xB3IMPLE", std::nullopt,
       "\xEF\xBD\x93imple"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto mode = parse_interface_mode(c.text);
    if (c.mode) {
      ASSERT_TRUE(mode.ok()) << mode.error();
      EXPECT_EQ(*mode, *c.mode);
    } else {
      EXPECT_ERROR(mode, "Invalid mode '" + c.shown +
                             "'. Expected one of: quorin, multilevel, simple.");
    }
  }
}

TEST(ExecutionPlan, IsAlwaysTheProcessorPlanCarryingTheMode) {
  for (const auto mode : {InterfaceMode::Multilevel, InterfaceMode::Simple, InterfaceMode::Quorin}) {
    for (const bool gpu : {false, true}) {
      const ExecutionPlan plan = resolve_execution_plan(mode, gpu, std::optional<std::uint64_t>(7), 1000);
      EXPECT_EQ(plan.backend, Backend::Cpu);
      EXPECT_EQ(plan.mode, mode);
    }
  }
}

TEST(ModeSemantics, ChooseCountAndSwitchAndClampTheCount) {
  constexpr std::uint64_t kTwo32 = std::uint64_t{1} << 32;
  const std::optional<std::uint64_t> none;
  struct Case {
    const char* name;
    InterfaceMode mode;
    std::optional<std::uint64_t> nperm;
    std::uint64_t n_perm_simple;
    std::uint64_t expected_nperm;
    bool expected_multilevel;
  };
  const Case cases[] = {
      {"quorin default", InterfaceMode::Quorin, none, 1000, 1000, true},
      {"quorin with nperm", InterfaceMode::Quorin, 2000, 1000, 2000, false},
      {"quorin with nperm 0", InterfaceMode::Quorin, 0, 1000, 0, false},
      {"multilevel ignores nperm", InterfaceMode::Multilevel, 5000, 1000, 1000, true},
      {"multilevel without nperm", InterfaceMode::Multilevel, none, 1000, 1000, true},
      {"simple with nperm", InterfaceMode::Simple, 5000, 1000, 5000, false},
      {"simple without nperm", InterfaceMode::Simple, none, 1000, 1000, false},
      {"count above 2^32 clamped", InterfaceMode::Simple, kTwo32 + 5, 1000, 4294967295u, false},
      {"2^32 clamped", InterfaceMode::Quorin, kTwo32, 1000, 4294967295u, false},
      {"2^32 - 1 unchanged", InterfaceMode::Quorin, kTwo32 - 1, 1000, 4294967295u, false},
      {"largest count clamped", InterfaceMode::Simple, UINT64_MAX, 1000, 4294967295u, false},
      {"nPermSimple clamped too", InterfaceMode::Multilevel, none, kTwo32 + 5, 4294967295u, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RunOptions options;
    options.nperm = 12345;
    options.allow_multilevel = !c.expected_multilevel;
    apply_mode_semantics(options, c.mode, c.nperm, c.n_perm_simple);
    EXPECT_EQ(options.nperm, c.expected_nperm);
    EXPECT_EQ(options.allow_multilevel, c.expected_multilevel);
  }
}

}  // namespace
}  // namespace varenko::bindings
