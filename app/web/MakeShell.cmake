# Writes the page's shell: page.html.in with the font subset (FONT, woff2)
# inlined as base64, the notices of what the page carries (NOTICES, a list of
# files, joined by "|": the program's licence, the runtime's, the font's),
# and the sizes its style keeps the places of the window and the lesson by:
# their client areas in pixels, as PAGE_SIZES (run by NODE) prints them
# (ClientWidth, ClientHeight, FingerClientWidth, FingerClientHeight, and the
# same with Lesson before them), with the title bar and frame drawn around
# each.
execute_process(COMMAND base64 -w0 ${FONT} OUTPUT_VARIABLE FONT_BASE64 RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot encode ${FONT}")
endif()
set(NOTICE_TEXT "")
string(REPLACE "|" ";" NOTICES "${NOTICES}")
foreach(notice IN LISTS NOTICES)
  file(READ ${notice} text)
  string(APPEND NOTICE_TEXT "\n${text}")
endforeach()

execute_process(COMMAND ${NODE} ${PAGE_SIZES} OUTPUT_VARIABLE sizes RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot run ${PAGE_SIZES}")
endif()
cmake_language(EVAL CODE "${sizes}")

# The window around the client area, and the page's margins: wide, and on a
# phone, where every pixel counts.
set(TITLE_HEIGHT 24)
set(FRAME 1)
set(PAGE_MARGIN 16)
set(FINGER_MARGIN 8)
math(EXPR WINDOW_WIDTH "${ClientWidth} + 2 * ${FRAME}")
math(EXPR WINDOW_HEIGHT "${ClientHeight} + ${TITLE_HEIGHT} + 2 * ${FRAME}")
math(EXPR FINGER_WINDOW_WIDTH "${FingerClientWidth} + 2 * ${FRAME}")
math(EXPR FINGER_WINDOW_HEIGHT "${FingerClientHeight} + ${TITLE_HEIGHT} + 2 * ${FRAME}")
math(EXPR LESSON_WIDTH "${LessonClientWidth} + 2 * ${FRAME}")
math(EXPR LESSON_HEIGHT "${LessonClientHeight} + ${TITLE_HEIGHT} + 2 * ${FRAME}")
math(EXPR FINGER_LESSON_WIDTH "${LessonFingerClientWidth} + 2 * ${FRAME}")
math(EXPR FINGER_LESSON_HEIGHT "${LessonFingerClientHeight} + ${TITLE_HEIGHT} + 2 * ${FRAME}")
# The lesson goes beside the window where both fit with a gap between them.
set(FORMS_GAP 16)
math(EXPR SIDE_BY_SIDE_MIN "${WINDOW_WIDTH} + ${FORMS_GAP} + ${LESSON_WIDTH} + 2 * ${PAGE_MARGIN}")
# The challenge's strip: a 40-pixel target within a border and padding.
set(STRIP_HEIGHT 50)
# The layout for fingers takes over where the window no longer fits.
math(EXPR narrowest_wide "${WINDOW_WIDTH} + 2 * ${PAGE_MARGIN} - 1")
set(NARROW_MAX "${narrowest_wide}.98")
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
