/* What the small test modules record of each call, read back by the tests
 * through the same library. */
#ifndef VELDRIX_SELECTION_TEST_MODULE_H
#define VELDRIX_SELECTION_TEST_MODULE_H

#include <stdint.h>

#define TM_MAX_RECORDS 64
#define TM_KEY_COUNT 6

struct tm_record {
    uint16_t funcode;
    uint16_t subfcode;
    uint32_t size;
    uint32_t blank;
    uint16_t vcc;
    uint8_t bits;
    uint8_t wralg;
    uint8_t page;
    char mfr[16];
    uint32_t keyValues[TM_KEY_COUNT];
};

#endif
