/* Loaded into the game (LD_PRELOAD) by scripts/measure.sh: notes the moment
 * of every full-window copy the game sends to the X server, timed inside the
 * game's own process, before the server and the library's flushing thread
 * add their delays. Each copy of the whole 512 x 384 picture (or larger)
 * appends one line "SECONDS.NANOSECONDS" (a monotonic clock) to the file
 * named by QUIB_FRAME_TIMES; repaints by the library's own thread are left
 * out. Not part of the game.
 *
 *   cc -shared -fPIC -O2 -o frame_times.so frame_times.c -ldl
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static int out = -2;

static void note(unsigned int width, unsigned int height) {
  /* The game's frames are copied by its main thread; the library's own
   * thread repaints the window when the server asks (an expose). */
  if (width < 512 || height < 384 || gettid() != getpid()) return;
  if (out == -2) {
    const char *path = getenv("QUIB_FRAME_TIMES");
    out = path ? open(path, O_WRONLY | O_CREAT | O_APPEND, 0644) : -1;
  }
  if (out < 0) return;
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  char line[40];
  const int n = snprintf(line, sizeof line, "%ld.%09ld\n", (long)now.tv_sec, now.tv_nsec);
  if (write(out, line, (size_t)n) != n) out = -1;
}

int XPutImage(Display *d, Drawable w, GC gc, XImage *img, int sx, int sy, int dx, int dy, unsigned int width,
              unsigned int height) {
  static int (*real)(Display *, Drawable, GC, XImage *, int, int, int, int, unsigned int, unsigned int);
  if (!real) *(void **)&real = dlsym(RTLD_NEXT, "XPutImage");
  note(width, height);
  return real(d, w, gc, img, sx, sy, dx, dy, width, height);
}

Bool XShmPutImage(Display *d, Drawable w, GC gc, XImage *img, int sx, int sy, int dx, int dy, unsigned int width,
                  unsigned int height, Bool send_event) {
  static Bool (*real)(Display *, Drawable, GC, XImage *, int, int, int, int, unsigned int, unsigned int, Bool);
  if (!real) *(void **)&real = dlsym(RTLD_NEXT, "XShmPutImage");
  note(width, height);
  return real(d, w, gc, img, sx, sy, dx, dy, width, height, send_event);
}
