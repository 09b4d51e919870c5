// The real sounds seam with a recording output in place of the sound
// module: a click never waits for the sound system, sounds keep their order,
// no sound system means one try and not one per sound, and a sound that
// waited too long for the connection is dropped.

#include "support/TestMain.h"

#include "linux/SoundOutput.h"
#include "linux/SystemSounds.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

using namespace zorbiks;
using namespace std::chrono_literals;

namespace {

// What the sound thread did, seen from the test's thread.
struct Heard {
    std::mutex mutex;
    QStringList played;
    std::atomic<int> opens = 0;
    std::atomic<int> made = 0;

    QStringList names()
    {
        const std::lock_guard lock(mutex);
        return played;
    }
};

class RecordingOutput final : public SoundOutput {
public:
    RecordingOutput(Heard &heard, std::chrono::milliseconds openTakes, bool server,
                    std::chrono::milliseconds playTakes)
        : heard_(heard)
        , openTakes_(openTakes)
        , server_(server)
        , playTakes_(playTakes)
    {}
    bool open() override
    {
        ++heard_.opens;
        std::this_thread::sleep_for(openTakes_);
        return server_;
    }
    void play(const QString &name) override
    {
        std::this_thread::sleep_for(playTakes_);
        const std::lock_guard lock(heard_.mutex);
        heard_.played << name;
    }

private:
    Heard &heard_;
    std::chrono::milliseconds openTakes_;
    bool server_;
    std::chrono::milliseconds playTakes_;
};

SystemSounds::OutputFactory output(Heard &heard, std::chrono::milliseconds openTakes = 0ms,
                                   bool server = true, std::chrono::milliseconds playTakes = 0ms)
{
    return [&heard, openTakes, server, playTakes] {
        ++heard.made;
        return std::make_unique<RecordingOutput>(heard, openTakes, server, playTakes);
    };
}

bool waitUntil(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(5000);
    while (!done() && !deadline.hasExpired())
        QThread::msleep(5);
    return done();
}

const QStringList seven = {"click2", "sloos1", "нет", "error", "SUCCESS", "FANFAR08", "спасибо"};

} // namespace

class SystemSoundsTest : public QObject {
    Q_OBJECT
private slots:
    void clicksNeverWaitForTheConnectionAndSoundsKeepTheirOrder()
    {
        Heard heard;
        SystemSounds sounds(output(heard, 300ms));
        QElapsedTimer clock;
        clock.start();
        for (const QString &name : seven)
            sounds.play(name);
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(waitUntil([&] { return heard.names().size() == seven.size(); }));
        QCOMPARE(heard.names(), seven);
        QCOMPARE(int(heard.opens), 1);
    }

    void withoutASoundSystemOneTryNotOnePerSound()
    {
        Heard heard;
        {
            SystemSounds sounds(output(heard, 0ms, false), 200ms);
            for (int i = 0; i < 50; ++i)
                sounds.play("click2");
            QVERIFY(waitUntil([&] { return heard.opens == 1; }));
            QTest::qWait(50);
            QCOMPARE(int(heard.opens), 1);
            // Later the connection is tried again, with the next sound.
            QTest::qWait(300);
            sounds.play("click2");
            QVERIFY(waitUntil([&] { return heard.opens == 2; }));
        }
        QVERIFY(heard.names().isEmpty());
        QCOMPARE(int(heard.made), 1);
    }

    void soundsThatWaitedTooLongAreDropped()
    {
        Heard heard;
        SystemSounds sounds(output(heard, 300ms), 10s, 100ms);
        sounds.play("sloos1"); // waits for the connection: stale by then
        QTest::qWait(400);
        sounds.play("click2");
        QVERIFY(waitUntil([&] { return !heard.names().isEmpty(); }));
        QTest::qWait(50);
        QCOMPARE(heard.names(), QStringList{"click2"});
    }

    void withoutTheModuleSilentForTheWholeRun()
    {
        std::atomic<int> asked = 0;
        SystemSounds sounds([&asked] {
            ++asked;
            return std::unique_ptr<SoundOutput>();
        });
        for (int i = 0; i < 20; ++i)
            sounds.play("error");
        QTest::qWait(100);
        QCOMPARE(int(asked), 1);
    }

    void endingDoesNotWaitForQueuedSounds()
    {
        Heard heard;
        QElapsedTimer clock;
        {
            auto sounds = std::make_unique<SystemSounds>(output(heard, 0ms, true, 10ms));
            for (int i = 0; i < 1000; ++i)
                sounds->play("click2");
            QVERIFY(waitUntil([&] { return !heard.names().isEmpty(); }));
            clock.start();
        }
        // One sound at most was still being started; the rest are dropped.
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(heard.names().size() < 100);
    }
};

ZORBIKS_TEST(SystemSoundsTest)
#include "SystemSoundsTest.moc"
