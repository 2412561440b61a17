// Placeholder until the entry is built: raises NotImplementedError.
#include "entries.h"

namespace varenko::py {

const char kRunGseaDoc[] = "";

PyObject* run_gsea_py(PyObject*, PyObject*, PyObject*) {
  PyErr_SetString(PyExc_NotImplementedError, "run_gsea_py is not built yet");
  return nullptr;
}

}  // namespace varenko::py
