#define _GNU_SOURCE
#include "SignalTrap.h"

#include <fenv.h>
#include <pthread.h>
#include <setjmp.h>
#include <signal.h>
#include <stddef.h>

#include "TrapHandlers.h"
#include "TrapStack.h"

/* One running guard of a thread. Lives in veldrix_trap_run's frame. */
struct trap_frame {
    sigjmp_buf jump;
    struct trap_frame* outer;    /* the guard this one runs inside, or NULL */
    volatile sig_atomic_t signo; /* the signal that ended the body, 0 while none */
    sigset_t mask;
    fenv_t environment;
    struct veldrix_trap_stack stack; /* set up by the outermost guard only */
};

/* The innermost running guard of this thread: a fault jumps back to it and
 * never to another thread's. */
static _Thread_local struct trap_frame* volatile innermost;

static void on_trapped_signal(int signo, siginfo_t* info, void* ucontext) {
    struct trap_frame* frame = innermost;
    if (frame == NULL) {
        veldrix_trap_handlers_forward(signo, info, ucontext);
        return;
    }
    frame->signo = signo;
    siglongjmp(frame->jump, 1);
}

static void enter(struct trap_frame* frame) {
    frame->outer = innermost;
    frame->signo = 0;
    frame->stack.memory = NULL;
    pthread_sigmask(SIG_SETMASK, NULL, &frame->mask);
    fegetenv(&frame->environment);
    veldrix_trap_handlers_acquire(on_trapped_signal);
    if (frame->outer == NULL) {
        veldrix_trap_stack_install(&frame->stack);
    }
}

/* Runs on every way out of veldrix_trap_run: a normal return, a return after
 * a fault, and an exception unwinding through it. */
static void leave(struct trap_frame* frame) {
    innermost = frame->outer;
    veldrix_trap_stack_remove(&frame->stack);
    veldrix_trap_handlers_release();
    fesetenv(&frame->environment);
    pthread_sigmask(SIG_SETMASK, &frame->mask, NULL);
}

int veldrix_trap_run(veldrix_trap_body body, void* context) {
    struct trap_frame frame __attribute__((cleanup(leave)));
    enter(&frame);
    if (sigsetjmp(frame.jump, 1) == 0) {
        innermost = &frame;
        body(context);
    }
    return frame.signo;
}
