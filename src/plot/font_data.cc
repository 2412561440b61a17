// The embedded plot font: the Inter 4.001 variable font file (SIL Open Font
// License, third_party/inter) assembled into the read-only data of this
// object with .incbin, so no font file is read at run time. The build passes
// the file's absolute path as VARENKO_EMBEDDED_FONT_PATH and lists the file
// as a dependency of this source.
#include <cstdint>
#include <span>

#include "plot/font.h"

#ifndef VARENKO_EMBEDDED_FONT_PATH
#error "VARENKO_EMBEDDED_FONT_PATH must name the font file to embed"
#endif

// Hidden symbols: they resolve inside the module and are never exported.
__asm__(
    "  .pushsection .rodata.varenko_plot_font, \"a\", @progbits\n"
    "  .balign 16\n"
    "  .globl varenko_plot_font_begin\n"
    "  .hidden varenko_plot_font_begin\n"
    "varenko_plot_font_begin:\n"
    "  .incbin \"" VARENKO_EMBEDDED_FONT_PATH "\"\n"
    "  .globl varenko_plot_font_end\n"
    "  .hidden varenko_plot_font_end\n"
    "varenko_plot_font_end:\n"
    "  .popsection\n");

extern "C" {
__attribute__((visibility("hidden"))) extern const std::uint8_t varenko_plot_font_begin[];
__attribute__((visibility("hidden"))) extern const std::uint8_t varenko_plot_font_end[];
}

namespace varenko::plot {

std::span<const std::uint8_t> embedded_font_data() {
  return {varenko_plot_font_begin, varenko_plot_font_end};
}

}  // namespace varenko::plot
