# libsodium, found by its header and library alone so that a cross build can
# point CMAKE_PREFIX_PATH at its own copy (no pkg-config there).
find_path(SODIUM_INCLUDE_DIR sodium.h REQUIRED)
find_library(SODIUM_LIBRARY NAMES sodium libsodium REQUIRED)
if(NOT TARGET Sodium::sodium)
  add_library(Sodium::sodium UNKNOWN IMPORTED)
  set_target_properties(Sodium::sodium PROPERTIES IMPORTED_LOCATION "${SODIUM_LIBRARY}"
                                                  INTERFACE_INCLUDE_DIRECTORIES "${SODIUM_INCLUDE_DIR}")
  # A static libsodium on Windows must be told so before sodium.h is read.
  if(WIN32 AND SODIUM_LIBRARY MATCHES "\\.a$")
    set_property(TARGET Sodium::sodium PROPERTY INTERFACE_COMPILE_DEFINITIONS SODIUM_STATIC)
  endif()
endif()
