# Writes the man page: the template with the program's own --help text as its
# OPTIONS section, so the two can never disagree.
#   cmake -DPROGRAM=... -DTEMPLATE=... -DOUTPUT=... -DVERSION=... -P ManPage.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE usage RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()
# roff reads a backslash as an escape and a leading dot or quote as a request.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" usage "${usage}")
string(REGEX REPLACE "\n$" "" usage "${usage}")
file(READ ${TEMPLATE} page)
string(REPLACE "@OPTIONS@" "${usage}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
