#include "results/TeacherScreen.h"

#include "log/ResultsLog.h"
#include "platform/Services.h"
#include "pupil/PupilRecord.h"
#include "pupil/Transliteration.h"
#include "results/ResultsParts.h"
#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/Fonts.h"
#include "screen/Navigator.h"
#include "screen/ScreenLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace zorbiks {

namespace {

QString aboutText(const QString &defaultLocation)
{
    return QStringLiteral("В Зорбиксе установлен по умолчанию такой адрес секретного "
                          "файла:\n       ") +
           defaultLocation +
           QStringLiteral("\nЕсли учитель предполагает, что ученики нашли этот "
                          "адрес, то он может заменить секретный файл, введя "
                          "адрес нового секретного файла в текстовое поле:");
}

QString instructionsText()
{
    const QString example = QDir::homePath() + QStringLiteral("/Comand/Prog/sdf.txt");
    return QStringLiteral(
               "        Для нового секретного файла можно использовать любую имеющуюся в "
               "компьютере папку или создать новую. Имя новому файлу нужно придумать, но "
               "создавать его не нужно, программа сделает это автоматически. "
               "Обязательно нужно указать расширение файла - .txt. Например, адрес "
               "нового файла может быть таким:\n") +
           example +
           QStringLiteral("\n       Здесь учитель создал на диске С две новые папки - Comand, в "
                          "ней - Prog.\nПосле ввода адреса нового секретного файла нужно нажать "
                          "ОК, если передумали - Отмена.\nЗамена секретного файла  производится "
                          "при необходимости на каждом компьютере, где установлен Зорбикс. "
                          "Адрес нового секретного файла нужно запомнить. Если забудете этот "
                          "адрес, то придётся ещё раз заменять секретный файл.");
}

} // namespace

TeacherScreen::TeacherScreen(const ScreenContext &context, QWidget *parent)
    : Screen(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("secret"));
    setFont(arialFont(9.75));
    Colours::setBackground(this, QColor(235, 240, 255));

    buildHeading();
    buildFrame();
    keySink_ = new QLineEdit(this);
    keySink_->setObjectName(QStringLiteral("Text1"));
    hide();
}

void TeacherScreen::buildHeading()
{
    heading_ = new QLabel(QStringLiteral("Замена секретного файла"), this);
    heading_->setObjectName(QStringLiteral("Label2"));
    heading_->setFont(arialFont(14, true));
    Colours::setTextColour(heading_, QColor(0, 0, 255));
    heading_->adjustSize();
}

// The frame holds, top to bottom: what the address is now, the box for the
// new one, the message about it, the buttons, and the instructions.
void TeacherScreen::buildFrame()
{
    frame_ = makeYellowFrame(QStringLiteral("Frame1"), {11000, 9000}, context_.navigator.metrics(),
                             this);
    auto *column = new QVBoxLayout(frame_);
    about_ = makeWrappedLabel(QStringLiteral("Label3"), aboutText(context_.log.defaultLocation()),
                              Colours::darkBlue, frame_);
    buildAddressBox();
    message_ =
        makeWrappedLabel(QStringLiteral("Label4"), QString(), QColor(255, 0, 0), frame_, true);
    QLayout *buttons = buildButtons();
    instructions_ =
        makeWrappedLabel(QStringLiteral("Label1"), instructionsText(), Colours::darkBlue, frame_);
    instructions_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(about_);
    column->addWidget(address_);
    column->addWidget(message_);
    column->addLayout(buttons);
    column->addWidget(instructions_, 1);
}

void TeacherScreen::buildAddressBox()
{
    address_ = new FilteredLineEdit(frame_);
    address_->setObjectName(QStringLiteral("Text2"));
    address_->setCharacterFilter([this](ushort code) { return filterAddressCharacter(code); });
    address_->recordKeysInto(&context_.pupil.LastKeyDown);
    connect(address_, &QLineEdit::textChanged, this,
            [this](const QString &text) { context_.pupil.NewLogPath = text; });
}

