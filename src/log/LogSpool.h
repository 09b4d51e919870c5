#pragma once

// The spool of the results log: a small file on this computer where every
// record is kept, with one write, from the moment it is made until it is in
// the log; a record the log refuses waits there, in order, also for a later
// run of the program. Its format is a sequence of items:
//
//   "R<length> <target hex>\n<bytes>"            one record and the log it is
//                                                for ("R<length>\n<bytes>"
//                                                from earlier versions)
//   "D<size before> <length> <target hex> <count>\n"
//                                                the first <count> records
//                                                still kept are being
//                                                appended to the target
//                                                (without <count>: all of
//                                                them)
//   "F\n"                                        the delivery noted last did
//                                                not happen
//
// A delivery item names the log and its size before the append, so that
// after a kill, a crash or a power cut the next run can tell a finished
// delivery (the bytes are there: the records are dropped), a torn one (the
// torn tail is taken back and the records delivered again) and one that
// never reached the log. A delivery item that a later one follows was
// finished. Records may follow a delivery item: they were kept while it was
// under way. The file is cut to nothing once every record in it is in the
// log.
//
// One run of the program holds the spool (a lock of the open file) from
// start to end. A new run waits a few seconds for a run that is ending; a
// second program that finds it held longer does without one.

#include "log/LogFile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <string>

namespace zorbiks {

struct KeptRecord {
    QByteArray bytes;
    QString target; // empty in the spools of earlier versions
};

// A delivery noted in the spool that its run did not see finished.
struct UnsettledDelivery {
    QString target;
    off_t sizeBefore = 0;
    qsizetype length = 0;
    int count = 0; // it covers the first `count` records left
};

enum class DeliveryOutcome {
    Delivered,    // the records are in the log, once
    NotDelivered, // none of them is (a torn part was taken back)
    Unknown,      // the log cannot be read now
};

class LogSpool {
public:
    explicit LogSpool(QString path)
        : path_(std::move(path))
    {}

    QString path() const { return path_; }

    // Opens the spool for this run (created, with its folder, when missing)
    // and takes its lock for as long as the object lives; reads what earlier
    // runs left and cuts a torn tail. False when there is no path, it cannot
    // be opened, or another running program holds it.
    bool open();
    // Open, and whole: nothing went wrong that it could not take back.
    bool isUsable() const { return fd_.isOpen() && !broken_; }

    // The records earlier runs left, in order, and the delivery that was
    // under way when the last of them stopped (it covers the first ones).
    const QList<KeptRecord> &left() const { return left_; }
    const std::optional<UnsettledDelivery> &unsettled() const { return unsettled_; }

    // Whether the records of `delivery` (`records`: their bytes, one after
    // another) reached its log. A torn part of them at the log's end is
    // taken back: NotDelivered.
    static DeliveryOutcome outcome(const UnsettledDelivery &delivery, const QByteArray &records,
                                   int lockWaitMs);

    // Each of these is one write at the end of the spool, without fsync;
    // false, and nothing left behind, when it cannot be made.
    bool keep(const QByteArray &record, const QString &target);
    bool noteDelivery(off_t sizeBefore, qsizetype length, const QString &target, int count);
    // The delivery noted last did not happen.
    bool noteFailure();

    // Flushes what is written to the disk (the records survive a power cut).
    bool sync() const;
    // Every record kept is in the log: cuts the spool to nothing.
    bool empty();
    qint64 size() const { return size_; }

private:
    bool append(QByteArrayView item);
    void startItem(char kind);
    void addNumber(qint64 value);
    void addBytes(const QByteArray &bytes);

    QString path_;
    Descriptor fd_;
    bool broken_ = false; // a torn item could not be taken back
    off_t size_ = 0;
    off_t noteAt_ = -1; // the open delivery item, from here to noteEnd_
    off_t noteEnd_ = -1;
    std::string item_;
    EncodedPath target_; // the log the last item named
    QList<KeptRecord> left_;
    std::optional<UnsettledDelivery> unsettled_;
};

} // namespace zorbiks
