# A compressed manual page formats without a word from groff, warnings
# included:
#   cmake -DMANPAGE=... -P ManPageFormats.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ReadGzip.cmake)
read_gzip("${MANPAGE}" page)
execute_process(COMMAND gzip -dc "${MANPAGE}" COMMAND groff -man -ww -z
                RESULTS_VARIABLE statuses OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT statuses STREQUAL "0;0" OR NOT out STREQUAL "" OR NOT err STREQUAL "")
  message(FATAL_ERROR "groff on ${MANPAGE}: statuses ${statuses}:\n${out}${err}")
endif()
