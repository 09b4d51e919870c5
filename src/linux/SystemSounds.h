#pragma once

// The real sounds seam: fire and forget. play() only queues the name; a
// thread of its own loads the sound module, connects to the sound system and
// plays, so that neither the start-up nor a click ever waits for the sound
// server. Without a sound system the program goes on silently: the
// connection is tried again at most once every `retry`, never once per sound.

#include "platform/Services.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace zorbiks {

class SoundOutput;

// The sounds of the XDG sound theme "zorbiks" through the sound module in
// `modules`; the program's own copy of the theme (share/sounds/zorbiks
// beside its bin folder) serves when no theme folder has a sound.
// ZORBIKS_SOUNDS names a folder of <name>.wav files to play instead.
std::unique_ptr<Sounds> makeSystemSounds(const QString &modules);

class SystemSounds final : public Sounds {
public:
    using Clock = std::chrono::steady_clock;
    // Makes the output on the sound thread; nullptr when there is no module.
    using OutputFactory = std::function<std::unique_ptr<SoundOutput>()>;

    explicit SystemSounds(OutputFactory makeOutput,
                          std::chrono::milliseconds retry = std::chrono::seconds(10),
                          std::chrono::milliseconds stale = std::chrono::seconds(1));
    // Ends the sound thread; sounds already started play on.
    ~SystemSounds() override;

    void play(const QString &name) override;
    void beep() override;

private:
    struct Request {
        QString name;
        Clock::time_point asked;
    };
    void run();

    OutputFactory makeOutput_;
    const std::chrono::milliseconds retry_;
    const std::chrono::milliseconds stale_; // a sound asked for longer ago is dropped
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Request> queue_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace zorbiks
