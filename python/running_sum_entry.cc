// running_sum: the private entry behind the matplotlib plots. Converts a
// ranking dict and one gene set's genes, and returns the set's running
// enrichment score as the analysis computes it (algo/running_sum.h) with the
// ranked scores, so a plot's curve reaches exactly the row's `es`. Input
// problems raise ValueError; holds the interpreter lock throughout.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "algo/running_sum.h"
#include "convert.h"
#include "core/records.h"
#include "entries.h"

namespace varenko::py {

const char kRunningSumDoc[] =
    "running_sum(ranks, pathway_genes, scoreType=\"std\", gseaParam=1.0)\n--\n\n"
    "Private entry of the package: a dict with the set's hit positions (0-based\n"
    "ranks), the running sum just after ('top') and just before ('bottom') each\n"
    "hit, 'es', 'peak', 'leading_edge' and the ranked 'scores'.";

namespace {

const char* const kKeywords[] = {"ranks", "pathway_genes", "scoreType", "gseaParam", nullptr};

// Sets dict[key] = value, taking ownership of value; false with an exception set.
bool put(PyObject* dict, const char* key, PyObject* value) {
  PyRef owned = PyRef::steal(value);
  if (!owned) return false;
  return PyDict_SetItemString(dict, key, owned.get()) == 0;
}

PyObject* float_list(const std::vector<double>& values) {
  PyRef list = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(values.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < values.size(); ++i) {
    PyObject* item = PyFloat_FromDouble(values[i]);
    if (item == nullptr) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);  // steals
  }
  return list.release();
}

PyObject* size_list(const std::vector<std::size_t>& values) {
  PyRef list = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(values.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < values.size(); ++i) {
    PyObject* item = PyLong_FromSize_t(values[i]);
    if (item == nullptr) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);  // steals
  }
  return list.release();
}

PyObject* str_list(const std::vector<std::string>& values) {
  PyRef list = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(values.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < values.size(); ++i) {
    PyObject* item = PyUnicode_DecodeUTF8(values[i].data(),
                                          static_cast<Py_ssize_t>(values[i].size()),
                                          "surrogateescape");
    if (item == nullptr) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), item);  // steals
  }
  return list.release();
}

PyObject* running_sum_impl(PyObject* args, PyObject* kwargs) {
  PyObject* o[kMaxParameters];
  if (!unpack_arguments(args, kwargs, "OO|OO:running_sum", kKeywords, o)) return nullptr;
  std::vector<std::string> genes;
  std::vector<double> scores;
  core::Pathway pathway;
  std::string score_text = "std";
  double gsea_param = 1.0;
  if (!convert_ranks(o[0], "ranks", genes, scores)) return nullptr;
  if (!convert_str_sequence(o[1], "pathway_genes", pathway.genes)) return nullptr;
  if (o[2] != nullptr && !convert_str(o[2], "scoreType", score_text)) return nullptr;
  if (o[3] != nullptr && !convert_f64(o[3], "gseaParam", gsea_param)) return nullptr;

  core::ScoreType score_type = core::ScoreType::Std;
  if (!parse_score_type(score_text, score_type)) return nullptr;
  if (core::Status finite = core::check_finite_scores(genes, scores); !finite) {
    return raise(PyExc_ValueError, finite.error());
  }
  const core::RankedList ranked = core::RankedList::make(std::move(genes), std::move(scores));
  pathway.name = "pathway";
  core::Result<algo::GeneSetRunningSum> sum =
      algo::gene_set_running_sum(ranked, pathway, score_type, gsea_param);
  if (!sum) return raise(PyExc_ValueError, sum.error());

  PyRef dict = PyRef::steal(PyDict_New());
  if (!dict) return nullptr;
  if (!put(dict.get(), "positions", size_list(sum->hits)) ||
      !put(dict.get(), "top", float_list(sum->top)) ||
      !put(dict.get(), "bottom", float_list(sum->bottom)) ||
      !put(dict.get(), "es", PyFloat_FromDouble(sum->es)) ||
      !put(dict.get(), "peak", PyLong_FromSize_t(sum->peak_position)) ||
      !put(dict.get(), "leading_edge", str_list(sum->leading_edge)) ||
      !put(dict.get(), "scores", float_list(ranked.scores()))) {
    return nullptr;
  }
  return dict.release();
}

}  // namespace

PyObject* running_sum_entry(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* { return running_sum_impl(args, kwargs); });
}

}  // namespace varenko::py
