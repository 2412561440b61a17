// Text layout and compositing on a canvas. Measure and draw share one layout
// (scaled advances plus pair kerning); drawing composites each covered pixel
// with the colour whose alpha is scaled by the glyph coverage. Rotated text
// goes through a transparent scratch canvas that is then blended in.
#include "plot/text.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace varenko::plot {

namespace {

// Composites glyph coverage onto a canvas in one colour.
class CompositeSink final : public CoverageSink {
 public:
  CompositeSink(Canvas& canvas, Rgba colour) : canvas_(canvas), colour_(colour) {}
  void cover(std::int64_t x, std::int64_t y, std::uint8_t coverage) override {
    const float c = std::clamp(static_cast<float>(coverage) / 255.0f, 0.0f, 1.0f);
    Rgba src = colour_;
    src.a = static_cast<std::uint8_t>(static_cast<float>(colour_.a) * c);
    canvas_.blend_over(x, y, src);
  }

 private:
  Canvas& canvas_;
  Rgba colour_;
};

std::int64_t ceil_px(float v) {
  // Saturates far beyond any canvas, so absurd scales stay defined.
  constexpr std::int64_t kHuge = std::int64_t{1} << 62;
  if (!(v > 0.0f)) return 0;
  if (v >= static_cast<float>(kHuge)) return kHuge;
  return static_cast<std::int64_t>(std::ceil(v));
}

}  // namespace

TextSize measure_text(const PlotFont& font, float scale, std::string_view text) {
  if (text.empty()) return {};
  const TextLayout layout = font.layout(text, scale);
  return TextSize{ceil_px(layout.advance) + 1, ceil_px(scale)};
}

void draw_text(Canvas& canvas, const PlotFont& font, std::int64_t x, std::int64_t y, float scale,
               std::string_view text, Rgba colour) {
  if (text.empty() || colour.a == 0) return;
  const TextLayout layout = font.layout(text, scale);
  const double baseline = static_cast<double>(y) + static_cast<double>(font.ascent(scale));
  CompositeSink sink(canvas, colour);
  for (std::size_t i = 0; i < layout.glyphs.size(); ++i) {
    const double origin_x = static_cast<double>(x) + static_cast<double>(layout.pen_x[i]);
    font.rasterize(layout.glyphs[i], scale, origin_x, baseline, canvas.width(), canvas.height(),
                   sink);
  }
}

void draw_text_centered(Canvas& canvas, const PlotFont& font, std::int64_t centre_x,
                        std::int64_t y, float scale, std::string_view text, Rgba colour) {
  const TextSize size = measure_text(font, scale, text);
  draw_text(canvas, font, centre_x - size.width / 2, y, scale, text, colour);
}

void draw_text_right_aligned(Canvas& canvas, const PlotFont& font, std::int64_t right_x,
                             std::int64_t y, float scale, std::string_view text, Rgba colour) {
  const TextSize size = measure_text(font, scale, text);
  draw_text(canvas, font, right_x - size.width, y, scale, text, colour);
}

core::Status draw_vertical_text_centered(Canvas& canvas, const PlotFont& font,
                                         std::int64_t centre_x, std::int64_t centre_y,
                                         float scale, std::string_view text, Rgba colour) {
  const TextSize size = measure_text(font, scale, text);
  if (size.width == 0 || size.height == 0) return core::Status::success();
  constexpr std::int64_t kPadding = 8;  // room for glyph parts outside the layout box
  const std::int64_t sw = size.width + 2 * kPadding;
  const std::int64_t sh = size.height + 2 * kPadding;
  VARENKO_TRY(check_canvas_size(static_cast<std::uint64_t>(sw), static_cast<std::uint64_t>(sh)));
  VARENKO_ASSIGN_OR_RETURN(Canvas scratch, Canvas::create(static_cast<std::uint32_t>(sw),
                                                          static_cast<std::uint32_t>(sh),
                                                          Rgba{0, 0, 0, 0}));
  draw_text(scratch, font, kPadding, kPadding, scale, text, colour);
  VARENKO_ASSIGN_OR_RETURN(const Canvas r, scratch.rotated_270());
  const std::int64_t left = centre_x - static_cast<std::int64_t>(r.width()) / 2;
  const std::int64_t top = centre_y - static_cast<std::int64_t>(r.height()) / 2;
  for (std::uint32_t sy = 0; sy < r.height(); ++sy) {
    for (std::uint32_t sx = 0; sx < r.width(); ++sx) {
      const std::int64_t tx = left + sx;
      const std::int64_t ty = top + sy;
      if (!canvas.contains(tx, ty)) continue;
      const Rgba src = r.get(sx, sy);
      const float e = static_cast<float>(src.a) / 255.0f;
      if (e <= 0.0f) continue;
      const Rgba dst = canvas.get(static_cast<std::uint32_t>(tx), static_cast<std::uint32_t>(ty));
      auto mix = [e](std::uint8_t s, std::uint8_t t) {
        const float v = std::round(e * static_cast<float>(s) + (1.0f - e) * static_cast<float>(t));
        return static_cast<std::uint8_t>(std::clamp(v, 0.0f, 255.0f));
      };
      canvas.set(tx, ty, Rgba{mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b),
                              mix(src.a, dst.a)});
    }
  }
  return core::Status::success();
}

}  // namespace varenko::plot
