// write_gsea_table_plot_png_py: converts the Python arguments (a ranking dict,
// (name, genes) pathway tuples, result dicts keyed like the analysis rows, the
// output path and the plot options), builds the core records and draws the
// table plot. Caller-owned sequences are converted from tuple snapshots and
// result dicts from private copies, so Python code run during conversion (a
// sequence's __getitem__, a value's __float__) cannot change them under us. Every drawing or
// writing failure becomes RuntimeError with the message alone. Holds the
// interpreter lock throughout, but while a FIFO's reader is waited for
// (Ctrl-C stops the wait); keeps no state.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "convert.h"
#include "core/records.h"
#include "entries.h"
#include "errors.h"
#include "interruptible.h"
#include "plot/table_plot.h"

namespace varenko::py {

const char kTablePlotDoc[] =
    "write_gsea_table_plot_png_py(ranks, pathways, results, output_path, gseaParam=1.0, "
    "width_inches=5.6, height_inches=None, dpi=300, transparent_background=False)\n--\n\n";

namespace {

// The converted arguments of one call.
struct TablePlotArgs {
  std::vector<std::string> genes;
  std::vector<double> scores;
  std::vector<core::Pathway> pathways;
  std::vector<PyRef> results;  // private copies of the result dicts, str keys only
  std::string output_path;
  double gsea_param = 1.0;
  double width_inches = 5.6;
  std::optional<double> height_inches;
  std::uint32_t dpi = 300;
  bool transparent_background = false;
};

const char* const kKeywords[] = {"ranks",         "pathways",  "results",
                                 "output_path",   "gseaParam", "width_inches",
                                 "height_inches", "dpi",       "transparent_background",
                                 nullptr};

// A sequence of (name: str, genes: sequence of str) tuples -> pathway records in order.
bool convert_pathways(PyObject* obj, const char* name, std::vector<core::Pathway>& out) {
  out.clear();
  PyRef items = snapshot_sequence(obj, name, "a sequence of (name, genes) tuples");
  if (!items) return false;
  const Py_ssize_t count = PyTuple_GET_SIZE(items.get());
  out.reserve(static_cast<std::size_t>(count));
  for (Py_ssize_t i = 0; i < count; ++i) {
    PyObject* item = PyTuple_GET_ITEM(items.get(), i);  // owned by the snapshot
    if (!PyTuple_Check(item)) {
      PyErr_Format(PyExc_TypeError,
                   "argument '%s': item %zd: expected a (name, genes) tuple, got %s", name, i,
                   Py_TYPE(item)->tp_name);
      return false;
    }
    if (PyTuple_GET_SIZE(item) != 2) {
      PyErr_Format(
          PyExc_TypeError,
          "argument '%s': item %zd: expected a (name, genes) tuple, got a tuple of %zd items", name,
          i, PyTuple_GET_SIZE(item));
      return false;
    }
    PyObject* pathway_name = PyTuple_GET_ITEM(item, 0);
    if (!PyUnicode_Check(pathway_name)) {
      PyErr_Format(PyExc_TypeError, "argument '%s': item %zd: expected a str name, got %s", name, i,
                   Py_TYPE(pathway_name)->tp_name);
      return false;
    }
    core::Pathway pathway;
    if (!convert_str(pathway_name, name, pathway.name)) return false;
    if (!convert_str_sequence(PyTuple_GET_ITEM(item, 1), name, pathway.genes)) return false;
    out.push_back(std::move(pathway));
  }
  return true;
}

// A private plain dict with the entries that `dict` (a dict or subclass) holds,
// read from its storage: no overridden keys() or __getitem__ runs, and str keys
// are checked on the snapshot. Null with the exception set.
PyRef copy_result_dict(PyObject* dict, const char* name, Py_ssize_t index) {
  PyRef pairs = PyRef::steal(PyDict_Items(dict));
  if (!pairs) return pairs;
  const Py_ssize_t count = PyList_GET_SIZE(pairs.get());
  for (Py_ssize_t j = 0; j < count; ++j) {
    PyObject* key = PyTuple_GET_ITEM(PyList_GET_ITEM(pairs.get(), j), 0);
    if (!PyUnicode_Check(key)) {
      PyErr_Format(PyExc_TypeError, "argument '%s': item %zd: expected str keys, got %s", name,
                   index, Py_TYPE(key)->tp_name);
      return PyRef();
    }
  }
  PyRef copy = PyRef::steal(PyDict_New());
  if (!copy) return copy;
  // Inserting may hash str subclasses with Python code; the pairs list keeps
  // every key and value alive meanwhile.
  for (Py_ssize_t j = 0; j < count; ++j) {
    PyObject* pair = PyList_GET_ITEM(pairs.get(), j);
    if (PyDict_SetItem(copy.get(), PyTuple_GET_ITEM(pair, 0), PyTuple_GET_ITEM(pair, 1)) < 0) {
      return PyRef();
    }
  }
  return copy;
}

// A sequence of dicts with str keys -> private copies of the dicts, in order.
bool convert_results(PyObject* obj, const char* name, std::vector<PyRef>& out) {
  out.clear();
  PyRef items = snapshot_sequence(obj, name, "a sequence of dict");
  if (!items) return false;
  const Py_ssize_t count = PyTuple_GET_SIZE(items.get());
  out.reserve(static_cast<std::size_t>(count));
  for (Py_ssize_t i = 0; i < count; ++i) {
    PyObject* item = PyTuple_GET_ITEM(items.get(), i);  // owned by the snapshot
    if (!PyDict_Check(item)) {
      PyErr_Format(PyExc_TypeError, "argument '%s': item %zd: expected dict, got %s", name, i,
                   Py_TYPE(item)->tp_name);
      return false;
    }
    PyRef copy = copy_result_dict(item, name, i);
    if (!copy) return false;
    out.push_back(std::move(copy));
  }
  return true;
}

// Converts every argument in parameter order; false with the exception set.
bool convert_arguments(PyObject* args, PyObject* kwargs, TablePlotArgs& a) {
  PyObject* o[kMaxParameters];
  if (!unpack_arguments(args, kwargs, "OOOO|OOOOO:write_gsea_table_plot_png_py", kKeywords, o)) {
    return false;
  }
  if (!convert_ranks(o[0], "ranks", a.genes, a.scores)) return false;
  if (!convert_pathways(o[1], "pathways", a.pathways)) return false;
  if (!convert_results(o[2], "results", a.results)) return false;
  if (!convert_str(o[3], "output_path", a.output_path)) return false;
  if (!check_output_path(a.output_path)) return false;
  if (o[4] != nullptr && !convert_f64(o[4], "gseaParam", a.gsea_param)) return false;
  if (o[5] != nullptr && !convert_f64(o[5], "width_inches", a.width_inches)) return false;
  if (!convert_optional(o[6], "height_inches", a.height_inches, convert_f64)) return false;
  if (o[7] != nullptr && !convert_u32(o[7], "dpi", a.dpi)) return false;
  if (o[8] != nullptr && !convert_bool(o[8], "transparent_background", a.transparent_background)) {
    return false;
  }
  return true;
}

// One result dict as a row: "pathway" (a str), then "nes", "pval", "padj";
// the other fields stay zero or empty. False with the exception set.
bool convert_result_row(PyObject* dict, core::EnrichmentResult& row) {
  PyObject* pathway = PyDict_GetItemString(dict, "pathway");  // borrowed from our copy
  if (pathway == nullptr) {
    raise(PyExc_ValueError, "Result row missing 'pathway'.");
    return false;
  }
  if (!convert_str(pathway, "pathway", row.pathway)) return false;
  double nes = 0.0;
  double padj = 0.0;
  if (!extract_required_py_f64(dict, "nes", nes)) return false;
  if (!extract_required_py_f64(dict, "pval", row.pval)) return false;
  if (!extract_required_py_f64(dict, "padj", padj)) return false;
  row.nes = nes;
  row.padj = padj;
  return true;
}

// The plot on converted values: result rows first, then the drawing.
PyObject* write_table_plot_impl(PyObject* module, TablePlotArgs& a) {
  std::vector<core::EnrichmentResult> rows(a.results.size());
  for (std::size_t i = 0; i < a.results.size(); ++i) {
    if (!convert_result_row(a.results[i].get(), rows[i])) return nullptr;
  }
  if (core::Status finite = core::check_finite_scores(a.genes, a.scores); !finite) {
    return raise(PyExc_ValueError, finite.error());
  }
  // The drawing reports its own memory exhaustion as a failed plot; an
  // allocation failure while building the inputs reaches guard_entry.
  const core::RankedList ranked = core::RankedList::make(std::move(a.genes), std::move(a.scores));
  plot::GseaTablePlotOptions options;
  options.width_inches = a.width_inches;
  options.height_inches = a.height_inches;
  options.dpi = a.dpi;
  options.transparent_background = a.transparent_background;
  options.wait = python_wait_hook();
  const core::Status status = plot::write_gsea_table_plot_png(
      ranked, a.pathways, rows, a.gsea_param, std::move(a.output_path), options);
  if (!status) return raise_failure(module, PyExc_RuntimeError, status.failure());
  Py_RETURN_NONE;
}

}  // namespace

PyObject* write_gsea_table_plot_png_py(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    TablePlotArgs a;
    if (!convert_arguments(args, kwargs, a)) return nullptr;
    return write_table_plot_impl(module, a);
  });
}

}  // namespace varenko::py
