// run_gsea_py and run_gsea_sets: convert the Python arguments, run the checks
// in their documented order, run the analysis driver and build one dict per
// result row. Both share the whole analysis path; run_gsea_sets takes the gene
// sets in memory instead of a GMT path and also returns the seed used and the
// input warnings. The driver runs on a thread of its own while the calling
// thread waits interruptibly (run_gsea_py keeps the interpreter lock while it
// waits, run_gsea_sets may release it); the computation only sees C++ values
// converted before it starts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "algo/pipeline.h"
#include "algo/tail_stage.h"
#include "bindings/run_options.h"
#include "convert.h"
#include "core/records.h"
#include "core/worker_pool.h"
#include "entries.h"
#include "errors.h"
#include "interruptible.h"
#include "io/gmt_reader.h"
#include "rng_compat/seed.h"

namespace varenko::py {

const char kRunGseaDoc[] =
    "run_gsea_py(ranks, gmt_path, nPermSimple=1000, seed=None, nproc=0, minSize=1, "
    "maxSize=None, eps=1e-50, scoreType=\"std\", gseaParam=1.0, mode=\"quorin\", nperm=None, "
    "sampleSize=101, gpu=False)\n--\n\n";

const char kRunGseaSetsDoc[] =
    "run_gsea_sets(ranks, gene_sets, nPermSimple=1000, seed=None, nproc=0, minSize=1, "
    "maxSize=None, eps=1e-50, scoreType=\"std\", gseaParam=1.0, mode=\"quorin\", nperm=None, "
    "sampleSize=101, progress=None, release_gil=True, fill_empty=True, tallies=False)\n--\n\n"
    "Private entry of the package: run_gsea_py on gene sets held in memory (a\n"
    "sequence of (name, genes) pairs). Returns (rows, seed, warnings). With\n"
    "fill_empty, rows the simple stage leaves without a p-value get further\n"
    "permutations of their size; every row also has the key pval_at_eps.\n"
    "With tallies, every row also has the simple stage's counts behind its\n"
    "permutation p-value: n_more_extreme (random scores at least as extreme)\n"
    "and n_same_sign (random scores on its side of 0).";

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
  // Rows left empty get the tail stage, and rows carry pval_at_eps (run_gsea_sets).
  bool fill_empty = false;
  // Rows carry the simple stage's counts (run_gsea_sets).
  bool tallies = false;
  // Gene sets given in memory (run_gsea_sets); read from gmt_path when absent.
  std::optional<std::vector<core::Pathway>> pathways;
  WaitOptions wait;
  PyRef progress;  // keeps wait.progress alive for the whole call
};

// What a finished run hands back besides its rows.
struct RunExtras {
  std::uint64_t seed = 0;
  std::vector<std::string> warnings;
};

const char* const kKeywords[] = {"ranks",    "gmt_path",  "nPermSimple", "seed",      "nproc",
                                 "minSize",  "maxSize",   "eps",         "scoreType", "gseaParam",
                                 "mode",     "nperm",     "sampleSize",  "gpu",       nullptr};

// Converts the options that both analysis entries take in the same slots
// (2 to 12, nPermSimple to sampleSize); false with the exception set.
bool convert_run_options(PyObject* const (&o)[kMaxParameters], RunGseaArgs& a) {
  if (o[2] != nullptr && !convert_u64(o[2], "nPermSimple", a.n_perm_simple)) return false;
  if (!convert_optional(o[3], "seed", a.seed, convert_u64)) return false;
  if (o[4] != nullptr && !convert_size(o[4], "nproc", a.nproc)) return false;
  if (o[5] != nullptr && !convert_size(o[5], "minSize", a.min_size)) return false;
  if (!convert_optional(o[6], "maxSize", a.max_size, convert_size)) return false;
  if (o[7] != nullptr && !convert_f64(o[7], "eps", a.eps)) return false;
  if (o[8] != nullptr && !convert_str(o[8], "scoreType", a.score_type)) return false;
  if (o[9] != nullptr && !convert_f64(o[9], "gseaParam", a.gsea_param)) return false;
  if (o[10] != nullptr && !convert_str(o[10], "mode", a.mode)) return false;
  if (!convert_optional(o[11], "nperm", a.nperm, convert_u64)) return false;
  if (o[12] != nullptr && !convert_u64(o[12], "sampleSize", a.sample_size)) return false;
  return true;
}

