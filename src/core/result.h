// Result<T>: a value or an Error carrying one human-readable message.
// Failures travel through the core as values; they become Python exceptions
// only at the module boundary. Status is Result<void>; success is spelled
// `Status::success()`, never a default-constructed value, so a stray
// `return {};` does not compile.
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace varenko::core {

// One failure: a message meant for the user, quoted exactly by callers. A
// failure of a file operation also records the operating system's error number
// and the path it concerned, so that the module boundary can raise the
// matching OSError subclass; both stay empty for every other failure.
struct Error {
  Error() = default;
  explicit Error(std::string text) : message(std::move(text)) {}
  Error(std::string text, int err, std::string file)
      : message(std::move(text)), os_errno(err), path(std::move(file)) {}

  std::string message;
  int os_errno = 0;  // 0: not a file-system failure
  std::string path;
};

// Makes an Error from a message (helps `return fail("...")` read naturally).
inline Error fail(std::string message) { return Error{std::move(message)}; }

// Makes the Error of a failed file operation on `path` with error number `err`.
inline Error fail_os(std::string message, int err, std::string path) {
  return Error{std::move(message), err, std::move(path)};
}

template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit
  Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}  // NOLINT: implicit

  [[nodiscard]] bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  // Only valid after ok() returned true.
  T& value() & { return std::get<0>(state_); }
  const T& value() const& { return std::get<0>(state_); }
  T&& value() && { return std::get<0>(std::move(state_)); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }

  // Only valid after ok() returned false.
  [[nodiscard]] const std::string& error() const { return std::get<1>(state_).message; }
  [[nodiscard]] const Error& failure() const& { return std::get<1>(state_); }
  [[nodiscard]] Error failure() && { return std::get<1>(std::move(state_)); }

 private:
  std::variant<T, Error> state_;
};

template <>
class [[nodiscard]] Result<void> {
 public:
  // No default value: success is stated with success(), failure with an Error.
  Result() = delete;
  Result(Error error) : error_(std::move(error)), ok_(false) {}  // NOLINT: implicit

  // The successful status.
  [[nodiscard]] static Result success() { return Result(SuccessTag{}); }

  [[nodiscard]] bool ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  // Only valid after ok() returned false.
  [[nodiscard]] const std::string& error() const { return error_.message; }
  [[nodiscard]] const Error& failure() const& { return error_; }
  [[nodiscard]] Error failure() && { return std::move(error_); }

 private:
  struct SuccessTag {};
  explicit Result(SuccessTag) {}

  Error error_{};
  bool ok_ = true;
};

using Status = Result<void>;

}  // namespace varenko::core

// Early-return helpers for functions that return a Result or a Status. Both
// pass the whole Error on (message, error number and path), so a file
// failure keeps its OSError details through every layer.
//
//   VARENKO_TRY(write_header(out));                   // a Status or Result
//   VARENKO_ASSIGN_OR_RETURN(Canvas canvas, Canvas::create(w, h, fill));
//   VARENKO_ASSIGN_OR_RETURN(rows, build_rows(data));  // assigns an existing variable
//
// The expression is evaluated once. ASSIGN_OR_RETURN declares a hidden local
// named after the line, so use it at most once per line; it is not a single
// statement, so do not put it in an unbraced if/else branch.

// Returns the failure of a Status- or Result-valued expression.
#define VARENKO_TRY(expr)                                        \
  do {                                                           \
    auto varenko_try_result_ = (expr);                           \
    if (!varenko_try_result_) {                                  \
      return std::move(varenko_try_result_).failure();           \
    }                                                            \
  } while (false)

#define VARENKO_RESULT_CONCAT_INNER_(a, b) a##b
#define VARENKO_RESULT_CONCAT_(a, b) VARENKO_RESULT_CONCAT_INNER_(a, b)
#define VARENKO_ASSIGN_OR_RETURN_IMPL_(tmp, lhs, expr) \
  auto tmp = (expr);                                   \
  if (!tmp) return std::move(tmp).failure();           \
  lhs = std::move(tmp).value()

// Evaluates a Result-valued expression: returns its failure, else moves its
// value into `lhs` (a declaration or an existing variable).
#define VARENKO_ASSIGN_OR_RETURN(lhs, expr) \
  VARENKO_ASSIGN_OR_RETURN_IMPL_(VARENKO_RESULT_CONCAT_(varenko_result_, __LINE__), lhs, expr)
