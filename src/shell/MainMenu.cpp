#include "shell/MainMenu.h"

#include "platform/Services.h"
#include "screen/Colours.h"
#include "screen/FilteredLineEdit.h"
#include "screen/Fonts.h"
#include "screen/HoverLabel.h"
#include "screen/Navigator.h"
#include "screen/Pictures.h"
#include "screen/ScreenLayout.h"
#include "screen/WindowsKeyGuard.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <cmath>

namespace zorbiks {

namespace {

const QColor tabYellow{255, 255, 192};
const double buttonHeight = 255;
const double buttonPitch = 240;
const double buttonWidth = 3300;
const double listIndent = 200;
const double firstButtonTop = 100;
const double tabCaptionPoints = 9.75;

// Our background pictures: soft gradients with a faint pattern.
void paintTitleStrip(QPainter &painter, const QRectF &area)
{
    painter.fillRect(area, Qt::white);
    painter.setPen(QColor(225, 225, 250));
    for (double x = area.left() - area.height(); x < area.right(); x += 18)
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
}

void paintTabStrip(QPainter &painter, const QRectF &area)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0, tabYellow.lighter(104));
    gradient.setColorAt(1, tabYellow.darker(106));
    painter.fillRect(area, gradient);
    painter.setPen(QColor(200, 200, 140));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
}

void paintWorkArea(QPainter &painter, const QRectF &area)
{
    painter.fillRect(area, Colours::lavender);
    painter.setPen(QColor(210, 210, 248));
    for (double y = area.top() + 24; y < area.bottom(); y += 24)
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    for (double x = area.left() + 24; x < area.right(); x += 24)
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
}

void paintTab(QPainter &painter, const QRectF &area, bool highlighted)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    if (highlighted) {
        gradient.setColorAt(0, QColor(255, 255, 255));
        gradient.setColorAt(1, QColor(190, 210, 255));
    } else {
        gradient.setColorAt(0, QColor(255, 255, 230));
        gradient.setColorAt(1, QColor(235, 225, 150));
    }
    painter.setPen(QColor(120, 120, 170));
    painter.setBrush(gradient);
    painter.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
}

void paintListPanel(QPainter &painter, const QRectF &area)
{
    QLinearGradient gradient(area.topLeft(), area.topRight());
    gradient.setColorAt(0, QColor(240, 240, 255));
    gradient.setColorAt(1, QColor(205, 205, 245));
    painter.setPen(QColor(120, 120, 200));
    painter.setBrush(gradient);
    painter.drawRect(area.adjusted(0.5, 0.5, -0.5, -0.5));
}

const std::array<QString, 6> tabNames = {QStringLiteral("кодир"), QStringLiteral("логика"),
                                         QStringLiteral("прогр"), QStringLiteral("инфор"),
                                         QStringLiteral("Рез"),   QStringLiteral("справка")};
const std::array<QString, 6> highlightedNames = {
    QStringLiteral("кодир2"), QStringLiteral("логика2"), QStringLiteral("прогр2"),
    QStringLiteral("инфор2"), QStringLiteral("рез2"),    QStringLiteral("справка2")};
const std::array<QString, 6> tabCaptions = {QStringLiteral("Кодирование информации"),
                                            QStringLiteral("Логические основы компьютера"),
                                            QStringLiteral("Программирование"),
                                            QStringLiteral("Информационные технологии"),
                                            QStringLiteral("Результат"),
                                            QStringLiteral("Справка")};

void paintButton(QPushButton *button, const QColor &colour)
{
    Colours::setBackground(button, colour);
}

} // namespace

MainMenu::MainMenu(const ScreenContext &context, const QList<QuestionButton> &buttons,
                   QWidget *parent)
    : Screen(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("Титул"));
    setFont(arialFont(9.75));
    // Under a work window the menu takes no input but keeps its look.
    Colours::keepLookWhenDisabled(this);
    // Opaque: the registration screen under it is never painted again.
    setAutoFillBackground(true);
    guard_ = new WindowsKeyGuard(context_.services, this);
    buildTitleStrip();
    buildTabs();
    buildWorkArea(buttons);
    connect(guard_, &WindowsKeyGuard::finished, keySink_, [this] { keySink_->setFocus(); });
    hide();
}

void MainMenu::buildTitleStrip()
{
    titleStrip_ = new Picture(paintTitleStrip, QSize(100, 27), this);
    titleStrip_->setObjectName(QStringLiteral("Picture1"));
    logo_ = makeLogo(QStringLiteral("Image1"), titleStrip_);
    title_ = new QLabel(QStringLiteral("Зорбикс"), titleStrip_);
    title_->setObjectName(QStringLiteral("Label1"));
    title_->setMargin(DisplayScale::px(2));
    Colours::setTextColour(title_, Qt::white);
    Colours::setBackground(title_, QColor(68, 68, 255));
    exitIcon_ = makeExitCross(QStringLiteral("Image3"), titleStrip_);
    connect(exitIcon_, &Picture::clicked, this, &MainMenu::resultsRequested);
    watchHover(titleStrip_, [this] { restAllButtons(); });
}

