#include "desktop/widgets/MaskedEdit.h"

#include "desktop/widgets/record_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// The code page byte of a typed character, or nothing when the code page has none.
std::optional<char> recordChar(QChar c)
{
    const std::string bytes = toRecordText(QString(c));
    if (bytes.size() != 1 || (bytes[0] == '?' && c != u'?'))
        return std::nullopt;
    return bytes[0];
}

} // namespace

MaskedEdit::MaskedEdit(QWidget* parent) : QLineEdit(parent) {}

MaskedEdit::MaskedEdit(const QString& mask, QWidget* parent) : QLineEdit(parent) { setEditMask(mask); }

void MaskedEdit::setEditMask(const QString& mask)
{
    const QString kept = text();
    mask_ = EditMask(toRecordText(mask));
    maskText_ = mask;
    const bool masked = !mask_.empty();
    setMaxLength(masked ? static_cast<int>(mask_.length()) : 32767);
    // Drops and the context menu's paste would bypass the mask.
    setAcceptDrops(!masked);
    setContextMenuPolicy(masked ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    setText(kept);
}

void MaskedEdit::setShortestLength(std::size_t positions)
{
    mask_.setShortestLength(positions);
    showMask(static_cast<std::size_t>(cursorPosition()));
}

QString MaskedEdit::text() const { return mask_.empty() ? QLineEdit::text() : fromRecordText(mask_.text()); }

void MaskedEdit::setText(const QString& text)
{
    if (mask_.empty()) {
        QLineEdit::setText(text);
        return;
    }
    mask_.setText(toRecordText(text));
    showMask(0);
}

bool MaskedEdit::isBlank() const { return mask_.empty() ? QLineEdit::text().isEmpty() : mask_.isBlank(); }

void MaskedEdit::showMask(std::size_t cursor)
{
    QLineEdit::setText(fromRecordText(mask_.editText()));
    setCursorPosition(static_cast<int>(cursor));
}

void MaskedEdit::typeText(const QString& typed)
{
    if (hasSelectedText())
        eraseSelection();
    std::size_t cursor = static_cast<std::size_t>(cursorPosition());
    for (const QChar c : typed) {
        const std::optional<char> byte = recordChar(c);
        if (!byte)
            continue;
        if (const auto next = mask_.type(cursor, *byte))
            cursor = *next;
    }
    showMask(cursor);
}

void MaskedEdit::eraseSelection()
{
    const auto from = static_cast<std::size_t>(selectionStart());
    mask_.erase(from, from + static_cast<std::size_t>(selectedText().size()));
    showMask(from);
}

void MaskedEdit::keyPressEvent(QKeyEvent* event)
{
    if (mask_.empty() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->matches(QKeySequence::Paste)) {
        typeText(QGuiApplication::clipboard()->text());
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (hasSelectedText()) {
            QGuiApplication::clipboard()->setText(selectedText());
            eraseSelection();
        }
        return;
    }
    const auto cursor = static_cast<std::size_t>(cursorPosition());
    if (event->key() == Qt::Key_Backspace) {
        if (hasSelectedText())
            eraseSelection();
        else
            showMask(mask_.backspace(cursor));
        return;
    }
    if (event->key() == Qt::Key_Delete) {
        if (hasSelectedText()) {
            eraseSelection();
        } else {
            const std::size_t at = mask_.nextEditable(cursor);
            mask_.erase(at, at + 1);
            showMask(cursor);
        }
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool shortcut = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier); // Ctrl+Alt is AltGr
    if (!event->text().isEmpty() && event->text().at(0).isPrint() && !shortcut) {
        typeText(event->text());
        return;
    }
    // Moving, selecting, copying: the line edit's own; any change it made
    // to the text itself (undo, deleting words) is taken back.
    QLineEdit::keyPressEvent(event);
    if (QLineEdit::text() != fromRecordText(mask_.editText()))
        showMask(static_cast<std::size_t>(cursorPosition()));
}

void MaskedEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (mask_.empty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    if (!event->commitString().isEmpty())
        typeText(event->commitString());
    event->accept();
}
