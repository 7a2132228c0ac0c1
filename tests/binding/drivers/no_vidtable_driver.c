/* A driver that lacks the identification voltage table. */
#include <stdint.h>

uint16_t portadr = 0x278;
uint8_t ecr = 0x35;
uint16_t VccTable[] = {1, 50};
uint16_t VppTable[] = {1, 125};
int init_calls = 0;

uint32_t init(void) {
    ++init_calls;
    return 0;
}

uint8_t bdport(uint32_t word) {
    return (uint8_t)word;
}

uint32_t voltage(int32_t vcc, int32_t vpp, int32_t vid) {
    return (uint32_t)(vcc + vpp + vid);
}
