#pragma once
#include "core/common/edit_mask.h"

#include <QLineEdit>

// A line edit that follows an edit mask (see EditMask): what the operator
// types overwrites the position at the cursor, the cursor steps over
// literals, Backspace and Delete blank positions. The widget shows the edit
// text ("__-__-____", also QLineEdit::text()); text() of this class reads the
// blanks as spaces ("  -  -    "). Without a mask it is a plain line edit.
class MaskedEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit MaskedEdit(QWidget* parent = nullptr);
    explicit MaskedEdit(const QString& mask, QWidget* parent = nullptr);

    // Sets the mask ("##9;1;_") and its maximum length; the text is kept as
    // far as the new mask takes it, and every position of it is shown.
    void setEditMask(const QString& mask);
    QString editMask() const { return maskText_; }
    // The mask also takes a shorter entry (see EditMask::setShortestLength).
    void setShortestLength(std::size_t positions);

    QString editText() const { return QLineEdit::text(); }
    QString text() const;
    void setText(const QString& text);
    void clear() { setText(QString()); }
    // True when no position holds a character (without a mask: no text).
    bool isBlank() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    void typeText(const QString& typed);
    void eraseSelection();
    void showMask(std::size_t cursor);

    EditMask mask_;
    QString maskText_;
};
