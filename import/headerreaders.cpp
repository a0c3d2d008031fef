#include "import/headerreaders.h"

#include "import/qwavfileheader.h"

#include <algorithm>

HeaderReaders::HeaderReaders(int maxThreads, int window)
    : m_slots(size_t(std::max(1, window)))
    , m_maxThreads(size_t(std::max(1, maxThreads)))
{
    const size_t processors = std::max(1u, std::thread::hardware_concurrency());
    const std::lock_guard<std::mutex> lock(m_mutex);
    while (m_threads.size() < std::min(processors, m_maxThreads))
        AddReader();
}

void HeaderReaders::AddReader()
{
    m_threads.emplace_back([this] { ReadQueuedFiles(); });
}

// Once stopping, no reader is added any more.
HeaderReaders::~HeaderReaders()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_fileQueued.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

// Waking a reader costs more than a read, so readers are woken for a batch
// of files, or when the scan waits for a file no reader has taken yet.
void HeaderReaders::Queue(const QString &fileName, const QString &filePath)
{
    bool wake = false;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Slot &slot = SlotOf(m_queued++);
        slot.fileName = fileName;
        slot.read = HeaderRead{filePath, std::nullopt, 0};
        slot.done = false;
        wake = m_idleReaders > 0 && m_queued - m_claimed >= kFilesPerClaim;
    }
    if (wake)
        m_fileQueued.notify_one();
}

std::vector<HeaderRead> HeaderReaders::TakeOldest()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    Slot &oldest = SlotOf(m_taken);
    if (!oldest.done) {
        if (m_claimed == m_taken)
            m_fileQueued.notify_one();
        m_oldestRead.wait(lock, [&oldest] { return oldest.done; });
    }
    std::vector<HeaderRead> reads;
    for (; m_taken < m_queued && SlotOf(m_taken).done; ++m_taken)
        reads.push_back(std::move(SlotOf(m_taken).read));
    return reads;
}

void HeaderReaders::ReadQueuedFiles()
{
    QWavFileHeader holder;
    std::vector<std::pair<QString, QString>> files;
    std::vector<HeaderRead> reads;
    using Clock = std::chrono::steady_clock;
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        ++m_idleReaders;
        m_fileQueued.wait(lock, [this] { return m_stopping || m_claimed < m_queued; });
        --m_idleReaders;
        if (m_stopping)
            return;
        const size_t first = m_claimed;
        m_claimed = std::min(m_queued, first + kFilesPerClaim);
        files.clear();
        for (size_t sequence = first; sequence < m_claimed; ++sequence)
            files.emplace_back(SlotOf(sequence).fileName, SlotOf(sequence).read.filePath);
        lock.unlock();
        reads.clear();
        const Clock::time_point started = Clock::now();
        for (const auto &[fileName, filePath] : files) {
            if (m_stopping)
                return;
            HeaderRead read{filePath, std::nullopt, 0};
            read.record = ReadRecording(holder, fileName, filePath, &read.failure);
            reads.push_back(std::move(read));
        }
        const bool slow = Clock::now() - started > kSlowRead * files.size();
        lock.lock();
        if (slow && !m_stopping && m_threads.size() < m_maxThreads)
            AddReader();
        for (size_t i = 0; i < reads.size(); ++i) {
            Slot &slot = SlotOf(first + i);
            slot.read = std::move(reads[i]);
            slot.done = true;
        }
        if (m_taken >= first && m_taken < first + reads.size())
            m_oldestRead.notify_one();
    }
}
