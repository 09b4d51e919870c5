#pragma once

// What the results screen tells the teacher about the results log, on its
// label `ЖурналПредупреждение`: how many records are not in the log yet and
// where they are (kept on this computer, or nowhere but in memory), and, as
// the run ends, that the records are still being written.
//
// The end of the run tries the waiting records once more and waits for the
// writer, the screen staying alive: after half a second it says so; once
// every record is in the log the program ends. When records are still
// missing from the log, because it refused them or because its folder has
// not answered within a few seconds, the screen says how many and where
// they are, and the program ends a few seconds later; those kept on this
// computer are written by the next run.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class QLabel;

namespace zorbiks {

class ResultsLog;

class LogNotice : public QObject {
public:
    LogNotice(ResultsLog &log, QLabel *label, QObject *parent);
    ~LogNotice() override;

    // Shows what there is to say now (and again whenever the writer has
    // done something).
    void refresh();
    // Ends the run as described above; `end` is called once.
    void endRun(std::function<void()> end);

    static constexpr int pollMs = 50;
    static constexpr int waitLineMs = 500;     // then "the records are being written"
    static constexpr int answerBoundMs = 5000; // then the folder "does not answer"
    static constexpr int noticeMs = 5000;      // how long missing records are told about

private:
    void tick();
    QString text() const;

    ResultsLog &log_;
    QLabel *label_;
    QTimer poll_;
    QElapsedTimer ending_;
    std::function<void()> end_;
    qint64 noticeSince_ = -1; // since the run's end, ms; -1: not yet told
};

} // namespace zorbiks
