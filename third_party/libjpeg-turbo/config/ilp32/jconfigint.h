/* libjpeg-turbo 2.1.5 configured for this project's page, WebAssembly's
   wasm32, and any other 32-bit target (ILP32: i386, armhf):
   as its CMake list writes this file with WITH_SIMD=0 WITH_TURBOJPEG=0
   WITH_ARITH_ENC=0 WITH_ARITH_DEC=1 (see third_party/README.md), with Debian's
   build number in the version string.
   Committed, not probed: check_config.c stops a build where it is wrong. */

/* libjpeg-turbo build number */
#define BUILD  "20230203"

/* Compiler's inline keyword */
#undef inline

/* How to obtain function inlining. */
#define INLINE  __inline__ __attribute__((always_inline))

/* How to obtain thread-local storage */
#define THREAD_LOCAL  

/* Define to the full name of this package. */
#define PACKAGE_NAME  "libjpeg-turbo"

/* Version number of package */
#define VERSION  "2.1.5"

/* The size of `size_t', as computed by sizeof. */
#define SIZEOF_SIZE_T  4

/* Define if your compiler has __builtin_ctzl() and sizeof(unsigned long) == sizeof(size_t). */
#define HAVE_BUILTIN_CTZL

/* Define to 1 if you have the <intrin.h> header file. */
/* #undef HAVE_INTRIN_H */

#if defined(_MSC_VER) && defined(HAVE_INTRIN_H)
#if (SIZEOF_SIZE_T == 8)
#define HAVE_BITSCANFORWARD64
#elif (SIZEOF_SIZE_T == 4)
#define HAVE_BITSCANFORWARD
#endif
#endif

#if defined(__has_attribute)
#if __has_attribute(fallthrough)
#define FALLTHROUGH  __attribute__((fallthrough));
#else
#define FALLTHROUGH
#endif
#else
#define FALLTHROUGH
#endif
