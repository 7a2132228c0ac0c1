/*
 * The simulated programmer board: a parallel-port programmer board with one
 * chip in its socket, modelled inside the process and reached through the
 * port registers exactly as the real board is. A programmer driver whose
 * base address is VXSIM_BASE_ADDRESS talks to this board; every driver
 * exports the functions below, so the program (and tests) put a chip into
 * the socket of the driver they have bound: look the names up in the driver
 * library. Each loaded driver carries its own board; a test that links the
 * simulator directly gets one more.
 *
 * Plain C. Nothing here is thread-safe: like the drivers, the board expects
 * one call at a time.
 *
 * Contents persist per chip type in "<dir>/<kind>-<size>.bin", where <dir>
 * is $VELDRIX_SIM_DIR when set, else $XDG_DATA_HOME/VELDRIX/sim, else
 * ~/.local/share/VELDRIX/sim. The file is read when a chip is inserted and
 * written when the socket loses power with changed contents, when the chip
 * is removed or replaced, on vxsim_save() and when the driver unloads.
 * Microwire contents are stored in the buffer layout of the chip family
 * module: word w at bytes 2w (bits 7..0) and 2w+1 (bits 15..8).
 *
 * Trace: when $VELDRIX_SIM_TRACE names a file at the board's first use, or
 * after vxsim_trace_open(), every register access that reaches the board is
 * written to it, one line each:
 *     <microseconds since the trace opened> W <latch> <data>   latch write
 *     <microseconds>                        R <pattern> <answer>  data lines read
 *     <microseconds>                        S <pattern> <answer>  status read
 *     # <text>                                                    socket events
 * with <latch> and <pattern> the control register's low four bits and the
 * bytes as two hex digits, e.g. "    104211 W 09 CD".
 *
 * Board wiring, named for the drivers, the simulator and the chip modules in
 * board/BoardLatches.h (latches are written by a falling strobe: the control
 * register goes from a pattern with bit 0 or 1 set to one with both clear,
 * while its bit 5 (data direction) is clear; the data register is latched
 * into the latch numbered by the old pattern's low four bits):
 *
 * | latch | bits        | line                                                      |
 * |-------|-------------|-----------------------------------------------------------|
 * | 3     | 0-3, 7      | programming voltage code (the driver's VppTable codes)    |
 * |       | 4-5         | supply voltage index into VccTable                        |
 * |       | 6           | identification voltage index into VidTable, inverted      |
 * | 5     | 1           | 1: board releases the chip's data pins; 0: board drives   |
 * |       |             | latch 13 onto them. Writing latch 5 clears 1, 9 and 13    |
 * | 7     | -           | setup; writing latch 7 clears latches 3, 11 and 15        |
 * | 9     | 0-7         | A0-A7; Microwire SK on bit 0                              |
 * | 1     | 0-7         | A8-A15; Microwire DI on bit 6                             |
 * | 11    | 0-3         | A16-A19 (32-pin socket pins 2, 30, 31, 1); Microwire CS   |
 * |       |             | on bit 2; the PGM pin of 128 and 256 KB EEPROMs on bit 2  |
 * |       | 4           | EEPROM /CE (0 = enabled); multiplexed EPROM ALE/PGM       |
 * |       | 5           | /OE (0 = outputs enabled)                                 |
 * |       | 6           | high-voltage gate: Vpp and Vid reach the pins chosen in   |
 * |       |             | latch 15 only while it is set                             |
 * |       | 7           | data-line bias: undriven lines read 1 when set, 0 when    |
 * |       |             | clear                                                     |
 * | 13    | 0-7         | data towards the chip (multiplexed EPROM: also A0-A7)     |
 * | 15    | 0           | Vpp to 32-pin socket pin 1 (128-512 KB EEPROM Vpp)        |
 * |       | 1           | Vpp to socket pin 3 (32 KB EEPROM Vpp)                    |
 * |       | 2           | Vpp to socket pin 24 (64 KB EEPROM /OE-Vpp, multiplexed   |
 * |       |             | EPROM Vpp)                                                |
 * |       | 4           | Vid to the identifier pin (A9; multiplexed EPROM ID pin)  |
 * |       | 6           | Vcc to socket pin 30 (28-pin EEPROMs)                     |
 * |       | 7           | Vcc to socket pin 32 (32-pin EEPROMs, Microwire,          |
 * |       |             | multiplexed EPROM)                                        |
 *
 * Reads: with control pattern 14 and the data direction bit set, the data
 * register answers the chip's data lines (Microwire DO on bit 0); with the
 * direction bit clear it reads back what the PC wrote. An unpowered chip
 * clamps its data lines low; an empty socket leaves them to the bias. The
 * status register answers 0x87, plus bit 3 while the control pattern is 6,
 * which is what the drivers' presence test looks for. The extended control
 * register and every other offset ignore writes and read 0xFF. With the
 * board-absent fault the port answers as an empty one: the data register
 * still reads back what the PC drives, the status register reads 0x7F
 * (every input pulled up, bit 7 inverted by the port), and no latch takes
 * anything.
 *
 * Chips:
 * - Microwire serial EEPROM, 16-bit organisation, 16 to 1024 words (a power
 *   of two): start bit, two opcode bits, an address field of max(6, even
 *   width of the word index) bits; READ (a dummy 0 then the words, MSB
 *   first, continuing into the next word), WRITE and WRAL (16 data bits),
 *   ERASE, ERAL, EWEN, EWDS. Writes and erases are refused unless enabled;
 *   power-up disables them. They start when CS falls and keep the chip busy
 *   (DO low while CS is high, instructions ignored) for the write time.
 * - Electrically erasable EPROM of 32, 64, 128, 256 or 512 KB. A programming
 *   pulse (/CE low, and PGM low where the part has it, /OE high, Vpp of at
 *   least VXSIM_PROGRAM_VPP_MIN on its Vpp pin) clears the bits that are 0
 *   in the data lines; with Vid on A9 and Vpp of at least VXSIM_ERASE_VPP_MIN
 *   a /CE pulse erases every cell to 0xFF. Vid on A9 alone gives the
 *   identifier: maker at A0 = 0, device at A0 = 1.
 * - Multiplexed-bus EPROM, 256 bytes to 64 KB (a power of two): the low
 *   address byte is latched from the data lines when ALE falls; in
 *   programming mode (Vpp applied) a high ALE/PGM pulse programs. A pulse at
 *   0x5555 with 0xAA followed by a pulse of erase length at 0x2AAA with 0x10
 *   erases the chip. Vid on the ID pin answers the maker (A8 = 0) and device
 *   (A8 = 1) codes.
 * Pulses shorter than the chip's minimum (VXSIM_*_MIN_*_US) change nothing.
 */
