#pragma once

// The results screen `Результат`: greets the pupil, shows the figures and
// lists of the run with a verdict, and is the only way out of the program:
// `Выход` writes the total line, offers to print the A5 page, and the run
// ends after `Отмена` at once or three seconds after `Нет` — once the
// records of the run are in the log, or the teacher is told where they are.

#include "screen/WorkWindow.h"

#include <QTimer>

class QGroupBox;
class QLabel;

namespace zorbiks {

class HoverLabel;
class LogNotice;
class Picture;

class ResultsScreen : public WorkWindow {
    Q_OBJECT
public:
    explicit ResultsScreen(const ScreenContext &context, QWidget *parent = nullptr);

    void activate() override;

protected:
    void restColours() override;

private:
    void buildGreeting();
    void buildVerdict();
    void buildFigures();
    void buildPictures();
    void buildNavigation();
    void buildPrintQuestion();
    void buildPrintChoices();
    void connectPrintChoices();
    void buildLogWarning();
    void layOut();
    void exitStep();
    void print();
    void exitTick();
    // Ends the program once the records of the run are in the log, or the
    // teacher is told where they are (LogNotice).
    void endRun();

    QGroupBox *task_ = nullptr;         // `Задание`
    QLabel *greeting_ = nullptr;        // `Уважаемый`
    QGroupBox *verdictFrame_ = nullptr; // `Оц`
    QLabel *verdict_ = nullptr;         // `Оценка`
    QGroupBox *figures_ = nullptr;      // `Рез`
    QLabel *tasksShown_ = nullptr;      // `КвоОтветов`
    QLabel *correctTotal_ = nullptr;    // `КвоПравОтв`
    QLabel *correctList_ = nullptr;     // `ПравОтветы`
    QLabel *wrongList_ = nullptr;       // `НепрОтветы`
    QLabel *logWarning_ = nullptr;      // `ЖурналПредупреждение`
    Picture *poor_ = nullptr;           // `Image4`
    Picture *good_ = nullptr;           // `Image1`
    HoverLabel *menu_ = nullptr;        // `Меню`
    HoverLabel *exit_ = nullptr;        // `Выход`
    QGroupBox *question_ = nullptr;     // `Frame1`
    QLabel *askPrint_ = nullptr;        // `Хотите`
    QGroupBox *buttons_ = nullptr;      // `Frame2`
    HoverLabel *yes_ = nullptr;         // `Да`
    HoverLabel *no_ = nullptr;          // `Нет`
    HoverLabel *ok_ = nullptr;          // `ОК`
    HoverLabel *cancel_ = nullptr;      // `Отмена`
    QTimer exitTimer_;                  // `Timer2`
    quint8 exitTicks_ = 0;
    LogNotice *logNotice_ = nullptr;
};

} // namespace zorbiks
