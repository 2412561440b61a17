// The compiled core of the varenkopy package (varenkopy._core): multi-phase
// initialisation; the package's __init__ re-exports its public entries. The exec slot
// adds the three entry points (in this order), the version and the module's
// internal-error exception type, which lives in module state; the first failure
// makes the import fail with that error. The only other state is the cache of
// the exception classes for file failures (errors.h).
#include "convert.h"
#include "entries.h"
#include "errors.h"

namespace {

struct ModuleState {
  PyObject* internal_error = nullptr;  // strong reference
  PyObject* os_error_types = nullptr;  // strong reference: dict
};

ModuleState* get_state(PyObject* module) {
  return static_cast<ModuleState*>(PyModule_GetState(module));
}

// Method functions take keywords; the cast goes through a generic function
// pointer so that the compiler accepts it without a warning.
template <typename F>
PyCFunction as_method(F* function) {
  return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)(void)>(function));
}

PyMethodDef varenkopy_methods[] = {
    {"run_gsea_py", as_method(&varenko::py::run_gsea_py), METH_VARARGS | METH_KEYWORDS,
     varenko::py::kRunGseaDoc},
    {"write_enrichment_plot_png_py", as_method(&varenko::py::write_enrichment_plot_png_py),
     METH_VARARGS | METH_KEYWORDS, varenko::py::kEnrichmentPlotDoc},
    {"write_gsea_table_plot_png_py", as_method(&varenko::py::write_gsea_table_plot_png_py),
     METH_VARARGS | METH_KEYWORDS, varenko::py::kTablePlotDoc},
    {"run_gsea_sets", as_method(&varenko::py::run_gsea_sets), METH_VARARGS | METH_KEYWORDS,
     varenko::py::kRunGseaSetsDoc},
    {"read_gmt", as_method(&varenko::py::read_gmt_entry), METH_VARARGS | METH_KEYWORDS,
     varenko::py::kReadGmtDoc},
    {"parse_gmt", as_method(&varenko::py::parse_gmt_entry), METH_VARARGS | METH_KEYWORDS,
     varenko::py::kParseGmtDoc},
    {"parse_gmt_stream", as_method(&varenko::py::parse_gmt_stream_entry),
     METH_VARARGS | METH_KEYWORDS, varenko::py::kParseGmtStreamDoc},
    {"pool_threads", as_method(&varenko::py::pool_threads_entry), METH_NOARGS,
     varenko::py::kPoolThreadsDoc},
    {"running_sum", as_method(&varenko::py::running_sum_entry), METH_VARARGS | METH_KEYWORDS,
     varenko::py::kRunningSumDoc},
    {"random_set_scores", as_method(&varenko::py::random_set_scores_entry),
     METH_VARARGS | METH_KEYWORDS, varenko::py::kRandomSetScoresDoc},
    {"build_info", as_method(&varenko::py::build_info_entry), METH_NOARGS,
     varenko::py::kBuildInfoDoc},
    {nullptr, nullptr, 0, nullptr},
};

int varenkopy_exec(PyObject* module) {
  if (PyModule_AddFunctions(module, varenkopy_methods) < 0) return -1;
  ModuleState* state = get_state(module);
  state->internal_error = PyErr_NewExceptionWithDoc(
      "varenkopy.InternalError",
      "An internal invariant of the analysis failed; the message says which.",
      PyExc_BaseException, nullptr);
  if (state->internal_error == nullptr) return -1;
  if (PyModule_AddObjectRef(module, "InternalError", state->internal_error) < 0) return -1;
  state->os_error_types = PyDict_New();
  if (state->os_error_types == nullptr) return -1;
  return PyModule_AddStringConstant(module, "__version__", "0.1.0");
}

int varenkopy_traverse(PyObject* module, visitproc visit, void* arg) {
  ModuleState* state = get_state(module);
  if (state != nullptr) {
    Py_VISIT(state->internal_error);
    Py_VISIT(state->os_error_types);
  }
  return 0;
}

int varenkopy_clear(PyObject* module) {
  ModuleState* state = get_state(module);
  if (state != nullptr) {
    Py_CLEAR(state->internal_error);
    Py_CLEAR(state->os_error_types);
  }
  return 0;
}

void varenkopy_free(void* module) { varenkopy_clear(static_cast<PyObject*>(module)); }

PyModuleDef_Slot varenkopy_slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(varenkopy_exec)},
    {0, nullptr},
};

PyModuleDef varenkopy_def = {
    PyModuleDef_HEAD_INIT,
    "varenkopy._core",
    "Pre-ranked gene set enrichment analysis and plots.",
    sizeof(ModuleState),
    nullptr,
    varenkopy_slots,
    varenkopy_traverse,
    varenkopy_clear,
    varenkopy_free,
};

}  // namespace

namespace varenko::py {

PyObject* internal_error_type(PyObject* module) {
  if (module == nullptr || !PyModule_Check(module)) return nullptr;
  ModuleState* state = get_state(module);
  return state != nullptr ? state->internal_error : nullptr;
}

PyObject* os_error_type_cache(PyObject* module) {
  if (module == nullptr || !PyModule_Check(module)) return nullptr;
  ModuleState* state = get_state(module);
  return state != nullptr ? state->os_error_types : nullptr;
}

}  // namespace varenko::py

PyMODINIT_FUNC PyInit__core(void) { return PyModuleDef_Init(&varenkopy_def); }
