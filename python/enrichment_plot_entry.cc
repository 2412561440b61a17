// write_enrichment_plot_png_py: converts the Python arguments (a ranking dict,
// the pathway's genes, the output path and the plot options), builds the
// ranked list and the pathway, and draws the plot. Every drawing or writing
// failure, running out of memory included, becomes RuntimeError with the
// message alone; a failure of the file itself is also the matching OSError
// subclass (errors.h). Holds the interpreter lock throughout, but while a
// FIFO's reader is waited for (Ctrl-C stops the wait); keeps no state.
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
#include "plot/enrichment_plot.h"

namespace varenko::py {

const char kEnrichmentPlotDoc[] =
    "write_enrichment_plot_png_py(ranks, pathway_genes, output_path, pathway_name=\"pathway\", "
    "scoreType=\"std\", gseaParam=1.0, width_inches=3.0, height_inches=2.2, dpi=300, "
    "transparent_background=False, title=None)\n--\n\n";

namespace {

// The converted arguments of one call.
struct EnrichmentPlotArgs {
  std::vector<std::string> genes;
  std::vector<double> scores;
  std::vector<std::string> pathway_genes;
  std::string output_path;
  std::string pathway_name = "pathway";
  std::string score_type = "std";
  double gsea_param = 1.0;
  double width_inches = 3.0;
  double height_inches = 2.2;
  std::uint32_t dpi = 300;
  bool transparent_background = false;
  std::optional<std::string> title;
};

const char* const kKeywords[] = {"ranks",         "pathway_genes", "output_path",
                                 "pathway_name",  "scoreType",     "gseaParam",
                                 "width_inches",  "height_inches", "dpi",
                                 "transparent_background",         "title",
                                 nullptr};

// Converts every argument in parameter order; false with the exception set.
bool convert_arguments(PyObject* args, PyObject* kwargs, EnrichmentPlotArgs& a) {
  PyObject* o[kMaxParameters];
  if (!unpack_arguments(args, kwargs, "OOO|OOOOOOOO:write_enrichment_plot_png_py", kKeywords, o)) {
    return false;
  }
  if (!convert_ranks(o[0], "ranks", a.genes, a.scores)) return false;
  if (!convert_str_sequence(o[1], "pathway_genes", a.pathway_genes)) return false;
  if (!convert_str(o[2], "output_path", a.output_path)) return false;
  if (!check_output_path(a.output_path)) return false;
  if (o[3] != nullptr && !convert_str(o[3], "pathway_name", a.pathway_name)) return false;
  if (o[4] != nullptr && !convert_str(o[4], "scoreType", a.score_type)) return false;
  if (o[5] != nullptr && !convert_f64(o[5], "gseaParam", a.gsea_param)) return false;
  if (o[6] != nullptr && !convert_f64(o[6], "width_inches", a.width_inches)) return false;
  if (o[7] != nullptr && !convert_f64(o[7], "height_inches", a.height_inches)) return false;
  if (o[8] != nullptr && !convert_u32(o[8], "dpi", a.dpi)) return false;
  if (o[9] != nullptr && !convert_bool(o[9], "transparent_background", a.transparent_background)) {
    return false;
  }
  return convert_optional(o[10], "title", a.title, convert_str);
}

// The plot on converted values: score type first, then the drawing.
PyObject* write_enrichment_plot_impl(PyObject* module, EnrichmentPlotArgs& a) {
  core::ScoreType score_type = core::ScoreType::Std;
  if (!parse_score_type(a.score_type, score_type)) return nullptr;
  if (core::Status finite = core::check_finite_scores(a.genes, a.scores); !finite) {
    return raise(PyExc_ValueError, finite.error());
  }
  // The drawing reports its own memory exhaustion as a failed plot; an
  // allocation failure while building the inputs reaches guard_entry.
  const core::RankedList ranked = core::RankedList::make(std::move(a.genes), std::move(a.scores));
  core::Pathway pathway;
  pathway.name = std::move(a.pathway_name);
  pathway.genes = std::move(a.pathway_genes);
  plot::EnrichmentPlotOptions options;
  options.width_inches = a.width_inches;
  options.height_inches = a.height_inches;
  options.title = std::move(a.title);
  options.dpi = a.dpi;
  options.transparent_background = a.transparent_background;
  options.wait = python_wait_hook();
  const core::Status status = plot::write_enrichment_plot_png(
      ranked, pathway, std::move(a.output_path), score_type, a.gsea_param, options);
  if (!status) return raise_failure(module, PyExc_RuntimeError, status.failure());
  Py_RETURN_NONE;
}

}  // namespace

PyObject* write_enrichment_plot_png_py(PyObject* module, PyObject* args, PyObject* kwargs) {
  return guard_entry(module, [&]() -> PyObject* {
    EnrichmentPlotArgs a;
    if (!convert_arguments(args, kwargs, a)) return nullptr;
    return write_enrichment_plot_impl(module, a);
  });
}

}  // namespace varenko::py
