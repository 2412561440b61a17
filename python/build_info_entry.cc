// build_info: the private entry behind `varenkopy info`. Says how this module
// was built and what it finds at run time, for bug reports: the compiler, each
// compiled dependency's version from its headers (what the module was compiled
// against) and, where the library can say, from the library itself (what
// actually runs), where the dependency came from, the integer kernels the
// multilevel sampler picks on this processor and the worker pool's size.
#include <cstddef>
#include <string>
#include <vector>

#include <boost/version.hpp>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <png.h>
#include <tbb/version.h>
#include <zlib.h>

#include "convert.h"
#include "core/worker_pool.h"
#include "entries.h"
#include "esruler_compat/kernels.h"

// Where each dependency came from ("bundled": built from the sources kept with
// the package; "system": found installed on the build machine), set by the
// build; "unknown" when a build does not say.
#ifndef VARENKO_ORIGIN_TBB
#define VARENKO_ORIGIN_TBB "unknown"
#endif
#ifndef VARENKO_ORIGIN_BOOST
#define VARENKO_ORIGIN_BOOST "unknown"
#endif
#ifndef VARENKO_ORIGIN_PNG
#define VARENKO_ORIGIN_PNG "unknown"
#endif
#ifndef VARENKO_ORIGIN_FREETYPE
#define VARENKO_ORIGIN_FREETYPE "unknown"
#endif
#ifndef VARENKO_ORIGIN_ZLIB
#define VARENKO_ORIGIN_ZLIB "unknown"
#endif

namespace varenko::py {

const char kBuildInfoDoc[] =
    "build_info()\n--\n\n"
    "Private entry of the package: a dict with the 'compiler', the compiled\n"
    "'dependencies' (name -> dict of 'compiled' and 'runtime' version, None where\n"
    "the library cannot say, and 'origin'), the 'kernels' of the multilevel\n"
    "sampler ('AVX-512' or 'portable'), 'pool_threads' (None while no analysis\n"
    "has created the worker pool) and 'default_threads'.";

namespace {

struct Dependency {
  const char* name;
  std::string compiled;
  std::string runtime;  // empty: the library has no run-time version call
  const char* origin;
};

std::string compiler() {
#if defined(__clang__)
  return "Clang " __clang_version__;
#elif defined(__GNUC__)
  return "GCC " __VERSION__;
#elif defined(_MSC_VER)
  return "MSVC " + std::to_string(_MSC_FULL_VER);
#else
  return "unknown";
#endif
}

// FreeType reports its version through a library instance; a failed
// initialisation leaves the run-time version unknown.
std::string freetype_runtime() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return {};
  FT_Int major = 0;
  FT_Int minor = 0;
  FT_Int patch = 0;
  FT_Library_Version(library, &major, &minor, &patch);
  FT_Done_FreeType(library);
  return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}

std::vector<Dependency> dependencies() {
  const auto dotted = [](long a, long b, long c) {
    return std::to_string(a) + "." + std::to_string(b) + "." + std::to_string(c);
  };
  return {
      {"oneTBB", dotted(TBB_VERSION_MAJOR, TBB_VERSION_MINOR, TBB_VERSION_PATCH),
       TBB_runtime_version(), VARENKO_ORIGIN_TBB},
      // Boost is used header-only: there is no library to ask at run time.
      {"Boost", dotted(BOOST_VERSION / 100000, BOOST_VERSION / 100 % 1000, BOOST_VERSION % 100),
       "", VARENKO_ORIGIN_BOOST},
      {"libpng", PNG_LIBPNG_VER_STRING, png_get_libpng_ver(nullptr), VARENKO_ORIGIN_PNG},
      {"FreeType", dotted(FREETYPE_MAJOR, FREETYPE_MINOR, FREETYPE_PATCH), freetype_runtime(),
       VARENKO_ORIGIN_FREETYPE},
      {"zlib", ZLIB_VERSION, zlibVersion(), VARENKO_ORIGIN_ZLIB},
  };
}

// The kernels every run of this process uses (the analysis never asks for
// the portable ones where the wider ones run).
const char* kernels() {
#if defined(__x86_64__)
  return esruler_compat::has_avx512() ? "AVX-512" : "portable";
#else
  return "portable";
#endif
}

// Sets dict[key] = value, taking ownership of value; false with an exception set.
bool put(PyObject* dict, const char* key, PyObject* value) {
  PyRef owned = PyRef::steal(value);
  if (!owned) return false;
  return PyDict_SetItemString(dict, key, owned.get()) == 0;
}

PyObject* text_or_none(const std::string& text) {
  if (text.empty()) Py_RETURN_NONE;
  return PyUnicode_FromStringAndSize(text.data(), static_cast<Py_ssize_t>(text.size()));
}

PyObject* dependency_dict(const Dependency& dep) {
  PyRef dict = PyRef::steal(PyDict_New());
  if (!dict || !put(dict.get(), "compiled", text_or_none(dep.compiled)) ||
      !put(dict.get(), "runtime", text_or_none(dep.runtime)) ||
      !put(dict.get(), "origin", PyUnicode_FromString(dep.origin))) {
    return nullptr;
  }
  return dict.release();
}

}  // namespace

PyObject* build_info_entry(PyObject* module, PyObject* /*args*/) {
  return guard_entry(module, [&]() -> PyObject* {
    const std::vector<Dependency> deps = dependencies();
    const std::string compiled_by = compiler();
    const std::size_t pool = core::existing_worker_pool_threads();

    PyRef by_name = PyRef::steal(PyDict_New());
    if (!by_name) return nullptr;
    for (const Dependency& dep : deps) {
      PyRef entry = PyRef::steal(dependency_dict(dep));
      if (!entry || PyDict_SetItemString(by_name.get(), dep.name, entry.get()) < 0) return nullptr;
    }
    PyRef info = PyRef::steal(PyDict_New());
    if (!info || !put(info.get(), "compiler", text_or_none(compiled_by)) ||
        !put(info.get(), "dependencies", by_name.release()) ||
        !put(info.get(), "kernels", PyUnicode_FromString(kernels())) ||
        !put(info.get(), "pool_threads", pool == 0 ? Py_NewRef(Py_None) : PyLong_FromSize_t(pool)) ||
        !put(info.get(), "default_threads", PyLong_FromSize_t(core::default_worker_pool_threads()))) {
      return nullptr;
    }
    return info.release();
  });
}

}  // namespace varenko::py
