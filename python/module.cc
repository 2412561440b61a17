// The varenkopy extension module: multi-phase initialisation.
#include "entries.h"

namespace {

int varenkopy_exec(PyObject* module) {
  return PyModule_AddStringConstant(module, "__version__", "0.1.0");
}

PyModuleDef_Slot varenkopy_slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(varenkopy_exec)},
    {0, nullptr},
};

PyModuleDef varenkopy_def = {
    PyModuleDef_HEAD_INIT, "varenkopy", "Pre-ranked gene set enrichment analysis and plots.", 0,
    nullptr, varenkopy_slots, nullptr, nullptr, nullptr,
};

}  // namespace

PyMODINIT_FUNC PyInit_varenkopy(void) { return PyModuleDef_Init(&varenkopy_def); }
