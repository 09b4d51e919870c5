#include "log/LogWriter.h"

#include "log/LogSpool.h"

#include <QStringList>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace zorbiks {

namespace {

// How long the end of the program gives its writer to finish.
constexpr std::chrono::seconds stopWait{3};
// A spool that grows past this while every record in it is delivered is cut.
constexpr qint64 spoolCutSize = 64 * 1024;

} // namespace

struct LogWriter::State {
    struct Entry {
        QByteArray bytes;
        QString target;
        bool inSpool = false;
        bool durable = false; // flushed to the spool's disk
        bool tried = false;   // its log refused it once
    };

    // One delivery: the first `count` records, to the first of `targets` that
    // takes them.
    struct Work {
        int count = 0;
        int inSpool = 0; // the first ones, in the spool (a delivery note covers them)
        qsizetype spooledLength = 0;
        bool durable = false; // some of them are flushed to the spool's disk
        bool waited = false;  // some of them were refused before
        QByteArray bytes;
        QStringList targets;
    };

    explicit State(const QString &spoolPath)
        : spool(spoolPath)
    {}

    // All below under `mutex`, but the spool's sync() and the log itself.
    mutable std::mutex mutex;
    std::condition_variable wake;            // work for the writer, or its end
    mutable std::condition_variable changed; // the writer finished a step
    LogSpool spool;
    std::deque<Entry> entries;
    int memoryOnly = 0;
    std::optional<UnsettledDelivery> unsettled;
    bool settleDue = false;
    std::optional<QStringList> retryAt;
    bool busy = false;
    bool stopping = false;  // try what is handed over, then end
    bool abandoned = false; // end at once
    bool finished = false;
    std::function<void()> listener;
    std::atomic<int> lockWaitMs{defaultLockWaitMs};
    EncodedPath encoded; // the last log tried, used only by the thread that delivers

    bool hasWork() const
    {
        if (unsettled)
            return settleDue;
        return (retryAt && !entries.empty()) ||
               std::any_of(entries.begin(), entries.end(), [](const Entry &e) { return !e.tried; });
    }

    bool spoolDrained() const
    {
        return std::none_of(entries.begin(), entries.end(),
                            [](const Entry &e) { return e.inSpool; });
    }

    std::optional<Work> takeWork();
    void settle(std::unique_lock<std::mutex> &lock);
    bool attempt(const Work &work, const QString &target);
    void deliver(const Work &work);
    bool step();
    void stepsDue();
    void loop();
};

std::optional<LogWriter::State::Work> LogWriter::State::takeWork()
{
    Work work;
    if (retryAt && !entries.empty()) {
        work.count = static_cast<int>(entries.size());
        work.targets = *retryAt;
    } else {
        const auto first =
            std::find_if(entries.begin(), entries.end(), [](const Entry &e) { return !e.tried; });
        if (first == entries.end()) {
            retryAt.reset();
            return std::nullopt;
        }
        // The records before it go with it; so do the untried ones after it
        // that are for the same log.
        auto last = first;
        while (last + 1 != entries.end() && !(last + 1)->tried &&
               (last + 1)->target == first->target)
            ++last;
        work.count = static_cast<int>(last - entries.begin()) + 1;
        work.targets = {first->target};
    }
    retryAt.reset();
    for (int i = 0; i < work.count; ++i) {
        const Entry &entry = entries[static_cast<size_t>(i)];
        work.bytes += entry.bytes;
        work.waited = work.waited || entry.tried || entry.durable;
        if (entry.inSpool) {
            ++work.inSpool;
            work.spooledLength += entry.bytes.size();
            work.durable = work.durable || entry.durable;
        }
    }
    return work;
}

// A delivery that the last run did not see finished: were its records
// appended? Until that is known, nothing after them can go.
void LogWriter::State::settle(std::unique_lock<std::mutex> &lock)
{
    settleDue = false;
    const UnsettledDelivery delivery = *unsettled;
    QByteArray records;
    for (int i = 0; i < delivery.count; ++i)
        records += entries[static_cast<size_t>(i)].bytes;
    lock.unlock();
    const DeliveryOutcome outcome = LogSpool::outcome(delivery, records, lockWaitMs);
    lock.lock();
    if (outcome == DeliveryOutcome::Delivered) {
        entries.erase(entries.begin(), entries.begin() + delivery.count);
        unsettled.reset();
    } else if (outcome == DeliveryOutcome::NotDelivered) {
        spool.noteFailure();
        unsettled.reset();
    } // Unknown: asked again with the next record
}

// One try of `work` at `target`: true when the records are in the log.
bool LogWriter::State::attempt(const Work &work, const QString &target)
{
    LockedLog log(encoded.name(target), lockWaitMs);
    if (!log.isReady())
        return false;
    if (work.inSpool > 0) {
        // The note first: a run that stops now can tell whether the records
        // got there. Without it the spooled records are not sent at all.
        bool noted = false;
        {
            const std::lock_guard<std::mutex> guard(mutex);
            noted = spool.noteDelivery(log.sizeBefore(), work.spooledLength, target, work.inSpool);
        }
        if (!noted)
            return false;
        // Records that waited on the disk stay exactly once after a power cut.
        if (work.durable)
            (void)spool.sync();
    }
    if (log.append(work.bytes))
        return true;
    if (work.inSpool > 0) {
        const std::lock_guard<std::mutex> guard(mutex);
        spool.noteFailure();
    }
    return false;
}

