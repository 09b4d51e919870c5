#pragma once

#include <QWidget>

namespace zorbiks {

// A screen of the stage. Screens are created the first time they are shown
// and afterwards only hidden and shown again; activate() is the one place
// where a screen lays itself out, plays its sound and draws new data, and the
// stage calls it every time the screen becomes the active one.
class Screen : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void activate() = 0;

protected:
    // Tab and Shift+Tab walk this screen's own controls, round and round:
    // the screens it covers (registration under the menu, the menu under an
    // exercise) are never reached.
    bool focusNextPrevChild(bool next) override;
};

} // namespace zorbiks
