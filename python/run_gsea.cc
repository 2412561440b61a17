// run_gsea_py: converts the Python arguments, runs the checks in their
// documented order, runs the analysis driver and builds one dict per result
// row. The interpreter lock is held for the whole call; the driver's worker
// threads only see C++ values converted before it starts.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "algo/pipeline.h"
#include "bindings/run_options.h"
#include "convert.h"
#include "core/records.h"
#include "core/worker_pool.h"
#include "entries.h"
#include "errors.h"
#include "io/gmt_reader.h"
#include "rng_compat/seed.h"

namespace varenko::py {

const char kRunGseaDoc[] =
    "run_gsea_py(ranks, gmt_path, nPermSimple=1000, seed=None, nproc=0, minSize=1, "
    "maxSize=None, eps=1e-50, scoreType=\"std\", gseaParam=1.0, mode=\"quorin\", nperm=None, "
    "sampleSize=101, gpu=False)\n--\n\n";

namespace {

// The converted arguments of one call.
struct RunGseaArgs {
  std::vector<std::string> genes;
  std::vector<double> scores;
  std::string gmt_path;
  std::uint64_t n_perm_simple = 1000;
  std::optional<std::uint64_t> seed;
  std::size_t nproc = 0;
  std::size_t min_size = 1;
  std::optional<std::size_t> max_size;
  double eps = 1e-50;
  std::string score_type = "std";
  double gsea_param = 1.0;
  std::string mode = "quorin";
  std::optional<std::uint64_t> nperm;
  std::uint64_t sample_size = 101;
  bool gpu = false;
};

const char* const kKeywords[] = {"ranks",    "gmt_path",  "nPermSimple", "seed",      "nproc",
                                 "minSize",  "maxSize",   "eps",         "scoreType", "gseaParam",
                                 "mode",     "nperm",     "sampleSize",  "gpu",       nullptr};

// Converts every argument in parameter order; false with the exception set.
bool convert_arguments(PyObject* args, PyObject* kwargs, RunGseaArgs& a) {
  PyObject* o[kMaxParameters];
  if (!unpack_arguments(args, kwargs, "OO|OOOOOOOOOOOO:run_gsea_py", kKeywords, o)) return false;
  if (!convert_ranks(o[0], "ranks", a.genes, a.scores)) return false;
  if (!convert_str(o[1], "gmt_path", a.gmt_path)) return false;
  if (o[2] != nullptr && !convert_u64(o[2], "nPermSimple", a.n_perm_simple)) return false;
  if (!convert_optional_u64(o[3], "seed", a.seed)) return false;
  if (o[4] != nullptr && !convert_size(o[4], "nproc", a.nproc)) return false;
  if (o[5] != nullptr && !convert_size(o[5], "minSize", a.min_size)) return false;
  if (!convert_optional_size(o[6], "maxSize", a.max_size)) return false;
  if (o[7] != nullptr && !convert_f64(o[7], "eps", a.eps)) return false;
  if (o[8] != nullptr && !convert_str(o[8], "scoreType", a.score_type)) return false;
  if (o[9] != nullptr && !convert_f64(o[9], "gseaParam", a.gsea_param)) return false;
  if (o[10] != nullptr && !convert_str(o[10], "mode", a.mode)) return false;
  if (!convert_optional_u64(o[11], "nperm", a.nperm)) return false;
  if (o[12] != nullptr && !convert_u64(o[12], "sampleSize", a.sample_size)) return false;
  if (o[13] != nullptr && !convert_bool(o[13], "gpu", a.gpu)) return false;
  return true;
}

PyObject* optional_float(const std::optional<double>& value) {
  if (value) return PyFloat_FromDouble(*value);
  Py_RETURN_NONE;
}

PyObject* utf8_str(const std::string& text) {
  return PyUnicode_DecodeUTF8(text.data(), static_cast<Py_ssize_t>(text.size()), "surrogateescape");
}

// Sets dict[key] = value, taking ownership of value; false with an exception set.
bool set_item(PyObject* dict, const char* key, PyObject* value) {
  PyRef owned = PyRef::steal(value);
  if (!owned) return false;
  return PyDict_SetItemString(dict, key, owned.get()) == 0;
}

// One row as a dict with the eight keys.
PyRef row_to_dict(const core::EnrichmentResult& row) {
  PyRef dict = PyRef::steal(PyDict_New());
  if (!dict) return dict;
  PyRef edge = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(row.leading_edge.size())));
  if (!edge) return edge;
  for (std::size_t i = 0; i < row.leading_edge.size(); ++i) {
    PyObject* gene = utf8_str(row.leading_edge[i]);
    if (gene == nullptr) return PyRef();
    PyList_SET_ITEM(edge.get(), static_cast<Py_ssize_t>(i), gene);  // steals
  }
  if (!set_item(dict.get(), "pathway", utf8_str(row.pathway)) ||
      !set_item(dict.get(), "size", PyLong_FromSize_t(row.size)) ||
      !set_item(dict.get(), "es", PyFloat_FromDouble(row.es)) ||
      !set_item(dict.get(), "nes", optional_float(row.nes)) ||
      !set_item(dict.get(), "pval", PyFloat_FromDouble(row.pval)) ||
      !set_item(dict.get(), "padj", optional_float(row.padj)) ||
      !set_item(dict.get(), "log2err", optional_float(row.log2err)) ||
      !set_item(dict.get(), "leading_edge", edge.release())) {
    return PyRef();
  }
  return dict;
}

