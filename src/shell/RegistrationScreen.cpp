#include "shell/RegistrationScreen.h"

#include "log/Cp1251.h"
#include "log/ResultsLog.h"
#include "platform/KeyCodes.h"
#include "platform/Services.h"
#include "pupil/PupilRecord.h"
#include "pupil/Transliteration.h"
#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/Fonts.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"
#include "screen/ScreenLayout.h"
#include "screen/WindowsKeyGuard.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace zorbiks {

namespace {

const QString accessCode = QStringLiteral("482915");
const QColor nextColour{192, 255, 255};
const QColor replaceColour{192, 255, 192};

HoverLabel *makeBorderedButton(const QString &name, const QString &text, const QColor &colour,
                               QWidget *parent)
{
    auto *label = new HoverLabel(text, parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(6);
    label->setFont(arialFont(9.75, true));
    Colours::setTextColour(label, QColor(0, 0, 128));
    Colours::setBackground(label, colour);
    label->adjustSize();
    return label;
}

// A caption in white over its own shadow, two pixels down and right.
QWidget *makeShadowedCaption(const QString &text, QWidget *parent)
{
    auto *shadowed = new QWidget(parent);
    auto *shadow = new QLabel(text, shadowed);
    shadow->setObjectName(QStringLiteral("Label6"));
    shadow->setFont(arialFont(11, true));
    Colours::setTextColour(shadow, QColor(0, 0, 160));
    shadow->adjustSize();
    shadow->move(2, 2);
    auto *caption = new QLabel(text, shadowed);
    caption->setObjectName(QStringLiteral("Label4"));
    caption->setFont(arialFont(11, true));
    Colours::setTextColour(caption, Qt::white);
    caption->adjustSize();
    shadowed->setMinimumSize(caption->size() + QSize(3, 3));
    return shadowed;
}

} // namespace

RegistrationScreen::RegistrationScreen(const ScreenContext &context, QWidget *parent)
    : Screen(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("Титул1"));
    setMouseTracking(true);
    setFont(arialFont(9.75));
    Colours::setBackground(this, QColor(235, 240, 255));
    guard_ = new WindowsKeyGuard(context_.services, this);

    picture_ = new Picture(Pictures::titlePicture, metrics().px(QSizeF(7200, 1650)), this);
    picture_->setObjectName(QStringLiteral("Image1"));
    buildNameBox();
    buildButtons();
    buildCodeFrame();
    buildCredit();
    buildKeySink();
    hide();
}

ScreenMetrics RegistrationScreen::metrics() const
{
    return context_.navigator.metrics();
}

// The frame `Регистрация`: the date line, the surname box and the prompt.
void RegistrationScreen::buildNameBox()
{
    registration_ = new QGroupBox(QStringLiteral("Регистрация"), this);
    registration_->setObjectName(QStringLiteral("Регистрация"));
    Colours::setBackground(registration_, Colours::green);
    registration_->resize(metrics().px(QSizeF(4600, 1900)));
    auto *column = new QVBoxLayout(registration_);
    date_ = new QLabel(registration_);
    date_->setObjectName(QStringLiteral("Дата"));
    date_->setFont(arialFont(9.75, true));
    date_->setAlignment(Qt::AlignCenter);
    Colours::setTextColour(date_, QColor(64, 0, 64));
    buildSurnameBox();
    prompt_ = new QLabel(QStringLiteral("Введите свою фамилию"), registration_);
    prompt_->setObjectName(QStringLiteral("Label2"));
    prompt_->setAlignment(Qt::AlignCenter);
    Colours::setTextColour(prompt_, QColor(0, 0, 255));
    column->addWidget(date_);
    column->addWidget(surname_);
    column->addWidget(prompt_);
}

void RegistrationScreen::buildSurnameBox()
{
    surname_ = new FilteredLineEdit(registration_);
    surname_->setObjectName(QStringLiteral("Text1"));
    surname_->setAlignment(Qt::AlignCenter);
    surname_->setFont(arialFont(12, true));
    Colours::setBackground(surname_, QColor(255, 255, 192));
    QPalette palette = surname_->palette();
    palette.setColor(QPalette::Base, QColor(255, 255, 192));
    surname_->setPalette(palette);

    connect(surname_, &QLineEdit::textChanged, this,
            [this](const QString &text) { context_.pupil.PupilName = text; });
    surname_->recordKeysInto(&context_.pupil.LastKeyDown);
    surname_->setCharacterFilter([this](ushort code) { return filterSurnameCharacter(code); });
    connect(surname_, &FilteredLineEdit::keyReleased, guard_, &WindowsKeyGuard::keyReleased);
}

