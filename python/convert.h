// Conversions between Python objects and core values for the module's entry
// points: an owning reference wrapper, one small converter per argument kind
// (each failure raises a Python exception that names the argument), the score
// type parser shared by the entries, and the catch-all that keeps C++
// exceptions out of CPython. Everything here runs on the calling thread with
// the interpreter lock held; nothing may be handed to worker threads.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/records.h"

namespace varenko::py {

// An owned (strong) reference to a Python object; empty means "creation
// failed and a Python exception is set". Move-only, calling thread only.
class PyRef {
 public:
  PyRef() = default;
  PyRef(const PyRef&) = delete;
  PyRef& operator=(const PyRef&) = delete;
  PyRef(PyRef&& other) noexcept : obj_(std::exchange(other.obj_, nullptr)) {}
  PyRef& operator=(PyRef&& other) noexcept {
    if (this != &other) {
      Py_XDECREF(obj_);
      obj_ = std::exchange(other.obj_, nullptr);
    }
    return *this;
  }
  ~PyRef() { Py_XDECREF(obj_); }

  // Adopts a new reference (may be null).
  static PyRef steal(PyObject* obj) { return PyRef(obj); }
  // Takes an additional reference to a borrowed one (may be null).
  static PyRef borrow(PyObject* obj) {
    Py_XINCREF(obj);
    return PyRef(obj);
  }

  // Lends the object; the wrapper keeps its reference.
  [[nodiscard]] PyObject* get() const { return obj_; }
  // Gives the reference to the caller (typically as a function's return value).
  [[nodiscard]] PyObject* release() { return std::exchange(obj_, nullptr); }
  explicit operator bool() const { return obj_ != nullptr; }

 private:
  explicit PyRef(PyObject* obj) : obj_(obj) {}
  PyObject* obj_ = nullptr;
};

// Largest number of parameters an entry point may declare.
inline constexpr std::size_t kMaxParameters = 17;

// Unpacks positional and keyword arguments into borrowed references with
// PyArg_ParseTupleAndKeywords; `format` holds only "O" units, '|' and ":name".
// Unset optional slots stay null. Returns false with CPython's own arity or
// keyword error set.
[[nodiscard]] bool unpack_arguments(PyObject* args, PyObject* kwargs, const char* format,
                                    const char* const* keywords,
                                    PyObject* (&out)[kMaxParameters]);

// Sets `type` with the message (UTF-8, embedded NUL bytes kept) and returns null.
PyObject* raise(PyObject* type, std::string_view message);

// Sets TypeError "argument 'NAME': expected WHAT, got TYPE" and returns false.
bool raise_argument_type(const char* name, const char* what, PyObject* got);

// str (or subclass) -> UTF-8 text; the length is kept, so embedded NUL survives.
// A str that has no UTF-8 form (an unpaired surrogate) raises ValueError
// "argument 'NAME': ...".
[[nodiscard]] bool convert_str(PyObject* obj, const char* name, std::string& out);
// float, int, or an object with __float__/__index__ (never str) -> double.
[[nodiscard]] bool convert_f64(PyObject* obj, const char* name, double& out);
// bool only (not any truthy object).
[[nodiscard]] bool convert_bool(PyObject* obj, const char* name, bool& out);
// Non-negative int (or __index__) -> unsigned; negative or too large values raise
// OverflowError "argument 'NAME': ...".
[[nodiscard]] bool convert_u32(PyObject* obj, const char* name, std::uint32_t& out);
[[nodiscard]] bool convert_u64(PyObject* obj, const char* name, std::uint64_t& out);
[[nodiscard]] bool convert_size(PyObject* obj, const char* name, std::size_t& out);

// One of the converters above where None (or an unset optional argument)
// means absent: `out` is reset first and set only on success.
template <typename T>
[[nodiscard]] bool convert_optional(PyObject* obj, const char* name, std::optional<T>& out,
                                    bool (*convert)(PyObject*, const char*, T&)) {
  out.reset();
  if (obj == nullptr || obj == Py_None) return true;
  T value{};
  if (!convert(obj, name, value)) return false;
  out = std::move(value);
  return true;
}

// A tuple snapshot of a sequence argument (a str, a dict or a non-sequence is
// refused with TypeError "argument 'NAME': expected WHAT, got ..."). The tuple
// owns its items, so Python code run while they are converted (a sequence's
// __getitem__, a value's __float__) cannot free them by changing the caller's
// sequence. Null with the exception set (a TypeError or OverflowError raised
// while the sequence is read is prefixed with the argument name).
[[nodiscard]] PyRef snapshot_sequence(PyObject* obj, const char* name, const char* what);

// A sequence of str (list, tuple, ...; a str itself is refused) -> texts in order.
[[nodiscard]] bool convert_str_sequence(PyObject* obj, const char* name,
                                        std::vector<std::string>& out);

// dict of str -> float-convertible values (str values refused) -> two parallel
// lists in the dict's insertion order. Keys that encode to the same text keep
// their first position and take the last value.
[[nodiscard]] bool convert_ranks(PyObject* obj, const char* name, std::vector<std::string>& genes,
                                 std::vector<double>& scores);

// Full Unicode lower-casing of UTF-8 text, then "std", "pos" or "neg"; anything
// else raises ValueError "Invalid scoreType '<lower-cased>'. Expected one of:
// std, pos, neg." and returns false.
[[nodiscard]] bool parse_score_type(std::string_view text, core::ScoreType& out);

// Reads `key` of a result row (a dict with str keys) as a double; a missing key
// raises ValueError "Result row missing '<key>'.", a value that does not convert
// raises the float conversion's TypeError. Returns false on failure.
[[nodiscard]] bool extract_required_py_f64(PyObject* row, const char* key, double& out);

// The module's internal-error exception type (a BaseException subclass kept in
// module state); borrowed. Null only if the module state is missing.
PyObject* internal_error_type(PyObject* module);

// Runs `body` (returning a new reference or null with an exception set) and
// turns any escaping C++ exception into a Python one: std::bad_alloc becomes
// MemoryError, anything else the module's internal-error type.
template <typename Body>
PyObject* guard_entry(PyObject* module, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (const std::bad_alloc&) {
    return PyErr_NoMemory();
  } catch (const std::exception& e) {
    PyObject* type = internal_error_type(module);
    return raise(type != nullptr ? type : PyExc_SystemError, e.what());
  } catch (...) {
    PyObject* type = internal_error_type(module);
    return raise(type != nullptr ? type : PyExc_SystemError, "unknown internal error");
  }
}

}  // namespace varenko::py