void MainMenu::buildTabs()
{
    tabStrip_ = new Picture(paintTabStrip, QSize(100, 32), this);
    tabStrip_->setObjectName(QStringLiteral("Picture2"));
    watchHover(tabStrip_, [this] { restAllButtons(); });
    int label = 3;
    for (int i = 0; i < 6; ++i) {
        Tab &tab = tabs_[static_cast<size_t>(i)];
        auto makeTab = [&](const QString &name, bool highlighted) {
            auto *picture = new Picture(
                [highlighted](QPainter &p, const QRectF &area) { paintTab(p, area, highlighted); },
                QSize(100, 20), tabStrip_);
            picture->setObjectName(name);
            auto *caption = new QLabel(tabCaptions[static_cast<size_t>(i)], picture);
            caption->setObjectName(QStringLiteral("Label%1").arg(label++));
            caption->setFont(arialFont(tabCaptionPoints));
            Colours::setTextColour(caption, QColor(0, 0, 192));
            caption->adjustSize();
            return std::pair(picture, caption);
        };
        std::tie(tab.normal, tab.normalCaption) = makeTab(tabNames[static_cast<size_t>(i)], false);
        std::tie(tab.highlighted, tab.highlightedCaption) =
            makeTab(highlightedNames[static_cast<size_t>(i)], true);
        tab.highlighted->hide();
        watchHover(tab.normal, [this, i] { hoverTab(i); });
        watchHover(tab.normalCaption, [this, i] { hoverTab(i); });
        // Only the Results and Help tabs answer a click on the normal picture.
        QList<QWidget *> clickable = {tab.highlighted, tab.highlightedCaption};
        if (i >= 4)
            clickable << tab.normal << tab.normalCaption;
        for (QWidget *widget : clickable) {
            watchClick(widget, [this, i] { clickTab(i); });
            widget->setCursor(Qt::PointingHandCursor);
        }
    }
}

void MainMenu::buildWorkArea(const QList<QuestionButton> &buttons)
{
    workArea_ = new Picture(paintWorkArea, QSize(100, 100), this);
    workArea_->setObjectName(QStringLiteral("Picture3"));
    workArea_->setCached(true);
    const ScreenMetrics m = context_.navigator.metrics();

    keySink_ = new FilteredLineEdit(workArea_);
    keySink_->setObjectName(QStringLiteral("Text1"));
    keySink_->resize(m.px(QSizeF(1200, 300)));
    connect(keySink_, &FilteredLineEdit::keyReleased, guard_, &WindowsKeyGuard::keyReleased);

    const std::array<Section, 4> sections = {Section::Encoding, Section::Logic,
                                             Section::Programming, Section::InfoTech};
    for (size_t l = 0; l < lists_.size(); ++l) {
        List &list = lists_[l];
        list.panel = new Picture(paintListPanel, QSize(10, 10), workArea_);
        list.panel->setObjectName(sectionNames(sections[l]).list);
        watchHover(list.panel, [this, l] {
            for (QPushButton *button : std::as_const(lists_[l].buttons))
                paintButton(button, Colours::lavender);
        });
    }
    for (const QuestionButton &question : buttons) {
        const size_t l = static_cast<size_t>(sectionOfCode(question.code));
        List &list = lists_[l];
        auto *button = new QPushButton(question.caption, list.panel);
        button->setObjectName(questionButtonName(question.code));
        button->setFont(arialFont(8.25));
        if (!question.available) {
            button->setEnabled(false);
            Colours::setTextColour(button, QColor(150, 150, 150));
        }
        button->setGeometry(
            m.px(QRectF(listIndent, firstButtonTop + buttonPitch * list.buttons.size(), buttonWidth,
                        buttonHeight)));
        const qsizetype index = list.buttons.size();
        list.buttons.append(button);
        watchHover(button, [this, l, index] {
            const QList<QPushButton *> &buttons = lists_[l].buttons;
            paintButton(buttons[index], tabYellow);
            if (index > 0)
                paintButton(buttons[index - 1], Colours::lavender);
            if (index + 1 < buttons.size())
                paintButton(buttons[index + 1], Colours::lavender);
        });
        connect(button, &QPushButton::clicked, this,
                [this, code = question.code] { emit questionChosen(code); });
    }
    for (List &list : lists_) {
        const double height =
            firstButtonTop + buttonPitch * (list.buttons.size() - 1) + buttonHeight + 120;
        list.panel->resize(m.px(QSizeF(listIndent * 2 + buttonWidth, height)));
    }
    watchClick(workArea_, [this] {
        showOnlyList(0);
        keySink_->setFocus();
    });
    showOnlyList(0);
    restAllButtons();
}