#ifndef VELDRIX_VXSIM_H
#define VELDRIX_VXSIM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define VXSIM_API __attribute__((visibility("default")))
#else
#define VXSIM_API
#endif

/* The port base address that selects the simulated board; no PC parallel
 * port uses it. The port list shows it as "SIM". */
#define VXSIM_BASE_ADDRESS 0x0F00u

/* Chip kinds. */
#define VXSIM_KIND_NONE 0      /* empty socket */
#define VXSIM_KIND_MICROWIRE 1 /* the chips of the urania module */
#define VXSIM_KIND_EEPROM 2    /* the chips of the calypso module */
#define VXSIM_KIND_MUX_EPROM 3 /* the chips of the thalia module */

/* Results: 0 or a negative error. */
#define VXSIM_OK 0
#define VXSIM_ERR_KIND (-1)     /* unknown kind or module name */
#define VXSIM_ERR_SIZE (-2)     /* a size the kind does not come in */
#define VXSIM_ERR_IMAGE (-3)    /* the image file cannot be read */
#define VXSIM_ERR_EMPTY (-4)    /* the socket is empty */
#define VXSIM_ERR_RANGE (-5)    /* address, length or bit outside the chip */
#define VXSIM_ERR_IO (-6)       /* the contents or trace file cannot be written */
#define VXSIM_ERR_INTERNAL (-7) /* out of memory or another unexpected failure */

/* Timing and voltage thresholds of the chip models. Voltages in tenths of a
 * volt, times in microseconds. */
#define VXSIM_PROGRAM_VPP_MIN 110u       /* programming needs at least 11.0 V */
#define VXSIM_ERASE_VPP_MIN 130u         /* erasing needs at least 13.0 V */
#define VXSIM_VID_MIN 115u               /* identifier mode needs at least 11.5 V */
#define VXSIM_EEPROM_MIN_PROGRAM_US 20u  /* shortest programming pulse */
#define VXSIM_EEPROM_MIN_ERASE_US 50000u /* shortest erase pulse */
#define VXSIM_MUX_MIN_PROGRAM_US 20u
#define VXSIM_MUX_MIN_ERASE_US 50000u
#define VXSIM_MICROWIRE_WRITE_US 1000u /* default self-timed write and erase */

/* Identifier codes until vxsim_set_identifier() changes them. */
#define VXSIM_EEPROM_MAKER 0x3Cu /* device 0x10 (32 KB), 0x11, 0x12, 0x13, 0x14 (512 KB) */
#define VXSIM_MUX_MAKER 0xDAu
#define VXSIM_MUX_DEVICE 0x08u

/* Puts a chip of `kind` and `size` bytes into the socket, replacing the one
 * there (whose contents are saved first). Contents come from image_path when
 * it is not NULL or empty (a shorter image leaves the rest erased, a longer
 * one is cut), else from the persisted file of that kind and size, else the
 * chip is erased (every byte 0xFF). Faults are cleared, identifier codes
 * reset. */
VXSIM_API int vxsim_insert(int kind, uint32_t size, const char* image_path);
/* The same with the chip family module's name: "urania", "calypso" or
 * "thalia" (case ignored). */
VXSIM_API int vxsim_insert_for_module(const char* module, uint32_t size, const char* image_path);
/* Saves the contents and empties the socket. */
VXSIM_API int vxsim_remove(void);

