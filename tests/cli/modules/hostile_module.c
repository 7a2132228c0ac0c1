/* A chip family module that misbehaves on purpose, built once per fault:
 * HM_FAULT 0 behaves (and publishes a binary and a decimal key), 1 faults
 * while identifying itself, 2 faults reading, 3 aborts reading, 4 overflows
 * its stack reading, 5 places its third area where no image can reach.
 * Every variant offers read and write. */
#include <stdlib.h>

#include "dlldata.h"

#define HM_EXPORT __attribute__((visibility("default")))

static CfgKey keys[] = {
    {'B', "Mode", 0, 5, 0},
    {'D', "Tpw", 0, 100, 0},
    {0, "", 0, 0, 0},
};

#if HM_FAULT == 4
/* Never returns: the stack overflow is the point. */
#pragma GCC diagnostic ignored "-Winfinite-recursion"
static int descend(volatile int depth) {
    volatile char frame[4096];
    frame[0] = (char)depth;
    return descend(depth + 1) + frame[0];
}
#endif

static void misbehave(uint16_t funcode) {
#if HM_FAULT == 1
    if (funcode == DD_FN_IDENTIFY) {
        *(volatile int*)0 = 1;
    }
#elif HM_FAULT == 2
    if (funcode == DD_FN_READ) {
        *(volatile int*)0 = 1;
    }
#elif HM_FAULT == 3
    if (funcode == DD_FN_READ) {
        abort();
    }
#elif HM_FAULT == 4
    if (funcode == DD_FN_READ) {
        (void)descend(0);
    }
#else
    (void)funcode;
#endif
}

static void placeAreas(dlldata* block) {
#if HM_FAULT == 5
    if (block->funcode == DD_FN_SELECT) {
        block->extofs = 0xFFFFFF00u;
        block->extlen = 0x200u;
    }
#else
    (void)block;
#endif
}

HM_EXPORT int32_t dmain(dlldata* block) {
    misbehave(block->funcode);
    placeAreas(block);
    if (block->funcode == DD_FN_IDENTIFY) {
        block->version = 6;
        block->funcs[DD_FN_READ] = 1;
        block->funcs[DD_FN_WRITE] = 1;
        block->keys = keys;
        block->about = "hostile test module";
    }
    return 0;
}
