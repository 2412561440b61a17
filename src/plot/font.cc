// Plot font loading and glyph access through FreeType. Glyphs are loaded
// unscaled and unhinted, scaled by scale / (ascender - descender) in double
// precision and rasterised with FreeType's anti-aliasing rasteriser straight
// into a coverage sink, clipped to the target canvas. One mutex per font
// serialises all FreeType calls, since a face must not be used concurrently.
#include "plot/font.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <utility>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_ADVANCES_H

#include "core/utf8.h"

namespace varenko::plot {

struct PlotFont::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::vector<std::uint8_t> owned;  // the font bytes when they are not static
  mutable std::mutex mutex;

  Impl() = default;
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;
  ~Impl() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

PlotFont::PlotFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
PlotFont::~PlotFont() = default;

core::Result<std::unique_ptr<PlotFont>> PlotFont::parse_impl(std::unique_ptr<Impl> impl,
                                                             std::span<const std::uint8_t> data) {
  if (FT_Init_FreeType(&impl->library) != 0) return core::fail("failed to initialise FreeType");
  if (data.empty() ||
      FT_New_Memory_Face(impl->library, data.data(), static_cast<FT_Long>(data.size()), 0,
                         &impl->face) != 0) {
    return core::fail("failed to parse the font data");
  }
  const FT_Face face = impl->face;
  const long height = static_cast<long>(face->ascender) - static_cast<long>(face->descender);
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0 || height <= 0) {
    return core::fail("the font has no scalable outlines");
  }
  std::unique_ptr<PlotFont> font(new PlotFont(std::move(impl)));
  font->height_units_ = static_cast<float>(height);
  font->ascender_units_ = static_cast<float>(face->ascender);
  return font;
}

core::Result<std::unique_ptr<PlotFont>> PlotFont::parse(std::vector<std::uint8_t> owned_data) {
  auto impl = std::make_unique<Impl>();
  impl->owned = std::move(owned_data);
  const std::span<const std::uint8_t> data(impl->owned);
  return parse_impl(std::move(impl), data);
}

core::Result<std::unique_ptr<PlotFont>> PlotFont::parse_static(std::span<const std::uint8_t> data) {
  return parse_impl(std::make_unique<Impl>(), data);
}

float PlotFont::ascent(float scale) const { return ascender_units_ * units_to_px(scale); }

std::uint32_t PlotFont::glyph_index(char32_t code_point) const {
  const std::lock_guard lock(impl_->mutex);
  return FT_Get_Char_Index(impl_->face, code_point);
}

float PlotFont::advance_units(std::uint32_t glyph) const {
  const std::lock_guard lock(impl_->mutex);
  FT_Fixed advance = 0;
  if (FT_Get_Advance(impl_->face, glyph, FT_LOAD_NO_SCALE, &advance) != 0) return 0.0f;
  return static_cast<float>(advance);
}

float PlotFont::kerning_units(std::uint32_t left, std::uint32_t right) const {
  const std::lock_guard lock(impl_->mutex);
  if (!FT_HAS_KERNING(impl_->face)) return 0.0f;
  FT_Vector kern{0, 0};
  if (FT_Get_Kerning(impl_->face, left, right, FT_KERNING_UNSCALED, &kern) != 0) return 0.0f;
  return static_cast<float>(kern.x);
}

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes UTF-8; every byte that does not start a valid sequence reads as
// U+FFFD.
std::vector<char32_t> decode_utf8(std::string_view text) {
  std::vector<char32_t> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t len = 0;
    const char32_t cp = core::decode_utf8_at(text, i, len);
    out.push_back(cp == core::kNotUtf8 ? kReplacementCharacter : cp);
    i += len;
  }
  return out;
}

// Passes the rasteriser's spans to a CoverageSink in canvas coordinates.
struct SpanTarget {
  CoverageSink* sink;
  std::int64_t origin_x;  // canvas column of raster column 0
  std::int64_t origin_y;  // canvas row just below raster row 0 (raster y grows upwards)
};

void forward_spans(int y, int count, const FT_Span* spans, void* user) {
  const auto* target = static_cast<const SpanTarget*>(user);
  const std::int64_t row = target->origin_y - 1 - y;
  for (int s = 0; s < count; ++s) {
    const FT_Span& span = spans[s];
    if (span.coverage == 0) continue;
    for (int k = 0; k < span.len; ++k) {
      target->sink->cover(target->origin_x + span.x + k, row, span.coverage);
    }
  }
}

}  // namespace

TextLayout PlotFont::layout(std::string_view text, float scale) const {
  const std::vector<char32_t> code_points = decode_utf8(text);
  const float px = units_to_px(scale);
  TextLayout out;
  out.glyphs.reserve(code_points.size());
  out.pen_x.reserve(code_points.size());
  const std::lock_guard lock(impl_->mutex);
  const FT_Face face = impl_->face;
  const bool has_kerning = FT_HAS_KERNING(face);
  float pen = 0.0f;
  for (std::size_t i = 0; i < code_points.size(); ++i) {
    const std::uint32_t glyph = FT_Get_Char_Index(face, code_points[i]);
    if (i > 0 && has_kerning) {
      FT_Vector kern{0, 0};
      if (FT_Get_Kerning(face, out.glyphs.back(), glyph, FT_KERNING_UNSCALED, &kern) == 0) {
        pen += static_cast<float>(kern.x) * px;
      }
    }
    FT_Fixed advance = 0;
    if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &advance) != 0) advance = 0;
    out.glyphs.push_back(glyph);
    out.pen_x.push_back(pen);
    pen += static_cast<float>(advance) * px;
  }
  out.advance = pen;
  return out;
}

