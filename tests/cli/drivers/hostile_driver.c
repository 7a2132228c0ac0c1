/* A programmer driver that misbehaves on purpose, built once per fault:
 * HD_FAULT 1 faults in init, 2 faults in voltage. Its bus floats: every read
 * answers 0xFF, as from an erased chip, so a module that runs on past a
 * driver fault finds nothing wrong by itself. */
#include <stdint.h>

#include "dlldata.h"

#define HD_EXPORT __attribute__((visibility("default")))

HD_EXPORT uint16_t portadr = 0x378;
HD_EXPORT uint8_t ecr = 0;
HD_EXPORT uint16_t VccTable[] = {1, 50};
HD_EXPORT uint16_t VppTable[] = {1, 125};
HD_EXPORT uint16_t VidTable[] = {1, 120};

static void fault(void) {
    *(volatile int*)0 = 1;
}

HD_EXPORT uint32_t init(void) {
#if HD_FAULT == 1
    fault();
#endif
    return 0;
}

HD_EXPORT uint8_t bdport(uint32_t word) {
    (void)word;
    return 0xFF;
}

HD_EXPORT uint32_t voltage(int32_t vcc, int32_t vpp, int32_t vid) {
    (void)vcc;
    (void)vpp;
    (void)vid;
#if HD_FAULT == 2
    fault();
#endif
    return 0;
}

#if HD_FAULT != 1 && HD_FAULT != 2
#error "HD_FAULT names the fault: 1 in init, 2 in voltage"
#endif
