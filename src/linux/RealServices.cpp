#include "linux/Modules.h"
#include "linux/SystemSounds.h"
#include "linux/X11Platform.h"
#include "log/LogLocation.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <random>

namespace zorbiks {

namespace {

QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// Group "Position", key "secr" of the application named after the executable.
class QtSettingsStore final : public SettingsStore {
public:
    QString logLocation() const override
    {
        // A fresh QSettings reads the file again, so a change made by
        // another copy of the program is seen at the next write.
        return storedLogLocation(executableName());
    }

    bool setLogLocation(const QString &path) override
    {
        QSettings settings = open();
        settings.setValue(key(), path);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

    std::optional<double> displayScale() const override
    {
        // The user's file, else the classroom's under /etc/xdg.
        bool number = false;
        const double scale = open().value(QStringLiteral("Display/scale")).toDouble(&number);
        if (number && scale >= 1 && scale <= 4)
            return scale;
        return std::nullopt;
    }

private:
    static QString key() { return QStringLiteral("Position/secr"); }
    static QSettings open()
    {
        const QString app = executableName();
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, app, app);
    }
};

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class TimeSeededRandom final : public RandomSource {
public:
    void reseed(quint32 seed) override { engine_.seed(seed); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_{std::random_device{}()};
};

// The printing module's printer, loaded at the first page. Without the
// module nothing can be printed or saved.
class ModulePrinter final : public Printer {
public:
    explicit ModulePrinter(QString modules)
        : modules_(std::move(modules))
    {}

    PrintResult print(const QStringList &lines) override
    {
        if (!printer_) {
            using Make = Printer *(*)();
            if (auto make = reinterpret_cast<Make>(moduleFunction(
                    modules_, QStringLiteral("zorbiks-print"), "zorbiks_make_printer")))
                printer_.reset(make());
        }
        if (!printer_)
            return {PrintResult::Outcome::Failed, QString()};
        return printer_->print(lines);
    }

private:
    QString modules_;
    std::unique_ptr<Printer> printer_;
};

} // namespace

std::unique_ptr<Services> makeRealServices(const RealServicesOptions &options)
{
    auto services = std::make_unique<Services>();
    const QString modules = moduleFolder();
    services->sounds = makeSystemSounds(modules);
    services->keyboardLayout = makeX11KeyboardLayout();
    services->settings = std::make_unique<QtSettingsStore>();
    services->clock = std::make_unique<SystemClock>();
    services->random = std::make_unique<TimeSeededRandom>();
    services->printer = std::make_unique<ModulePrinter>(modules);
    services->pointer = makeX11PointerInput();
    services->lock = makeKeyboardGrabLock(!options.windowed);
    return services;
}

void reseedFromTimeOfDay(Services &services)
{
    services.random->reseed(
        static_cast<quint32>(services.clock->now().time().msecsSinceStartOfDay()));
}

} // namespace zorbiks
