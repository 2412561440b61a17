# find_package(ZLIB) inside third_party/ (FreeType's build asks for it): the
# bundled zlib target, never a copy installed on the system.
set(ZLIB_FOUND TRUE)
set(ZLIB_LIBRARIES varenko_zlib)
get_target_property(ZLIB_INCLUDE_DIRS varenko_zlib INTERFACE_INCLUDE_DIRECTORIES)
set(ZLIB_VERSION_STRING 1.2.13)
