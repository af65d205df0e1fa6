/* A file system without kernel locks (NFS without its lock service, some FUSE
 * file systems): every flock() answers ENOLCK. For hand runs of stress_killtest:
 *   gcc -shared -fPIC tests/stress/shims/flock_enolck.c -o /tmp/enolck.so
 *   LD_PRELOAD=/tmp/enolck.so build/tests/stress_killtest duel --commits 3000 */
#include <errno.h>

int flock(int fd, int operation)
{
    (void)fd;
    (void)operation;
    errno = ENOLCK;
    return -1;
}