QLayout *TeacherScreen::buildButtons()
{
    auto *ok = new QPushButton(QStringLiteral("ОК"), frame_);
    ok->setObjectName(QStringLiteral("Command2"));
    ok->setToolTip(QStringLiteral("Подтверждение замены секретного файла"));
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), frame_);
    cancel->setObjectName(QStringLiteral("Command3"));
    connect(ok, &QPushButton::clicked, this, &TeacherScreen::save);
    connect(cancel, &QPushButton::clicked, this,
            [this] { context_.navigator.returnToRegistration(); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    return buttons;
}

void TeacherScreen::activate()
{
    layOut();
    address_->setFocus();
}

void TeacherScreen::layOut()
{
    const ScreenMetrics m = context_.navigator.metrics();
    ScreenLayout::TeacherInput in;
    in.screen = m.twips(context_.navigator.stageSize());
    in.heading = m.twips(heading_->size());
    in.frameWidth = std::min(11000.0, in.screen.width() - 400);
    const ScreenLayout::TeacherGeometry g = ScreenLayout::teacherScreen(in);
    setGeometry(QRect(QPoint(0, 0), context_.navigator.stageSize()));
    heading_->move(m.px(g.heading).topLeft());
    frame_->setGeometry(m.px(g.frame));
    instructions_->setMinimumHeight(0);
    instructions_->setMaximumHeight(m.px(g.instructionsHeight));
    for (QLabel *label : {instructions_, about_})
        label->setFont(arialFont(g.textPointSize));
    keySink_->move(m.px(-4000.0), 0);
}

ushort TeacherScreen::filterAddressCharacter(ushort code)
{
    switch (code) {
    case 253: // э
    case 225: // б
    case 193: // Б
    case 213: // Х
    case 245: // х
    case 218: // Ъ
    case 250: // ъ
    case 230: // ж
    case 221: // Э
    case 222: // Ю
        context_.services.sounds->beep();
        return 0;
    default: break;
    }
    if (code >= 192 && code <= 255) {
        context_.services.keyboardLayout->activate(KeyboardLayoutKind::UsEnglish);
        return CyrillicToLatin(code);
    }
    return code;
}

QString TeacherScreen::addressProblem(const QString &path)
{
    if (!QDir::isAbsolutePath(path))
        return QStringLiteral(" Нужно указать полный адрес файла, начиная с «/».");
    const QFileInfo info(path);
    if (info.isDir() || path.endsWith(QLatin1Char('/')))
        return QStringLiteral(" Это адрес папки, а нужен адрес файла (например, …/results.txt).");
    if (!info.absoluteDir().exists())
        return QStringLiteral(" Папка «%1» не существует. Сначала создайте её.")
            .arg(info.absolutePath());
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        return errno == EACCES || errno == EPERM || errno == EROFS
                   ? QStringLiteral(" Нет права на запись в этот файл или папку.")
                   : QStringLiteral(" В этот файл записывать нельзя.");
    }
    ::close(fd);
    return {};
}

void TeacherScreen::refuse(const QString &message)
{
    context_.services.sounds->beep();
    message_->setText(message);
    address_->setFocus();
}

void TeacherScreen::save()
{
    const QString path = address_->text();
    if (path.isEmpty()) {
        refuse(QStringLiteral(" Нужно ввести адрес нового секретного файла!"));
        return;
    }
    if (const QString problem = addressProblem(path); !problem.isEmpty()) {
        refuse(problem);
        return;
    }
    if (!context_.services.settings->setLogLocation(context_.pupil.NewLogPath)) {
        refuse(QStringLiteral(" Не удалось сохранить новый адрес в настройках программы."));
        return;
    }
    message_->clear();
    context_.navigator.returnToRegistration();
}

} // namespace zorbiks
