#pragma once

// A text box whose characters pass a key filter: the filter sees every
// typed character as a Windows-1251 code and returns the code to enter (the
// same code, a replacement, or 0 to discard it). Text that arrives another
// way — pasted by keyboard, context menu or middle button, or committed by an
// input method — passes the same filter character by character; dropping
// text onto the box is refused.

#include <QLineEdit>

#include <functional>

namespace zorbiks {

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using CharacterFilter = std::function<ushort(ushort code)>;
    // Sees every key press first; returns true to swallow the key.
    using KeyDownHook = std::function<bool(const QKeyEvent &event)>;

    explicit FilteredLineEdit(QWidget *parent = nullptr);

    void setCharacterFilter(CharacterFilter filter) { filter_ = std::move(filter); }
    void setKeyDownHook(KeyDownHook hook) { keyDown_ = std::move(hook); }

    // Inserts text at the cursor as if it had been pasted.
    void pasteFiltered(const QString &text);

signals:
    // A released key, as a key code of KeyCodes.h (0 for keys it does not name).
    void keyReleased(int keyCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // The characters of `text` that the filter lets through, replaced where
    // it replaces them; control characters are left out.
    QString filtered(const QString &text) const;

    CharacterFilter filter_;
    KeyDownHook keyDown_;
};

} // namespace zorbiks
