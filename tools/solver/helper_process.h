#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// A second process, forked from this one with all its state (the stage loaded,
// the search set up), that does jobs of fixed size for it on another core: the
// caller hands over a batch of jobs in shared memory, goes on with its own work
// and picks the results up when the batch is done. The game's state is global,
// so a process rather than a thread: each plays on its own copy.
class HelperProcess {
public:
    using Work = std::function<void(const uint8_t* job, uint8_t* result)>;

    HelperProcess() = default;
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    ~HelperProcess() { stop(); }

    // Forks the helper; false (and no helper) when that fails.
    bool start(size_t jobBytes, size_t resultBytes, int maxJobs, Work work);
    void stop();
    bool running() const { return pid > 0; }
    int maxJobs() const { return capacity; }

    // No batch handed over, or the last one is done.
    bool idle() const;
    // The job slots of the next batch; `send` hands `count` of them over.
    uint8_t* job(int i);
    void send(int count);
    // The results of the batch just done.
    const uint8_t* result(int i) const;

private:
    struct Shared;
    Shared* shared = nullptr;
    size_t mapped = 0;
    size_t jobSize = 0, resultSize = 0;
    int capacity = 0;
    int pid = -1;
    int wakeFd = -1; // the helper waits on it for a batch
    uint32_t sent = 0;
};
