#include "app/end_requests.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace verimoda {

namespace {

// The signal handler only writes a byte here; the event loop reads it.
int wakeUp[2] = {-1, -1};

void noteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(wakeUp[0], &byte, 1);
    errno = saved;
}

} // namespace

void onEndRequest(QObject* context, std::function<void()> handler) {
    if (wakeUp[0] < 0 &&
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, wakeUp) != 0)
        return;
    auto* notifier = new QSocketNotifier(wakeUp[1], QSocketNotifier::Read, context);
    QObject::connect(notifier, &QSocketNotifier::activated, context, [handler] {
        char bytes[64];
        while (::read(wakeUp[1], bytes, sizeof bytes) > 0) {
        }
        handler(); // several signals at once are one request
    });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace verimoda
