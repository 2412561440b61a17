// The process-wide plot font: the embedded variable font in its default
// instance, parsed once under a one-time guard (with a fallback list of system
// fonts only when the embedded data cannot be parsed). Glyph advances, pair
// kerning and anti-aliased coverage come from FreeType; every FreeType call of
// one font is serialised by its mutex, so a font may be shared by threads.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/result.h"

namespace varenko::plot {

// The message of a plot that found no usable font.
inline constexpr const char* kFontLoadError =
    "failed to load a plotting font; set VARENKO_PLOT_FONT to a readable .ttf/.otf file";

// Fonts tried, in order after VARENKO_PLOT_FONT, when the embedded font fails to parse.
inline constexpr const char* kFallbackFontPaths[] = {
    "C:/Windows/Fonts/segoeui.ttf",
    "C:/Windows/Fonts/arial.ttf",
    "/Library/Fonts/Arial.ttf",
    "/System/Library/Fonts/Supplemental/Arial.ttf",
    "/System/Library/Fonts/Supplemental/Arial Unicode.ttf",
    "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf",
    "/usr/share/fonts/fonts-go/Go-Regular.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
};

// Called for every covered pixel of a rasterised glyph with its canvas
// position and coverage 0-255.
class CoverageSink {
 public:
  virtual void cover(std::int64_t x, std::int64_t y, std::uint8_t coverage) = 0;

 protected:
  ~CoverageSink() = default;
};

// Glyphs of a text laid out on one line at a given scale.
struct TextLayout {
  std::vector<std::uint32_t> glyphs;  // glyph index of every code point
  std::vector<float> pen_x;           // each glyph's origin, pixels from the start
  float advance = 0.0f;               // sum of scaled advances and kerning
};

// A parsed font (face index 0, default instance, no hinting).
class PlotFont {
 public:
  ~PlotFont();
  PlotFont(const PlotFont&) = delete;
  PlotFont& operator=(const PlotFont&) = delete;

  // Parses font file bytes (kept alive by the font); fails when FreeType cannot parse them.
  [[nodiscard]] static core::Result<std::unique_ptr<PlotFont>> parse(
      std::vector<std::uint8_t> owned_data);
  // Parses bytes that outlive the font (the embedded data).
  [[nodiscard]] static core::Result<std::unique_ptr<PlotFont>> parse_static(
      std::span<const std::uint8_t> data);

  // Font units from ascent to descent (the height a text scale maps onto).
  [[nodiscard]] float height_units() const { return height_units_; }
  // Scaled ascent: the distance from the layout box top to the baseline.
  [[nodiscard]] float ascent(float scale) const;
  // Pixels per font unit at a text scale.
  [[nodiscard]] float units_to_px(float scale) const { return scale / height_units_; }

  // Glyph of a Unicode code point (0 when the font has none).
  [[nodiscard]] std::uint32_t glyph_index(char32_t code_point) const;
  // Unscaled horizontal advance of a glyph, in font units.
  [[nodiscard]] float advance_units(std::uint32_t glyph) const;
  // Unscaled pair kerning between two consecutive glyphs, in font units (0 without a kerning table).
  [[nodiscard]] float kerning_units(std::uint32_t left, std::uint32_t right) const;

  // Lays out UTF-8 text (invalid bytes read as U+FFFD): each glyph starts where
  // the previous one's scaled advance ends, plus the pair kerning between them.
  [[nodiscard]] TextLayout layout(std::string_view text, float scale) const;

  // Rasterises a glyph at `scale` with its origin (pen position on the
  // baseline) at (origin_x, origin_y) in canvas pixels, reporting only pixels
  // inside [0, clip_width) x [0, clip_height).
  void rasterize(std::uint32_t glyph, float scale, double origin_x, double origin_y,
                 std::uint32_t clip_width, std::uint32_t clip_height, CoverageSink& sink) const;

 private:
  struct Impl;
  explicit PlotFont(std::unique_ptr<Impl> impl);
  static core::Result<std::unique_ptr<PlotFont>> parse_impl(std::unique_ptr<Impl> impl,
                                                            std::span<const std::uint8_t> data);
  std::unique_ptr<Impl> impl_;
  float height_units_ = 1.0f;
  float ascender_units_ = 0.0f;
};

// The embedded font file bytes (carried in the program; no file is read).
[[nodiscard]] std::span<const std::uint8_t> embedded_font_data();

// The process-wide font, loaded on the first call; afterwards the same font or
// the same failure message is returned for the life of the process.
[[nodiscard]] core::Result<const PlotFont*> load_plot_font();

// How many times the process-wide cell has run its loader (0 or 1; for tests).
[[nodiscard]] int plot_font_load_count();

// One loading attempt as the process-wide cell makes it: the embedded bytes,
// then `env_path` (when given), then `fallback_paths`; the first font that
// parses wins, otherwise the error is kFontLoadError.
[[nodiscard]] core::Result<std::unique_ptr<PlotFont>> load_font_from_sources(
    std::span<const std::uint8_t> embedded, const std::optional<std::string>& env_path,
    std::span<const char* const> fallback_paths);

}  // namespace varenko::plot