void PlotFont::rasterize(std::uint32_t glyph, float scale, double origin_x, double origin_y,
                         std::uint32_t clip_width, std::uint32_t clip_height,
                         CoverageSink& sink) const {
  if (!std::isfinite(origin_x) || !std::isfinite(origin_y) || !(scale > 0.0f)) return;
  // Split the origin into a whole pixel and a fraction: the outline is placed
  // at the fraction, the raster grid at the whole pixel.
  const double ox = std::floor(origin_x);
  const double oy = std::floor(origin_y);
  constexpr double kFarAway = 1e15;
  if (std::fabs(ox) > kFarAway || std::fabs(oy) > kFarAway) return;
  const auto ix = static_cast<std::int64_t>(ox);
  const auto iy = static_cast<std::int64_t>(oy);
  const double fx = origin_x - ox;
  const double fy = origin_y - oy;
  const double px = static_cast<double>(units_to_px(scale));

  const std::lock_guard lock(impl_->mutex);
  const FT_Face face = impl_->face;
  if (FT_Load_Glyph(face, glyph, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) {
    return;
  }
  FT_GlyphSlot slot = face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE || slot->outline.n_points <= 0) return;
  FT_Outline& outline = slot->outline;
  // Font units to 26.6 raster coordinates (y up), relative to the whole-pixel origin.
  constexpr double kMaxRasterPx = 16384.0;  // span columns are 16-bit
  for (int i = 0; i < outline.n_points; ++i) {
    const double x = fx + static_cast<double>(outline.points[i].x) * px;
    const double y = static_cast<double>(outline.points[i].y) * px - fy;
    if (std::fabs(x) > kMaxRasterPx || std::fabs(y) > kMaxRasterPx) return;
    outline.points[i].x = static_cast<FT_Pos>(std::lround(x * 64.0));
    outline.points[i].y = static_cast<FT_Pos>(std::lround(y * 64.0));
  }
  FT_BBox cbox;
  FT_Outline_Get_CBox(&outline, &cbox);
  // Raster columns c map to canvas x = ix + c, raster rows r to canvas y = iy - 1 - r.
  const std::int64_t c0 = std::max<std::int64_t>(cbox.xMin >> 6, -ix);
  const std::int64_t c1 = std::min<std::int64_t>((cbox.xMax + 63) >> 6,
                                                 static_cast<std::int64_t>(clip_width) - ix);
  const std::int64_t r0 = std::max<std::int64_t>(cbox.yMin >> 6,
                                                 iy - static_cast<std::int64_t>(clip_height));
  const std::int64_t r1 = std::min<std::int64_t>((cbox.yMax + 63) >> 6, iy);
  if (c0 >= c1 || r0 >= r1) return;

  SpanTarget target{&sink, ix, iy};
  FT_Raster_Params params{};
  params.source = &outline;
  params.flags = FT_RASTER_FLAG_AA | FT_RASTER_FLAG_DIRECT | FT_RASTER_FLAG_CLIP;
  params.gray_spans = forward_spans;
  params.user = &target;
  params.clip_box.xMin = static_cast<FT_Pos>(c0);
  params.clip_box.xMax = static_cast<FT_Pos>(c1);
  params.clip_box.yMin = static_cast<FT_Pos>(r0);
  params.clip_box.yMax = static_cast<FT_Pos>(r1);
  FT_Outline_Render(impl_->library, &outline, &params);
}

namespace {

std::optional<std::vector<std::uint8_t>> read_whole_file(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

struct FontCell {
  std::unique_ptr<PlotFont> font;
  std::string error;
};

std::atomic<int> g_font_loads{0};

const FontCell& font_cell() {
  // A function-local static is initialised exactly once even when several
  // threads arrive together; the cell is never destroyed (it lives as long as
  // the process, and plots may still run on other threads during exit).
  static const FontCell* const cell = [] {
    g_font_loads.fetch_add(1, std::memory_order_relaxed);
    std::optional<std::string> env_path;
    if (const char* env = std::getenv("VARENKO_PLOT_FONT"); env != nullptr && core::is_valid_utf8(env)) {
      env_path = env;
    }
    auto loaded = load_font_from_sources(embedded_font_data(), env_path, kFallbackFontPaths);
    auto* c = new FontCell;
    if (loaded) {
      c->font = std::move(loaded.value());
    } else {
      c->error = loaded.error();
    }
    return c;
  }();
  return *cell;
}

}  // namespace

core::Result<std::unique_ptr<PlotFont>> load_font_from_sources(
    std::span<const std::uint8_t> embedded, const std::optional<std::string>& env_path,
    std::span<const char* const> fallback_paths) {
  if (auto font = PlotFont::parse_static(embedded)) return font;
  auto try_path = [](const char* path) -> std::unique_ptr<PlotFont> {
    auto bytes = read_whole_file(path);
    if (!bytes) return nullptr;
    auto font = PlotFont::parse(std::move(*bytes));
    return font ? std::move(font.value()) : nullptr;
  };
  if (env_path) {
    if (auto font = try_path(env_path->c_str())) return font;
  }
  for (const char* path : fallback_paths) {
    if (auto font = try_path(path)) return font;
  }
  return core::fail(kFontLoadError);
}

core::Result<const PlotFont*> load_plot_font() {
  const FontCell& cell = font_cell();
  if (cell.font) return static_cast<const PlotFont*>(cell.font.get());
  return core::fail(cell.error);
}

int plot_font_load_count() { return g_font_loads.load(std::memory_order_relaxed); }

}  // namespace varenko::plot
