#include "solver/helper_process.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

struct HelperProcess::Shared {
    std::atomic<uint32_t> done{0}; // batches finished
    std::atomic<int32_t> count{0}; // jobs in the batch handed over
};

namespace {
size_t aligned(size_t bytes) {
    return (bytes + 63) / 64 * 64;
}
} // namespace

bool HelperProcess::start(size_t jobBytes, size_t resultBytes, int jobs, Work work) {
    stop();
    jobSize = aligned(jobBytes);
    resultSize = aligned(resultBytes);
    capacity = jobs;
    mapped = aligned(sizeof(Shared)) + (jobSize + resultSize) * (size_t)jobs;
    void* memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) return false;
    shared = new (memory) Shared();
    // A socket rather than a pipe: a helper that has gone away then makes a
    // failed send, not a SIGPIPE.
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, fds) != 0) {
        munmap(memory, mapped);
        shared = nullptr;
        return false;
    }
    pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        munmap(memory, mapped);
        shared = nullptr;
        return false;
    }
    if (pid == 0) {
        // The helper: a batch for every byte; the end of the pipe (the search
        // finished, or died) ends it, without the exit handlers of the program.
        close(fds[1]);
        char wake;
        while (recv(fds[0], &wake, 1, 0) == 1) {
            int count = shared->count.load(std::memory_order_acquire);
            for (int i = 0; i < count; ++i)
                work(job(i), const_cast<uint8_t*>(result(i)));
            shared->done.fetch_add(1, std::memory_order_release);
        }
        _exit(0);
    }
    close(fds[0]);
    wakeFd = fds[1];
    sent = 0;
    return true;
}

void HelperProcess::stop() {
    if (pid > 0) {
        // It holds nothing that needs putting away, and may be in the middle of
        // a batch nobody wants any more.
        close(wakeFd);
        kill(pid, SIGKILL);
        int status;
        waitpid(pid, &status, 0);
    }
    if (shared) munmap(shared, mapped);
    shared = nullptr;
    pid = -1;
    wakeFd = -1;
}

bool HelperProcess::idle() const {
    return shared->done.load(std::memory_order_acquire) == sent;
}

uint8_t* HelperProcess::job(int i) {
    return (uint8_t*)shared + aligned(sizeof(Shared)) + jobSize * (size_t)i;
}

const uint8_t* HelperProcess::result(int i) const {
    return (const uint8_t*)shared + aligned(sizeof(Shared)) + jobSize * (size_t)capacity +
           resultSize * (size_t)i;
}

void HelperProcess::send(int count) {
    shared->count.store(count, std::memory_order_release);
    ++sent;
    char wake = 1;
    if (::send(wakeFd, &wake, 1, MSG_NOSIGNAL) != 1) {
        // A helper that cannot be woken is gone: do without it.
        --sent;
        stop();
    }
}
