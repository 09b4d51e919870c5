#include "HelpAndVersion.h"
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

QString help(bool english)
{
    if (english)
        return QStringLiteral(
            "Usage: zorbiks [--windowed]\n"
            "Zorbiks (Зорбикс) drills and tests pupils of grades 7 to 9 in informatics and\n"
            "prepares them for the ninth-grade exam: 28 questions in four sections, each\n"
            "with changing data and explanations after a wrong answer. A pupil registers\n"
            "with a surname; every attempt is written at once to the results log that the\n"
            "teacher reads with zorbiks-report. The program fills the screen and holds the\n"
            "keyboard; the results screen is the only way out.\n"
            "\n"
            "Options:\n"
            "  --windowed   an ordinary 1024 x 768 window instead of the full screen, the\n"
            "               keyboard not held (for development and demonstrations)\n"
            "  -h, --help   print this help and exit\n"
            "  --version    print the version and exit\n"
            "\n"
            "Environment:\n"
            "  ZORBIKS_DEFAULT_LOG  the results log when the teacher has set none\n"
            "  ZORBIKS_SPOOL        where records wait while the results log cannot be\n"
            "                       written\n"
            "  ZORBIKS_PRINT_TO     the PDF file of the results page when there is no\n"
            "                       printer\n"
            "  ZORBIKS_SOUNDS       the folder of the sounds\n"
            "\n"
            "Files:\n"
            "  ~/.config/zorbiks/zorbiks.conf  the results log set on the teacher screen\n"
            "                                  (group [Position], key secr)\n"
            "  /etc/xdg/zorbiks/zorbiks.conf   the classroom's results log, read when the\n"
            "                                  user has none\n"
            "  ~/.local/share/zorbiks/Zorbiks.txt  the results log by default\n");
    return QStringLiteral(
        "Использование: zorbiks [--windowed]\n"
        "Зорбикс — тренажёр и проверка знаний по информатике для учеников 7–9 классов и\n"
        "подготовки к экзамену за 9 класс: 28 вопросов в четырёх разделах, в каждом —\n"
        "задания с разными данными и пояснения после неверного ответа. Ученик\n"
        "регистрируется, и каждая его попытка сразу записывается в файл результатов,\n"
        "который учитель читает программой zorbiks-report. Программа занимает весь\n"
        "экран и удерживает клавиатуру; выйти можно только через экран результатов.\n"
        "\n"
        "Параметры:\n"
        "  --windowed   обычное окно 1024 × 768 вместо всего экрана, клавиатура не\n"
        "               удерживается (для разработки и показа)\n"
        "  -h, --help   показать эту справку и выйти\n"
        "  --version    показать версию и выйти\n"
        "\n"
        "Окружение:\n"
        "  ZORBIKS_DEFAULT_LOG  файл результатов, если учитель не задал другой\n"
        "  ZORBIKS_SPOOL        где ждут записи, пока файл результатов недоступен\n"
        "  ZORBIKS_PRINT_TO     файл PDF со страницей результатов, если нет принтера\n"
        "  ZORBIKS_SOUNDS       папка звуков\n"
        "\n"
        "Файлы:\n"
        "  ~/.config/zorbiks/zorbiks.conf  адрес файла результатов с экрана замены\n"
        "                                  секретного файла (раздел [Position], ключ secr)\n"
        "  /etc/xdg/zorbiks/zorbiks.conf   общий для класса адрес, если у пользователя\n"
        "                                  своего нет\n"
        "  ~/.local/share/zorbiks/Zorbiks.txt  файл результатов по умолчанию\n");
}

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
    if (const auto status = zorbiks::answerHelpOrVersion(argc, argv, "zorbiks", help))
        return *status;
    QApplication application(argc, argv);
    QWidget *stage = zorbiks::startApplication(application.arguments());
    const auto ending = endOnSignals(qobject_cast<zorbiks::Stage *>(stage));
    zorbiks::endApplication(stage, application.exec());
}
