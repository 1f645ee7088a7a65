#include "platform/SemnaleOprire.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int canal[2] = {-1, -1};
volatile std::sig_atomic_t primit = 0;

std::function<void()>& actiune() {
    static std::function<void()> f;
    return f;
}

extern "C" void laSemnalDeOprire(int) {
    primit = 1;
    const char octet = 1;
    [[maybe_unused]] const auto scris = ::write(canal[0], &octet, 1);
}

void puneHandlerele() {
    struct sigaction sa {};
    sa.sa_handler = laSemnalDeOprire;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
}

} // namespace

namespace SemnaleOprire {

void Instaleaza(std::function<void()> laSemnal) {
    actiune() = std::move(laSemnal);
    if (canal[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, canal) != 0) return;
        ::fcntl(canal[0], F_SETFL, O_NONBLOCK);
        ::fcntl(canal[1], F_SETFL, O_NONBLOCK);
        // Lives as long as the application object.
        auto* notificare = new QSocketNotifier(canal[1], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notificare, &QSocketNotifier::activated, [] {
            char octeti[16];
            while (::read(canal[1], octeti, sizeof octeti) > 0) {
            }
            if (actiune()) actiune()();
        });
    }
    puneHandlerele();
}

void Reinstaleaza() {
    if (canal[0] >= 0) puneHandlerele();
}

bool Primit() {
    return primit != 0;
}

} // namespace SemnaleOprire