// `Далее`, and `Label5` that opens the frame of the access code.
void RegistrationScreen::buildButtons()
{
    next_ = makeBorderedButton(QStringLiteral("Далее"), QStringLiteral("Далее"), nextColour, this);
    next_->resize(metrics().px(QSizeF(1500, 450)));
    replace_ = makeBorderedButton(QStringLiteral("Label5"),
                                  QStringLiteral("Замена секретного файла"), replaceColour, this);
    replace_->setFont(arialFont(8.25));
    replace_->adjustSize();

    connect(next_, &HoverLabel::clicked, this, &RegistrationScreen::confirm);
    connect(replace_, &HoverLabel::clicked, this, [this] {
        codeFrame_->show();
        replace_->hide();
        code_->setFocus();
    });
    connect(next_, &HoverLabel::hovered, this,
            [this] { Colours::setBackground(next_, Colours::lavender); });
    connect(replace_, &HoverLabel::hovered, this,
            [this] { Colours::setBackground(replace_, QColor(204, 255, 220)); });
}

// The hidden frame `Frame1` where the teacher types the access code.
void RegistrationScreen::buildCodeFrame()
{
    codeFrame_ = new QGroupBox(QStringLiteral("Замена секретного файла"), this);
    codeFrame_->setObjectName(QStringLiteral("Frame1"));
    Colours::setBackground(codeFrame_, QColor(230, 230, 255));
    codeFrame_->resize(metrics().px(QSizeF(3900, 2300)));
    auto *column = new QVBoxLayout(codeFrame_);
    column->addWidget(makeShadowedCaption(QStringLiteral(" Введите пароль"), codeFrame_), 0,
                      Qt::AlignHCenter);
    code_ = new FilteredLineEdit(codeFrame_);
    code_->setObjectName(QStringLiteral("Text3"));
    code_->setEchoMode(QLineEdit::Password);
    code_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    code_->setFont(arialFont(9.75, true));
    connect(code_, &FilteredLineEdit::keyReleased, guard_, &WindowsKeyGuard::keyReleased);
    column->addWidget(code_);
    column->addLayout(buildCodeButtons());
    wrongCode_ = new QLabel(QStringLiteral("Пароль неверный! Попробуйте ещё раз. Уточнить пароль "
                                           "можно в файле Readme программы "),
                            codeFrame_);
    wrongCode_->setObjectName(QStringLiteral("Label3"));
    wrongCode_->setWordWrap(true);
    Colours::setTextColour(wrongCode_, QColor(192, 0, 0));
    wrongCode_->hide();
    column->addWidget(wrongCode_);
    column->addStretch(1);
    codeFrame_->hide();
}

