// Mode parsing, execution plan and the mode semantics of a run.
#include "bindings/run_options.h"

#include <algorithm>
#include <string>

#include "bindings/unicode_case.h"

namespace varenko::bindings {

core::Result<InterfaceMode> parse_interface_mode(std::string_view text) {
  const std::string lower = unicode_lower(text);
  if (lower == "multilevel") return InterfaceMode::Multilevel;
  if (lower == "simple") return InterfaceMode::Simple;
  if (lower == "quorin") return InterfaceMode::Quorin;
  return core::fail("Invalid mode '" + lower + "'. Expected one of: quorin, multilevel, simple.");
}

ExecutionPlan resolve_execution_plan(InterfaceMode mode, bool /*gpu*/,
                                     std::optional<std::uint64_t> /*nperm*/,
                                     std::uint64_t /*n_perm_simple*/) {
  // Only the processor backend exists; the entry refuses gpu requests earlier.
  return ExecutionPlan{Backend::Cpu, mode};
}

ModeSemantics choose_mode_semantics(InterfaceMode mode, std::optional<std::uint64_t> nperm,
                                    std::uint64_t n_perm_simple) {
  ModeSemantics m;
  switch (mode) {
    case InterfaceMode::Quorin:
      m.nperm = nperm.value_or(n_perm_simple);
      m.allow_multilevel = !nperm.has_value();
      break;
    case InterfaceMode::Multilevel:
      m.nperm = n_perm_simple;
      m.allow_multilevel = true;
      break;
    case InterfaceMode::Simple:
      m.nperm = nperm.value_or(n_perm_simple);
      m.allow_multilevel = false;
      break;
  }
  // The permutation counters are 32-bit: larger counts would wrap them.
  m.nperm = std::min(m.nperm, kMaxPermutations);
  return m;
}

void apply_mode_semantics(RunOptions& options, InterfaceMode mode,
                          std::optional<std::uint64_t> nperm, std::uint64_t n_perm_simple) {
  const ModeSemantics m = choose_mode_semantics(mode, nperm, n_perm_simple);
  options.nperm = m.nperm;
  options.allow_multilevel = m.allow_multilevel;
}

}  // namespace varenko::bindings
