#pragma once

// The main menu `Титул`: the title strip, the six tabs, the work area with
// the four question lists and the 28 question buttons. It opens exercises,
// the results and the help screen through its signals; the stage does the
// opening.

#include "screen/Screen.h"
#include "screen/ScreenContext.h"
#include "screen/ScreenLayout.h"
#include "screen/Section.h"

#include <QList>

#include <array>

class QLabel;
class QPushButton;

namespace zorbiks {

class FilteredLineEdit;
class Picture;
class WindowsKeyGuard;

// A question's button: its code, its caption, and whether the question's
// exercise is built (the others are disabled).
struct QuestionButton {
    QString code;    // "К1"
    QString caption; // "К1. Кодировка  в Unicode"
    bool available = true;
};

class MainMenu : public Screen {
    Q_OBJECT
public:
    // The buttons come in the order of their lists; each goes into the list
    // of its code's section.
    MainMenu(const ScreenContext &context, const QList<QuestionButton> &buttons,
             QWidget *parent = nullptr);

    // The activation routine, run at every showing of the menu.
    void activate() override;
    void layOut();

    // The bottom of the tab strip, where work windows start (twips).
    double tabStripBottom() const { return tabStripBottom_; }

    void setListVisible(Section section, bool visible);
    void hideAllLists();
    QPushButton *questionButton(const QString &code) const;
    // The six normal tab pictures made usable.
    void enableTabPictures();
    void setExitIconVisible(bool visible);
    WindowsKeyGuard &guard() { return *guard_; }

signals:
    void questionChosen(const QString &code);
    void resultsRequested();
    void helpRequested();

private:
    struct Tab {
        Picture *normal = nullptr;
        Picture *highlighted = nullptr;
        QLabel *normalCaption = nullptr;
        QLabel *highlightedCaption = nullptr;
    };
    struct List {
        QWidget *panel = nullptr;
        QList<QPushButton *> buttons;
    };

    void buildTitleStrip();
    void buildTabs();
    void buildWorkArea(const QList<QuestionButton> &buttons);
    void hoverTab(int index);
    void clickTab(int index);
    void restAllButtons();
    void showOnlyList(int index);
    // The tabs laid out for the screen, their captions shrunk where the
    // screen is too narrow for them at their designed size.
    ScreenLayout::MenuGeometry layOutTabs(ScreenLayout::MenuInput in);

    ScreenContext context_;
    Picture *titleStrip_ = nullptr;       // `Picture1`
    Picture *logo_ = nullptr;             // `Image1`
    QLabel *title_ = nullptr;             // `Label1`
    Picture *exitIcon_ = nullptr;         // `Image3`
    Picture *tabStrip_ = nullptr;         // `Picture2`
    Picture *workArea_ = nullptr;         // `Picture3`
    FilteredLineEdit *keySink_ = nullptr; // `Text1`
    std::array<Tab, 6> tabs_;
    std::array<List, 4> lists_;
    WindowsKeyGuard *guard_ = nullptr;
    double tabHeight_ = 300;    // twips: a tab picture's height, as designed
    double tabStripBottom_ = 0; // twips
};

} // namespace zorbiks
