#include "linux/Modules.h"
#include "linux/SystemSounds.h"
#include "linux/X11Platform.h"
#include "log/LogLocation.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <mutex>
#include <random>
#include <vector>

#include <sys/stat.h>

namespace zorbiks {

namespace {

QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// What one settings file is at a moment: whether it is there, its
// identity, size and time of change.
struct FileStamp {
    bool present = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec changed{};

    static FileStamp of(const QByteArray &name)
    {
        FileStamp stamp;
        struct stat status {};
        if (::stat(name.constData(), &status) != 0)
            return stamp;
        stamp.present = true;
        stamp.device = status.st_dev;
        stamp.inode = status.st_ino;
        stamp.size = status.st_size;
        stamp.changed = status.st_mtim;
        return stamp;
    }
    bool operator==(const FileStamp &other) const
    {
        return present == other.present && device == other.device && inode == other.inode &&
               size == other.size && changed.tv_sec == other.changed.tv_sec &&
               changed.tv_nsec == other.changed.tv_nsec;
    }
};

// Group "Position", key "secr" of the application named after the executable.
// The location is read again only when a settings file changed: before every
// record that is one stat call a file, not a parse of the files.
class QtSettingsStore final : public SettingsStore {
public:
    QtSettingsStore()
    {
        for (const QString &file : settingsFiles())
            names_.push_back(QFile::encodeName(file));
        stamps_.resize(names_.size());
    }

    QString logLocation() const override
    {
        // A change made by another copy of the program, or by the
        // administrator, is seen at the next write.
        const std::lock_guard<std::mutex> guard(mutex_);
        bool changed = !read_;
        for (size_t i = 0; i < names_.size(); ++i) {
            const FileStamp stamp = FileStamp::of(names_[i]);
            changed = changed || stamp != stamps_[i];
            stamps_[i] = stamp;
        }
        if (changed) {
            location_ = storedLogLocation(executableName());
            read_ = true;
        }
        return location_;
    }

    bool setLogLocation(const QString &path) override
    {
        QSettings settings = open();
        settings.setValue(key(), path);
        settings.sync();
        const std::lock_guard<std::mutex> guard(mutex_);
        read_ = false;
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
    // The files where the location is kept: the user's, and the classroom's
    // in every folder of XDG_CONFIG_DIRS (/etc/xdg/zorbiks/zorbiks.conf).
    static QStringList settingsFiles()
    {
        const QString app = executableName();
        QStringList files{open().fileName()};
        QStringList system =
            qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts);
        if (system.isEmpty())
            system << QStringLiteral("/etc/xdg");
        for (const QString &folder : system)
            files << QDir::cleanPath(folder + '/' + app + '/' + app + QStringLiteral(".conf"));
        return files;
    }

    std::vector<QByteArray> names_;
    mutable std::mutex mutex_;
    mutable std::vector<FileStamp> stamps_;
    mutable QString location_;
    mutable bool read_ = false;
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
