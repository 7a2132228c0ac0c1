/* A chip family module reduced to what the selection code relies on. Built
 * several times: TM_ENTRY names the entry, TM_LEVEL is the interface level,
 * TM_KEYS picks the key table (0 none, 1 writable, 2 read-only, 3 a pointer
 * to unmapped memory). */
#include <string.h>

#include "TestModule.h"
#include "dlldata.h"

#define TM_EXPORT __attribute__((visibility("default")))

TM_EXPORT struct tm_record tm_records[TM_MAX_RECORDS];
TM_EXPORT int tm_record_count;

#if TM_KEYS == 2
static const
#else
static
#endif
    __attribute__((unused)) CfgKey keys[TM_KEY_COUNT + 1] = {
        {'D', "WrAlg", 0, 0, 0}, {'B', "Mode", 0, 5, 0},  {'H', "Addr", 0, 0x10, 0},
        {'d', "Count", 0, 7, 0}, {'D', "Tpw", 0, 100, 0}, {'X', "Odd", 3, 3, 0},
        {0, "", 0, 0, 0},
};

static CfgKey* publishedKeys(void) {
#if TM_KEYS == 0
    return 0;
#elif TM_KEYS == 3
    return (CfgKey*)(uintptr_t)0x10;
#else
    return (CfgKey*)keys;
#endif
}

static void record(const dlldata* block) {
    if (tm_record_count >= TM_MAX_RECORDS) {
        return;
    }
    struct tm_record* r = &tm_records[tm_record_count++];
    r->funcode = block->funcode;
    r->subfcode = block->subfcode;
    r->size = block->size;
    r->blank = block->blank;
    r->vcc = block->vcc;
    r->bits = block->bits;
    r->wralg = block->wralg;
    r->page = block->page;
    memset(r->mfr, 0, sizeof r->mfr);
    if (block->mfr != 0) {
        strncpy(r->mfr, block->mfr, sizeof r->mfr - 1);
    }
#if TM_KEYS == 1 || TM_KEYS == 2
    for (int i = 0; i < TM_KEY_COUNT; ++i) {
        r->keyValues[i] = keys[i].value;
    }
#endif
}

TM_EXPORT int32_t TM_ENTRY(dlldata* block) {
    record(block);
    if (block->funcode == DD_FN_IDENTIFY) {
        block->version = TM_LEVEL;
        block->funcs[DD_FN_READ] = 1; /* offered while identifying */
        block->keys = publishedKeys();
        block->about = "test module";
    } else if (block->funcode == DD_FN_SELECT && block->subfcode == 0) {
        block->funcs[DD_FN_COMPARE] = 1; /* offered at the select call */
    }
    return 0;
}
