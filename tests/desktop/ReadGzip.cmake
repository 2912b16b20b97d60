# read_gzip(FILE VARIABLE): the text of FILE, which must be compressed as
# Debian compresses manual pages and changelogs, gzip -9n: its header holds
# no file name and no time (so that every build makes the same bytes) and
# says the strongest compression.
function(read_gzip file variable)
  file(READ "${file}" header LIMIT 10 HEX)
  # ID1 ID2 CM, FLG (no name, no extras), MTIME (none), XFL (2: -9), OS.
  if(NOT header MATCHES "^1f8b08000000000002..$")
    message(FATAL_ERROR "${file}: the gzip header ${header} is not 1f8b0800 00000000 02xx, "
                        "as gzip -9n writes it")
  endif()
  execute_process(COMMAND gzip -dc "${file}" OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip -dc ${file} failed: ${status}")
  endif()
  set(${variable} "${text}" PARENT_SCOPE)
endfunction()
