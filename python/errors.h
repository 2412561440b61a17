// Python exceptions for core failures. A failure of a file operation (one that
// carries an error number) becomes the OSError subclass that Python itself
// raises for that number (FileNotFoundError, PermissionError, ...), with
// errno, strerror and filename set and with the core's message as its text;
// every other failure becomes the entry's plain exception type. Interpreter
// lock held.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <string_view>

#include "core/result.h"

namespace varenko::py {

// Sets the exception for `error` and returns null. `plain_type` is the entry's
// type for the failure (OSError for the GMT reader, RuntimeError for plots);
// the OSError subclass raised for a file failure is a subclass of it too, so
// that handlers of the plain type keep catching it. An exception already set
// (a signal handler's, raised while a file operation waited) is kept instead.
PyObject* raise_failure(PyObject* module, PyObject* plain_type, const core::Error& error);

// Refuses an output path with a NUL byte with ValueError "embedded null byte",
// as Python's own file functions do. False with the exception set.
[[nodiscard]] bool check_output_path(std::string_view path);

// The module's cache of the exception classes made by raise_failure: a dict
// kept in module state (borrowed), or null if the module state is missing.
PyObject* os_error_type_cache(PyObject* module);

}  // namespace varenko::py
