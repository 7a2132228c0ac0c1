/*
 * The C core of the fault guard: runs a function so that a processor fault or
 * abort() inside it jumps back here. Kept in C because the jump must cross
 * only plain C frames; C++ exceptions are caught by the caller's trampoline.
 */
#ifndef VELDRIX_PLATFORM_SIGNAL_TRAP_H
#define VELDRIX_PLATFORM_SIGNAL_TRAP_H

#ifdef __cplusplus
extern "C" {
#endif

typedef void (*veldrix_trap_body)(void* context);

/* Runs body(context). Returns 0 when it returned, otherwise the number of the
 * signal that ended it (SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT). Either
 * way the signal handlers, the alternate stack, the signal mask and the
 * floating-point environment are as they were before the call. Nests, also
 * on several threads at once. */
int veldrix_trap_run(veldrix_trap_body body, void* context);

#ifdef __cplusplus
}
#endif

#endif
