#pragma once

// The help screen `Справ`: what Зорбикс is, how it works, how results are
// recorded, and the signs of the logic section. It has no key guard and
// refuses no close request of its own.

#include "screen/WorkWindow.h"

namespace zorbiks {

class GapLabel;
class HoverLabel;
class Picture;

class HelpScreen : public WorkWindow {
    Q_OBJECT
public:
    explicit HelpScreen(const ScreenContext &context, QWidget *parent = nullptr);

    void activate() override;

    // The help text as stored: paragraphs separated by line breaks.
    static QString helpText();

private:
    void layOut();
    void leaveToResults(bool withSound);

    QWidget *frame_ = nullptr;   // `Рез`
    GapLabel *text_ = nullptr;   // `Label2`
    HoverLabel *menu_ = nullptr; // `Меню`
    HoverLabel *exit_ = nullptr; // `Выход`
};

} // namespace zorbiks
