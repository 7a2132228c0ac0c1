/* veldrix-probe: loads one plug-in library and exits, so that the program
   learns in a process of its own whether loading the file brings a process
   down (a truncated file, a constructor that faults) before it loads it
   itself. */

#include <dlfcn.h>
#include <stddef.h>

#include "ProbeProtocol.h"

#if defined(__SANITIZE_ADDRESS__)
#define VELDRIX_PROBE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELDRIX_PROBE_ASAN 1
#endif
#endif

#ifdef VELDRIX_PROBE_ASAN
/* Built like the program (a sanitized plug-in needs the sanitizer's runtime
   first), the helper must still die of the signal a library raises instead
   of reporting it and exiting; what the library leaks is no concern here. */
const char* __asan_default_options(void);
const char* __asan_default_options(void) {
    return "handle_segv=0:handle_sigbus=0:handle_sigill=0:handle_sigfpe=0:handle_abort=0:"
           "detect_leaks=0";
}
#endif

int main(int argc, char** argv) {
    if (argc != 2) {
        return VELDRIX_PROBE_USAGE;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (library == NULL) {
        return VELDRIX_PROBE_REFUSED;
    }
    /* The program unloads its libraries too: their destructors are tried. */
    dlclose(library);
    return VELDRIX_PROBE_LOADED;
}
