# Writes the page's shell: page.html.in with the font subset (FONT, woff2)
# inlined as base64 and the font's notice beside it.
execute_process(COMMAND base64 -w0 ${FONT} OUTPUT_VARIABLE FONT_BASE64 RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot encode ${FONT}")
endif()
file(READ ${NOTICE} FONT_NOTICE)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
