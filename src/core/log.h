// Logging facade: records with a level, a target (the emitting module, e.g.
// "varenko::algo_support") and a message, handed to one process-wide sink.
// By default there is no sink and the maximum level is Off, so records are
// dropped. Thread-safe: records may be emitted from any thread while the sink
// or the level is being replaced; the sink itself must accept concurrent calls.
#pragma once

#include <functional>
#include <string_view>

namespace varenko::core::log {

// Severity of one record, most severe first.
enum class Level { Error = 1, Warn = 2, Info = 3, Debug = 4, Trace = 5 };

// Most verbose level that is passed on to the sink; Off drops every record.
enum class LevelFilter { Off = 0, Error = 1, Warn = 2, Info = 3, Debug = 4, Trace = 5 };

// One log record. The views are valid only during the sink call.
struct Record {
  Level level;
  std::string_view target;
  std::string_view message;
};

// Receives every record that passes the level filter.
using Sink = std::function<void(const Record&)>;

// Installs `sink` (an empty function removes it) and sets the maximum level.
void set_sink(Sink sink, LevelFilter max_level = LevelFilter::Trace);

// Removes the sink and sets the maximum level to Off (the initial state).
void reset();

// Sets the maximum level that reaches the sink.
void set_max_level(LevelFilter max_level);

// Current maximum level.
[[nodiscard]] LevelFilter max_level();

// True when a record of `level` would reach a sink (lets callers skip formatting).
[[nodiscard]] bool enabled(Level level);

// Hands one record to the sink when one is installed and the level passes.
void emit(Level level, std::string_view target, std::string_view message);

// emit() with level Warn.
inline void warn(std::string_view target, std::string_view message) {
  emit(Level::Warn, target, message);
}

}  // namespace varenko::core::log
