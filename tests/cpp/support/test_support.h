// Helpers shared by the C++ tests: exact-error assertions, reference data
// paths, JSON float decoding and temporary directories.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "core/result.h"

namespace varenko::test {

// Path of a file under tests/data (reference data committed with the project).
std::filesystem::path data_path(const std::string& relative);

// Loads a JSON file under tests/data.
nlohmann::json load_json(const std::string& relative);

// Decodes a float of the reference files: {"hex": ..., "dec": ...} (both are
// read and must agree), the string "nan", or a plain JSON number.
double json_f64(const nlohmann::json& v);

// A fresh empty directory, removed with its contents on destruction.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }
  // Writes `content` to a file in the directory and returns its path.
  std::filesystem::path write(const std::string& name, const std::string& content) const;

 private:
  std::filesystem::path path_;
};

// Bit-for-bit equality of doubles (NaN equals NaN, -0.0 differs from +0.0).
bool same_bits(double a, double b);

}  // namespace varenko::test

// Checks that a Result failed with exactly `msg`.
#define EXPECT_ERROR(expr, msg)                                   \
  do {                                                            \
    auto&& r_ = (expr);                                           \
    ASSERT_FALSE(r_.ok()) << "expected the error: " << (msg);     \
    EXPECT_EQ(r_.error(), (msg));                                 \
  } while (false)
