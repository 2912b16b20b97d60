# Each argument list that the window does not understand is refused before
# any window opens: status 2, the culprit named on standard error, then the
# usage; nothing on standard output.
#   cmake -DPROGRAM=... -P BadArguments.cmake
# Each case: the arguments, separated by blanks, then "|" and what is said;
# <ESC> and <LF> stand for an escape character and a line feed, which reach
# the terminal escaped, on the one line.
set(cases "--bogus|'--bogus': unknown option" "--seed=x|'--seed x': not a number"
          "--seed|--seed needs a number" "--seed 4294967296|'--seed 4294967296': not a number"
          "--bo<ESC>gus|'--bo\\\\x1Bgus': unknown option"
          "--seed=1<LF>2|'--seed 1\\\\x0A2': not a number")
string(ASCII 27 escape)
foreach(case IN LISTS cases)
  string(FIND "${case}" "|" bar)
  string(SUBSTRING "${case}" 0 ${bar} arguments)
  math(EXPR bar "${bar} + 1")
  string(SUBSTRING "${case}" ${bar} -1 said)
  separate_arguments(parts UNIX_COMMAND "${arguments}")
  string(REPLACE "<ESC>" "${escape}" parts "${parts}")
  string(REPLACE "<LF>" "\n" parts "${parts}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} ${parts}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "^transformada-dct: ${said}"
     OR NOT lines EQUAL 2
     OR NOT err MATCHES "\nusage: transformada-dct \\[--licao\\]")
    message(FATAL_ERROR "${parts}: status ${status}, standard output '${out}', error:\n${err}")
  endif()
endforeach()
