// Placeholder until the entry is built: raises NotImplementedError.
#include "entries.h"

namespace varenko::py {

const char kEnrichmentPlotDoc[] = "";

PyObject* write_enrichment_plot_png_py(PyObject*, PyObject*, PyObject*) {
  PyErr_SetString(PyExc_NotImplementedError, "write_enrichment_plot_png_py is not built yet");
  return nullptr;
}

}  // namespace varenko::py
