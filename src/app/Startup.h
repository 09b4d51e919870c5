#pragma once

#include <QStringList>

#include <memory>

class QWidget;

namespace zorbiks {

struct Services;

// Builds the real services, creates the stage and shows the registration
// screen; returns the stage without entering the event loop. Deleting the
// stage ends the run; calling this again starts a fresh one.
// Arguments: --windowed shows an ordinary 1024 × 768 window instead of the
// full screen.
QWidget *startApplication(const QStringList &arguments);

// The same with the given services (tests hand in fakes).
QWidget *startApplication(const QStringList &arguments, std::unique_ptr<Services> services);

// Ends the process after the event loop of the run on `stage`, with `code`:
// the results log, its spool and the services are closed first, then the
// process ends at once. The screens are not taken apart: with every one of
// the 28 exercises made, that alone would make the pupil wait longer than
// the whole end takes.
[[noreturn]] void endApplication(QWidget *stage, int code);

} // namespace zorbiks
