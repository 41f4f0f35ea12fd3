#include "tools/capture/StopSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace {
volatile std::sig_atomic_t stopSignal = 0;
int stopPipe[2] = {-1, -1};

void noteStopSignal(int signal) {
    stopSignal = signal;
    const int saved = errno;
    const char byte = 0;
    if (write(stopPipe[1], &byte, 1) < 0) { // full after earlier signals: readable already
    }
    errno = saved;
}
} // namespace

int catchStopSignals() {
    if (stopPipe[0] < 0 && pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        return -1;
    }
    struct sigaction action = {};
    action.sa_handler = noteStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
    return stopPipe[0];
}

int stopSignalSeen() {
    return stopSignal;
}
