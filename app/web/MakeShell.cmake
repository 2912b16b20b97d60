# Writes the page's shell: page.html.in with the font subset (FONT, woff2)
# inlined as base64, and the notices of what the page carries (NOTICES, a
# list of files, joined by "|": the program's licence, the runtime's, the
# font's).
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
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
