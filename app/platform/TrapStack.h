/*
 * The alternate signal stack a guarded thread runs its fault handler on, so
 * that a stack overflow can still be caught. Each thread gets its own for as
 * long as its outermost guard runs; the stack it had before (none, or one of a
 * runtime such as AddressSanitizer) is put back afterwards.
 */
#ifndef VELDRIX_PLATFORM_TRAP_STACK_H
#define VELDRIX_PLATFORM_TRAP_STACK_H

#include <signal.h>
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

struct veldrix_trap_stack {
    void* memory;   /* our stack, NULL when none could be set up */
    size_t size;    /* its size in bytes */
    stack_t before; /* the thread's alternate stack before ours */
};

/* Gives the calling thread a fresh alternate stack. Without one (no memory,
 * or the thread is running on its current one) faults are still caught,
 * except a stack overflow. */
void veldrix_trap_stack_install(struct veldrix_trap_stack* stack);

/* Puts back the thread's previous alternate stack and frees ours. */
void veldrix_trap_stack_remove(struct veldrix_trap_stack* stack);

#ifdef __cplusplus
}
#endif

#endif
