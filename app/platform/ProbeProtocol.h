#ifndef VELDRIX_PROBE_PROTOCOL_H
#define VELDRIX_PROBE_PROTOCOL_H
/* How veldrix-probe answers: it loads the library named by its one argument
   and exits with one of these. Any other end (a signal, another status, e.g.
   from a constructor that calls exit) means that loading the library is not
   safe in the program. Unusual values, so that a library cannot pass by
   exiting early with 0 or 1. */

#define VELDRIX_PROBE_LOADED 73  /* loaded and unloaded again */
#define VELDRIX_PROBE_REFUSED 74 /* the loader refused it without harm */
#define VELDRIX_PROBE_USAGE 75   /* not called with exactly one path */

#endif