// Converts every argument in parameter order; false with the exception set.
bool convert_arguments(PyObject* args, PyObject* kwargs, RunGseaArgs& a) {
  PyObject* o[kMaxParameters];
  if (!unpack_arguments(args, kwargs, "OO|OOOOOOOOOOOO:run_gsea_py", kKeywords, o)) return false;
  if (!convert_ranks(o[0], "ranks", a.genes, a.scores)) return false;
  if (!convert_str(o[1], "gmt_path", a.gmt_path)) return false;
  if (!convert_run_options(o, a)) return false;
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

// One row as a dict with the eight keys, and pval_at_eps when `at_eps_key`.
PyRef row_to_dict(const core::EnrichmentResult& row, bool at_eps_key) {
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
  if (at_eps_key && !set_item(dict.get(), "pval_at_eps", PyBool_FromLong(row.pval_at_eps ? 1 : 0))) {
    return PyRef();
  }
  return dict;
}

// A sequence of (name, genes) pairs -> pathways in the same order.
bool convert_gene_sets(PyObject* obj, const char* name, std::vector<core::Pathway>& out) {
  if (PyUnicode_Check(obj) || PyBytes_Check(obj) || !PySequence_Check(obj)) {
    return raise_argument_type(name, "sequence of (name, genes) pairs", obj);
  }
  PyRef seq = PyRef::steal(PySequence_Fast(obj, "gene sets must be a sequence"));
  if (!seq) return false;
  const Py_ssize_t n = PySequence_Fast_GET_SIZE(seq.get());
  out.clear();
  out.reserve(static_cast<std::size_t>(n));
  for (Py_ssize_t i = 0; i < n; ++i) {
    // A strong reference: the conversions below may run Python code.
    PyRef item = PyRef::borrow(PySequence_Fast_GET_ITEM(seq.get(), i));
    if (!PyTuple_Check(item.get()) || PyTuple_GET_SIZE(item.get()) != 2) {
      return raise_argument_type(name, "sequence of (name, genes) pairs", item.get());
    }
    PyRef set_name = PyRef::borrow(PyTuple_GET_ITEM(item.get(), 0));
    PyRef genes = PyRef::borrow(PyTuple_GET_ITEM(item.get(), 1));
    core::Pathway pathway;
    if (!convert_str(set_name.get(), name, pathway.name)) return false;
    if (!convert_str_sequence(genes.get(), name, pathway.genes)) return false;
    out.push_back(std::move(pathway));
  }
  return true;
}

// The checks and the analysis on converted values, in their documented order.
// Returns the list of row dicts; `extras` receives the seed and the warnings.
PyObject* run_gsea_impl(PyObject* module, RunGseaArgs& a, RunExtras& extras) {
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

  core::PathwayDb db;
  if (a.pathways) {
    db.pathways = std::move(*a.pathways);
  } else {
    core::Result<core::PathwayDb> read = io::read_gmt(a.gmt_path, python_wait_hook());
    if (!read) return raise_failure(module, PyExc_OSError, read.failure());
    db = std::move(*read);
  }

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
  options.fill_empty_rows = a.fill_empty;
  std::vector<bindings::SimpleTally> tallies;
  if (a.tallies) options.simple_tallies = &tallies;

  extras.seed = options.seed;

  std::optional<core::Result<std::vector<core::EnrichmentResult>>> result;
  const bool finished = run_interruptible(
      [&](core::RunControl& control) {
        bindings::RunOptions run = options;
        run.control = &control;
        result.emplace(algo::run_gsea_internal(ranked, db.pathways, run));
      },
      a.wait, extras.warnings);
  if (!finished) return nullptr;
  core::Result<std::vector<core::EnrichmentResult>>& rows = *result;
  if (!rows) {
    PyObject* type = internal_error_type(module);
    return raise(type != nullptr ? type : PyExc_SystemError, rows.error());
  }

  PyRef list = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(rows->size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < rows->size(); ++i) {
    PyRef dict = row_to_dict((*rows)[i].export_row(), a.fill_empty);
    if (!dict) return nullptr;
    if (a.tallies && i < tallies.size()) {
      const bindings::SimpleTally& tally = tallies[i];
      if (!set_item(dict.get(), "n_more_extreme",
                    PyLong_FromUnsignedLongLong(tally.more_extreme)) ||
          !set_item(dict.get(), "n_same_sign", PyLong_FromUnsignedLongLong(tally.same_sign))) {
        return nullptr;
      }
    }
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), dict.release());  // steals
  }
  return list.release();
}

}  // namespace

