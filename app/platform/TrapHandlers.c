#define _GNU_SOURCE
#include "TrapHandlers.h"

#include <pthread.h>
#include <stddef.h>

enum { kTrappedCount = 5 };
static const int kTrapped[kTrappedCount] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

static pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
static unsigned users;
/* What each trapped signal did before the first guard; read by forward()
 * without the lock, which is safe because it only changes while no handler of
 * ours is installed. */
static struct sigaction previous[kTrappedCount];

static int trapped_index(int signo) {
    for (int i = 0; i < kTrappedCount; ++i) {
        if (kTrapped[i] == signo) {
            return i;
        }
    }
    return -1;
}

void veldrix_trap_handlers_acquire(veldrix_trap_handler handler) {
    pthread_mutex_lock(&lock);
    if (users++ == 0) {
        struct sigaction ours = {0};
        ours.sa_sigaction = handler;
        ours.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&ours.sa_mask);
        for (int i = 0; i < kTrappedCount; ++i) {
            sigaddset(&ours.sa_mask, kTrapped[i]);
        }
        /* Record first, install second: a signal on another thread may be
         * forwarded the instant ours is in place. */
        for (int i = 0; i < kTrappedCount; ++i) {
            sigaction(kTrapped[i], NULL, &previous[i]);
            sigaction(kTrapped[i], &ours, NULL);
        }
    }
    pthread_mutex_unlock(&lock);
}

void veldrix_trap_handlers_release(void) {
    pthread_mutex_lock(&lock);
    if (users > 0 && --users == 0) {
        for (int i = 0; i < kTrappedCount; ++i) {
            sigaction(kTrapped[i], &previous[i], NULL);
        }
    }
    pthread_mutex_unlock(&lock);
}

static void set_disposition(int signo, void (*disposition)(int)) {
    struct sigaction action = {0};
    action.sa_handler = disposition;
    sigemptyset(&action.sa_mask);
    sigaction(signo, &action, NULL);
}

void veldrix_trap_handlers_forward(int signo, siginfo_t* info, void* ucontext) {
    const int index = trapped_index(signo);
    if (index < 0) {
        return;
    }
    const struct sigaction* before = &previous[index];
    if (before->sa_handler == SIG_DFL) {
        /* The default action ends the process: re-raised, the signal is
         * delivered again as soon as this handler returns. */
        set_disposition(signo, SIG_DFL);
        raise(signo);
    } else if (before->sa_handler == SIG_IGN) {
        /* A fault the processor raised would repeat for ever; with the
         * disposition back to "ignore" the kernel ends the process as it would
         * have without us. A signal sent by someone is simply ignored. */
        if (info != NULL && info->si_code > 0) {
            set_disposition(signo, SIG_IGN);
        }
    } else if (before->sa_flags & SA_SIGINFO) {
        before->sa_sigaction(signo, info, ucontext);
    } else {
        before->sa_handler(signo);
    }
}
