# Builds the Debian package from the build into a scratch folder and has
# lintian judge it: nothing at error or warning level.
#   cmake -DBUILD_DIR=... -DWORK=... -DCPACK=... -P CheckPackage.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package ${WORK}/miravel_*.deb)
if(NOT result EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack made no package: ${out}")
endif()

find_program(LINTIAN lintian)
if(NOT LINTIAN)
  message(STATUS "lintian not installed: ${package} not checked")
  return()
endif()
execute_process(COMMAND ${LINTIAN} --display-level ">=warning" ${package}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian finds fault with ${package}:\n${out}")
endif()
message(STATUS "lintian accepts ${package}")
