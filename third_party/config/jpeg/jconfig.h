/* The JPEG library as the Windows build compiles it: 8-bit samples, memory source and
   destination, arithmetic decoding, no SIMD. */
#define JPEG_LIB_VERSION 62
#define LIBJPEG_TURBO_VERSION 2.1.5
#define LIBJPEG_TURBO_VERSION_NUMBER 2001005
#define D_ARITH_CODING_SUPPORTED 1
#define MEM_SRCDST_SUPPORTED 1
#define BITS_IN_JSAMPLE 8