PyObject* run_gsea_py(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    RunGseaArgs a;
    if (!convert_arguments(args, kwargs, a)) return nullptr;
    RunExtras extras;
    return run_gsea_impl(module, a, extras);
  });
}

namespace {

const char* const kSetsKeywords[] = {
    "ranks", "gene_sets", "nPermSimple", "seed",  "nproc",      "minSize",     "maxSize", "eps",
    "scoreType", "gseaParam", "mode",    "nperm", "sampleSize", "progress", "release_gil",
    "fill_empty", "tallies", nullptr};

bool convert_sets_arguments(PyObject* args, PyObject* kwargs, RunGseaArgs& a) {
  PyObject* o[kMaxParameters];
  if (!unpack_arguments(args, kwargs, "OO|OOOOOOOOOOOOOOO:run_gsea_sets", kSetsKeywords, o)) {
    return false;
  }
  if (!convert_ranks(o[0], "ranks", a.genes, a.scores)) return false;
  a.pathways.emplace();
  if (!convert_gene_sets(o[1], "gene_sets", *a.pathways)) return false;
  if (!convert_run_options(o, a)) return false;
  if (o[13] != nullptr && o[13] != Py_None) {
    if (!PyCallable_Check(o[13])) return raise_argument_type("progress", "callable or None", o[13]);
    a.progress = PyRef::borrow(o[13]);
    a.wait.progress = a.progress.get();
  }
  a.wait.release_gil = true;
  if (o[14] != nullptr && !convert_bool(o[14], "release_gil", a.wait.release_gil)) return false;
  a.fill_empty = true;
  if (o[15] != nullptr && !convert_bool(o[15], "fill_empty", a.fill_empty)) return false;
  if (o[16] != nullptr && !convert_bool(o[16], "tallies", a.tallies)) return false;
  return true;
}

}  // namespace

PyObject* run_gsea_sets(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    RunGseaArgs a;
    if (!convert_sets_arguments(args, kwargs, a)) return nullptr;
    RunExtras extras;
    PyRef rows = PyRef::steal(run_gsea_impl(module, a, extras));
    if (!rows) return nullptr;
    PyRef warnings = PyRef::steal(PyList_New(0));
    if (!warnings) return nullptr;
    for (const std::string& text : extras.warnings) {
      PyRef message = PyRef::steal(utf8_str(text));
      if (!message || PyList_Append(warnings.get(), message.get()) < 0) return nullptr;
    }
    return Py_BuildValue("(OKO)", rows.get(), static_cast<unsigned long long>(extras.seed),
                         warnings.get());
  });
}

const char kRandomSetScoresDoc[] =
    "random_set_scores(ranks, size, count, seed, scoreType=\"std\", gseaParam=1.0)\n--\n\n"
    "Private entry of the package: the scores of `count` uniformly random gene\n"
    "sets of `size` genes against the ranking, drawn from the stream `seed` by a\n"
    "sampler independent of the tail stage's draws and scored as the tail stage\n"
    "scores them, as the bytes of float64 values in draw order (for the\n"
    "collapse's repeated conditional tests, and brute-force checks of tail\n"
    "p-values).";

