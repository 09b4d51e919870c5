#pragma once

// The seams between Зорбикс and the operating system. Screens never call the
// system directly: they ask the one Services object that the stage owns.
// Real implementations live in src/linux (RealServices.cpp, X11Platform.cpp), the
// recording fakes for tests in FakeServices.h.

#include <QDateTime>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QWidget;

namespace zorbiks {

// Sounds by name ("click2", "sloos1", "нет", "error", "SUCCESS", "FANFAR08",
// "спасибо"), played asynchronously and never waited for.
class Sounds {
public:
    virtual ~Sounds() = default;
    virtual void play(const QString &name) = 0;
    // The system's short warning beep.
    virtual void beep() = 0;
};

enum class KeyboardLayoutKind { Russian, UsEnglish };

// The keyboard layout belongs to the whole desktop session, not to the
// program: what the program switches for the pupil it gives back at the end.
class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    virtual void activate(KeyboardLayoutKind layout) = 0;
    // Back to the layout the session had when the program started.
    virtual void restore() = 0;
};

// The per-user store of the settings: where the results log lives (the
// teacher's), and the administrator's display scale.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored location, or an empty string when none is stored.
    virtual QString logLocation() const = 0;
    virtual bool setLogLocation(const QString &path) = 0;
    // `[Display] scale`: a fixed display scale from 1 to 4 (1 keeps the
    // designed pixel sizes on every screen), or nothing: the stage keeps its
    // proportions on any screen.
    virtual std::optional<double> displayScale() const = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// A uniform generator of numbers in [0, 1), reseeded from the time of day
// every time an exercise screen draws new data.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(quint32 seed) = 0;
    virtual double next() = 0;
};

struct PrintResult {
    enum class Outcome { Printed, SavedAsPdf, Failed };
    Outcome outcome = Outcome::Failed;
    QString path; // the PDF file when the page was saved instead of printed
};

// Prints the results page: one line of text per item, on A5 paper.
class Printer {
public:
    virtual ~Printer() = default;
    virtual PrintResult print(const QStringList &lines) = 0;
};

// Moves the pointer and synthesises clicks for the Windows-key guard.
class PointerInput {
public:
    virtual ~PointerInput() = default;
    virtual void moveTo(const QPoint &screenPosition) = 0;
    virtual void click() = 0;
};

// Keeps the pupil from reaching the desktop's task manager and shortcuts
// from registration until the end of the run.
class TaskManagerLock {
public:
    virtual ~TaskManagerLock() = default;
    // The window that holds the lock (the stage); called once.
    virtual void attachWindow(QWidget *window) { Q_UNUSED(window); }
    virtual void engage() = 0;
    virtual void release() = 0;
    virtual bool isEngaged() const = 0;
};

struct Services {
    std::unique_ptr<Sounds> sounds;
    std::unique_ptr<KeyboardLayout> keyboardLayout;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<Printer> printer;
    std::unique_ptr<PointerInput> pointer;
    std::unique_ptr<TaskManagerLock> lock;
};

struct RealServicesOptions {
    bool windowed = false; // no keyboard grab in a development window
};

// The real services of this machine.
std::unique_ptr<Services> makeRealServices(const RealServicesOptions &options);

// Reseeds the random source from the time of day (milliseconds since
// midnight), as every draw of new data does first.
void reseedFromTimeOfDay(Services &services);

} // namespace zorbiks
