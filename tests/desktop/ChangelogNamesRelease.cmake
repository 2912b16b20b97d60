# The changelog's newest entry is the release that the build names: its
# version, for the package of that name, and its day, with the right day of
# the week:
#   cmake -DCHANGELOG=... -DPACKAGE=... -DVERSION=... -DDATE=YYYY-MM-DD -P ChangelogNamesRelease.cmake
include(${CMAKE_CURRENT_LIST_DIR}/ReadGzip.cmake)
read_gzip("${CHANGELOG}" changelog)
string(REPLACE "." "\\." version_pattern "${VERSION}")
if(NOT changelog MATCHES "^${PACKAGE} \\(${version_pattern}\\) [a-z-]+; urgency=[a-z]+\n")
  string(REGEX MATCH "^[^\n]*" first "${changelog}")
  message(FATAL_ERROR "${CHANGELOG} begins with '${first}', not ${PACKAGE} (${VERSION})")
endif()
if(NOT changelog MATCHES "\n -- [^<\n]+ <[^>\n]+>  ([^\n]+)\n")
  message(FATAL_ERROR "${CHANGELOG}: the newest entry has no line naming its author and date")
endif()
set(stamp "${CMAKE_MATCH_1}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -d "${DATE}" "+%a, %d %b %Y"
                OUTPUT_VARIABLE day OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "date cannot read ${DATE}")
endif()
if(NOT stamp MATCHES "^${day} [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [+-][0-9][0-9][0-9][0-9]$")
  message(FATAL_ERROR "${CHANGELOG}: the newest entry is dated '${stamp}', not ${day}")
endif()
