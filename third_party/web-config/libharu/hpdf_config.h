/* libharu's configuration for emscripten, written by hand from
   include/hpdf_config.h.cmake: zlib from third_party/zlib, no libpng (the
   pages hold no images). */
#define LIBHPDF_HAVE_INTTYPES_H 1
#define LIBHPDF_HAVE_LIBZ 1
#define LIBHPDF_HAVE_MEMORY_H 1
#define LIBHPDF_HAVE_STDINT_H 1
#define LIBHPDF_HAVE_STDLIB_H 1
#define LIBHPDF_HAVE_STRINGS_H 1
#define LIBHPDF_HAVE_STRING_H 1
#define LIBHPDF_HAVE_SYS_STAT_H 1
#define LIBHPDF_HAVE_SYS_TYPES_H 1
#define LIBHPDF_HAVE_UNISTD_H 1
#define LIBHPDF_HAVE_NOPNGLIB 1
#define HPDF_NOPNGLIB 1
#define LIBHPDF_PACKAGE_NAME "libHaru"
#define LIBHPDF_PACKAGE_VERSION "2.3.0"
#define LIBHPDF_STDC_HEADERS 1
