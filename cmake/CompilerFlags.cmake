# Pixel values must come out the same to the last bit on every build, so no
# optimisation may change how a double is rounded.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  # GCC fuses a*b+c into one rounding wherever the target has FMA; that changes
  # sums that lie within an ulp of an integer, and with them the rounded pixels.
  add_compile_options(-ffp-contract=off -fno-fast-math)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4 AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86|X86|AMD64|x86_64)$"
     AND NOT EMSCRIPTEN)
    # x87 keeps intermediates in 80 bits; SSE2 rounds every operation to double.
    # (WebAssembly rounds every operation to double by itself; its toolchain
    # calls itself x86, and -msse2 there would ask for vector instructions
    # that older browsers lack.)
    add_compile_options(-msse2 -mfpmath=sse)
  endif()
  add_compile_options(-Wall -Wextra -Wpedantic -Wconversion)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 warns falsely about "text" + std::string once inlined at -O3 (its bug 105329).
    add_compile_options(-Wno-restrict)
  endif()
  if(DCT_FUZZ)
    # Every library the fuzz targets call is instrumented too: the fuzzer is
    # led by the coverage of the code it tests, and the sanitizers watch
    # inside it, the picture decoder above all.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  endif()
  if(DCT_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

if(EMSCRIPTEN)
  # WebAssembly builds leave exceptions out unless asked; the program reports
  # a refused index through one, as on the desktop. The browser's own
  # exceptions: the emulated ones route every call that could unwind through
  # JavaScript, some 50,000 of them while the page starts.
  add_compile_options(-fwasm-exceptions)
  add_link_options(-fwasm-exceptions)
  # Emscripten 3.1.6 turns -Os into -fno-inline-functions, which leaves even
  # std::array's [] a call. The page is built for size all the same, with
  # small functions inlined again: a whole picture's blocks took some 15
  # times as long without, a 64-megapixel photograph 5.2 s rather than 1.3,
  # and WebKit's start of the page 490 ms rather than 377, for 42 KB more
  # of page. Inlining changes no rounding (-ffp-contract=off still holds).
  add_compile_options(-finline-functions)
endif()
