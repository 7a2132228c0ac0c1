/* A driver with the required exports only: no portadr, no ecr. It counts
   its init calls, so a test sees whether the library was loaded afresh. */
#include <stdint.h>

uint16_t VccTable[] = {1, 50};
uint16_t VppTable[] = {1, 125};
uint16_t VidTable[] = {1, 120};
int init_calls = 0;

uint32_t init(void) {
    ++init_calls;
    return 0x1FF; /* no board answered: binding must succeed all the same */
}

uint8_t bdport(uint32_t word) {
    return (uint8_t)word;
}

uint32_t voltage(int32_t vcc, int32_t vpp, int32_t vid) {
    return (uint32_t)(vcc + vpp + vid);
}
