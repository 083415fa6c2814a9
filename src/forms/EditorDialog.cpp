#include "forms/EditorDialog.h"

#include "common/modal_runner.h"
#include "print/Tf_wydr.h"

#include "common/cp1250.h"
#include "common/polish_letters.h"
#include "common/tax_offices.h"
#include "common/record_text.h"
#include "common/guarded_command.h"
#include "common/ui_messages.h"
#include "common/FocusMoves.h"
#include "ledger/ledger_access.h"
#include "register/register_ops.h"
#include "register/register_state.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

namespace {

std::function<void()>& helpHandler()
{
    static std::function<void()> handler;
    return handler;
}

QPushButton* newButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

EditorDialog::EditorDialog(QWidget* parent, int recordKind, const char* pagesName, const ButtonNames& names)
    : QDialog(parent), recordKind_(recordKind)
{
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

void EditorDialog::placeButtonsLastInTabOrder()
{
    QWidget* lastControl = nullptr;
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
        if (pages->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
            lastControl = w;
    QWidget* previous = lastControl;
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
    pages->setCurrentIndex(0);
    bool goOn = false;
    if (!runGuarded([&] { goOn = FormActivate(); }) || !goOn)
        QTimer::singleShot(0, this, &QDialog::reject);
}

void EditorDialog::fillTaxOffices(std::initializer_list<QComboBox*> boxes)
{
    QStringList names;
    for (const std::string& name : FillTaxOffices())
        names << fromRecordText(cp1250::upper(LedgerText(name)));
    for (QComboBox* box : boxes) {
        const QString text = box->currentText();
        box->clear();
        box->addItems(names);
        box->setEditText(text);
    }
}

bool EditorDialog::write()
{
    Messenger& messages = UiMessages::current();
    if (mode_ == FromLedger && !CheckLedgerAccount(accountNo_, messages))
        return false;
    if (WriteRecord(recordKind_))
        return true;
    messages.inform("Konto " + cp1250::toUtf8(accountNo_) +
                    " nie jest dodatnią liczbą. Zgłoszenie nie zostało zapisane.");
    return false;
}

bool EditorDialog::save()
{
    Bytes buffer = recordBuffer(recordKind_);
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
    if (save())
        done(QDialog::Accepted);
}

void EditorDialog::kl_drukClick()
{
    if (!save())
        return;
    Tf_wydr printing(this);
    printing.form_kind = printFormKind();
    runModal(printing);
    done(PrintAndSave);
}

void EditorDialog::kl_pomocClick()
{
    if (helpHandler())
        helpHandler()();
}

void EditorDialog::setHelpHandler(std::function<void()> handler) { helpHandler() = std::move(handler); }
