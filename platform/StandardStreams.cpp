#include "platform/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

void keepStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        // open() takes the lowest free number: the closed one, as they are taken in order. Read
        // only, so that a write to a closed stream still fails, as the program would have been
        // told: --help with nowhere to show it is a failure.
        if (fcntl(fd, F_GETFD) == -1 && open("/dev/null", O_RDONLY) == -1) {
            return;
        }
    }
}
