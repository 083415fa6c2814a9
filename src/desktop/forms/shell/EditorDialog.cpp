#include "desktop/forms/shell/EditorDialog.h"

#include "desktop/widgets/FocusMoves.h"
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/cp1250.h"
#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/help.h"
#include "desktop/widgets/modal_runner.h"
#include "core/common/polish_letters.h"
#include "desktop/widgets/record_text.h"
#include "core/common/tax_offices.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/forms/shell/ChecksumHints.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/Memo.h"
#include "core/ledger/ledger_access.h"
#include "desktop/print/Tf_wydr.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Every record kind keeps its account at the head of the record.
constexpr const Field& kAccountNo = nip::account_no;
static_assert(vatr::account_no.offset == kAccountNo.offset && vatr::account_no.width == kAccountNo.width &&
              vatz::account_no.offset == kAccountNo.offset && vat21::account_no.offset == kAccountNo.offset &&
              nipb::account_no.offset == kAccountNo.offset && nipb::account_no.width == kAccountNo.width);

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QStringList taxOfficeNames()
{
    QStringList names;
    for (const std::string& name : FillTaxOffices())
        names << fromRecordText(cp1250::upper(LedgerText(name)));
    return names;
}

// A memo takes no more lines, and no longer lines, than its field keeps.
void limitTypingToLines(Memo* memo, const Field& lines)
{
    const int stored = storedLength(lines.item(0));
    if (memo->lineLength() == 0 || memo->lineLength() > stored)
        memo->setLineLength(stored);
    memo->setMaxLines(static_cast<int>(lines.count));
}

// A box never takes more typed text than its field stores: what would be cut
// on saving is not typed at all. A shorter limit of the form's own stays.
void limitTypingToField(const Binding& b)
{
    if (auto* memo = qobject_cast<Memo*>(b.control))
        limitTypingToLines(memo, b.field);
    if (b.conv != Conv::Text && b.conv != Conv::TextOrDefault && b.conv != Conv::TrimmedText)
        return;
    QLineEdit* edit = qobject_cast<QLineEdit*>(b.control);
    if (auto* combo = qobject_cast<QComboBox*>(b.control))
        edit = combo->lineEdit();
    if (!edit || qobject_cast<MaskedEdit*>(edit))
        return;
    const int stored = storedLength(b.field);
    if (const int limit = typingLimit(edit); limit == 0 || limit > stored)
        limitTyping(edit, stored);
}

} // namespace

EditorDialog::EditorDialog(QWidget* parent, Form form, const char* pagesName)
    : EditorDialog(parent, form, pagesName, ButtonNames{})
{
}

EditorDialog::EditorDialog(QWidget* parent, Form form, const char* pagesName, const ButtonNames& names)
    : QDialog(parent), form_(formInfo(form))
{
    setWindowTitle(QString::fromUtf8(form_.name.data(), static_cast<int>(form_.name.size())));
    auto* column = new QVBoxLayout(this);
    pages = new QTabWidget(this);
    pages->setObjectName(pagesName);
    column->addWidget(pages, 1);

    P_klaw = new QWidget(this);
    P_klaw->setObjectName("P_klaw");
    auto* buttons = new QHBoxLayout(P_klaw);
    buttons->setContentsMargins(0, 0, 0, 0);
    kl_ok = newButton(P_klaw, names.ok, "&Zapisz");
    kl_druk = newButton(P_klaw, names.print, "&Drukuj i zapisz");
    kl_anuluj = newButton(P_klaw, names.cancel, "Anuluj");
    kl_pomoc = newButton(P_klaw, names.help, "&Pomoc");
    kl_ok->setDefault(true);
    buttons->addStretch(1);
    for (QPushButton* b : {kl_ok, kl_druk, kl_anuluj, kl_pomoc})
        buttons->addWidget(b);
    column->addWidget(P_klaw);
    markCancelButton(kl_anuluj);

    connect(kl_ok, &QPushButton::clicked, this, &EditorDialog::kl_okClick);
    connect(kl_druk, &QPushButton::clicked, this, &EditorDialog::kl_drukClick);
    connect(kl_anuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(kl_pomoc, &QPushButton::clicked, this, &EditorDialog::kl_pomocClick);
}

void EditorDialog::prepare(const std::string& account, const std::string& taxpayerName, const QString& caption, int mode)
{
    accountNo_ = account.substr(0, 8);
    taxpayerName_ = taxpayerName;
    mode_ = mode;
    setWindowTitle(caption);
}

QWidget* EditorDialog::addPage(const QString& title)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(4);
    pages->addTab(page, title);
    return page;
}

