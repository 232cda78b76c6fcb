# Makes the Debian package into a scratch folder; lintian may find nothing
# in it at error or warning level.  cmake -DBUILD_DIR= -DWORK= -DCPACK= -P CheckPackage.cmake
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK}
                RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB package ${WORK}/miravel_*.deb)
if(NOT result EQUAL 0 OR NOT package)
  message(FATAL_ERROR "cpack made no package: ${out}")
endif()
find_program(LINTIAN lintian)
if(LINTIAN)
  execute_process(COMMAND ${LINTIAN} ${package} OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(out MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian finds fault with ${package}:\n${out}")
  endif()
endif()
