#pragma once
#include <QPlainTextEdit>
#include <QStringList>

class QTextCursor;

// A text box of several lines with limits on the length of each line and on
// the number of lines the operator types or pastes (0 = no limit); a paste
// is cut to fit. Text the program sets is shown whole, and a line or a
// text longer than its limit can be shortened but not lengthened. Lines
// are the operator's own line breaks: nothing is wrapped.
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent);

    void setLineLength(int characters);
    int lineLength() const { return lineLength_; }
    void setMaxLines(int lines);

    QStringList lines() const;
    void setLines(const QStringList& lines);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Runs an edit of the operator's, then cuts what it inserted into lines
    // that came out longer than the limit.
    template <class Edit>
    void operatorEdit(Edit&& edit);
    void noteChange(int position, int removed, int added);
    void limitChangedLines();
    void dropAddedLines(QTextCursor& cut);
    void shortenChangedLines(QTextCursor& cut);

    int lineLength_ = 0;
    int maxLines_ = 0;
    int editDepth_ = 0;
    // The part of the text the operator's edit inserted, or from > to.
    int changedFrom_ = 0;
    int changedTo_ = -1;
};
