// Reading PNG files back for the plot tests.
#include "png_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

#include <png.h>

namespace varenko::test {

std::vector<std::uint8_t> read_file_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t be32(const std::vector<std::uint8_t>& data, std::size_t offset) {
  return (std::uint32_t{data[offset]} << 24) | (std::uint32_t{data[offset + 1]} << 16) |
         (std::uint32_t{data[offset + 2]} << 8) | std::uint32_t{data[offset + 3]};
}

std::vector<PngChunk> read_png_chunks(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = read_file_bytes(path);
  static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<PngChunk> chunks;
  if (bytes.size() < 8 || std::memcmp(bytes.data(), kSignature, 8) != 0) return chunks;
  std::size_t pos = 8;
  while (pos + 12 <= bytes.size()) {
    const std::uint32_t length = be32(bytes, pos);
    if (pos + 12 + length > bytes.size()) break;
    PngChunk chunk;
    chunk.type.assign(bytes.begin() + static_cast<std::ptrdiff_t>(pos + 4),
                      bytes.begin() + static_cast<std::ptrdiff_t>(pos + 8));
    chunk.data.assign(bytes.begin() + static_cast<std::ptrdiff_t>(pos + 8),
                      bytes.begin() + static_cast<std::ptrdiff_t>(pos + 8 + length));
    chunks.push_back(std::move(chunk));
    pos += 12 + length;
  }
  return chunks;
}

DecodedPng decode_png(const std::filesystem::path& path) {
  DecodedPng out;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return out;
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> buffer(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, buffer.data(), 0, nullptr) == 0) {
    png_image_free(&image);
    return out;
  }
  out.width = image.width;
  out.height = image.height;
  out.rgba = std::move(buffer);
  return out;
}

}  // namespace varenko::test