PyObject* random_set_scores_entry(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    static const char* const keywords[] = {"ranks", "size",      "count",
                                           "seed",  "scoreType", "gseaParam", nullptr};
    PyObject* o[kMaxParameters];
    if (!unpack_arguments(args, kwargs, "OOOO|OO:random_set_scores", keywords, o)) return nullptr;
    std::vector<std::string> genes;
    std::vector<double> scores;
    std::size_t size = 0;
    std::uint64_t count = 0;
    std::uint64_t seed = 0;
    std::string score_type_text = "std";
    double gsea_param = 1.0;
    if (!convert_ranks(o[0], "ranks", genes, scores)) return nullptr;
    if (!convert_size(o[1], "size", size)) return nullptr;
    if (!convert_u64(o[2], "count", count)) return nullptr;
    if (!convert_u64(o[3], "seed", seed)) return nullptr;
    if (o[4] != nullptr && !convert_str(o[4], "scoreType", score_type_text)) return nullptr;
    if (o[5] != nullptr && !convert_f64(o[5], "gseaParam", gsea_param)) return nullptr;
    if (core::Status finite = core::check_finite_scores(genes, scores); !finite) {
      return raise(PyExc_ValueError, finite.error());
    }
    if (core::Status param = core::check_gsea_param(gsea_param); !param) {
      return raise(PyExc_ValueError, param.error());
    }
    core::ScoreType score_type = core::ScoreType::Std;
    if (!parse_score_type(score_type_text, score_type)) return nullptr;
    if (size == 0 || size > genes.size()) {
      return raise(PyExc_ValueError, "size must be between 1 and the number of ranked genes");
    }
    if (count > (std::uint64_t{1} << 28)) {
      return raise(PyExc_ValueError, "count must be at most 2**28");
    }
    const core::RankedList ranked = core::RankedList::make(std::move(genes), std::move(scores));
    const core::PreparedStats stats = ranked.prepare(gsea_param);
    std::vector<double> weights(stats.int_weights.begin(), stats.int_weights.end());
    std::vector<double> values;
    Py_BEGIN_ALLOW_THREADS
    values = algo::random_set_scores(stats.int_weights, weights, size, count, seed, score_type);
    Py_END_ALLOW_THREADS
    return PyBytes_FromStringAndSize(reinterpret_cast<const char*>(values.data()),
                                     static_cast<Py_ssize_t>(values.size() * sizeof(double)));
  });
}

const char kReadGmtDoc[] =
    "read_gmt(path)\n--\n\n"
    "Private entry of the package: the gene sets of a GMT file as a list of\n"
    "(name, genes) pairs in file order, read by the analysis' own reader.";

namespace {

// Gene names already converted, so that a gene named in many sets is one
// str object: a large collection then holds each gene's text once. Bounded,
// so that a file of names that never repeat does not hold them all twice.
class GeneNames {
 public:
  // A new reference to the str of `gene`; null with an exception set on failure.
  PyObject* get(const std::string& gene) {
    const auto found = names_.find(gene);
    if (found != names_.end()) {
      Py_INCREF(found->second.get());
      return found->second.get();
    }
    PyObject* name = utf8_str(gene);
    if (name != nullptr && names_.size() < kMaxNames) {
      Py_INCREF(name);
      names_.emplace(gene, PyRef::steal(name));
    }
    return name;
  }

 private:
  static constexpr std::size_t kMaxNames = std::size_t{1} << 20;
  std::unordered_map<std::string, PyRef> names_;
};

// One gene set as a (name, genes) pair; null with an exception set on failure.
// Gene names come from `names` when given.
PyObject* pathway_pair(const core::Pathway& p, GeneNames* names = nullptr) {
  PyRef genes = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(p.genes.size())));
  if (!genes) return nullptr;
  for (std::size_t j = 0; j < p.genes.size(); ++j) {
    PyObject* gene = names != nullptr ? names->get(p.genes[j]) : utf8_str(p.genes[j]);
    if (gene == nullptr) return nullptr;
    PyList_SET_ITEM(genes.get(), static_cast<Py_ssize_t>(j), gene);  // steals
  }
  PyRef name = PyRef::steal(utf8_str(p.name));
  if (!name) return nullptr;
  return PyTuple_Pack(2, name.get(), genes.get());
}

// The gene sets as a list of (name, genes) pairs in file order.
PyObject* pathways_to_list(const core::PathwayDb& db) {
  PyRef list = PyRef::steal(PyList_New(static_cast<Py_ssize_t>(db.pathways.size())));
  if (!list) return nullptr;
  for (std::size_t i = 0; i < db.pathways.size(); ++i) {
    PyObject* pair = pathway_pair(db.pathways[i]);
    if (pair == nullptr) return nullptr;
    PyList_SET_ITEM(list.get(), static_cast<Py_ssize_t>(i), pair);  // steals
  }
  return list.release();
}

}  // namespace

PyObject* read_gmt_entry(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    static const char* const keywords[] = {"path", nullptr};
    PyObject* o[kMaxParameters];
    if (!unpack_arguments(args, kwargs, "O:read_gmt", keywords, o)) return nullptr;
    std::string path;
    if (!convert_str(o[0], "path", path)) return nullptr;
    core::Result<core::PathwayDb> db = io::read_gmt(path, python_wait_hook());
    if (!db) return raise_failure(module, PyExc_OSError, db.failure());
    return pathways_to_list(*db);
  });
}

