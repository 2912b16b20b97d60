/* The configuration headers under config/ are committed rather than probed
   when the build is configured; this file, compiled into the library, stops
   the build where the folder chosen does not describe the target. */
#include <stddef.h>

#include "jconfig.h"
#include "jconfigint.h"

_Static_assert(sizeof(size_t) == SIZEOF_SIZE_T, "config/: SIZEOF_SIZE_T is not this target's");
#ifdef HAVE_BUILTIN_CTZL
_Static_assert(sizeof(unsigned long) == sizeof(size_t),
               "config/: HAVE_BUILTIN_CTZL needs unsigned long as wide as size_t");
#endif
#if BITS_IN_JSAMPLE != 8 || defined(WITH_SIMD) || !defined(D_ARITH_CODING_SUPPORTED)
#error "config/: 8-bit samples, no SIMD and arithmetic decoding are what the CMake list compiles"
#endif
