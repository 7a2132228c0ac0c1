/*
 * A plug-in that misbehaves in every way the fault guard must survive. Each
 * export has the guarded-function shape, void (void* context), so a test
 * hands it to runGuarded as it is.
 */
#ifndef VELDRIX_TESTS_FAULTY_PLUGIN_H
#define VELDRIX_TESTS_FAULTY_PLUGIN_H

#ifdef __cplusplus
#define FAULTY_EXPORT extern "C" __attribute__((visibility("default")))
#else
#define FAULTY_EXPORT __attribute__((visibility("default")))
#endif

/* Adds one to the int that context points at: the well-behaved call. */
FAULTY_EXPORT void faulty_count(void* context);

FAULTY_EXPORT void faulty_null_write(void* context);          /* SIGSEGV */
FAULTY_EXPORT void faulty_read_past_file_end(void* context);  /* SIGBUS */
FAULTY_EXPORT void faulty_divide_by_zero(void* context);      /* SIGFPE */
FAULTY_EXPORT void faulty_illegal_instruction(void* context); /* SIGILL */
FAULTY_EXPORT void faulty_stack_overflow(void* context);      /* SIGSEGV */
FAULTY_EXPORT void faulty_abort(void* context);               /* SIGABRT */
FAULTY_EXPORT void faulty_throw(void* context);               /* C++ exception */

/* Rounds toward zero and blocks SIGUSR2, then writes through a null pointer:
 * the guard must undo both. */
FAULTY_EXPORT void faulty_disturb_then_fault(void* context);

#endif
