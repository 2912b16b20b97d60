# The manual page of dct-block describes every option that the program's
# --help lists (but for the --option=VALUE of the text that explains them), and names the version that its --version prints:
#   cmake -DPROGRAM=... -DMANPAGE=... -P ManPageMatchesProgram.cmake
execute_process(COMMAND "${PROGRAM}" --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
execute_process(COMMAND "${PROGRAM}" --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version MATCHES "^dct-block ([^\n]+)\n$")
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
