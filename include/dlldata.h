/*
 * The module call block and the records it points at: the one binary interface
 * between the program, the chip family modules and the programmer drivers.
 *
 * Plain C, compiled by every side. Two fixed layouts, chosen by pointer width:
 * the 32-bit layout is byte-exact (256 bytes); the 64-bit layout keeps the
 * same fields in the same order at their natural alignment, with a reserved
 * tail so that `_size` and `signature` stay the last six bytes (384 bytes).
 * Every offset is checked at compile time below.
 *
 * Ownership: fields marked "main" are written by the program and only read by
 * a module; "module" fields belong to the module. Texts and the key table a
 * module publishes (about, keys) are owned by the module and stay valid while
 * it is loaded. Callbacks are filled once at start-up (bdport and the voltage
 * tables at driver binding) and stay valid until the program ends.
 */
#ifndef VELDRIX_DLLDATA_H
#define VELDRIX_DLLDATA_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#define DD_STATIC_ASSERT(cond, msg) static_assert(cond, msg)
#else
#define DD_STATIC_ASSERT(cond, msg) _Static_assert(cond, msg)
#endif

#if UINTPTR_MAX == 0xFFFFFFFFu
#define DD_LAYOUT_32 1
#else
#define DD_LAYOUT_32 0
#endif

struct dlldata;

/* Callbacks. Arguments are passed as 32-bit values whatever their meaning's
 * width, so that both sides agree on the calling convention; results keep
 * the width the program reads. */
typedef uint8_t (*dd_bdport_fn)(uint32_t word);     /* selector << 8 | data; low byte answers */
typedef void (*dd_delay_fn)(uint32_t microseconds); /* busy wait, at least that long */
typedef uint8_t (*dd_getbyte_fn)(uint32_t address); /* 0xFF at or beyond the image end */
typedef uint32_t (*dd_putbyte_fn)(uint32_t address, uint32_t value);  /* 1 stored, 0 refused */
typedef uint8_t* (*dd_getpage_fn)(uint32_t address, uint32_t length); /* copy owned by main */
typedef uint32_t (*dd_spare_fn)(void);
typedef uint32_t (*dd_mark_fn)(uint32_t address, uint32_t flag);
typedef uint32_t (*dd_progress_fn)(int32_t position, uint32_t mode); /* 1 = user cancelled */
typedef uint16_t (*dd_voltage_fn)(uint32_t vcc, uint32_t vpp, uint32_t vid); /* tenths of a volt */
typedef uint32_t (*dd_msgbox_fn)(uint32_t style, const char* format, ...);   /* button id */
typedef void (*dd_status_fn)(const char* format, ...); /* NULL format refreshes the title */

/* A module's one exported entry, named by the hardware family row. */
typedef int32_t (*dd_entry_fn)(struct dlldata* block);

/* Progress callback modes. */
#define DD_PROGRESS_OPEN 0u
#define DD_PROGRESS_CLOSE 1u
#define DD_PROGRESS_SET 2u

/* Function codes the program puts into funcode; funcs[code] is nonzero when
 * the module implements the code. Codes 0 and 1 are always called. */
#define DD_FN_IDENTIFY 0u
#define DD_FN_SELECT 1u
#define DD_FN_READ 2u
#define DD_FN_COMPARE 3u
#define DD_FN_BLANK_CHECK 4u
#define DD_FN_WRITE 5u
#define DD_FN_ERASE 7u
#define DD_FN_READ_ID 8u
#define DD_FN_TEST 9u
#define DD_FN_LOCK 10u
#define DD_FN_UNLOCK 11u
#define DD_FN_CONFIGURATION 12u

/* Module result codes. */
#define DD_OK 0
#define DD_NO_MATCHING_CHIP 0x102
#define DD_NOT_IMPLEMENTED 0x103
#define DD_VERIFY_FAILED 0x105
#define DD_BLANK_FAILED 0x10D
/* A Read reports only these bits of its result as an error. */
#define DD_READ_RESULT_MASK 0xFFu

/* Message box styles (low four bits) and button identifiers. */
#define DD_MB_OK 0u
#define DD_MB_OKCANCEL 1u
#define DD_MB_ABORTRETRYIGNORE 2u
#define DD_MB_YESNOCANCEL 3u
#define DD_MB_YESNO 4u
#define DD_MB_RETRYCANCEL 5u
#define DD_MB_ICONEXCLAMATION 0x30u
#define DD_IDOK 1u
#define DD_IDCANCEL 2u
#define DD_IDABORT 3u
#define DD_IDRETRY 4u
#define DD_IDIGNORE 5u
#define DD_IDYES 6u
#define DD_IDNO 7u

/* "Qf9w" in memory order, compared as one little-endian word. */
#define DD_SIGNATURE 0x77396651u
#define DD_FUNCS_COUNT 16

