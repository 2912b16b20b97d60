# Writes a C++ header (OUTPUT) that holds the bytes of a file (INPUT) as the
# array NAME, in namespace dct, so that the programs carry the file without
# reading it at run time. Run with cmake -P; needs nothing but CMake.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# Sixteen bytes to a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
  "// Made by cmake/EmbedBytes.cmake from ${INPUT}; do not edit.\n"
  "#pragma once\n\n#include <array>\n\nnamespace dct {\n\n"
  "inline constexpr std::array<unsigned char, ${size}> ${NAME}{\n${bytes}};\n\n"
  "}  // namespace dct\n")