/* The chip in the socket: its kind (VXSIM_KIND_NONE when empty) and size in
 * bytes (0 when empty). */
VXSIM_API int vxsim_chip_kind(void);
VXSIM_API uint32_t vxsim_chip_size(void);

/* Copies stored cells out of / into the chip, bypassing its protocol and the
 * injected faults (a stuck bit does not show here). */
VXSIM_API int vxsim_read(uint32_t address, uint8_t* bytes, uint32_t length);
VXSIM_API int vxsim_write(uint32_t address, const uint8_t* bytes, uint32_t length);
/* Writes the contents to the persisted file now. */
VXSIM_API int vxsim_save(void);

/* Identifier codes the chip answers in its identifier mode (EEPROM and
 * multiplexed EPROM; VXSIM_ERR_KIND for a Microwire chip). */
VXSIM_API int vxsim_set_identifier(uint8_t maker, uint8_t device);

/* Faults, until the next insert, remove or vxsim_clear_faults():
 * - the bit `bit` (0-7) of the byte at `address` always reads `level` (0, 1);
 * - the byte at `address` ignores its first pulses - 1 programming pulses
 *   (EEPROM and multiplexed EPROM);
 * - Microwire writes and erases take `microseconds` (a slow chip). */
VXSIM_API int vxsim_fault_stuck_bit(uint32_t address, int bit, int level);
VXSIM_API int vxsim_fault_slow_cell(uint32_t address, uint32_t pulses);
VXSIM_API int vxsim_fault_write_time(uint32_t microseconds);

/* Faults in what the chip answers when read (its cells and vxsim_read()
 * stay as they are), until the next insert, remove or vxsim_clear_faults():
 * - data line `bit` (0-7) reads `level` (0, 1) at every address;
 * - address line `bit` is held at `level`, so the two halves of the chip
 *   that differ in that line both answer with the half at `level`; only the
 *   lines the chip has (VXSIM_ERR_RANGE for A15 of a 32 KB chip); addresses
 *   are those of the contents layout (Microwire: byte addresses);
 * - data line `bit` reads a random level on every read, drawn from a
 *   generator seeded with `seed`, so that the same run repeats; a second
 *   call replaces the first. */
VXSIM_API int vxsim_fault_data_line(int bit, int level);
VXSIM_API int vxsim_fault_address_line(int bit, int level);
VXSIM_API int vxsim_fault_intermittent_bit(int bit, uint32_t seed);

/* Faults of the board, also with an empty socket, until the next insert,
 * remove or vxsim_clear_faults():
 * - the board is gone from the port (see Reads above);
 * - status line `line` (a status register bit, 3 to 7) reads `level`. */
VXSIM_API int vxsim_fault_board_absent(void);
VXSIM_API int vxsim_fault_status_line(int line, int level);

/* Clears the board's faults, and the chip's when the socket holds one. */
VXSIM_API int vxsim_clear_faults(void);

/* The board's clock: the monotonic clock (the one the program's delays use),
 * or with on != 0 a manual clock that stands still until advanced, so a
 * test can make the host's delay callback advance it instead of waiting. */
VXSIM_API void vxsim_clock_manual(int on);
VXSIM_API void vxsim_clock_advance(uint32_t microseconds);

/* Starts tracing into `path` (truncated), ending a trace already open, or
 * ends the trace (flushing it) when path is NULL or empty. */
VXSIM_API int vxsim_trace_open(const char* path);
VXSIM_API int vxsim_trace_close(void);

/* Function types for looking the names up in a driver library. */
typedef int (*vxsim_insert_fn)(int kind, uint32_t size, const char* image_path);
typedef int (*vxsim_insert_for_module_fn)(const char* module, uint32_t size,
                                          const char* image_path);
/* vxsim_remove, _chip_kind, _save, _fault_board_absent, _clear_faults and
 * _trace_close. */
typedef int (*vxsim_void_fn)(void);
typedef uint32_t (*vxsim_chip_size_fn)(void);
typedef int (*vxsim_read_fn)(uint32_t address, uint8_t* bytes, uint32_t length);
typedef int (*vxsim_write_fn)(uint32_t address, const uint8_t* bytes, uint32_t length);
typedef int (*vxsim_set_identifier_fn)(uint8_t maker, uint8_t device);
typedef int (*vxsim_fault_stuck_bit_fn)(uint32_t address, int bit, int level);
typedef int (*vxsim_fault_slow_cell_fn)(uint32_t address, uint32_t pulses);
typedef int (*vxsim_fault_write_time_fn)(uint32_t microseconds);
/* vxsim_fault_data_line, _address_line and _status_line. */
typedef int (*vxsim_fault_line_fn)(int line, int level);
typedef int (*vxsim_fault_intermittent_bit_fn)(int bit, uint32_t seed);
typedef void (*vxsim_clock_manual_fn)(int on);
typedef void (*vxsim_clock_advance_fn)(uint32_t microseconds);
typedef int (*vxsim_trace_open_fn)(const char* path);

#ifdef __cplusplus
}
#endif

#endif /* VELDRIX_VXSIM_H */
