// Test helpers that read PNG files back: the chunk sequence of the raw
// stream and the decoded RGBA pixels (through libpng's simplified API).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "plot/canvas.h"

namespace varenko::test {

struct PngChunk {
  std::string type;
  std::vector<std::uint8_t> data;
};

// The chunks of a PNG file in stream order (empty when the signature is wrong).
std::vector<PngChunk> read_png_chunks(const std::filesystem::path& path);

// A decoded PNG image as RGBA rows.
struct DecodedPng {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::vector<std::uint8_t> rgba;
  [[nodiscard]] plot::Rgba at(std::uint32_t x, std::uint32_t y) const {
    const std::size_t o = (static_cast<std::size_t>(y) * width + x) * 4;
    return plot::Rgba{rgba[o], rgba[o + 1], rgba[o + 2], rgba[o + 3]};
  }
};

// Decodes a PNG file to 8-bit RGBA; width 0 on failure.
DecodedPng decode_png(const std::filesystem::path& path);

// Big-endian 32-bit value at `offset` of a chunk's data.
std::uint32_t be32(const std::vector<std::uint8_t>& data, std::size_t offset);

// The whole file as bytes (empty when it cannot be read).
std::vector<std::uint8_t> read_file_bytes(const std::filesystem::path& path);

}  // namespace varenko::test
