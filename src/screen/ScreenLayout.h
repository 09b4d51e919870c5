#pragma once

// The proportional layout of every screen, as pure functions: the screen's
// size and the controls' current sizes in, their places out. All lengths are
// in twips (see ScreenMetrics); W and H are the screen's width and height.
// Work windows (the exercise, results and help screens) are placed in screen
// coordinates, everything inside them relative to the window.

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>

#include <array>

namespace zorbiks::ScreenLayout {

constexpr double workWindowWidth = 11000;
constexpr double helpWindowWidth = 11800;
constexpr double workWindowHeight = 7800;
constexpr double titleBarHeight = 360; // as designed, before a screen's layout

// The font size of every work window's heading and of the menu's title:
// H × 0.0009 points (10.4 pt at a screen height of 768 pixels).
double headingPointSize(double screenHeight);

// A work window: centred horizontally, its top at the bottom of the main
// menu's tab strip.
QRectF workWindow(const QSizeF &screen, double top, double width = workWindowWidth,
                  double height = workWindowHeight);

// The rectangle drawn around a bottom-row label.
QRectF frameAround(const QRectF &label);

// A bottom-row label and the rectangle around it.
struct FramedLabel {
    QRectF label;
    QRectF frame;
};

// A bottom-row label: top h × rowFactor, left (w − its width) × k.
FramedLabel bottomRowLabel(const QSizeF &window, double rowFactor, const QSizeF &label, double k);

// The three border lines of a work window of the given width.
std::array<QLineF, 3> borderLines(double width);

// What every work window gives its layout: the screen, where the menu's tab
// strip ends, and the sizes of its title bar (before this pass), heading,
// exit icon and logo.
struct WorkWindowInput {
    QSizeF screen;
    double menuTabStripBottom = 0;
    double titleBarHeight = 0;
    QSizeF heading, exitIcon, logo;
};

// The common frame of a work window: the window in screen coordinates, and
// relative to it the title bar, the heading with its font size, the icons and
// the three border lines.
struct WorkWindowFrame {
    QRectF window;
    QRectF titleBar;
    double headingPointSize = 0;
    QRectF heading, exitIcon, logo;
    std::array<QLineF, 3> borders;
};

// ---- exercise screens -------------------------------------------------

// What an explanation frame hangs under: the feedback line, the label under
// the task (the task itself when the screen has none), the first frame.
enum class Anchor { Feedback, LabelUnderTask, FirstExplanation };

// How one exercise screen places its answer area, feedback line,
// explanation frames and bottom row. T and t are the task frame's top and
// height, w and h the window's width and height.
struct ExerciseRow {
    // answer area top = T + taskFactor × t + offset + heightFactor × h
    double answerTaskFactor = 1.03;
    double answerOffset = 0;
    double answerHeightFactor = 0;
    double answerLeftFactor = 0.5; // choice screens: left = (w − width) × factor
    double feedbackGap = 50;
    // The feedback line hangs under the last answer label inside `Ответы`
    // instead of under the frame.
    bool feedbackBelowLastAnswerLabel = false;
    double explanationGap = 50;
    Anchor firstAnchor = Anchor::Feedback;
    double firstLeftFactorOfWidth = -1; // ≥ 0: left = w × factor instead of centred
    double secondGap = -1;              // < 0: the screen has one frame
    Anchor secondAnchor = Anchor::FirstExplanation;
    double bottomRow = 0.92;
};

struct ExerciseInput : WorkWindowInput { // exit icon `Image1`, logo `Image3`
    ExerciseRow row;
    QSizeF task; // `Задание`
    bool typed = true;
    QSizeF answer, ok, giveUp;        // typed kind
    QSizeF answers;                   // choice kind: the answer frame
    double lastAnswerLabelBottom = 0; // relative to the answer frame's top
    double labelUnderTaskBottom = -1; // relative to the window; < 0: the task's bottom
    QSizeF feedback;                  // `КакойОтвет`
    QList<QSizeF> explanations;
    QSizeF menu, questions, repeat;
    double keySinkLeft = -4000;
};

struct ExerciseGeometry : WorkWindowFrame {
    QRectF task;
    QRectF answer, ok, giveUp, answers;
    QRectF feedback;
    QList<QRectF> explanations;
    FramedLabel menu, questions, repeat;
    double keySinkLeft = 0;
};

ExerciseGeometry exerciseScreen(const ExerciseInput &input);

// ---- results and help screens -----------------------------------------

struct ResultsInput : WorkWindowInput { // exit icon `Image3`, logo `Image2`
    QSizeF task;                  // `Задание`, holding the greeting `Уважаемый`
    QSizeF greeting;              // `Уважаемый`
    QSizeF verdictFrame, verdict; // `Оц`, `Оценка`
    QSizeF figures;               // `Рез`
    QSizeF question;              // `Frame1`
    QSizeF buttons;               // `Frame2`
    QSizeF yes, no, ok, cancel;   // inside `Frame2`
    QSizeF menu, exit;
};

struct ResultsGeometry : WorkWindowFrame {
    QRectF task, greeting, verdictFrame, verdict, figures, question, buttons;
    QRectF yes, no, ok, cancel; // relative to `Frame2`
    FramedLabel menu, exit;
};

ResultsGeometry resultsScreen(const ResultsInput &input);

struct HelpInput : WorkWindowInput { // exit icon `Image2`, logo `Image5`
    QSizeF text;                     // the frame `Рез`
    QSizeF menu, exit;
};

struct HelpGeometry : WorkWindowFrame {
    QRectF text;
    FramedLabel menu, exit;
};

HelpGeometry helpScreen(const HelpInput &input);

// ---- full-screen screens ---------------------------------------------

constexpr int tabCount = 6;
constexpr double tabStep = 60;    // between two tabs
constexpr double minTabStep = 15; // on a screen too narrow for the full step

struct MenuInput {
    QSizeF screen;
    double titleStripHeight = 405;
    QSizeF logo, exitIcon, title;
    double tabHeightBefore = 0;               // a tab picture's height before this pass
    std::array<QSizeF, tabCount> tabCaptions; // the caption labels
};

struct MenuGeometry {
    QRectF titleStrip, logo, exitIcon, title;
    double titlePointSize = 0;
    QRectF tabStrip, workArea;                // screen coordinates
    std::array<QRectF, tabCount> tabs;        // relative to the tab strip
    std::array<QRectF, tabCount> tabCaptions; // relative to their tab
    std::array<double, 4> listLefts{}; // `код`, `лог`, `про`, `инф` in the work area
    double tabHeight = 0;              // for the next pass
    double tabStep = 0;
    // Below 1 when the captions do not fit even at the least step: the
    // factor their font must shrink by (they are laid out again then).
    double captionScale = 1;
};

MenuGeometry mainMenu(const MenuInput &input);

struct RegistrationInput {
    QSizeF screen;
    QSizeF picture, registration, next, credit, replace, codeFrame;
};

struct RegistrationGeometry {
    QRectF picture, registration, next, credit, replace, codeFrame;
};

RegistrationGeometry registrationScreen(const RegistrationInput &input);

struct TeacherInput {
    QSizeF screen;
    QSizeF heading; // `Label2`
    double frameWidth = 0;
    double instructionsWidth = 0;
};

struct TeacherGeometry {
    QRectF heading, frame;
    double instructionsHeight = 0;
    double textPointSize = 0; // `Label1` and `Label3`
};

TeacherGeometry teacherScreen(const TeacherInput &input);

} // namespace zorbiks::ScreenLayout
