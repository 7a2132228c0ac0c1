#define _GNU_SOURCE
#include "TrapStack.h"

#include <sys/mman.h>
#include <unistd.h>

/* Room for the handler itself (and a sanitizer's long-jump bookkeeping) on top
 * of what the system asks for signal delivery, in bytes. */
enum { kHandlerRoom = 64 * 1024 };

static size_t stack_size(void) {
    long system_minimum = sysconf(_SC_SIGSTKSZ);
    if (system_minimum < MINSIGSTKSZ) {
        system_minimum = MINSIGSTKSZ;
    }
    const size_t page = (size_t)sysconf(_SC_PAGESIZE);
    const size_t wanted = (size_t)system_minimum + kHandlerRoom;
    return (wanted + page - 1) / page * page;
}

void veldrix_trap_stack_install(struct veldrix_trap_stack* stack) {
    stack->size = stack_size();
    stack->memory = mmap(NULL, stack->size, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (stack->memory == MAP_FAILED) {
        stack->memory = NULL;
        return;
    }
    stack_t ours = {.ss_sp = stack->memory, .ss_flags = 0, .ss_size = stack->size};
    if (sigaltstack(&ours, &stack->before) != 0) {
        munmap(stack->memory, stack->size);
        stack->memory = NULL;
    }
}

void veldrix_trap_stack_remove(struct veldrix_trap_stack* stack) {
    if (stack->memory == NULL) {
        return;
    }
    sigaltstack(&stack->before, NULL);
    munmap(stack->memory, stack->size);
    stack->memory = NULL;
}
