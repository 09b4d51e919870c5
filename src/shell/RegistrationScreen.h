#pragma once

// The registration screen `Титул1`, the first screen of every run: the date
// line, the surname (typed on either keyboard layout), its three checks, and
// the teacher's hidden way to the teacher screen behind an access code.

#include "screen/Screen.h"
#include "screen/ScreenContext.h"

class QGroupBox;
class QLabel;
class QLayout;

namespace zorbiks {

class FilteredLineEdit;
class HoverLabel;
class Picture;
class ScreenMetrics;
class WindowsKeyGuard;

class RegistrationScreen : public Screen {
    Q_OBJECT
public:
    explicit RegistrationScreen(const ScreenContext &context, QWidget *parent = nullptr);

    // The load step, once per run; later activations only lay the screen out.
    void activate() override;
    // What the teacher screen's return does to this screen: the lock engaged
    // again for the next pupil, the code frame closed.
    void returnFromTeacher();

    // " Сегодня  8 декабря 2024 года " for 8 December 2024.
    static QString dateLine(const QDate &date);
    // The surname key filter, on a Windows-1251 code; may switch the layout.
    ushort filterSurnameCharacter(ushort code);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    ScreenMetrics metrics() const;
    void buildNameBox();
    void buildSurnameBox();
    void buildButtons();
    void buildCodeFrame();
    QLayout *buildCodeButtons();
    void buildCredit();
    void buildKeySink();
    void layOut();
    void confirm();
    void refuse(const QString &message, const QColor &text, QWidget *focus);
    void checkAccessCode();
    void restColours();

    ScreenContext context_;
    bool loaded_ = false;
    Picture *picture_ = nullptr;          // `Image1`
    QGroupBox *registration_ = nullptr;   // `Регистрация`
    QLabel *date_ = nullptr;              // `Дата`
    FilteredLineEdit *surname_ = nullptr; // `Text1`
    QLabel *prompt_ = nullptr;            // `Label2`
    HoverLabel *next_ = nullptr;          // `Далее`
    HoverLabel *replace_ = nullptr;       // `Label5`
    QGroupBox *codeFrame_ = nullptr;      // `Frame1`
    FilteredLineEdit *code_ = nullptr;    // `Text3`
    QLabel *wrongCode_ = nullptr;         // `Label3`
    QLabel *credit_ = nullptr;            // `Label1`
    FilteredLineEdit *keySink_ = nullptr; // `Text2`
    WindowsKeyGuard *guard_ = nullptr;
};

} // namespace zorbiks
