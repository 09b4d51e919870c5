#include "screen/FilteredLineEdit.h"

#include "log/Cp1251.h"
#include "platform/KeyCodes.h"

#include <QKeyEvent>
#include <QValidator>

namespace zorbiks {

// Sees every change of the box's text before the box shows it: the part
// that the change inserted (what differs from the text before, between the
// unchanged beginning and end) passes the key filter.
class FilteredLineEdit::EditFilter final : public QValidator {
public:
    explicit EditFilter(FilteredLineEdit &box)
        : QValidator(&box)
        , box_(box)
    {}

    State validate(QString &input, int &position) const override
    {
        if (box_.filter_ && !box_.inserting_ && input != before_) {
            const qsizetype shorter = std::min(input.size(), before_.size());
            qsizetype head = 0;
            while (head < shorter && input[head] == before_[head])
                ++head;
            qsizetype tail = 0;
            while (tail < shorter - head &&
                   input[input.size() - 1 - tail] == before_[before_.size() - 1 - tail])
                ++tail;
            const QString inserted = input.mid(head, input.size() - head - tail);
            const QString kept = box_.filtered(inserted);
            if (kept != inserted) {
                input = input.left(head) + kept + input.right(tail);
                position = static_cast<int>(head + kept.size());
            }
        }
        before_ = input;
        return Acceptable;
    }

private:
    FilteredLineEdit &box_;
    mutable QString before_;
};

FilteredLineEdit::FilteredLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAcceptDrops(false);
    setValidator(new EditFilter(*this));
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
        if (code == '?' && c != u'?')
            continue; // no Windows-1251 code
        const ushort accepted = filter_(code);
        if (accepted < 32 || accepted == 127)
            continue;
        result += accepted == code ? c : Cp1251::character(accepted);
    }
    return result;
}

void FilteredLineEdit::insertAccepted(const QString &text)
{
    inserting_ = true;
    insert(text);
    inserting_ = false;
}

void FilteredLineEdit::pasteFiltered(const QString &text)
{
    const QString accepted = filtered(text);
    if (!accepted.isEmpty())
        insertAccepted(accepted);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event)
{
    if (lastKeyDown_)
        *lastKeyDown_ = static_cast<qint16>(keyCodeOf(*event));
    if (keyDown_ && keyDown_(*event)) {
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    const bool typed = filter_ && !text.isEmpty() && !shortcut && event->key() != Qt::Key_Tab &&
                       event->key() != Qt::Key_Backtab && event->key() != Qt::Key_Delete;
    if (!typed) {
        // Shortcuts (paste, undo) and editing keys: what they insert passes
        // the filter in EditFilter.
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
        insertAccepted(accepted == code ? QString(c) : QString(Cp1251::character(accepted)));
    }
}

void FilteredLineEdit::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        emit keyReleased(keyCodeOf(*event));
    QLineEdit::keyReleaseEvent(event);
}

} // namespace zorbiks
