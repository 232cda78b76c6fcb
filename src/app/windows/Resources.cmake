# Miravel.exe: a window program (no console window of its own; the headless
# commands borrow the one they are started from), with its icon, version
# resource and manifest (per-monitor DPI, no administrator rights).
set(MIRAVEL_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MIRAVEL_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(MIRAVEL_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(MIRAVEL_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/Miravel.manifest)
configure_file(${MIRAVEL_WINDOWS_DIR}/Miravel.manifest ${MIRAVEL_MANIFEST} @ONLY)
configure_file(${MIRAVEL_WINDOWS_DIR}/Miravel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/Miravel.rc @ONLY)
target_sources(miravel PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/Miravel.rc)
set_target_properties(miravel PROPERTIES OUTPUT_NAME Miravel WIN32_EXECUTABLE ON)
