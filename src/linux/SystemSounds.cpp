#include "linux/SystemSounds.h"

#include "linux/Modules.h"
#include "linux/SoundOutput.h"

#include <QApplication>

namespace zorbiks {

std::unique_ptr<Sounds> makeSystemSounds(const QString &modules)
{
    const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_SOUNDS");
    const bool theme = fromEnvironment.isEmpty();
    const QString folder = theme ? QCoreApplication::applicationDirPath() +
                                       QStringLiteral("/../share/sounds/zorbiks/stereo")
                                 : fromEnvironment;
    return std::make_unique<SystemSounds>([modules, folder, theme] {
        auto make = reinterpret_cast<MakeSoundOutput>(
            moduleFunction(modules, QStringLiteral("zorbiks-sound"), makeSoundOutputFunction));
        return std::unique_ptr<SoundOutput>(make ? make(folder, theme) : nullptr);
    });
}

SystemSounds::SystemSounds(OutputFactory makeOutput, std::chrono::milliseconds retry,
                           std::chrono::milliseconds stale)
    : makeOutput_(std::move(makeOutput))
    , retry_(retry)
    , stale_(stale)
{}

SystemSounds::~SystemSounds()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void SystemSounds::play(const QString &name)
{
    {
        const std::lock_guard lock(mutex_);
        queue_.push_back({name, Clock::now()});
        // The thread starts with the first sound (at the registration
        // screen's load), not before.
        if (!thread_.joinable())
            thread_ = std::thread(&SystemSounds::run, this);
    }
    wake_.notify_one();
}

void SystemSounds::beep()
{
    QApplication::beep();
}

void SystemSounds::run()
{
    enum class State { Closed, Open, Absent } state = State::Closed;
    std::unique_ptr<SoundOutput> output;
    Clock::time_point nextTry;
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (stopping_)
            break;
        const Request request = queue_.front();
        queue_.pop_front();
        lock.unlock();
        if (state == State::Closed && Clock::now() >= nextTry) {
            if (!output)
                output = makeOutput_();
            if (!output)
                state = State::Absent;
            else if (output->open())
                state = State::Open;
            else
                nextTry = Clock::now() + retry_;
        }
        // A sound that waited for the connection too long would only confuse.
        if (state == State::Open && Clock::now() - request.asked <= stale_)
            output->play(request.name);
        lock.lock();
    }
    lock.unlock();
    output.reset();
}

} // namespace zorbiks
