/* A plug-in library that faults while it is being loaded: its constructor
   writes through a null pointer. It exports a module entry and a driver's
   init, so that only the fault keeps it from being a module or a driver. */

#include <stdint.h>

static void faultWhileLoading(void) __attribute__((constructor));

static void faultWhileLoading(void) {
    volatile int* nowhere = (volatile int*)(uintptr_t)0;
    *nowhere = 1;
}

__attribute__((visibility("default"))) int dmain(void* block) {
    (void)block;
    return 0;
}

__attribute__((visibility("default"))) uint8_t init(void) {
    return 0;
}
