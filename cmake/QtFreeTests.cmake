# The tests of the layers without Qt (core, file and grades) as one program, with
# GoogleTest built from its sources by the same compiler (Debian's
# googletest package), so that it can be cross-built for Windows.
set(MIRAVEL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MIRAVEL_GTEST_SOURCE} googletest EXCLUDE_FROM_ALL)

file(GLOB QT_FREE_TEST_SOURCES CONFIGURE_DEPENDS tests/core/*.cpp tests/file/*.cpp tests/grades/*.cpp)
set(test_data ${PROJECT_SOURCE_DIR}/tests/data)
if(WIN32)
  # Killing a saving child process needs fork(); Windows has none.
  list(FILTER QT_FREE_TEST_SOURCES EXCLUDE REGEX "/KillPointTest\\.cpp$")
  # Wine shows the machine's root folder as drive Z:.
  set(test_data Z:${test_data})
endif()
add_executable(qtfree_tests ${QT_FREE_TEST_SOURCES})
target_include_directories(qtfree_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(qtfree_tests PRIVATE MIRAVEL_TEST_DATA="${test_data}")
target_link_libraries(qtfree_tests PRIVATE miravel_grades miravel_file gtest gtest_main)
set_target_properties(qtfree_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME qtfree_tests COMMAND qtfree_tests)
