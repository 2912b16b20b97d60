# stb_image, the picture decoder, comes from Debian's libstb-dev (version
# 2.27). It is copied into the build, so that no folder of the host reaches
# the browser's build, with a few mends: 2.27's JPEG bit reader, on a scan
# whose data end before its blocks do, takes bits that are not there, and
# its count of bits goes negative; the next byte is then shifted by 32 or
# more, undefined behaviour. Each mend stops the taking there, as later
# versions of stb_image do: no bits read as 0 bits, and a code longer than
# the bits left is a damaged file. A file that is not damaged decodes as
# before.
#
# dct_copy_stb_image(SOURCE DESTINATION) writes the mended copy; the build
# stops when SOURCE lacks a text that a mend replaces (another version).
function(dct_copy_stb_image source destination)
  file(READ ${source} text)
  set(no_bits "   if (j->code_bits < n) return 0; // the data ended: no more bits\n")
  set(mend1_from "   if (j->code_bits < n) stbi__grow_buffer_unsafe(j);\n")
  set(mend1_to "${mend1_from}${no_bits}")
  set(mend2_from "   if (j->code_bits < 1) stbi__grow_buffer_unsafe(j);\n")
  set(mend2_to "${mend2_from}   if (j->code_bits < 1) return 0; // the data ended: no more bits\n")
  # The fast path for AC codes, in sequential and in progressive scans.
  set(i 3)
  foreach(indent "         " "            ")
    set(mend${i}_from "${indent}k += (r >> 4) & 15; // run\n${indent}s = r & 15; // combined length\n")
    set(mend${i}_to "${mend${i}_from}${indent}if (s > j->code_bits) return stbi__err(\"bad huffman code\", \"Corrupt JPEG\");\n")
    math(EXPR i "${i} + 1")
  endforeach()
  foreach(i RANGE 1 4)
    string(FIND "${text}" "${mend${i}_from}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${source} is not the stb_image 2.27 that cmake/StbImage.cmake mends")
    endif()
    string(REPLACE "${mend${i}_from}" "${mend${i}_to}" text "${text}")
  endforeach()
  # Written only when it changes, so that a configure run rebuilds nothing.
  file(WRITE ${destination}.new "${text}")
  configure_file(${destination}.new ${destination} COPYONLY)
  file(REMOVE ${destination}.new)
endfunction()
