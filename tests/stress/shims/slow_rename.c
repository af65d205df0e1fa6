/* Every rename() waits 30 ms first, so that kills land between a copy written and
 * its rename far more often. For hand runs of stress_killtest:
 *   gcc -shared -fPIC tests/stress/shims/slow_rename.c -o /tmp/slow_rename.so -ldl
 *   LD_PRELOAD=/tmp/slow_rename.so build/tests/stress_killtest run --rounds 1000 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <unistd.h>

int rename(const char *from, const char *to)
{
    static int (*real)(const char *, const char *);
    if (!real)
        real = (int (*)(const char *, const char *))dlsym(RTLD_NEXT, "rename");
    usleep(30000);
    return real(from, to);
}
