#include "platform/IntrareStandard.h"

#include <QMutex>
#include <cstdio>
#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int deschideGol() {
    return _open("NUL", _O_RDONLY);
}
int copiaza(int fd) {
    return _dup(fd);
}
void muta(int din, int in) {
    _dup2(din, in);
}
void inchide(int fd) {
    _close(fd);
}
#else
int deschideGol() {
    return open("/dev/null", O_RDONLY);
}
int copiaza(int fd) {
    return dup(fd);
}
void muta(int din, int in) {
    dup2(din, in);
}
void inchide(int fd) {
    close(fd);
}
#endif

QMutex blocare;
int garzi = 0;
int intrareaSalvata = -1;

} // namespace

IntrareStandardGoala::IntrareStandardGoala() {
    const QMutexLocker l(&blocare);
    if (garzi++ > 0) return;
    const int gol = deschideGol();
    // Below 1: no null device, or the input was closed and the null device took its place.
    if (gol < 1) return;
    intrareaSalvata = copiaza(0);
    muta(gol, 0);
    inchide(gol);
}

IntrareStandardGoala::~IntrareStandardGoala() {
    const QMutexLocker l(&blocare);
    if (--garzi > 0 || intrareaSalvata < 0) return;
    muta(intrareaSalvata, 0);
    inchide(intrareaSalvata);
    intrareaSalvata = -1;
    // The engine may have read the empty input to its end.
    std::clearerr(stdin);
}
