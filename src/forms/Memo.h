#pragma once
#include <QPlainTextEdit>
#include <QStringList>

// A text box of several lines with a limit on the characters typed (line
// breaks count as one character each; 0 = no limit). Lines are the
// operator's own line breaks: nothing is wrapped.
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent);

    void setMaxLength(int characters);
    int maxLength() const { return maxLength_; }

    QStringList lines() const;
    void setLines(const QStringList& lines);

private:
    void enforceLimit();
    int maxLength_ = 0;
};
