#include "app/Startup.h"
#include "shell/Stage.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <memory>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The write end of the pipe through which a signal reaches the event loop.
int signalPipeIn = -1;

// Only what is safe in a signal handler: one byte into the pipe.
void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipeIn, &byte, 1);
    errno = saved;
}

// SIGTERM, SIGHUP and SIGINT end the run the way the program's own end does:
// the keyboard released and the layout given back to the session. The
// handler only writes into a pipe; the end runs in the event loop. A second
// signal of the same kind ends the program at once, as without a handler.
std::unique_ptr<QSocketNotifier> endOnSignals(zorbiks::Stage *stage)
{
    int pipeEnds[2];
    if (!stage || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return nullptr;
    signalPipeIn = pipeEnds[1];
    const int pipeOut = pipeEnds[0];
    auto notifier = std::make_unique<QSocketNotifier>(pipeOut, QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, stage, [stage, pipeOut] {
        char bytes[16];
        while (::read(pipeOut, bytes, sizeof bytes) > 0) {
        }
        stage->endProgram();
    });
    struct sigaction action = {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        sigaction(signal, &action, nullptr);
    return notifier;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    std::unique_ptr<QWidget> stage(zorbiks::startApplication(application.arguments()));
    const auto ending = endOnSignals(qobject_cast<zorbiks::Stage *>(stage.get()));
    return application.exec();
}