QLayout *RegistrationScreen::buildCodeButtons()
{
    auto *ok = new QPushButton(QStringLiteral("ОК"), codeFrame_);
    ok->setObjectName(QStringLiteral("Command1"));
    auto *cancel = new QPushButton(QStringLiteral("Отмена"), codeFrame_);
    cancel->setObjectName(QStringLiteral("Command2"));
    connect(ok, &QPushButton::clicked, this, &RegistrationScreen::checkAccessCode);
    connect(cancel, &QPushButton::clicked, this, [this] {
        codeFrame_->hide();
        replace_->show();
        surname_->setFocus();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

void RegistrationScreen::buildCredit()
{
    credit_ =
        new QLabel(QStringLiteral("Зорбикс — тренажёр и проверка знаний по информатике"), this);
    credit_->setObjectName(QStringLiteral("Label1"));
    credit_->setFont(arialFont(8.25));
    Colours::setTextColour(credit_, QColor(64, 64, 128));
    credit_->adjustSize();
}

// The box `Text2` off the screen that takes the keys when no box should.
void RegistrationScreen::buildKeySink()
{
    keySink_ = new FilteredLineEdit(this);
    keySink_->setObjectName(QStringLiteral("Text2"));
    keySink_->resize(metrics().px(QSizeF(1200, 300)));
    connect(keySink_, &FilteredLineEdit::keyReleased, guard_, &WindowsKeyGuard::keyReleased);
}

QString RegistrationScreen::dateLine(const QDate &date)
{
    static const std::array<const char *, 12> months = {
        " января ", " февраля ", " марта ",    " апреля ",  " мая ",    " июня ",
        " июля ",   " августа ", " сентября ", " октября ", " ноября ", " декабря "};
    return QStringLiteral(" Сегодня ") + QLatin1Char(' ') + QString::number(date.day()) +
           QString::fromUtf8(months[static_cast<size_t>(date.month() - 1)]) +
           QString::number(date.year()) + QStringLiteral(" года ");
}

void RegistrationScreen::activate()
{
    if (!loaded_) {
        loaded_ = true;
        context_.services.lock->engage();
        context_.services.sounds->play(QStringLiteral("sloos1"));
        date_->setText(dateLine(context_.services.clock->now().date()));
        surname_->setFocus();
    }
    layOut();
}

void RegistrationScreen::layOut()
{
    const ScreenMetrics m = metrics();
    ScreenLayout::RegistrationInput in;
    in.screen = m.twips(size());
    in.picture = m.twips(picture_->size());
    in.registration = m.twips(registration_->size());
    in.next = m.twips(next_->size());
    in.credit = m.twips(credit_->size());
    in.replace = m.twips(replace_->size());
    in.codeFrame = m.twips(codeFrame_->size());
    const ScreenLayout::RegistrationGeometry g = ScreenLayout::registrationScreen(in);
    picture_->move(m.px(g.picture).topLeft());
    registration_->move(m.px(g.registration).topLeft());
    next_->move(m.px(g.next).topLeft());
    credit_->move(m.px(g.credit).topLeft());
    replace_->move(m.px(g.replace).topLeft());
    codeFrame_->move(m.px(g.codeFrame).topLeft());
    keySink_->move(m.px(-4000.0), 0);
}

void RegistrationScreen::resizeEvent(QResizeEvent *event)
{
    Screen::resizeEvent(event);
    if (loaded_)
        layOut();
}

ushort RegistrationScreen::filterSurnameCharacter(ushort code)
{
    const qint16 lastKey = context_.pupil.LastKeyDown;
    if ((code >= '0' && code <= '9') || code == '?' || code == '/')
        return 0;
    if (code == '.' && lastKey == KeyCode::Slash)
        return 0;
    const bool latinKey =
        code == ',' || code == '"' || code == '\'' || (code >= 65 && code <= 123) || code == 191 ||
        (code >= 58 && code <= 60) || code == '.' || code == '/' || code == '>' || code == '?';
    if (!latinKey)
        return code;
    context_.services.keyboardLayout->activate(KeyboardLayoutKind::Russian);
    return LatinToCyrillic(code, lastKey);
}

void RegistrationScreen::refuse(const QString &message, const QColor &text, QWidget *focus)
{
    context_.services.sounds->play(QStringLiteral("error"));
    prompt_->setText(message);
    Colours::setTextColour(prompt_, text);
    Colours::setBackground(prompt_, QColor(255, 0, 0));
    focus->setFocus();
}

void RegistrationScreen::confirm()
{
    const QString surname = surname_->text();
    if (surname.size() < 3) {
        refuse(QStringLiteral("  Нужно ввести фамилию!  "), QColor(255, 255, 0), surname_);
        return;
    }
    const ushort first = Cp1251::code(surname.at(0));
    if (first == 218 || first == 219 || first == 220 || first == 201) {
        refuse(QStringLiteral("  Фамилия не может начинаться с этой буквы!  "), QColor(0, 0, 255),
               keySink_);
        return;
    }
    if (first >= 224) {
        refuse(QStringLiteral("  Фамилия пишется с заглавной буквы!  "), QColor(0, 0, 255),
               surname_);
        return;
    }
    keySink_->setFocus();
    prompt_->setText(QStringLiteral(" Введите свою фамилию! "));
    Colours::setTextColour(prompt_, QColor(255, 255, 0));
    Colours::setBackground(prompt_, QColor(255, 0, 0), false);
    context_.log.writeHeader();
    context_.navigator.showMenu(this);
}

void RegistrationScreen::checkAccessCode()
{
    if (code_->text() == accessCode) {
        context_.navigator.showTeacherScreen();
        return;
    }
    wrongCode_->show();
    code_->setFocus();
}

void RegistrationScreen::returnFromTeacher()
{
    // The teacher screen has released the lock; the next pupil is held again.
    context_.services.lock->engage();
    code_->clear();
    surname_->setFocus();
    codeFrame_->hide();
    replace_->show();
}

void RegistrationScreen::restColours()
{
    Colours::setBackground(next_, QColor(255, 192, 192));
    Colours::setBackground(replace_, replaceColour);
}

void RegistrationScreen::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        restColours();
    Screen::mouseMoveEvent(event);
}

} // namespace zorbiks