void EditorDialog::finishBuilding(Parts parts)
{
    bindings_ = std::move(parts.bindings);
    firstControl_ = parts.firstControl;
    taxOfficeBoxes_ = std::move(parts.taxOfficeBoxes);
    unbound_ = std::move(parts.unbound);
    for (const Binding& b : bindings_)
        limitTypingToField(b);
    attachChecksumHints(bindings_);
    for (const Binding& b : bindings_)
        if (!controlFitsConversion(b))
            qFatal("%s: control %s does not fit the conversion of field %s", metaObject()->className(),
                   qPrintable(b.control->objectName()), std::string(b.field.name).c_str());

    // The buttons come after the last control of the pages in the tab order.
    QWidget* previous = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (pages->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            previous = w;
    for (QWidget* b : {kl_ok, kl_druk, kl_anuluj, kl_pomoc}) {
        setTabOrder(previous, b);
        previous = b;
    }
}

void EditorDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    activate();
}

void EditorDialog::activate()
{
    if (activated_)
        return;
    activated_ = true;
    bool goOn = false;
    const bool noError = runGuarded([&] {
        setDefaults();
        const QStringList offices = taxOfficeNames();
        for (QComboBox* box : taxOfficeBoxes_) {
            const QString text = box->currentText();
            box->clear();
            box->addItems(offices);
            box->setEditText(text);
        }
        pages->setCurrentIndex(0);
        if (firstControl_)
            firstControl_->setFocus();
        if (mode_ == FromLedger && form_.prefill && !form_.prefill(UiMessages::current()))
            return;
        if (form_.loadsIn(mode_))
            LoadBindings(bindings_, recordBuffer(form_.recordKind));
        applyRules();
        goOn = true;
    });
    if (!noError || !goOn)
        QTimer::singleShot(0, this, &QDialog::reject);
}

void EditorDialog::storeRecord(Bytes record)
{
    if (form_.formType != 0)
        setU8(record, nip::form_type, form_.formType);
    setStr(record, kAccountNo, accountNo_);
    SaveBindings(bindings_, record);
    storeExtras(record);
}

bool EditorDialog::write()
{
    Messenger& messages = UiMessages::current();
    if (mode_ == FromLedger && !CheckLedgerAccount(accountNo_, messages))
        return false;
    if (WriteRecord(form_.recordKind))
        return true;
    messages.inform("Konto " + cp1250::toUtf8(accountNo_) +
                    " nie jest dodatnią liczbą. Zgłoszenie nie zostało zapisane.");
    return false;
}

bool EditorDialog::save(QWidget* button)
{
    // A click took the focus from a field that refused it: no save.
    if (FocusMoves::instance().refusalPending())
        return false;
    // Enter on the default button leaves the focus in the field: its leave
    // rules and its frame's run first, as when the focus moves to the button.
    if (QWidget* focused = focusWidget(); focused && !P_klaw->isAncestorOf(focused))
        if (!FocusMoves::instance().leave(focused, button))
            return false;
    Bytes buffer = recordBuffer(form_.recordKind);
    const std::vector<std::uint8_t> before(buffer.begin(), buffer.end());
    bool written = false;
    runGuarded([&] {
        storeRecord(buffer);
        written = write();
    });
    if (!written)
        std::copy(before.begin(), before.end(), buffer.begin());
    return written;
}

void EditorDialog::kl_okClick()
{
    if (save(kl_ok))
        done(QDialog::Accepted);
}

void EditorDialog::kl_drukClick()
{
    if (!save(kl_druk))
        return;
    Tf_wydr printing(this);
    printing.form_kind = form_.printKind;
    runModal(printing);
    done(PrintAndSave);
}

void EditorDialog::kl_pomocClick() { showHelp(this); }
