/*
 * The process-wide side of the fault trap: one handler for the trapped signals,
 * shared by every guard on every thread. It is installed when the first guard
 * starts and the dispositions found then are put back when the last one ends.
 */
#ifndef VELDRIX_PLATFORM_TRAP_HANDLERS_H
#define VELDRIX_PLATFORM_TRAP_HANDLERS_H

#include <signal.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*veldrix_trap_handler)(int signo, siginfo_t* info, void* ucontext);

/* Counts one more guard; the first installs handler, on the alternate stack,
 * for SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGABRT. */
void veldrix_trap_handlers_acquire(veldrix_trap_handler handler);

/* Counts one guard less; the last restores the dispositions found by the first. */
void veldrix_trap_handlers_release(void);

/* Gives a signal that no guard of the receiving thread owns to the disposition
 * it had before ours, so that it acts as if our handler were not there. */
void veldrix_trap_handlers_forward(int signo, siginfo_t* info, void* ucontext);

#ifdef __cplusplus
}
#endif

#endif
