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

} // namespace zorbiks
