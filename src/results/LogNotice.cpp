#include "results/LogNotice.h"

#include "log/ResultsLog.h"

#include <QLabel>

namespace zorbiks {

LogNotice::LogNotice(ResultsLog &log, QLabel *label, QObject *parent)
    : QObject(parent)
    , log_(log)
    , label_(label)
{
    poll_.setInterval(pollMs);
    connect(&poll_, &QTimer::timeout, this, &LogNotice::tick);
    log_.setWriterListener(
        [this] { QMetaObject::invokeMethod(this, &LogNotice::refresh, Qt::QueuedConnection); });
}

LogNotice::~LogNotice()
{
    log_.setWriterListener(nullptr);
}

QString LogNotice::text() const
{
    const LogWriter::Status status = log_.status();
    if (status.waiting == 0)
        return QString();
    if (status.writing && noticeSince_ < 0) {
        if (ending_.isValid() && ending_.elapsed() >= waitLineMs)
            return QStringLiteral("Записи сохраняются в файл результатов «%1»…")
                .arg(log_.location());
        return label_->isVisible() ? label_->text() : QString();
    }
    const QString silent =
        status.writing ? QStringLiteral("папка файла результатов не отвечает; ") : QString();
    if (status.unsaved == 0) {
        return QStringLiteral("Внимание, учителю: %1в файл результатов «%2» не записано записей: "
                              "%3. Они сохранены на этом компьютере («%4») и будут дописаны в "
                              "файл по порядку, как только он станет доступен (проверьте папку и "
                              "права на запись).")
            .arg(silent, log_.location())
            .arg(status.waiting)
            .arg(log_.spoolLocation());
    }
    return QStringLiteral("Внимание, учителю: %1в файл результатов «%2» не записано записей: %3, "
                          "из них не сохранено нигде: %4 — они пропадут при выходе из программы "
                          "(проверьте папку файла результатов и место на диске этого "
                          "компьютера).")
        .arg(silent, log_.location())
        .arg(status.waiting)
        .arg(status.unsaved);
}

void LogNotice::refresh()
{
    const QString said = text();
    label_->setText(said);
    label_->setVisible(!said.isEmpty());
    if (log_.isWriting() && !poll_.isActive())
        poll_.start();
}

void LogNotice::endRun(std::function<void()> end)
{
    if (ending_.isValid())
        return;
    end_ = std::move(end);
    ending_.start();
    log_.retryPending();
    poll_.start();
    tick();
}

void LogNotice::tick()
{
    refresh();
    if (!end_) { // not ending, or ended
        if (!log_.isWriting())
            poll_.stop();
        return;
    }
    const LogWriter::Status status = log_.status();
    const qint64 now = ending_.elapsed();
    if (status.writing && now < answerBoundMs)
        return;
    if (status.waiting > 0 && noticeSince_ < 0) {
        noticeSince_ = now;
        refresh();
    }
    if (status.waiting == 0 || now - noticeSince_ >= noticeMs) {
        poll_.stop();
        const std::function<void()> end = std::exchange(end_, nullptr);
        end();
    }
}

} // namespace zorbiks
