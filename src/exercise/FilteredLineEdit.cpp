#include "exercise/FilteredLineEdit.h"

#include "platform/KeyCodes.h"
#include "pupil/Cp1251.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

namespace zorbiks {

FilteredLineEdit::FilteredLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAcceptDrops(false);
}

QString FilteredLineEdit::filtered(const QString &text) const
{
    if (!filter_)
        return text;
    QString result;
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            continue;
        const ushort code = Cp1251::code(c);
        const ushort accepted = filter_(code);
        if (accepted == 0)
            continue;
        result += accepted == code ? c : Cp1251::character(accepted);
    }
    return result;
}

void FilteredLineEdit::pasteFiltered(const QString &text)
{
    const QString accepted = filtered(text);
    if (!accepted.isEmpty())
        insert(accepted);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (keyDown_ && keyDown_(*event)) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteFiltered(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const bool filtered = filter_ && !text.isEmpty() && !shortcut && event->key() != Qt::Key_Tab &&
                          event->key() != Qt::Key_Backtab && event->key() != Qt::Key_Delete;
    if (!filtered) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    for (QChar c : text) {
        const ushort code = Cp1251::code(c);
        const ushort accepted = filter_(code);
        if (accepted == 0)
            continue;
        if (accepted < 32 || accepted == 127) {
            // Backspace, Enter and the like keep their usual meaning.
            if (text.size() == 1)
                QLineEdit::keyPressEvent(event);
            continue;
        }
        insert(accepted == code ? QString(c) : QString(Cp1251::character(accepted)));
    }
}

void FilteredLineEdit::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        emit keyReleased(keyCodeOf(*event));
    QLineEdit::keyReleaseEvent(event);
}

void FilteredLineEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (QAction *paste = menu->findChild<QAction *>(QStringLiteral("edit-paste"))) {
        paste->disconnect();
        connect(paste, &QAction::triggered, this,
                [this] { pasteFiltered(QGuiApplication::clipboard()->text()); });
    }
    menu->popup(event->globalPos());
}

void FilteredLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
        pasteFiltered(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void FilteredLineEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!filter_ || event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent copy(event->preeditString(), event->attributes());
    copy.setCommitString(filtered(event->commitString()), event->replacementStart(),
                         event->replacementLength());
    QLineEdit::inputMethodEvent(&copy);
}

} // namespace zorbiks
