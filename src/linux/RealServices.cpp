#include "linux/X11Platform.h"
#include "log/LogLocation.h"
#include "platform/Services.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QUrl>

#include <random>

namespace zorbiks {

namespace {

QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

// QSoundEffect on <name>.wav from the sounds folder. A missing file plays
// nothing; an effect is made the first time its sound is asked for, so that
// start-up does not wait for the audio system.
class QtSounds final : public Sounds {
public:
    QtSounds()
    {
        const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_SOUNDS");
        folder_ = fromEnvironment.isEmpty()
                      ? QCoreApplication::applicationDirPath() + "/../share/zorbiks/sounds"
                      : fromEnvironment;
    }

    void play(const QString &name) override
    {
        auto it = effects_.find(name);
        if (it == effects_.end()) {
            const QString file = QDir(folder_).filePath(name + ".wav");
            QSoundEffect *effect = nullptr;
            if (QFileInfo::exists(file)) {
                effect = new QSoundEffect(&owner_);
                effect->setSource(QUrl::fromLocalFile(file));
            }
            it = effects_.insert(name, effect);
        }
        if (*it)
            (*it)->play();
    }

    void beep() override { QApplication::beep(); }

private:
    QString folder_;
    QObject owner_;
    QHash<QString, QSoundEffect *> effects_;
};

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

// The default printer on A5 paper with the default font. Without a printer,
// or when printing cannot start, the page is saved as a PDF file instead.
class QtPrinter final : public Printer {
public:
    PrintResult print(const QStringList &lines) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (!info.isNull()) {
            QPrinter printer(info, QPrinter::HighResolution);
            if (paint(printer, lines))
                return {PrintResult::Outcome::Printed, QString()};
        }
        const QString path = pdfPath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(path);
        if (paint(pdf, lines))
            return {PrintResult::Outcome::SavedAsPdf, path};
        return {PrintResult::Outcome::Failed, path};
    }

private:
    static QString pdfPath()
    {
        const QString fromEnvironment = qEnvironmentVariable("ZORBIKS_PRINT_TO");
        if (!fromEnvironment.isEmpty())
            return fromEnvironment;
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty())
            folder = QDir::homePath();
        return folder + QStringLiteral("/Зорбикс-результаты-") +
               QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-hh-mm-ss")) +
               QStringLiteral(".pdf");
    }

    // Lines are drawn one under another; a line too wide for the sheet wraps
    // rather than being cut off, and a page that is full continues on the
    // next one.
    static bool paint(QPrinter &printer, const QStringList &lines)
    {
        printer.setPageSize(QPageSize(QPageSize::A5));
        printer.setDocName(QStringLiteral("Зорбикс"));
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        const QRect page = painter.viewport();
        int y = 0;
        for (const QString &line : lines) {
            const QRect needed = painter.boundingRect(QRect(0, 0, page.width(), page.height()),
                                                      Qt::TextWrapAnywhere, line);
            const int height = qMax(needed.height(), painter.fontMetrics().lineSpacing());
            if (y > 0 && y + height > page.height()) {
                if (!printer.newPage())
                    return false;
                y = 0;
            }
            painter.drawText(QRect(0, y, page.width(), height), Qt::TextWrapAnywhere, line);
            y += height;
        }
        return painter.end();
    }
};

} // namespace

std::unique_ptr<Services> makeRealServices(const RealServicesOptions &options)
{
    auto services = std::make_unique<Services>();
    services->sounds = std::make_unique<QtSounds>();
    services->keyboardLayout = makeX11KeyboardLayout();
    services->settings = std::make_unique<QtSettingsStore>();
    services->clock = std::make_unique<SystemClock>();
    services->random = std::make_unique<TimeSeededRandom>();
    services->printer = std::make_unique<QtPrinter>();
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
