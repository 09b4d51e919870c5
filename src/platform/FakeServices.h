#pragma once

// Recording fakes of the platform seams, for tests. Each remembers what it
// was asked; the random source plays back a script of draws.

#include "platform/Services.h"

#include <QList>
#include <QQueue>

#include <random>

namespace zorbiks {

class FakeSounds final : public Sounds {
public:
    void play(const QString &name) override { played.append(name); }
    void beep() override { ++beeps; }

    QStringList played;
    int beeps = 0;
};

class FakeKeyboardLayout final : public KeyboardLayout {
public:
    void activate(KeyboardLayoutKind layout) override { switches.append(layout); }
    void restore() override { ++restores; }

    QList<KeyboardLayoutKind> switches;
    int restores = 0;
};

class FakeSettingsStore final : public SettingsStore {
public:
    QString logLocation() const override
    {
        ++reads;
        return location;
    }
    bool setLogLocation(const QString &path) override
    {
        location = path;
        ++writes;
        return true;
    }
    std::optional<double> displayScale() const override { return scale; }

    QString location;
    std::optional<double> scale;
    mutable int reads = 0;
    int writes = 0;
};

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return time; }

    QDateTime time{QDate(2024, 12, 8), QTime(10, 39, 5)};
};

// Plays back scripted values; once the script is used up it continues with a
// generator seeded by reseed(), so that draws which reject repeats still end.
class ScriptedRandom final : public RandomSource {
public:
    void reseed(quint32 seed) override
    {
        seeds.append(seed);
        engine_.seed(seed);
    }
    double next() override
    {
        ++draws;
        if (!script.isEmpty())
            return script.dequeue();
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }

    // Queues the raw value that makes "integer part of (r × count) + first"
    // come out as `value`.
    void scriptDraw(int value, int count, int first = 1)
    {
        script.enqueue((value - first + 0.5) / count);
    }

    QQueue<double> script;
    QList<quint32> seeds;
    int draws = 0;

private:
    std::mt19937 engine_{1};
};

class FakePrinter final : public Printer {
public:
    PrintResult print(const QStringList &lines) override
    {
        printed.append(lines);
        return result;
    }

    QList<QStringList> printed;
    PrintResult result{PrintResult::Outcome::Printed, QString()};
};

class FakePointerInput final : public PointerInput {
public:
    void moveTo(const QPoint &screenPosition) override { moves.append(screenPosition); }
    void click() override { ++clicks; }

    QList<QPoint> moves;
    int clicks = 0;
};

class FakeTaskManagerLock final : public TaskManagerLock {
public:
    void engage() override
    {
        engaged = true;
        ++engages;
    }
    void release() override
    {
        engaged = false;
        ++releases;
    }
    bool isEngaged() const override { return engaged; }

    bool engaged = false;
    int engages = 0;
    int releases = 0;
};

// A Services object made of fakes, and typed access to each of them.
struct FakeServices {
    FakeServices();
    // Hands the fakes over to their owner; the typed pointers stay valid as
    // long as that owner lives.
    std::unique_ptr<Services> take();

    std::unique_ptr<Services> services;
    FakeSounds *sounds;
    FakeKeyboardLayout *keyboardLayout;
    FakeSettingsStore *settings;
    FakeClock *clock;
    ScriptedRandom *random;
    FakePrinter *printer;
    FakePointerInput *pointer;
    FakeTaskManagerLock *lock;
};

} // namespace zorbiks
