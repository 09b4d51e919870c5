#pragma once

// A text box whose characters pass a key filter: the filter sees every
// typed character as a Windows-1251 code and returns the code to enter (the
// same code, a replacement, or 0 to discard it). Every other way text
// reaches the box — pasted by keyboard, context menu or middle button,
// committed by an input method, restored by undo — passes the same filter
// character by character: the box checks each change of its text in one
// place (its validator, which QLineEdit runs for every edit before it shows
// it), keeps only what the filter lets through and leaves the cursor after
// the inserted text. Dropping text onto the box is refused.

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
    // Writes the key code (KeyCodes.h) of every key pressed in the box into
    // `lastKeyDown` before anything else sees the key: the transliterating
    // filters read which key made the character.
    void recordKeysInto(qint16 *lastKeyDown) { lastKeyDown_ = lastKeyDown; }

    // Inserts text at the cursor as if it had been pasted.
    void pasteFiltered(const QString &text);

signals:
    // A released key, as a key code of KeyCodes.h (0 for keys it does not name).
    void keyReleased(int keyCode);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    class EditFilter;
    friend class EditFilter;

    // The characters of `text` that the filter lets through, replaced where
    // it replaces them; control characters and characters that Windows-1251
    // cannot hold are left out.
    QString filtered(const QString &text) const;
    // Inserts text that has already passed the filter.
    void insertAccepted(const QString &text);

    CharacterFilter filter_;
    KeyDownHook keyDown_;
    qint16 *lastKeyDown_ = nullptr;
    bool inserting_ = false; // insertAccepted() is at work
};

} // namespace zorbiks
