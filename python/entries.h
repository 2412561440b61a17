// The three functions of the varenkopy module and their docstrings (each is
// exactly the text signature, a "--" line and a blank line).
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

namespace varenko::py {

extern const char kRunGseaDoc[];
extern const char kEnrichmentPlotDoc[];
extern const char kTablePlotDoc[];
extern const char kRunGseaSetsDoc[];
extern const char kReadGmtDoc[];
extern const char kParseGmtDoc[];
extern const char kParseGmtStreamDoc[];
extern const char kPoolThreadsDoc[];
extern const char kRunningSumDoc[];
extern const char kRandomSetScoresDoc[];
extern const char kBuildInfoDoc[];

PyObject* run_gsea_py(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* write_enrichment_plot_png_py(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* write_gsea_table_plot_png_py(PyObject* module, PyObject* args, PyObject* kwargs);

// Private entries of the package layer.
PyObject* run_gsea_sets(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* read_gmt_entry(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* parse_gmt_entry(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* parse_gmt_stream_entry(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* pool_threads_entry(PyObject* module, PyObject* args);
PyObject* running_sum_entry(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* random_set_scores_entry(PyObject* module, PyObject* args, PyObject* kwargs);
PyObject* build_info_entry(PyObject* module, PyObject* args);

}  // namespace varenko::py
