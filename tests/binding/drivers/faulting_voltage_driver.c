/* A driver whose board answers every presence check but whose voltage
   writes through a null pointer. */
#include <stddef.h>
#include <stdint.h>

uint16_t portadr = 0x378;
uint16_t VccTable[] = {1, 50};
uint16_t VppTable[] = {1, 125};
uint16_t VidTable[] = {1, 120};

uint32_t init(void) {
    return 0;
}

uint8_t bdport(uint32_t word) {
    return (uint8_t)word;
}

uint32_t voltage(int32_t vcc, int32_t vpp, int32_t vid) {
    volatile uint32_t* volatile nowhere = NULL;
    (void)vcc;
    (void)vpp;
    (void)vid;
    *nowhere = 1;
    return 0;
}
