#include "desktop/forms/controls/FormControls.h"

#include "desktop/widgets/MaskedEdit.h"
#include "core/common/date_text.h"
#include "desktop/widgets/record_text.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/widgets/FocusMoves.h"
#include "desktop/forms/controls/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr const char* kBlankDateEditText = "__-__-____";
constexpr std::size_t kShortRegonDigits = 9;

// The limit on typing. QLineEdit::setMaxLength would also cut the text the
// program sets; this validator leaves that alone (the edit is not modified
// then) and bounds only the operator's changes: what was inserted is cut
// until the text is no longer than the limit or than what the change kept
// of the text before it.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int maxLength)
        : QValidator(edit), edit_(edit), maxLength_(maxLength), before_(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    int maxLength() const { return maxLength_; }

    State validate(QString& input, int& pos) const override
    {
        if (!edit_->isModified() || input.size() <= maxLength_)
            return Acceptable;
        // The change inserted text just before the cursor; what follows the
        // cursor and the common start are what it kept.
        const qsizetype tail = input.size() - pos;
        qsizetype head = 0;
        while (head < pos && head < before_.size() - tail && input[head] == before_[head])
            ++head;
        const qsizetype allowed = std::max<qsizetype>(maxLength_, head + tail);
        const qsizetype excess = input.size() - allowed;
        if (excess > 0) {
            input.remove(pos - excess, excess);
            pos -= static_cast<int>(excess);
        }
        return Acceptable;
    }

private:
    QLineEdit* edit_;
    int maxLength_;
    QString before_;
};

} // namespace

void limitTyping(QLineEdit* edit, int maxLength)
{
    delete dynamic_cast<const TypingLimit*>(edit->validator());
    edit->setValidator(maxLength > 0 ? new TypingLimit(edit, maxLength) : nullptr);
}

int typingLimit(const QLineEdit* edit)
{
    const auto* limit = dynamic_cast<const TypingLimit*>(edit->validator());
    return limit ? limit->maxLength() : 0;
}

QLineEdit* newEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    limitTyping(e, maxLength);
    return e;
}

QComboBox* newCombo(QWidget* parent, const char* name, int maxLength, const QStringList& items, const QString& text)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    // Editable through a line edit of its own: setEditable() would also build
    // the drop-down list's window at once, which the box builds when first
    // opened anyway. An editor holds dozens of these boxes.
    c->setLineEdit(new QLineEdit(c));
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems(items);
    c->setEditText(text);
    limitTyping(c->lineEdit(), maxLength);
    return c;
}

MaskedEdit* newMasked(QWidget* parent, const char* name, const char* mask)
{
    auto* m = new MaskedEdit(QString::fromLatin1(mask), parent);
    m->setObjectName(name);
    // As wide as its positions: a short code does not stretch over a column.
    const QString widest(m->maxLength() + 1, '0');
    m->setMaximumWidth(QFontMetrics(m->font()).horizontalAdvance(widest) + 16);
    return m;
}

MaskedEdit* newRegonField(QWidget* parent, const char* name)
{
    MaskedEdit* m = newMasked(parent, name, kRegonMask);
    m->setShortestLength(kShortRegonDigits);
    return m;
}

MaskedEdit* newVatNumberField(QWidget* parent, const char* name)
{
    return newMasked(parent, name, ">AA##############;1;_");
}

void setRegonMask(MaskedEdit* edit)
{
    edit->setEditMask(kRegonMask);
    edit->setShortestLength(kShortRegonDigits);
}

MaskedEdit* newDateField(QWidget* parent, const char* name)
{
    MaskedEdit* m = newMasked(parent, name, kDateMask);
    addLeaveCheck(m, [m] {
        const QString typed = m->editText();
        return typed.isEmpty() || typed == kBlankDateEditText ||
               IsValidDate(toRecordText(m->text()), UiMessages::current()) != 0;
    });
    return m;
}

QLabel* newCaption(QWidget* parent, const QString& caption, QWidget* control, const char* name)
{
    auto* l = new QLabel(caption, parent);
    l->setBuddy(control);
    if (name)
        l->setObjectName(name);
    return l;
}

QLabel* captionOf(const QWidget* control)
{
    if (!control->parentWidget())
        return nullptr;
    for (QLabel* l : control->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (l->buddy() == control)
            return l;
    return nullptr;
}

QLabel* newHeading(QWidget* parent, const QString& text, const char* name)
{
    auto* l = new QLabel(text, parent);
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    l->setWordWrap(true);
    if (name)
        l->setObjectName(name);
    return l;
}

void placeBelowCaption(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* control, int columnSpan)
{
    grid->addWidget(caption, row, column, 1, columnSpan);
    grid->addWidget(control, row + 1, column, 1, columnSpan);
}

QWidget* withPositionPanel(QWidget* parent, const QString& number, QWidget* frame)
{
    auto* row = new QWidget(parent);
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QLabel(number, row);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFixedWidth(22);
    line->addWidget(panel, 0, Qt::AlignTop);
    frame->setParent(row);
    line->addWidget(frame, 1);
    return row;
}

QGroupBox* newGroup(QWidget* parent, const char* name, const QString& caption)
{
    auto* g = new QGroupBox(caption, parent);
    g->setObjectName(name);
    return g;
}

QCheckBox* newCheckBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

RadioGroup* newRadioGroup(QWidget* parent, const char* name, const QString& caption, const QStringList& items,
                          int columns, int index)
{
    auto* r = new RadioGroup(caption, items, columns, parent);
    r->setObjectName(name);
    r->setItemIndex(index);
    return r;
}

QVBoxLayout* newColumn(QWidget* w)
{
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(2);
    return column;
}
