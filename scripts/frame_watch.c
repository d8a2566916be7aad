/* Counts the pictures a window is actually shown, from outside the program:
 * it listens to the X server's damage reports for the window and takes a
 * burst of reports closer together than GROUP_MS as one frame (a frame may
 * reach the window as several copies, e.g. the board and then the ball).
 *
 *   frame_watch WINDOW_ID SECONDS
 *
 * prints "frames=N fps=F min_gap_ms=A max_gap_ms=B", where fps counts the
 * gaps between the first and the last frame seen. Used by measure.sh. */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/select.h>
#include <time.h>

#define GROUP_MS 8.0

static double nowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: frame_watch WINDOW_ID SECONDS\n");
    return 2;
  }
  Window window = (Window)strtoul(argv[1], NULL, 0);
  const double span = atof(argv[2]) * 1000.0;
  Display *dpy = XOpenDisplay(NULL);
  int eventBase, errorBase;
  if (!dpy || !XDamageQueryExtension(dpy, &eventBase, &errorBase)) {
    fprintf(stderr, "frame_watch: no display with the DAMAGE extension\n");
    return 1;
  }
  XDamageCreate(dpy, window, XDamageReportRawRectangles);
  XFlush(dpy);

  const double start = nowMs();
  double last = -1e9, first = 0, previousFrame = 0;
  double minGap = 1e9, maxGap = 0;
  long frames = 0;
  const int fd = ConnectionNumber(dpy);
  for (;;) {
    const double left = start + span - nowMs();
    if (left <= 0) break;
    if (!XPending(dpy)) {
      fd_set set;
      FD_ZERO(&set);
      FD_SET(fd, &set);
      struct timeval tv = {(time_t)(left / 1000), (suseconds_t)((long)left % 1000 * 1000)};
      if (select(fd + 1, &set, NULL, NULL, &tv) <= 0) continue;
    }
    while (XPending(dpy)) {
      XEvent event;
      XNextEvent(dpy, &event);
      if (event.type != eventBase + XDamageNotify) continue;
      const double t = nowMs();
      if (t - last > GROUP_MS) {
        if (frames == 0) {
          first = t;
        } else {
          const double gap = t - previousFrame;
          if (gap < minGap) minGap = gap;
          if (gap > maxGap) maxGap = gap;
        }
        previousFrame = t;
        ++frames;
      }
      last = t;
    }
  }
  const double fps = frames > 1 ? (frames - 1) * 1000.0 / (previousFrame - first) : 0.0;
  printf("frames=%ld fps=%.2f min_gap_ms=%.1f max_gap_ms=%.1f\n", frames, fps,
         frames > 1 ? minGap : 0.0, maxGap);
  XCloseDisplay(dpy);
  return 0;
}