void MainMenu::activate()
{
    exitIcon_->show();
    context_.services.sounds->play(QStringLiteral("click2"));
    layOut();
    restAllButtons(); // no tab highlighted, every button lavender
    keySink_->setFocus();
}

void MainMenu::layOut()
{
    const ScreenMetrics m = context_.navigator.metrics();
    const QSize stage = context_.navigator.stageSize();
    const QSizeF screen = m.twips(stage);
    setGeometry(QRect(QPoint(0, 0), stage));

    title_->setFont(arialFont(ScreenLayout::headingPointSize(screen.height()), true));
    title_->adjustSize();

    ScreenLayout::MenuInput in;
    in.screen = screen;
    in.logo = m.twips(logo_->size());
    in.exitIcon = m.twips(exitIcon_->size());
    in.title = m.twips(title_->size());
    in.tabHeightBefore = tabHeight_;
    const ScreenLayout::MenuGeometry g = layOutTabs(in);

    titleStrip_->setGeometry(m.px(g.titleStrip));
    logo_->move(m.px(g.logo).topLeft());
    exitIcon_->move(m.px(g.exitIcon).topLeft());
    title_->move(m.px(g.title).topLeft());
    tabStrip_->setGeometry(m.px(g.tabStrip));
    workArea_->setGeometry(m.px(g.workArea));
    for (size_t i = 0; i < tabs_.size(); ++i) {
        Tab &tab = tabs_[i];
        const QRect rect = m.px(g.tabs[i]);
        const QPoint caption = m.px(g.tabCaptions[i]).topLeft();
        for (auto [picture, label] : {std::pair(tab.normal, tab.normalCaption),
                                      std::pair(tab.highlighted, tab.highlightedCaption)}) {
            picture->setGeometry(rect);
            label->adjustSize();
            label->move(caption);
        }
        tab.highlighted->raise();
    }
    for (size_t l = 0; l < lists_.size(); ++l)
        lists_[l].panel->move(m.px(g.listLefts[l]), 0);
    keySink_->move(m.px(-2000.0), 0);
    tabHeight_ = g.tabHeight;
    tabStripBottom_ = g.tabStrip.bottom();
}

ScreenLayout::MenuGeometry MainMenu::layOutTabs(ScreenLayout::MenuInput in)
{
    const ScreenMetrics m = context_.navigator.metrics();
    double points = tabCaptionPoints;
    for (;;) {
        for (size_t i = 0; i < tabs_.size(); ++i) {
            for (QLabel *caption : {tabs_[i].normalCaption, tabs_[i].highlightedCaption}) {
                caption->setFont(arialFont(points));
                caption->adjustSize();
            }
            in.tabCaptions[i] = m.twips(tabs_[i].normalCaption->size());
        }
        const ScreenLayout::MenuGeometry g = ScreenLayout::mainMenu(in);
        // Shrunk a quarter point at a time at least, down to 6 points.
        if (g.captionScale >= 1 || points <= 6)
            return g;
        points =
            std::max(6.0, std::min(points - 0.25, std::floor(points * g.captionScale * 4) / 4));
    }
}

void MainMenu::hoverTab(int index)
{
    tabs_[static_cast<size_t>(index)].highlighted->show();
    // Only the two neighbours are put back: a tab further away stays
    // highlighted until the pointer crosses the strips or its neighbour.
    if (index > 0)
        tabs_[static_cast<size_t>(index - 1)].highlighted->hide();
    if (index + 1 < static_cast<int>(tabs_.size()))
        tabs_[static_cast<size_t>(index + 1)].highlighted->hide();
}

void MainMenu::clickTab(int index)
{
    if (index == 4) {
        emit resultsRequested();
        return;
    }
    if (index == 5) {
        emit helpRequested();
        return;
    }
    context_.services.sounds->play(QStringLiteral("click2"));
    showOnlyList(index);
    keySink_->setFocus();
}

void MainMenu::restAllButtons()
{
    for (List &list : lists_) {
        for (QPushButton *button : std::as_const(list.buttons))
            paintButton(button, Colours::lavender);
    }
    for (Tab &tab : tabs_) {
        tab.normal->show();
        tab.highlighted->hide();
    }
}

void MainMenu::showOnlyList(int index)
{
    for (size_t l = 0; l < lists_.size(); ++l)
        lists_[l].panel->setVisible(static_cast<int>(l) == index);
}

void MainMenu::setListVisible(Section section, bool visible)
{
    lists_[static_cast<size_t>(section)].panel->setVisible(visible);
}

void MainMenu::hideAllLists()
{
    showOnlyList(-1);
}

QPushButton *MainMenu::questionButton(const QString &code) const
{
    return findChild<QPushButton *>(questionButtonName(code));
}

void MainMenu::enableTabPictures()
{
    for (Tab &tab : tabs_)
        tab.normal->setEnabled(true);
}

void MainMenu::setExitIconVisible(bool visible)
{
    exitIcon_->setVisible(visible);
}

} // namespace zorbiks
