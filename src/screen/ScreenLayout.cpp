#include "screen/ScreenLayout.h"

#include <algorithm>

namespace zorbiks::ScreenLayout {

namespace {

// The common frame of a work window of the given width whose title bar
// becomes `titleBarHeight` high; icons and heading are placed by each screen.
void placeFrame(WorkWindowFrame &g, const WorkWindowInput &in, double width, double titleBarHeight)
{
    g.window = workWindow(in.screen, in.menuTabStripBottom, width);
    g.titleBar = QRectF(0, 0, width, titleBarHeight);
    g.headingPointSize = headingPointSize(in.screen.height());
    g.borders = borderLines(width);
}

// The task frame's top: 1.1 × the title bar's height before this pass.
double taskTop(const WorkWindowInput &in)
{
    return 1.1 * in.titleBarHeight;
}

QRectF centredIn(double width, double top, const QSizeF &size)
{
    return {(width - size.width()) / 2, top, size.width(), size.height()};
}

QRectF centredVertically(double left, double barHeight, const QSizeF &size)
{
    return {left, (barHeight - size.height()) / 2, size.width(), size.height()};
}

} // namespace

double headingPointSize(double screenHeight)
{
    return screenHeight * 0.0009;
}

QRectF workWindow(const QSizeF &screen, double top, double width, double height)
{
    return {(screen.width() - width) / 2, top, width, height};
}

QRectF frameAround(const QRectF &label)
{
    return label.adjusted(-20, -20, 20, 20);
}

FramedLabel bottomRowLabel(const QSizeF &window, double rowFactor, const QSizeF &label, double k)
{
    const QRectF rect((window.width() - label.width()) * k, window.height() * rowFactor,
                      label.width(), label.height());
    return {rect, frameAround(rect)};
}

std::array<QLineF, 3> borderLines(double width)
{
    const double right = width - 30;
    return {QLineF(10, 0, 10, 7770), QLineF(0, 7770, right, 7770), QLineF(right, 7770, right, 0)};
}

ExerciseGeometry exerciseScreen(const ExerciseInput &in)
{
    const ExerciseRow &row = in.row;
    ExerciseGeometry g;
    placeFrame(g, in, workWindowWidth, 1.1 * in.exitIcon.height());
    const double w = g.window.width();
    const double h = g.window.height();
    const QSizeF window(w, h);
    g.task = centredIn(w, taskTop(in), in.task);
    g.exitIcon = centredVertically(w - in.exitIcon.width() - 80, g.titleBar.height(), in.exitIcon);
    g.logo = centredVertically(100, g.titleBar.height(), in.logo);
    g.heading = centredVertically(g.logo.right() + 100, g.titleBar.height(), in.heading);

    const double T = g.task.top();
    const double t = g.task.height();
    const double answerTop =
        T + row.answerTaskFactor * t + row.answerOffset + row.answerHeightFactor * h;
    double answerBottom = 0;
    if (in.typed) {
        g.answer = centredIn(w, answerTop, in.answer);
        g.ok = QRectF((w - in.ok.width()) * 0.75, answerTop, in.ok.width(), in.ok.height());
        g.giveUp = QRectF((w - in.giveUp.width()) * 0.85, answerTop, in.giveUp.width(),
                          in.giveUp.height());
        answerBottom = g.ok.bottom();
    } else {
        g.answers = QRectF((w - in.answers.width()) * row.answerLeftFactor, answerTop,
                           in.answers.width(), in.answers.height());
        answerBottom = row.feedbackBelowLastAnswerLabel ? g.answers.top() + in.lastAnswerLabelBottom
                                                        : g.answers.bottom();
    }
    g.feedback = centredIn(w, answerBottom + row.feedbackGap, in.feedback);

    if (!in.explanations.isEmpty()) {
        const QSizeF first = in.explanations.first();
        const double anchor =
            row.firstAnchor == Anchor::LabelUnderTask
                ? (in.labelUnderTaskBottom >= 0 ? in.labelUnderTaskBottom : g.task.bottom())
                : g.feedback.bottom();
        QRectF rect = centredIn(w, anchor + row.explanationGap, first);
        if (row.firstLeftFactorOfWidth >= 0)
            rect.moveLeft(w * row.firstLeftFactorOfWidth);
        g.explanations.append(rect);
    }
    if (in.explanations.size() > 1) {
        const double gap = row.secondGap < 0 ? 0 : row.secondGap;
        const double anchor =
            row.secondAnchor == Anchor::Feedback ? g.feedback.bottom() : g.explanations[0].bottom();
        g.explanations.append(centredIn(w, anchor + gap, in.explanations[1]));
    }

    g.menu = bottomRowLabel(window, row.bottomRow, in.menu, 0.2);
    g.questions = bottomRowLabel(window, row.bottomRow, in.questions, 0.5);
    g.repeat = bottomRowLabel(window, row.bottomRow, in.repeat, 0.8);
    g.keySinkLeft = in.keySinkLeft;
    return g;
}

ResultsGeometry resultsScreen(const ResultsInput &in)
{
    ResultsGeometry g;
    // The title bar keeps its designed height unless its heading, exit icon
    // or logo need more: each has as much room under it as above it.
    const double bar = std::max({in.titleBarHeight, 2 * 80 + in.heading.height(),
                                 2 * 20 + in.exitIcon.height(), 2 * 60 + in.logo.height()});
    placeFrame(g, in, workWindowWidth, bar);
    const double w = g.window.width();
    const QSizeF window(w, g.window.height());
    g.heading = centredIn(w, 80, in.heading);
    g.exitIcon = QRectF(w - in.exitIcon.width(), 20, in.exitIcon.width(), in.exitIcon.height());
    g.logo = QRectF(100, 60, in.logo.width(), in.logo.height());

    g.task = centredIn(w, 1.1 * bar, in.task);
    g.greeting =
        centredIn(in.task.width(), (in.task.height() - in.greeting.height()) / 2, in.greeting);
    g.verdictFrame = QRectF((w - in.verdictFrame.width()) * 0.6, g.task.bottom() + 50,
                            in.verdictFrame.width(), in.verdictFrame.height());
    g.verdict = centredIn(in.verdictFrame.width(),
                          (in.verdictFrame.height() - in.verdict.height()) / 2, in.verdict);
    g.figures = QRectF((w - in.figures.width()) * 0.6, g.verdictFrame.bottom() + 50,
                       in.figures.width(), in.figures.height());
    g.question = centredIn(w, g.figures.bottom() + 50, in.question);
    g.buttons = centredIn(w, g.question.bottom() + 50, in.buttons);
    const double right = in.buttons.width();
    g.yes = QRectF(0, 0, in.yes.width(), in.yes.height());
    g.ok = QRectF(0, 0, in.ok.width(), in.ok.height());
    g.no = QRectF(right - in.no.width(), 0, in.no.width(), in.no.height());
    g.cancel = QRectF(right - in.cancel.width(), 0, in.cancel.width(), in.cancel.height());

    g.menu = bottomRowLabel(window, 0.92, in.menu, 0.2);
    g.exit = bottomRowLabel(window, 0.92, in.exit, 0.7);
    return g;
}

HelpGeometry helpScreen(const HelpInput &in)
{
    HelpGeometry g;
    placeFrame(g, in, helpWindowWidth, in.titleBarHeight);
    const double w = g.window.width();
    const QSizeF window(w, g.window.height());
    g.exitIcon = centredVertically(w - in.exitIcon.width(), in.titleBarHeight, in.exitIcon);
    g.logo = centredVertically(100, in.titleBarHeight, in.logo);
    g.heading = centredVertically(g.logo.right() + 100, in.titleBarHeight, in.heading);
    g.text = centredIn(w, in.titleBarHeight, in.text);

    g.menu = bottomRowLabel(window, 0.94, in.menu, 0.2);
    g.exit = bottomRowLabel(window, 0.94, in.exit, 0.7);
    return g;
}

MenuGeometry mainMenu(const MenuInput &in)
{
    MenuGeometry g;
    const double W = in.screen.width();
    const double H = in.screen.height();
    const double strip = in.titleStripHeight;

    g.titleStrip = QRectF(0, 0, W, strip);
    g.logo = centredVertically(W * 0.01, strip, in.logo);
    g.exitIcon = centredVertically(W - 15 - in.exitIcon.width(), strip, in.exitIcon);
    g.title = centredIn(W, (strip - in.title.height()) / 2, in.title);
    g.titlePointSize = headingPointSize(H);

    const double tabStripHeight = 1.6 * in.tabHeightBefore;
    g.tabStrip = QRectF(0, strip, W, tabStripHeight);
    g.workArea = QRectF(0, g.tabStrip.bottom(), W, H - g.tabStrip.bottom());

    // The six tabs fit the screen's width, with 10 to spare on each side:
    // on a narrow screen the step between them shrinks first, then their
    // captions.
    const auto extraOf = [](int i) { return i == 4 ? 80.0 : 60.0; }; // the Results tab is 20 wider
    double captions = 0;
    double extras = 0;
    for (int i = 0; i < tabCount; ++i) {
        captions += in.tabCaptions[static_cast<size_t>(i)].width();
        extras += extraOf(i);
    }
    const double room = W - 2 * 10 - extras;
    const double steps = tabCount - 1;
    g.tabStep = std::clamp((room - captions) / steps, minTabStep, tabStep);
    g.captionScale = std::min(1.0, (room - steps * g.tabStep) / captions);

    double left = 10;
    for (int i = 0; i < tabCount; ++i) {
        const QSizeF caption = in.tabCaptions[static_cast<size_t>(i)];
        const QSizeF tab(caption.width() + extraOf(i), caption.height() + 60);
        g.tabs[static_cast<size_t>(i)] =
            QRectF(left, (tabStripHeight - tab.height()) / 2, tab.width(), tab.height());
        g.tabCaptions[static_cast<size_t>(i)] =
            QRectF((tab.width() - caption.width()) / 2, (tab.height() - caption.height()) / 2,
                   caption.width(), caption.height());
        left += tab.width() + g.tabStep;
        g.tabHeight = tab.height();
    }
    g.listLefts = {0, g.tabs[1].left(), g.tabs[2].left(), g.tabs[3].left()};
    return g;
}

RegistrationGeometry registrationScreen(const RegistrationInput &in)
{
    const double W = in.screen.width();
    const double H = in.screen.height();
    RegistrationGeometry g;
    g.picture = QRectF((W - in.picture.width()) / 2, (H - in.picture.height()) * 0.25,
                       in.picture.width(), in.picture.height());
    g.registration =
        QRectF((W - in.registration.width()) * 0.4, (H - in.registration.height()) * 0.55,
               in.registration.width(), in.registration.height());
    g.next = QRectF((W - in.next.width()) * 0.8, (H - in.next.height()) * 0.8, in.next.width(),
                    in.next.height());
    g.credit = QRectF(W * 0.15, g.next.top(), in.credit.width(), in.credit.height());
    g.replace = QRectF(g.registration.right() + W * 0.02, H * 0.45, in.replace.width(),
                       in.replace.height());
    g.codeFrame = QRectF(g.replace.left() - W * 0.001, g.replace.bottom() + 100,
                         in.codeFrame.width(), in.codeFrame.height());
    return g;
}

TeacherGeometry teacherScreen(const TeacherInput &in)
{
    const double W = in.screen.width();
    const double H = in.screen.height();
    TeacherGeometry g;
    g.heading = centredIn(W, H * 0.055, in.heading);
    g.frame =
        QRectF((W - in.frameWidth) / 2, g.heading.bottom() + H * 0.01, in.frameWidth, H * 0.8);
    g.instructionsHeight = H * 0.7;
    g.textPointSize = H >= 10000 ? 10 : 8;
    return g;
}

} // namespace zorbiks::ScreenLayout
