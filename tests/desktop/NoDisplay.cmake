# Runs the window with no display to open (-DDISPLAY=... names one that
# refuses the connection; empty: none at all) and checks that it says so in
# one line and exits with status 1: a line naming DISPLAY and
# WAYLAND_DISPLAY, or, with -DPLATFORM=... set as QT_QPA_PLATFORM (or
# -DARGUMENT=... given as "-platform ..."), one naming that variable (or the
# argument) and the platform, rather than the toolkit's abort.
set(env --unset=WAYLAND_DISPLAY)
if(DISPLAY)
  list(APPEND env DISPLAY=${DISPLAY})
else()
  list(APPEND env --unset=DISPLAY)
endif()
set(arguments)
if(PLATFORM)
  list(APPEND env QT_QPA_PLATFORM=${PLATFORM})
  set(named "QT_QPA_PLATFORM names \\(\"${PLATFORM}\"\\) cannot be started")
elseif(ARGUMENT)
  list(APPEND env --unset=QT_QPA_PLATFORM)
  set(arguments -platform ${ARGUMENT})
  set(named "-platform names \\(\"${ARGUMENT}\"\\) cannot be started")
else()
  list(APPEND env --unset=QT_QPA_PLATFORM)
  set(named "DISPLAY and WAYLAND_DISPLAY")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ${env} ${PROGRAM} ${arguments}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, not 1; standard error:\n${err}")
endif()
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(NOT lines EQUAL 1 OR NOT err MATCHES "^transformada-dct: [^\n]*${named}")
  message(FATAL_ERROR "expected one line naming ${named}, got:\n${err}")
endif()
if(NOT out STREQUAL "")
  message(FATAL_ERROR "standard output: ${out}")
endif()
