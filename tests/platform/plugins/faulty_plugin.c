#define _GNU_SOURCE
#include <fenv.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include "FaultyPlugin.h"

/* volatile everywhere below: the compiler must neither see the fault coming
 * nor fold it away. */

void faulty_count(void* context) {
    ++*(int*)context;
}

void faulty_null_write(void* context) {
    (void)context;
    volatile int* volatile nowhere = NULL;
    *nowhere = 1;
}

/* A page mapped from an empty file: touching it is past the file's end. */
static volatile const char* page_past_file_end(void) {
    static volatile const char* page;
    if (page == NULL) {
        const int fd = memfd_create("faulty-plugin", 0);
        if (fd < 0) {
            return NULL;
        }
        void* mapping = mmap(NULL, (size_t)sysconf(_SC_PAGESIZE), PROT_READ, MAP_SHARED, fd, 0);
        close(fd);
        page = mapping == MAP_FAILED ? NULL : mapping;
    }
    return page;
}

void faulty_read_past_file_end(void* context) {
    volatile const char* page = page_past_file_end();
    if (page != NULL) {
        *(volatile char*)context = page[0];
    }
}

void faulty_divide_by_zero(void* context) {
    volatile int dividend = 1;
    volatile int divisor = 0;
    *(volatile int*)context = dividend / divisor;
}

void faulty_illegal_instruction(void* context) {
    (void)context;
    __builtin_trap();
}

static volatile int keep_descending = 1;

static void descend(volatile char* caller_frame) {
    volatile char frame[4096];
    frame[0] = caller_frame[0];
    if (keep_descending) {
        descend(frame);
    }
    caller_frame[1] = frame[1];
}

void faulty_stack_overflow(void* context) {
    (void)context;
    volatile char start[2] = {0, 0};
    descend(start);
}

void faulty_abort(void* context) {
    (void)context;
    abort();
}

void faulty_disturb_then_fault(void* context) {
    fesetround(FE_TOWARDZERO);
    sigset_t extra;
    sigemptyset(&extra);
    sigaddset(&extra, SIGUSR2);
    pthread_sigmask(SIG_BLOCK, &extra, NULL);
    faulty_null_write(context);
}
