#include "desktop/forms/controls/Memo.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <limits>

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this, &Memo::noteChange);
}

void Memo::setLineLength(int characters) { lineLength_ = characters; }

void Memo::setMaxLines(int lines) { maxLines_ = lines; }

QStringList Memo::lines() const
{
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList{} : text.split('\n');
}

void Memo::setLines(const QStringList& lines) { setPlainText(lines.join('\n')); }

void Memo::keyPressEvent(QKeyEvent* event)
{
    operatorEdit([&] { QPlainTextEdit::keyPressEvent(event); });
}

void Memo::inputMethodEvent(QInputMethodEvent* event)
{
    operatorEdit([&] { QPlainTextEdit::inputMethodEvent(event); });
}

// Pasting and dropping both come here.
void Memo::insertFromMimeData(const QMimeData* source)
{
    operatorEdit([&] { QPlainTextEdit::insertFromMimeData(source); });
}

template <class Edit>
void Memo::operatorEdit(Edit&& edit)
{
    if (editDepth_++ == 0) {
        changedFrom_ = std::numeric_limits<int>::max();
        changedTo_ = -1;
    }
    edit();
    if (--editDepth_ == 0)
        limitChangedLines();
}

void Memo::noteChange(int position, int removed, int added)
{
    if (editDepth_ == 0)
        return;
    // Later changes of the same edit shift what was noted after them.
    if (changedTo_ >= position)
        changedTo_ = std::max(position, changedTo_ - removed) + added;
    changedFrom_ = std::min(changedFrom_, position);
    changedTo_ = std::max(changedTo_, position + added);
}

void Memo::limitChangedLines()
{
    if (changedFrom_ > changedTo_)
        return;
    // A change of the whole text is reported with the end of the last line
    // counted in.
    changedTo_ = std::min(changedTo_, document()->characterCount() - 1);
    QTextCursor cut(document());
    cut.joinPreviousEditBlock();
    dropAddedLines(cut);
    shortenChangedLines(cut);
    cut.endEditBlock();
}

void Memo::dropAddedLines(QTextCursor& cut)
{
    QTextDocument* doc = document();
    const int excess = doc->blockCount() - maxLines_;
    if (maxLines_ <= 0 || excess <= 0)
        return;
    // The line breaks the edit inserted, the last ones first, each with what
    // the edit inserted after it: a paste keeps its first lines.
    int dropFrom = changedTo_;
    for (int at = changedTo_ - 1, found = 0; at >= changedFrom_ && found < excess; --at)
        if (doc->characterAt(at) == QChar::ParagraphSeparator) {
            dropFrom = at;
            ++found;
        }
    if (dropFrom == changedTo_)
        return;
    cut.setPosition(dropFrom);
    cut.setPosition(changedTo_, QTextCursor::KeepAnchor);
    cut.removeSelectedText();
    changedTo_ = dropFrom;
}

void Memo::shortenChangedLines(QTextCursor& cut)
{
    if (lineLength_ <= 0)
        return;
    QTextDocument* doc = document();
    // From the last line back, so that cutting does not move the lines still to do.
    for (QTextBlock line = doc->findBlock(changedTo_);
         line.isValid() && line.position() + line.length() > changedFrom_; line = line.previous()) {
        const int excess = line.length() - 1 - lineLength_;
        const int insertedFrom = std::max(changedFrom_, line.position());
        const int insertedTo = std::min(changedTo_, line.position() + line.length() - 1);
        const int drop = std::min(excess, insertedTo - insertedFrom);
        if (drop <= 0)
            continue;
        cut.setPosition(insertedTo - drop);
        cut.setPosition(insertedTo, QTextCursor::KeepAnchor);
        cut.removeSelectedText();
    }
}
