// A disk that fills up, or a rename the system refuses, from a given call on, for
// the list-update stress runs (stress_listswap faults):
//   ZEL_FAIL_WRITE_AFTER=N   the N-th and every later write() to a regular file
//                            fails with ENOSPC, as on a full disk;
//   ZEL_FAIL_RENAME_AFTER=N  the N-th and every later rename() fails with EIO.
// Built by the tests' CMake file as a module; loaded with LD_PRELOAD.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

long fromEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? std::strtol(value, nullptr, 10) : 0;
}

} // namespace

extern "C" ssize_t write(int fd, const void *buffer, size_t size)
{
    using Write = ssize_t (*)(int, const void *, size_t);
    static const Write real = reinterpret_cast<Write>(dlsym(RTLD_NEXT, "write"));
    static const long after = fromEnvironment("ZEL_FAIL_WRITE_AFTER");
    static long calls = 0;
    struct stat st;
    if (after > 0 && fd > 2 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ++calls >= after) {
        errno = ENOSPC;
        return -1;
    }
    return real(fd, buffer, size);
}

extern "C" int rename(const char *from, const char *to)
{
    using Rename = int (*)(const char *, const char *);
    static const Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    static const long after = fromEnvironment("ZEL_FAIL_RENAME_AFTER");
    static long calls = 0;
    if (after > 0 && ++calls >= after) {
        errno = EIO;
        return -1;
    }
    return real(from, to);
}
