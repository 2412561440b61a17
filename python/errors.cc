// Exceptions of file failures. Python's OSError(errno, strerror, filename)
// picks the subclass for the error number, but its str() reads
// "[Errno N] strerror: 'filename'"; the module's messages are quoted exactly,
// so each such subclass is derived once more (per entry kind) with a __str__
// that returns the message alone. The derived classes live in a dict in
// module state, keyed by (OSError subclass, plain type).
#include "errors.h"

#include <string>

#include "convert.h"

namespace varenko::py {

namespace {

// __str__ of the derived classes: the strerror text, which holds the message.
PyObject* message_str(PyObject* /*unused*/, PyObject* self) {
  PyRef text = PyRef::steal(PyObject_GetAttrString(self, "strerror"));
  if (text && PyUnicode_Check(text.get())) return text.release();
  PyErr_Clear();
  return reinterpret_cast<PyTypeObject*>(PyExc_BaseException)->tp_str(self);
}

PyMethodDef kMessageStrDef = {"__str__", message_str, METH_O,
                              "The failure's message, without errno or file name."};

// The derived class for `os_type` (an OSError subclass) and `plain_type`,
// made on first use; a new reference, or null with an exception set.
PyRef derived_type(PyObject* module, PyObject* os_type, PyObject* plain_type) {
  PyObject* cache = os_error_type_cache(module);
  PyRef key = PyRef::steal(PyTuple_Pack(2, os_type, plain_type));
  if (!key) return key;
  if (cache != nullptr) {
    PyObject* found = PyDict_GetItemWithError(cache, key.get());  // borrowed
    if (found != nullptr) return PyRef::borrow(found);
    if (PyErr_Occurred() != nullptr) return PyRef();
  }
  const bool plain_is_base = PyObject_IsSubclass(os_type, plain_type) == 1;
  PyRef bases = PyRef::steal(plain_is_base ? PyTuple_Pack(1, os_type)
                                           : PyTuple_Pack(2, os_type, plain_type));
  PyRef function = PyRef::steal(PyCFunction_New(&kMessageStrDef, nullptr));
  PyRef method = PyRef::steal(function ? PyInstanceMethod_New(function.get()) : nullptr);
  PyRef dict = PyRef::steal(PyDict_New());
  if (!bases || !method || !dict) return PyRef();
  PyRef module_name = PyRef::steal(PyUnicode_FromString("varenkopy"));
  if (!module_name || PyDict_SetItemString(dict.get(), "__module__", module_name.get()) < 0) {
    return PyRef();
  }
  if (PyDict_SetItemString(dict.get(), "__str__", method.get()) < 0) return PyRef();
  PyRef name = PyRef::steal(PyObject_GetAttrString(os_type, "__name__"));
  if (!name) return name;
  PyRef type = PyRef::steal(PyObject_CallFunctionObjArgs(
      reinterpret_cast<PyObject*>(&PyType_Type), name.get(), bases.get(), dict.get(), nullptr));
  if (!type) return type;
  if (cache != nullptr && PyDict_SetItem(cache, key.get(), type.get()) < 0) return PyRef();
  return type;
}

}  // namespace

PyObject* raise_failure(PyObject* module, PyObject* plain_type, const core::Error& error) {
  // A signal handler's exception, raised while a file operation waited, wins.
  if (PyErr_Occurred() != nullptr) return nullptr;
  if (error.os_errno == 0) return raise(plain_type, error.message);
  PyRef message = PyRef::steal(PyUnicode_DecodeUTF8(
      error.message.data(), static_cast<Py_ssize_t>(error.message.size()), "replace"));
  PyRef filename = PyRef::steal(PyUnicode_DecodeUTF8(
      error.path.data(), static_cast<Py_ssize_t>(error.path.size()), "surrogateescape"));
  PyRef number = PyRef::steal(PyLong_FromLong(error.os_errno));
  if (!message || !filename || !number) return nullptr;
  // OSError itself maps the error number to its subclass.
  PyRef probe = PyRef::steal(PyObject_CallFunctionObjArgs(
      PyExc_OSError, number.get(), message.get(), filename.get(), nullptr));
  if (!probe) return nullptr;
  PyRef type = derived_type(module, reinterpret_cast<PyObject*>(Py_TYPE(probe.get())), plain_type);
  if (!type) return nullptr;
  PyRef exception = PyRef::steal(PyObject_CallFunctionObjArgs(
      type.get(), number.get(), message.get(), filename.get(), nullptr));
  if (!exception) return nullptr;
  PyErr_SetObject(type.get(), exception.get());
  return nullptr;
}

bool check_output_path(std::string_view path) {
  if (path.find('\0') == std::string_view::npos) return true;
  PyErr_SetString(PyExc_ValueError, "embedded null byte");
  return false;
}

}  // namespace varenko::py
