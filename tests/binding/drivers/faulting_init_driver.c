/* A driver whose init writes through a null pointer, and whose voltage
   faults the same way. */
#include <stddef.h>
#include <stdint.h>

uint16_t portadr = 0x378;
uint8_t ecr = 0x35;
uint16_t VccTable[] = {1, 50};
uint16_t VppTable[] = {1, 125};
uint16_t VidTable[] = {1, 120};

static void fault(void) {
    volatile uint32_t* volatile nowhere = NULL;
    *nowhere = 1;
}

uint32_t init(void) {
    fault();
    return 0;
}

uint8_t bdport(uint32_t word) {
    return (uint8_t)word;
}

uint32_t voltage(int32_t vcc, int32_t vpp, int32_t vid) {
    (void)vcc;
    (void)vpp;
    (void)vid;
    fault();
    return 0;
}
