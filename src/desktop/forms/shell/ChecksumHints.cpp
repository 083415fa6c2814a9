#include "desktop/forms/shell/ChecksumHints.h"

#include "desktop/widgets/MaskedEdit.h"
#include "core/common/checksums.h"
#include "core/common/date_text.h"
#include "desktop/widgets/record_text.h"
#include "core/records/bank_block.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

#include <optional>

namespace {

enum class NumberKind {
    Nip,
    Pesel,
    Regon,
    RegonOrPesel, // by the digit count
    IdByMask,     // the mask the form's kind of taxpayer sets: eleven positions a PESEL, else a REGON
    BankAccount,
};

struct HintedField {
    const Field& field;
    NumberKind kind;
};

// The record fields that hold a checked number. A field inside a block
// (a partner, a bank account) is recognised wherever the block lies.
const HintedField kHintedFields[] = {
    {nip::nip, NumberKind::Nip},
    {vat_head::nip, NumberKind::Nip},
    {partner_entry::nip, NumberKind::Nip},
    {nip::office_nip, NumberKind::Nip},
    {nip::nip2_parent_nip, NumberKind::Nip},
    {nip::nip3_agent_nip, NumberKind::Nip},
    {nip::pesel, NumberKind::Pesel},
    {nip::regon, NumberKind::Regon},
    {nip::nip2_parent_regon, NumberKind::Regon},
    {partner_entry::regon_pesel, NumberKind::RegonOrPesel},
    {vatr::id_no, NumberKind::IdByMask},
    {nipb::id_no, NumberKind::IdByMask},
    {bank_block::number, NumberKind::BankAccount},
};

// The birth dates a PESEL of the same form is checked against.
const Field* const kBirthDates[] = {&nip::birth_date, &nipb::birth_date, &vatr::birth_or_start_date};

constexpr int kShortRegonDigits = 9;
constexpr int kPeselDigits = 11;

bool isSameMember(const Field& bound, const Field& known)
{
    return bound.name == known.name && bound.width == known.width && bound.type == known.type;
}

std::optional<NumberKind> numberKindOf(const Field& field)
{
    for (const HintedField& h : kHintedFields)
        if (isSameMember(field, h.field))
            return h.kind;
    return std::nullopt;
}

// The kinds that may hold a PESEL, checked against the form's birth date.
bool mayBePesel(NumberKind kind) { return kind == NumberKind::Pesel || kind == NumberKind::IdByMask; }

bool isBirthDate(const Field& field)
{
    for (const Field* date : kBirthDates)
        if (isSameMember(field, *date))
            return true;
    return false;
}

// A masked edit's own text() leaves out the mask's placeholders; it does not
// override QLineEdit's.
std::string typedText(const QLineEdit* edit)
{
    if (const auto* masked = qobject_cast<const MaskedEdit*>(edit))
        return toRecordText(masked->text());
    return toRecordText(edit->text());
}

// A red frame over the box, its inside lightly tinted; it takes no room and
// no mouse clicks, so the box looks and works as before under it.
class ChecksumMark : public QWidget {
public:
    explicit ChecksumMark(QLineEdit* edit) : QWidget(edit)
    {
        setObjectName(kChecksumMarkName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(edit->rect());
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.setBrush(QColor(255, 0, 0, 36));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
};

// The hint of one field: follows its text (and the birth date's) and shows
// or hides the mark with the tooltip.
class ChecksumHint : public QObject {
public:
    ChecksumHint(QLineEdit* edit, NumberKind kind, QLineEdit* birthDate)
        : QObject(edit), edit_(edit), kind_(kind), birthDate_(birthDate), mark_(new ChecksumMark(edit)),
          ownToolTip_(edit->toolTip())
    {
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &ChecksumHint::update);
        if (birthDate)
            connect(birthDate, &QLineEdit::textChanged, this, &ChecksumHint::update);
        update();
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == edit_ && event->type() == QEvent::Resize)
            mark_->setGeometry(edit_->rect());
        if (watched == edit_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
            update();
        return false;
    }

private:
    std::optional<Date4> birthDate() const
    {
        if (!birthDate_)
            return std::nullopt;
        return TextToDate(typedText(birthDate_));
    }

    CheckResult check() const
    {
        const std::string text = typedText(edit_);
        switch (kind_) {
        case NumberKind::Nip:
            return CheckNip(text);
        case NumberKind::Pesel:
            return CheckPesel(text, birthDate());
        case NumberKind::Regon:
            return CheckRegon(text);
        case NumberKind::RegonOrPesel: {
            // Nine digits in a box that also takes a PESEL may be a PESEL on
            // its way: judged once the operator has left the box.
            const std::optional<std::string> digits = CheckedDigits(text, false);
            if (edit_->hasFocus() && digits && digits->size() == kShortRegonDigits &&
                edit_->maxLength() >= kPeselDigits)
                return {};
            return CheckRegonOrPesel(text);
        }
        case NumberKind::IdByMask:
            if (edit_->maxLength() != kPeselDigits)
                return CheckRegon(text);
            return CheckPesel(text, birthDate());
        case NumberKind::BankAccount:
            return CheckBankAccount(text);
        }
        return {};
    }

    void update()
    {
        const CheckResult result = check();
        mark_->setVisible(result.isWrong());
        edit_->setToolTip(result.isWrong() ? QString::fromStdString(result.message) : ownToolTip_);
    }

    QLineEdit* edit_;
    NumberKind kind_;
    QLineEdit* birthDate_;
    ChecksumMark* mark_;
    QString ownToolTip_;
};

QLineEdit* birthDateEditOf(const BindingTable& table)
{
    for (const Binding& b : table)
        if (isBirthDate(b.field))
            if (auto* edit = qobject_cast<QLineEdit*>(b.control))
                return edit;
    return nullptr;
}

} // namespace

void attachChecksumHints(const BindingTable& table)
{
    QLineEdit* birthDate = birthDateEditOf(table);
    for (const Binding& b : table) {
        const std::optional<NumberKind> kind = numberKindOf(b.field);
        auto* edit = qobject_cast<QLineEdit*>(b.control);
        if (kind && edit)
            new ChecksumHint(edit, *kind, mayBePesel(*kind) ? birthDate : nullptr);
    }
}
