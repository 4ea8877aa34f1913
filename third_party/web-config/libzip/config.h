#ifndef HAD_CONFIG_H
#define HAD_CONFIG_H
/* config.h for the WebAssembly build, written by hand from cmake-config.h.in
   of libzip 1.7.3: what emscripten's musl offers; no encryption, bzip2 or xz. */
#ifndef _HAD_ZIPCONF_H
#include "zipconf.h"
#endif
#define HAVE_FILENO
#define HAVE_FSEEKO
#define HAVE_FTELLO
#define HAVE_LOCALTIME_R
#define HAVE_MKSTEMP
#define HAVE_SNPRINTF
#define HAVE_STRCASECMP
#define HAVE_STRDUP
#define HAVE_STRTOLL
#define HAVE_STRTOULL
#define HAVE_STRUCT_TM_TM_ZONE
#define HAVE_STDBOOL_H
#define HAVE_STRINGS_H
#define HAVE_UNISTD_H
#define HAVE_DIRENT_H
#define SIZEOF_OFF_T 8
#define SIZEOF_SIZE_T 4
#define PACKAGE "libzip"
#define VERSION "1.7.3"
#endif /* HAD_CONFIG_H */
