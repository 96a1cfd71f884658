/* Build-time values of the JPEG library for the MinGW-w64 cross build. */
#define BUILD "quillpad"
#undef inline
#define INLINE __inline__ __attribute__((always_inline))
#define THREAD_LOCAL __thread
#define PACKAGE_NAME "libjpeg-turbo"
#define VERSION "2.1.5"
#define SIZEOF_SIZE_T 8  /* no HAVE_BUILTIN_CTZL: long is 32 bits on Windows */
#if defined(__has_attribute)
#if __has_attribute(fallthrough)
#define FALLTHROUGH __attribute__((fallthrough));
#else
#define FALLTHROUGH
#endif
#else
#define FALLTHROUGH
#endif
