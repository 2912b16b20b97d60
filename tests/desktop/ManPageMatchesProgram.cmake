# A program's manual page describes every option that the program's --help
# lists (but for the --option=VALUE of the text that explains them), and
# names the version that its --version prints; both print on standard
# output, nothing else, and exit with status 0 (the window's without a
# display, as they open none):
#   cmake -DPROGRAM=... -DMANPAGE=... -P ManPageMatchesProgram.cmake
get_filename_component(name "${PROGRAM}" NAME)
set(no_display --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM)
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${no_display} "${PROGRAM}" --help
                OUTPUT_VARIABLE help ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT help MATCHES "^[Uu]sage: ${name} ")
  message(FATAL_ERROR "${PROGRAM} --help: status ${status}, said '${err}', printed:\n${help}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${no_display} "${PROGRAM}" --version
                OUTPUT_VARIABLE version ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT err STREQUAL "" OR NOT version MATCHES "^${name} ([^\n]+)\n$")
  message(FATAL_ERROR "${PROGRAM} --version: status ${status}, printed '${version}'")
endif()
set(version "${CMAKE_MATCH_1}")

include(${CMAKE_CURRENT_LIST_DIR}/ReadGzip.cmake)
read_gzip("${MANPAGE}" page)
# troff writes a hyphen of an option as \- and switches fonts with \fB, \fI, \fR
string(REPLACE "\\-" "-" page "${page}")
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")

set(missing)
string(REGEX MATCHALL "--[a-z][a-z-]*[a-z]" options "${help}")
list(REMOVE_DUPLICATES options)
list(REMOVE_ITEM options --option)
# Each option heads a paragraph of its own in OPTIONS: .TP, then the option.
foreach(option IN LISTS options)
  if(NOT page MATCHES "\n\\.TP\n\\.B[IR]? [^\n]*${option}([^a-z-]|\n)")
    list(APPEND missing "${option}")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "${MANPAGE} does not describe: ${missing}")
endif()
string(REPLACE "." "\\." version_pattern "${version}")
if(NOT page MATCHES "\n\\.TH [^\n]*\"Transformada DCT ${version_pattern}\"")
  message(FATAL_ERROR "${MANPAGE}: the .TH line does not name version ${version}")
endif()
