// Argument converters of the module. Each converter either fills its output
// and returns true, or sets a Python exception and returns false; type
// mismatches always read "argument 'NAME': ...". Interpreter lock held.
#include "convert.h"

#include <limits>
#include <unordered_map>

#include "bindings/unicode_case.h"

namespace varenko::py {

namespace {

// The object's type name for error messages.
const char* type_name(PyObject* obj) { return Py_TYPE(obj)->tp_name; }

bool has_float_or_index(PyObject* obj) {
  PyNumberMethods* nb = Py_TYPE(obj)->tp_as_number;
  return nb != nullptr && (nb->nb_float != nullptr || nb->nb_index != nullptr);
}

bool has_index(PyObject* obj) {
  PyNumberMethods* nb = Py_TYPE(obj)->tp_as_number;
  return PyLong_Check(obj) || (nb != nullptr && nb->nb_index != nullptr);
}

// Replaces the pending exception by one of type `kind` whose message is the
// old one prefixed with the argument name.
void reraise_named(PyObject* kind, const char* name) {
  PyObject* type = nullptr;
  PyObject* value = nullptr;
  PyObject* traceback = nullptr;
  PyErr_Fetch(&type, &value, &traceback);
  PyErr_NormalizeException(&type, &value, &traceback);
  PyRef text = PyRef::steal(value != nullptr ? PyObject_Str(value) : nullptr);
  Py_XDECREF(type);
  Py_XDECREF(value);
  Py_XDECREF(traceback);
  if (!text) {
    PyErr_Clear();
    PyErr_Format(kind, "argument '%s': conversion failed", name);
    return;
  }
  PyErr_Format(kind, "argument '%s': %U", name, text.get());
}

// If a TypeError or OverflowError is set, replaces it by one of the same type
// prefixed with the argument name.
void name_type_error(const char* name) {
  if (PyErr_ExceptionMatches(PyExc_TypeError)) {
    reraise_named(PyExc_TypeError, name);
  } else if (PyErr_ExceptionMatches(PyExc_OverflowError)) {
    reraise_named(PyExc_OverflowError, name);
  }
}

// Replaces the UnicodeEncodeError of a str that has no UTF-8 form (an
// unpaired surrogate) by a ValueError naming the argument.
void name_encode_error(const char* name) {
  if (PyErr_ExceptionMatches(PyExc_UnicodeEncodeError)) reraise_named(PyExc_ValueError, name);
}

// Non-negative int (or __index__) as unsigned 64-bit; OverflowError passes through.
bool convert_unsigned(PyObject* obj, const char* name, const char* what,
                      unsigned long long& out) {
  if (!has_index(obj)) return raise_argument_type(name, what, obj);
  PyRef index = PyRef::steal(PyNumber_Index(obj));
  if (!index) {
    name_type_error(name);
    return false;
  }
  const unsigned long long value = PyLong_AsUnsignedLongLong(index.get());
  if (value == static_cast<unsigned long long>(-1) && PyErr_Occurred() != nullptr) {
    name_type_error(name);
    return false;
  }
  out = value;
  return true;
}

}  // namespace

bool unpack_arguments(PyObject* args, PyObject* kwargs, const char* format,
                      const char* const* keywords, PyObject* (&out)[kMaxParameters]) {
  for (PyObject*& slot : out) slot = nullptr;
  // The C API predates const-correct keyword lists; it never writes to them.
  char** kw = const_cast<char**>(keywords);
  return PyArg_ParseTupleAndKeywords(args, kwargs, format, kw, &out[0], &out[1], &out[2],
                                     &out[3], &out[4], &out[5], &out[6], &out[7], &out[8],
                                     &out[9], &out[10], &out[11], &out[12], &out[13], &out[14],
                                     &out[15], &out[16]) != 0;
}

PyObject* raise(PyObject* type, std::string_view message) {
  PyRef text = PyRef::steal(PyUnicode_DecodeUTF8(
      message.data(), static_cast<Py_ssize_t>(message.size()), "replace"));
  if (!text) return nullptr;  // MemoryError already set
  PyErr_SetObject(type, text.get());
  return nullptr;
}

bool raise_argument_type(const char* name, const char* what, PyObject* got) {
  PyErr_Format(PyExc_TypeError, "argument '%s': expected %s, got %s", name, what,
               type_name(got));
  return false;
}

bool convert_str(PyObject* obj, const char* name, std::string& out) {
  if (!PyUnicode_Check(obj)) return raise_argument_type(name, "str", obj);
  Py_ssize_t size = 0;
  const char* data = PyUnicode_AsUTF8AndSize(obj, &size);
  if (data == nullptr) {  // e.g. a lone surrogate
    name_encode_error(name);
    return false;
  }
  out.assign(data, static_cast<std::size_t>(size));
  return true;
}

bool convert_f64(PyObject* obj, const char* name, double& out) {
  if (PyFloat_Check(obj)) {
    out = PyFloat_AS_DOUBLE(obj);
    return true;
  }
  if (PyUnicode_Check(obj) || !has_float_or_index(obj)) {
    return raise_argument_type(name, "float", obj);
  }
  const double value = PyFloat_AsDouble(obj);
  if (value == -1.0 && PyErr_Occurred() != nullptr) {
    name_type_error(name);
    return false;
  }
  out = value;
  return true;
}

bool convert_bool(PyObject* obj, const char* name, bool& out) {
  if (!PyBool_Check(obj)) return raise_argument_type(name, "bool", obj);
  out = obj == Py_True;
  return true;
}

bool convert_u32(PyObject* obj, const char* name, std::uint32_t& out) {
  unsigned long long value = 0;
  if (!convert_unsigned(obj, name, "int", value)) return false;
  if (value > std::numeric_limits<std::uint32_t>::max()) {
    PyErr_Format(PyExc_OverflowError,
                 "argument '%s': int too big to convert to an unsigned 32-bit integer", name);
    return false;
  }
  out = static_cast<std::uint32_t>(value);
  return true;
}

bool convert_u64(PyObject* obj, const char* name, std::uint64_t& out) {
  unsigned long long value = 0;
  if (!convert_unsigned(obj, name, "int", value)) return false;
  out = static_cast<std::uint64_t>(value);
  return true;
}

bool convert_size(PyObject* obj, const char* name, std::size_t& out) {
  unsigned long long value = 0;
  if (!convert_unsigned(obj, name, "int", value)) return false;
  if (value > std::numeric_limits<std::size_t>::max()) {
    PyErr_Format(PyExc_OverflowError, "argument '%s': int too big to convert", name);
    return false;
  }
  out = static_cast<std::size_t>(value);
  return true;
}

PyRef snapshot_sequence(PyObject* obj, const char* name, const char* what) {
  if (PyUnicode_Check(obj)) {
    PyErr_Format(PyExc_TypeError, "argument '%s': expected %s, got a single str", name, what);
    return PyRef();
  }
  if (!PySequence_Check(obj) || PyDict_Check(obj)) {
    raise_argument_type(name, what, obj);
    return PyRef();
  }
  PyRef items = PyRef::steal(PySequence_Tuple(obj));
  if (!items) name_type_error(name);
  return items;
}

bool convert_str_sequence(PyObject* obj, const char* name, std::vector<std::string>& out) {
  out.clear();
  PyRef items = snapshot_sequence(obj, name, "a sequence of str");
  if (!items) return false;
  const Py_ssize_t count = PyTuple_GET_SIZE(items.get());
  out.reserve(static_cast<std::size_t>(count));
  for (Py_ssize_t i = 0; i < count; ++i) {
    PyObject* item = PyTuple_GET_ITEM(items.get(), i);
    if (!PyUnicode_Check(item)) {
      PyErr_Format(PyExc_TypeError, "argument '%s': item %zd: expected str, got %s", name, i,
                   type_name(item));
      return false;
    }
    std::string text;
    if (!convert_str(item, name, text)) return false;
    out.push_back(std::move(text));
  }
  return true;
}

bool convert_ranks(PyObject* obj, const char* name, std::vector<std::string>& genes,
                   std::vector<double>& scores) {
  genes.clear();
  scores.clear();
  if (!PyDict_Check(obj)) return raise_argument_type(name, "dict of str to float", obj);
  // A snapshot of the (key, value) pairs in insertion order: converting a value
  // may run Python code (__float__) that mutates the dict.
  PyRef items = PyRef::steal(PyDict_Items(obj));
  if (!items) return false;
  const Py_ssize_t count = PyList_GET_SIZE(items.get());
  genes.reserve(static_cast<std::size_t>(count));
  scores.reserve(static_cast<std::size_t>(count));
  std::unordered_map<std::string, std::size_t> seen;
  seen.reserve(static_cast<std::size_t>(count));
  for (Py_ssize_t i = 0; i < count; ++i) {
    PyObject* pair = PyList_GET_ITEM(items.get(), i);
    PyObject* key = PyTuple_GET_ITEM(pair, 0);
    PyObject* value = PyTuple_GET_ITEM(pair, 1);
    if (!PyUnicode_Check(key)) {
      PyErr_Format(PyExc_TypeError, "argument '%s': expected str keys, got %s", name,
                   type_name(key));
      return false;
    }
    std::string gene;
    if (!convert_str(key, name, gene)) return false;
    double score = 0.0;
    if (PyFloat_Check(value)) {
      score = PyFloat_AS_DOUBLE(value);
    } else if (PyUnicode_Check(value) || !has_float_or_index(value)) {
      PyErr_Format(PyExc_TypeError, "argument '%s': expected float values, got %s", name,
                   type_name(value));
      return false;
    } else if (!convert_f64(value, name, score)) {
      return false;
    }
    // Distinct str keys normally give distinct texts; str subclasses with their
    // own hashing can repeat one, and a map from name to score keeps one entry.
    auto [it, inserted] = seen.try_emplace(gene, genes.size());
    if (inserted) {
      genes.push_back(std::move(gene));
      scores.push_back(score);
    } else {
      scores[it->second] = score;
    }
  }
  return true;
}

bool parse_score_type(std::string_view text, core::ScoreType& out) {
  const std::string lower = bindings::unicode_lower(text);
  if (lower == "std") {
    out = core::ScoreType::Std;
  } else if (lower == "pos") {
    out = core::ScoreType::Pos;
  } else if (lower == "neg") {
    out = core::ScoreType::Neg;
  } else {
    raise(PyExc_ValueError, "Invalid scoreType '" + lower + "'. Expected one of: std, pos, neg.");
    return false;
  }
  return true;
}

bool extract_required_py_f64(PyObject* row, const char* key, double& out) {
  if (!PyDict_Check(row)) return raise_argument_type("results", "dict", row);
  // Held while __float__ may run Python code that changes the row.
  PyRef value = PyRef::borrow(PyDict_GetItemString(row, key));  // never raises
  if (!value) {
    PyErr_Format(PyExc_ValueError, "Result row missing '%s'.", key);
    return false;
  }
  return convert_f64(value.get(), key, out);
}

}  // namespace varenko::py