// The checks and the analysis on converted values, in their documented order.
PyObject* run_gsea_impl(PyObject* module, RunGseaArgs& a) {
  if (a.sample_size == 0) return raise(PyExc_ValueError, "sampleSize must be greater than 0.");
  // An infinite score or exponent would turn every weight into 0 (an
  // unweighted run reported as success); NaN scores are ranked last instead.
  if (core::Status finite = core::check_finite_scores(a.genes, a.scores); !finite) {
    return raise(PyExc_ValueError, finite.error());
  }
  if (core::Status param = core::check_gsea_param(a.gsea_param); !param) {
    return raise(PyExc_ValueError, param.error());
  }
  if (a.nproc > 0) core::request_worker_pool(a.nproc);

  const core::RankedList ranked = core::RankedList::make(std::move(a.genes), std::move(a.scores));

  core::Result<core::PathwayDb> db = io::read_gmt(a.gmt_path);
  if (!db) return raise_failure(module, PyExc_OSError, db.failure());

  core::ScoreType score_type = core::ScoreType::Std;
  if (!parse_score_type(a.score_type, score_type)) return nullptr;

  core::Result<bindings::InterfaceMode> mode = bindings::parse_interface_mode(a.mode);
  if (!mode) return raise(PyExc_ValueError, mode.error());

  if (a.gpu) {
    return raise(PyExc_RuntimeError, "gpu=True requires building varenkopy with the 'gpu' feature.");
  }
  const bindings::ExecutionPlan plan =
      bindings::resolve_execution_plan(*mode, false, a.nperm, a.n_perm_simple);

  const std::size_t n = ranked.size();
  bindings::RunOptions options;
  options.eps = a.eps;
  options.gsea_param = a.gsea_param;
  options.seed = rng_compat::resolve_rng_seed(a.seed);
  options.min_size = a.min_size;
  options.max_size = a.max_size.value_or(n == 0 ? 0 : n - 1);
  options.score_type = score_type;
  // The sample size is a 32-bit count inside the analysis; larger requests
  // could never be met in memory anyway.
  options.sample_size = a.sample_size > UINT32_MAX ? UINT32_MAX
                                                   : static_cast<std::uint32_t>(a.sample_size);
  options.sample_kind = 1;
  bindings::apply_mode_semantics(options, plan.mode, a.nperm, a.n_perm_simple);

  core::Result<std::vector<core::EnrichmentResult>> rows =
      algo::run_gsea_internal(ranked, db->pathways, options);
  if (!rows) {
    PyObject* type = internal_error_type(module);
    return raise(type != nullptr ? type : PyExc_SystemError, rows.error());
  }

  PyRef list = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(rows->size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < rows->size(); ++i) {
    PyRef dict = row_to_dict((*rows)[i].export_row());
    if (!dict) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), dict.release());  // steals
  }
  return list.release();
}

}  // namespace

PyObject* run_gsea_py(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    RunGseaArgs a;
    if (!convert_arguments(args, kwargs, a)) return nullptr;
    return run_gsea_impl(module, a);
  });
}

}  // namespace varenko::py
