#include "support/test_support.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace varenko::test {

std::filesystem::path data_path(const std::string& relative) {
  return std::filesystem::path(VARENKO_TEST_DATA_DIR) / relative;
}

nlohmann::json load_json(const std::string& relative) {
  std::ifstream in(data_path(relative));
  if (!in) throw std::runtime_error("cannot open test data " + relative);
  return nlohmann::json::parse(in);
}

double json_f64(const nlohmann::json& v) {
  if (v.is_string()) {
    if (v.get<std::string>() == "nan") return std::nan("");
    throw std::runtime_error("unexpected float string " + v.get<std::string>());
  }
  if (v.is_number()) return v.get<double>();
  const std::string hex = v.at("hex").get<std::string>();
  const std::string dec = v.at("dec").get<std::string>();
  const double a = std::strtod(hex.c_str(), nullptr);
  const double b = std::strtod(dec.c_str(), nullptr);
  if (!same_bits(a, b)) throw std::runtime_error("hex and dec disagree: " + hex + " " + dec);
  return a;
}

bool same_bits(double a, double b) {
  if (std::isnan(a) && std::isnan(b)) return true;
  std::uint64_t x = 0;
  std::uint64_t y = 0;
  std::memcpy(&x, &a, sizeof x);
  std::memcpy(&y, &b, sizeof y);
  return x == y;
}

TempDir::TempDir() {
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = std::filesystem::temp_directory_path() /
                     ("varenko-test-" + std::to_string(rd()) + std::to_string(attempt));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::filesystem::path TempDir::write(const std::string& name, const std::string& content) const {
  auto p = path_ / name;
  std::ofstream out(p, std::ios::binary);
  out << content;
  return p;
}

}  // namespace varenko::test
