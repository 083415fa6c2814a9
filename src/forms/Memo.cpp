#include "forms/Memo.h"

#include <QSignalBlocker>
#include <QTextCursor>

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent)
{
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::enforceLimit);
}

void Memo::setMaxLength(int characters)
{
    maxLength_ = characters;
    enforceLimit();
}

QStringList Memo::lines() const
{
    const QString text = toPlainText();
    return text.isEmpty() ? QStringList{} : text.split('\n');
}

void Memo::setLines(const QStringList& lines) { setPlainText(lines.join('\n')); }

void Memo::enforceLimit()
{
    const int excess = toPlainText().size() - maxLength_;
    if (maxLength_ <= 0 || excess <= 0)
        return;
    // What was just typed or pasted stands before the cursor: drop its tail.
    const QSignalBlocker block(this);
    QTextCursor c = textCursor();
    const int end = c.position();
    c.setPosition(std::max(0, end - excess));
    c.setPosition(end, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    if (toPlainText().size() > maxLength_)
        setPlainText(toPlainText().left(maxLength_));
}