const char kParseGmtDoc[] =
    "parse_gmt(data)\n--\n\n"
    "Private entry of the package: the gene sets of GMT text given as bytes,\n"
    "as (name, genes) pairs in order, parsed exactly as read_gmt reads a file.";

PyObject* parse_gmt_entry(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    static const char* const keywords[] = {"data", nullptr};
    PyObject* o[kMaxParameters];
    if (!unpack_arguments(args, kwargs, "O:parse_gmt", keywords, o)) return nullptr;
    if (!PyBytes_Check(o[0])) {
      raise_argument_type("data", "bytes", o[0]);
      return nullptr;
    }
    char* data = nullptr;
    Py_ssize_t size = 0;
    if (PyBytes_AsStringAndSize(o[0], &data, &size) < 0) return nullptr;
    core::Result<core::PathwayDb> db =
        io::parse_gmt(std::string_view(data, static_cast<std::size_t>(size)));
    if (!db) return raise_failure(module, PyExc_OSError, db.failure());
    return pathways_to_list(*db);
  });
}

const char kParseGmtStreamDoc[] =
    "parse_gmt_stream(read)\n--\n\n"
    "Private entry of the package: the gene sets of GMT text pulled from\n"
    "read() (bytes, b'' at the end), as (name, genes) pairs in order, parsed\n"
    "as read_gmt reads a file. Each set is converted as soon as its line is\n"
    "read, so the parse never holds the collection twice. Exceptions of read()\n"
    "pass through; bad UTF-8 raises OSError 'line K is not valid UTF-8'.";

PyObject* parse_gmt_stream_entry(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    static const char* const keywords[] = {"read", nullptr};
    PyObject* o[kMaxParameters];
    if (!unpack_arguments(args, kwargs, "O:parse_gmt_stream", keywords, o)) return nullptr;
    if (!PyCallable_Check(o[0])) {
      raise_argument_type("read", "a callable", o[0]);
      return nullptr;
    }
    PyObject* read = o[0];
    PyRef list = PyRef::steal(PyList_New(0));
    if (!list) return nullptr;
    // The bytes object last returned by read() and how much of it was used.
    PyRef pending;
    Py_ssize_t used = 0;
    const io::ByteSource source = [&](char* out,
                                      std::size_t capacity) -> core::Result<std::size_t> {
      while (!pending || used == PyBytes_GET_SIZE(pending.get())) {
        pending = PyRef::steal(PyObject_CallNoArgs(read));
        used = 0;
        if (!pending) return core::fail("read() failed");  // its exception stays set
        if (!PyBytes_Check(pending.get())) {
          raise_argument_type("read", "a callable returning bytes", pending.get());
          return core::fail("read() failed");
        }
        if (PyBytes_GET_SIZE(pending.get()) == 0) return std::size_t{0};
      }
      const auto n = std::min(capacity, static_cast<std::size_t>(
                                            PyBytes_GET_SIZE(pending.get()) - used));
      std::memcpy(out, PyBytes_AS_STRING(pending.get()) + used, n);
      used += static_cast<Py_ssize_t>(n);
      return n;
    };
    GeneNames names;
    const io::PathwaySink append = [&](core::Pathway&& p) -> core::Status {
      PyRef pair = PyRef::steal(pathway_pair(p, &names));
      if (!pair || PyList_Append(list.get(), pair.get()) < 0) {
        return core::fail("conversion failed");  // its exception stays set
      }
      return core::Status::success();
    };
    std::size_t failed_line = 0;
    const core::Status status = io::read_gmt_each(source, append, io::kMaxGmtLineBytes,
                                                  &failed_line);
    if (!status) {
      if (PyErr_Occurred() != nullptr) return nullptr;
      if (status.error() == "stream did not contain valid UTF-8") {
        return raise(PyExc_OSError,
                     "line " + std::to_string(failed_line) + " is not valid UTF-8");
      }
      return raise_failure(module, PyExc_OSError, status.failure());
    }
    return list.release();
  });
}

const char kPoolThreadsDoc[] =
    "pool_threads()\n--\n\n"
    "Private entry of the package: the number of threads of the process-wide\n"
    "worker pool, or None while no analysis has created it.";

PyObject* pool_threads_entry(PyObject* module, PyObject* /*args*/) {
  return guard_entry(module, [&]() -> PyObject* {
    const std::size_t threads = core::existing_worker_pool_threads();
    if (threads == 0) Py_RETURN_NONE;
    return PyLong_FromSize_t(threads);
  });
}

}  // namespace varenko::py
