# Writes the man page: the template with the program's own --help text as its
# SYNOPSIS and OPTIONS sections, so the two can never disagree.
#   cmake -DPROGRAM=... -DTEMPLATE=... -DOUTPUT=... -DVERSION=... -P ManPage.cmake
cmake_minimum_required(VERSION 3.22)
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE usage RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()
# roff reads a backslash as an escape and a leading dot or quote as a request.
string(REPLACE "\\" "\\e" usage "${usage}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" usage "${usage}")
string(REGEX REPLACE "\n$" "" usage "${usage}")
# The usage lines before the first empty line are the synopsis (without the
# "使い方:" and the indentation); the rest lists the options.
string(FIND "${usage}" "\n\n" split)
if(split EQUAL -1)
  message(FATAL_ERROR "${PROGRAM} --help has no empty line after its usage lines")
endif()
string(SUBSTRING "${usage}" 0 ${split} synopsis)
math(EXPR rest "${split} + 2")
string(SUBSTRING "${usage}" ${rest} -1 options)
string(REGEX REPLACE "^[^:]*: *" "" synopsis "${synopsis}")
string(REGEX REPLACE "\n *" "\n" synopsis "${synopsis}")
file(READ ${TEMPLATE} page)
string(REPLACE "@SYNOPSIS@" "${synopsis}" page "${page}")
string(REPLACE "@OPTIONS@" "${options}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
