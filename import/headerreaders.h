#pragma once

#include "import/recordextraction.h"

#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// What the read of one queued file came to.
struct HeaderRead
{
    QString filePath;
    // Nothing for a file that could not be read or holds no valid header.
    std::optional<ExtractedRecord> record;
    // The error when the read failed for a machine failure (IsMachineFailure), else 0.
    int failure = 0;
};

// A small pool of threads that read recording headers while the scan walks
// on, so that the waits of a slow file system overlap. The scan queues files
// in walk order and takes their records back in the same order; at most
// `window` files are queued and not yet taken, whatever the size of the tree.
// Queue, IsFull, HasQueued and TakeOldest belong to the one thread that owns
// the pool.
//
// The pool starts with one reader per processor, which is what reads from a
// local disk can use: more would only take the processors from the scan.
// Reads that wait on the storage (a network share) add a reader each time,
// up to kMaxThreads, so that their waits overlap.
class HeaderReaders
{
public:
    static constexpr int kMaxThreads = 16;
    static constexpr int kWindow = 256;
    static constexpr size_t kFilesPerClaim = 16;
    // Reads slower than this on average are held up by the storage.
    static constexpr std::chrono::microseconds kSlowRead{500};

    explicit HeaderReaders(int maxThreads = kMaxThreads, int window = kWindow);
    ~HeaderReaders(); // readers finish the header in hand, the rest is dropped
    HeaderReaders(const HeaderReaders &) = delete;
    HeaderReaders &operator=(const HeaderReaders &) = delete;

    bool IsFull() const { return m_queued - m_taken == m_slots.size(); }
    bool HasQueued() const { return m_queued != m_taken; }

    // Only when not full.
    void Queue(const QString &fileName, const QString &filePath);
    // The reads of the oldest queued files that have ended, in queue order,
    // waiting for the oldest one's read if need be.
    std::vector<HeaderRead> TakeOldest();

private:
    struct Slot
    {
        QString fileName;
        HeaderRead read;
        bool done = false;
    };

    void ReadQueuedFiles();
    // With the mutex held.
    void AddReader();
    Slot &SlotOf(size_t sequence) { return m_slots[sequence % m_slots.size()]; }

    std::vector<Slot> m_slots;
    const size_t m_maxThreads;
    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_fileQueued;
    std::condition_variable m_oldestRead;
    // Sequence numbers: queued > claimed >= taken, each counted from 0.
    size_t m_queued = 0;
    size_t m_claimed = 0;
    size_t m_taken = 0;
    int m_idleReaders = 0;
    std::atomic<bool> m_stopping{false};
};