/* One row of the program's fixed table of hardware families. */
typedef struct HardwareFamily {
    uint16_t portmask; /* port kinds: 1 parallel, 2 serial, 4 USB */
    uint16_t reserved;
    void* portparam;   /* chosen port: the driver's portadr word, or a USB device path */
    uint32_t icon;     /* icon resource number */
    const char* title; /* display name for the window title */
    const char* dir;   /* module directory, settings section and default driver name */
    const char* entry; /* name of the module entry function */
} HardwareFamily;

/* One entry of a module's table of adjustable parameters; a table ends with
 * an entry whose kind is 0. */
typedef struct CfgKey {
    char kind;       /* 'B' binary, 'D' decimal, 'H' hex; lower case: shown, not editable */
    char name[15];   /* NUL-terminated, compared with case */
    uint32_t value;  /* written by main, read by the module */
    uint32_t defval; /* used when neither chip nor algorithm gives a value */
    uint32_t limit;  /* module's own (the delivered modules keep an upper bound here) */
} CfgKey;

typedef struct dlldata {
    uint16_t funcode;  /* main: function code of this call */
    uint16_t subfcode; /* main: 1 only when applying edited key values */
    uint32_t size;     /* main: chip size in bytes, 0 without a chip */
    uint8_t bits;      /* main: data bus width in bits */
    uint8_t reserved09[3];
    uint32_t erraddr; /* module: failing or first non-blank address */
    uint32_t errdata; /* module: difference count, identifier or chip datum */
    uint32_t reserved14;
    uint8_t wralg;      /* main: 1-based write algorithm number */
    uint8_t forcewr;    /* main: user option "Force write" */
    uint8_t checkwr;    /* main: user option "Write check" */
    uint8_t testins;    /* main: user option "Test chip insertion" */
    uint16_t vcc;       /* main: supply voltage, tenths of a volt */
    uint16_t module1e;  /* module's own; main never touches it */
    uint16_t vpp;       /* main: programming voltage, tenths of a volt */
    uint16_t module22;  /* module's own */
    uint16_t vid;       /* main: identification voltage, tenths of a volt */
    uint16_t module26;  /* module's own */
    uint16_t* VccTable; /* main: driver's table, count then values */
    uint16_t* VppTable;
    uint16_t* VidTable;
    void* hmodule;   /* main: loaded module's library handle, NULL when none */
    uint32_t eeplen; /* module: length of the second buffer area */
    uint32_t eepofs; /* module: offset of the second area in the buffer */
    uint32_t extlen; /* module: length of the third area */
    uint32_t extofs; /* module: offset of the third area */
    uint8_t page;    /* main: editor that mark() addresses: 0, 1, 255 none */
    uint8_t hwindex; /* main: current hardware family, 0 to 3 */
#if DD_LAYOUT_32
    uint8_t reserved4a[2];
#else
    uint8_t reserved5a[6];
#endif
    void* hwnd;               /* main: the main window */
    HardwareFamily* hardware; /* main: current row of the family table */
    dd_bdport_fn bdport;      /* main: the driver's export, called by modules directly */
    dd_delay_fn delay;
    dd_getbyte_fn getbyte;
    dd_putbyte_fn putbyte;
    dd_getpage_fn getpage;
    dd_spare_fn spare;
    dd_mark_fn mark;
    dd_progress_fn progress;
    dd_voltage_fn voltage; /* guarded wrapper around the driver's voltage */
    dd_msgbox_fn msgbox;
    uint16_t funcs[DD_FUNCS_COUNT]; /* module: nonzero when function code f is implemented */
    uint32_t blank;                 /* both: erased-cell value; low byte fills the buffer */
    uint8_t pins;                   /* module: pin count of the selected chip */
    uint8_t version;                /* module: interface level */
    uint8_t reservedPins[2];
    const char* about; /* module: description text */
    CfgKey* keys;      /* module: configuration key table */
    const char* mfr;   /* main: manufacturer of the selected chip, "Unknown" without */
    dd_status_fn status;
#if DD_LAYOUT_32
    uint8_t reservedTail[70];
#else
    uint8_t reservedTail[114];
#endif
    uint16_t _size;     /* main: the layout's record size */
    uint32_t signature; /* main: DD_SIGNATURE */
} dlldata;

/* Where `blank` must lie: the start-up check compares against this. */
#if DD_LAYOUT_32
#define DD_BLANK_OFFSET 0x9Cu
#define DD_RECORD_SIZE 256u
#else
#define DD_BLANK_OFFSET 0xE0u
#define DD_RECORD_SIZE 384u
#endif