void LogWriter::State::deliver(const Work &work)
{
    bool delivered = false;
    for (const QString &target : work.targets) {
        if (!target.isEmpty() && attempt(work, target)) {
            delivered = true;
            break;
        }
    }
    std::unique_lock<std::mutex> lock(mutex);
    const auto end = entries.begin() + work.count;
    if (delivered) {
        memoryOnly -= static_cast<int>(
            std::count_if(entries.begin(), end, [](const Entry &e) { return !e.inSpool; }));
        entries.erase(entries.begin(), end);
        if (spoolDrained() && (work.waited || stopping || spool.size() >= spoolCutSize))
            spool.empty();
        return;
    }
    bool unflushed = false;
    for (auto it = entries.begin(); it != end; ++it) {
        it->tried = true;
        unflushed = unflushed || (it->inSpool && !it->durable);
    }
    if (!unflushed)
        return;
    // They wait: on the disk, so that a power cut does not take them.
    lock.unlock();
    const bool flushed = spool.sync();
    lock.lock();
    for (Entry &entry : entries)
        entry.durable = entry.durable || (flushed && entry.inSpool && entry.tried);
}

// Does one piece of due work on this thread and tells the listener: false
// when there was none.
bool LogWriter::State::step()
{
    std::unique_lock<std::mutex> lock(mutex);
    if (unsettled && settleDue) {
        busy = true;
        settle(lock);
    } else if (const std::optional<Work> work = unsettled ? std::nullopt : takeWork()) {
        busy = true;
        lock.unlock();
        deliver(*work);
        lock.lock();
    } else {
        return false;
    }
    const std::function<void()> tell = listener;
    lock.unlock();
    if (tell)
        tell();
    lock.lock();
    busy = false;
    changed.notify_all();
    return true;
}

void LogWriter::State::stepsDue()
{
    while (step()) {
    }
}

void LogWriter::State::loop()
{
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            wake.wait(lock, [this] { return abandoned || stopping || hasWork(); });
            if (abandoned || (stopping && !hasWork()))
                break;
        }
        step();
    }
    const std::lock_guard<std::mutex> guard(mutex);
    if (!abandoned && spoolDrained())
        spool.empty();
    finished = true;
    changed.notify_all();
}

LogWriter::LogWriter(const QString &spoolPath, Thread thread)
    : state_(std::make_shared<State>(spoolPath))
{
    State &state = *state_;
    if (state.spool.open()) {
        for (const KeptRecord &record : state.spool.left())
            state.entries.push_back(
                {record.bytes, record.target, true, true, record.target.isEmpty()});
        state.unsettled = state.spool.unsettled();
        state.settleDue = true;
    }
    if (thread == Thread::Own)
        thread_ = std::thread([shared = state_] { shared->loop(); });
    else
        state.stepsDue();
}

LogWriter::~LogWriter()
{
    State &state = *state_;
    if (!thread_.joinable()) {
        const std::lock_guard<std::mutex> guard(state.mutex);
        if (state.spoolDrained())
            state.spool.empty();
        return;
    }
    bool finished = false;
    {
        std::unique_lock<std::mutex> lock(state.mutex);
        state.stopping = true;
        state.wake.notify_all();
        finished = state.changed.wait_for(lock, stopWait, [&] { return state.finished; });
        state.abandoned = !finished;
    }
    state.wake.notify_all();
    if (finished)
        thread_.join();
    else
        thread_.detach(); // it keeps the state it needs; the process ends it
}

void LogWriter::write(const QByteArray &record, const QString &target)
{
    State &state = *state_;
    {
        const std::lock_guard<std::mutex> guard(state.mutex);
        State::Entry entry{record, target};
        // Behind a record kept only in memory, the next ones wait there too:
        // the spool holds the first of them, in order.
        entry.inSpool = state.memoryOnly == 0 && state.spool.keep(record, target);
        if (!entry.inSpool)
            ++state.memoryOnly;
        state.entries.push_back(std::move(entry));
        state.settleDue = true;
    }
    if (thread_.joinable())
        state.wake.notify_one();
    else
        state.stepsDue();
}

void LogWriter::retry(const QString &first, const QString &second)
{
    State &state = *state_;
    {
        const std::lock_guard<std::mutex> guard(state.mutex);
        state.retryAt = first == second ? QStringList{first} : QStringList{first, second};
        state.settleDue = true;
    }
    if (thread_.joinable())
        state.wake.notify_one();
    else
        state.stepsDue();
}

LogWriter::Status LogWriter::status() const
{
    const State &state = *state_;
    const std::lock_guard<std::mutex> guard(state.mutex);
    return {static_cast<int>(state.entries.size()), state.memoryOnly,
            state.busy || state.hasWork()};
}

bool LogWriter::waitUntilTried(int ms) const
{
    const State &state = *state_;
    std::unique_lock<std::mutex> lock(state.mutex);
    return state.changed.wait_for(lock, std::chrono::milliseconds(ms),
                                  [&] { return !state.busy && !state.hasWork(); });
}

void LogWriter::setListener(std::function<void()> listener)
{
    const std::lock_guard<std::mutex> guard(state_->mutex);
    state_->listener = std::move(listener);
}

QString LogWriter::spoolPath() const
{
    return state_->spool.path();
}

void LogWriter::setLockWait(int milliseconds)
{
    state_->lockWaitMs = milliseconds;
}

} // namespace zorbiks