#define DD_CHECK(field, off32, off64)                                                \
    DD_STATIC_ASSERT(offsetof(dlldata, field) == (DD_LAYOUT_32 ? (off32) : (off64)), \
                     "dlldata." #field " is misplaced")

DD_CHECK(funcode, 0x00, 0x00);
DD_CHECK(subfcode, 0x02, 0x02);
DD_CHECK(size, 0x04, 0x04);
DD_CHECK(bits, 0x08, 0x08);
DD_CHECK(erraddr, 0x0C, 0x0C);
DD_CHECK(errdata, 0x10, 0x10);
DD_CHECK(wralg, 0x18, 0x18);
DD_CHECK(forcewr, 0x19, 0x19);
DD_CHECK(checkwr, 0x1A, 0x1A);
DD_CHECK(testins, 0x1B, 0x1B);
DD_CHECK(vcc, 0x1C, 0x1C);
DD_CHECK(module1e, 0x1E, 0x1E);
DD_CHECK(vpp, 0x20, 0x20);
DD_CHECK(module22, 0x22, 0x22);
DD_CHECK(vid, 0x24, 0x24);
DD_CHECK(module26, 0x26, 0x26);
DD_CHECK(VccTable, 0x28, 0x28);
DD_CHECK(VppTable, 0x2C, 0x30);
DD_CHECK(VidTable, 0x30, 0x38);
DD_CHECK(hmodule, 0x34, 0x40);
DD_CHECK(eeplen, 0x38, 0x48);
DD_CHECK(eepofs, 0x3C, 0x4C);
DD_CHECK(extlen, 0x40, 0x50);
DD_CHECK(extofs, 0x44, 0x54);
DD_CHECK(page, 0x48, 0x58);
DD_CHECK(hwindex, 0x49, 0x59);
DD_CHECK(hwnd, 0x4C, 0x60);
DD_CHECK(hardware, 0x50, 0x68);
DD_CHECK(bdport, 0x54, 0x70);
DD_CHECK(delay, 0x58, 0x78);
DD_CHECK(getbyte, 0x5C, 0x80);
DD_CHECK(putbyte, 0x60, 0x88);
DD_CHECK(getpage, 0x64, 0x90);
DD_CHECK(spare, 0x68, 0x98);
DD_CHECK(mark, 0x6C, 0xA0);
DD_CHECK(progress, 0x70, 0xA8);
DD_CHECK(voltage, 0x74, 0xB0);
DD_CHECK(msgbox, 0x78, 0xB8);
DD_CHECK(funcs, 0x7C, 0xC0);
DD_CHECK(blank, 0x9C, 0xE0);
DD_CHECK(pins, 0xA0, 0xE4);
DD_CHECK(version, 0xA1, 0xE5);
DD_CHECK(about, 0xA4, 0xE8);
DD_CHECK(keys, 0xA8, 0xF0);
DD_CHECK(mfr, 0xAC, 0xF8);
DD_CHECK(status, 0xB0, 0x100);
DD_CHECK(reservedTail, 0xB4, 0x108);
DD_CHECK(_size, 0xFA, 0x17A);
DD_CHECK(signature, 0xFC, 0x17C);
DD_STATIC_ASSERT(sizeof(dlldata) == DD_RECORD_SIZE, "dlldata has the wrong size");
DD_STATIC_ASSERT(offsetof(dlldata, blank) == DD_BLANK_OFFSET, "dlldata.blank is misplaced");

#define DD_FAMILY_CHECK(field, off32, off64)                                                \
    DD_STATIC_ASSERT(offsetof(HardwareFamily, field) == (DD_LAYOUT_32 ? (off32) : (off64)), \
                     "HardwareFamily." #field " is misplaced")
DD_FAMILY_CHECK(portmask, 0, 0);
DD_FAMILY_CHECK(portparam, 4, 8);
DD_FAMILY_CHECK(icon, 8, 16);
DD_FAMILY_CHECK(title, 12, 24);
DD_FAMILY_CHECK(dir, 16, 32);
DD_FAMILY_CHECK(entry, 20, 40);
DD_STATIC_ASSERT(sizeof(HardwareFamily) == (DD_LAYOUT_32 ? 24u : 48u),
                 "HardwareFamily has the wrong size");

DD_STATIC_ASSERT(offsetof(CfgKey, name) == 1, "CfgKey.name is misplaced");
DD_STATIC_ASSERT(offsetof(CfgKey, value) == 16, "CfgKey.value is misplaced");
DD_STATIC_ASSERT(offsetof(CfgKey, defval) == 20, "CfgKey.defval is misplaced");
DD_STATIC_ASSERT(offsetof(CfgKey, limit) == 24, "CfgKey.limit is misplaced");
DD_STATIC_ASSERT(sizeof(CfgKey) == 28, "CfgKey has the wrong size");

#undef DD_CHECK
#undef DD_FAMILY_CHECK

/*
 * Programmer driver exports, looked up by name. A driver is plain C and links
 * against nothing of the program.
 */
typedef uint32_t (*dd_driver_init_fn)(void); /* 0 ready; else 0x100 | failed-check mask */
typedef uint32_t (*dd_driver_voltage_fn)(int32_t vcc, int32_t vpp, int32_t vid);

#ifdef __cplusplus
}
#endif

#endif /* VELDRIX_DLLDATA_H */
