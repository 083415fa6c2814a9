#include "desktop/register/ChoosingListDialog.h"

#include "desktop/widgets/sort_cursor.h"
#include "desktop/widgets/BarProgress.h"
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/StringGrid.h"
#include "desktop/widgets/WindowActivation.h"
#include "core/common/account.h"
#include "core/common/list_search.h"
#include "core/common/modal_result.h"
#include "desktop/widgets/screen_centre.h"
#include "core/common/text_routines.h"
#include "desktop/widgets/record_text.h"
#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/ui_messages.h"
#include "core/register/register_state.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr std::size_t kAccountLength = 8;

QPushButton* button(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QWidget* buddy)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setBuddy(buddy);
    return l;
}

void setCurrent(const std::string& account) { setCurrentAccount(account, AccountToInt(account)); }

} // namespace

ChoosingListDialog::ChoosingListDialog(const Texts& texts, QProgressBar* progressBar, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), wsk_post(progressBar)
{
    setWindowTitle(texts.caption);
    buildControls(texts);

    connect(kl_ok, &QPushButton::clicked, this, &ChoosingListDialog::kl_okClick);
    connect(kl_ust_filtr, &QPushButton::clicked, this, &ChoosingListDialog::kl_ust_filtrClick);
    connect(kl_sort_naz, &QPushButton::clicked, this, &ChoosingListDialog::kl_sort_nazClick);
    connect(kl_sort_kon, &QPushButton::clicked, this, &ChoosingListDialog::kl_sort_konClick);
    connect(kl_anul, &QPushButton::clicked, this, &ChoosingListDialog::kl_anulClick);
    connect(sg_kon, &QAbstractItemView::doubleClicked, this, &ChoosingListDialog::sg_konDblClick);
    connect(sg_kon->horizontalHeader(), &QHeaderView::sectionClicked, this, &ChoosingListDialog::sg_konHeaderClick);
    m_kon->installEventFilter(this);
    sg_kon->installEventFilter(this);
    new WindowActivation(this, [this] { FormActivate(); });
}

void ChoosingListDialog::buildControls(const Texts& texts)
{
    m_kon = new MaskedEdit("##9;1;_", this);
    m_kon->setObjectName("m_kon");
    m_kon->setFixedWidth(60);
    e_kon = label(this, "e_kon", "K&onto", m_kon);

    sg_kon = new StringGrid(this);
    sg_kon->setObjectName("sg_kon");
    sg_kon->setColumnWidths({50, 423, 144});
    sg_kon->setHeaderCursor(SortCursor(), 2);
    sg_kon->setMinimumSize(50 + 423 + 144 + sg_kon->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4, 300);

    kl_ok = button(this, "kl_ok", "O&K");
    kl_ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    kl_ok->setDefault(true);

    g_fil = new QGroupBox("Wyzsukiwanie", this);
    g_fil->setObjectName("g_fil");
    z_fil_naz = new QLineEdit(g_fil);
    z_fil_naz->setObjectName("z_fil_naz");
    e_fil_naz = label(g_fil, "e_fil_naz", texts.nameLabel, z_fil_naz);
    m_fil_nip = new MaskedEdit("#############;1;_", g_fil);
    m_fil_nip->setObjectName("m_fil_nip");
    e_fil_nip = label(g_fil, "e_fil_nip", "NI&P", m_fil_nip);
    kl_ust_filtr = button(g_fil, "kl_ust_filtr", "Sz&ukaj");

    kl_sort_naz = button(this, "kl_sort_naz", texts.sortByName);
    kl_sort_kon = button(this, "kl_sort_kon", "So&rt wg konta");
    kl_anul = button(this, "kl_anul", "&Anuluj");
    kl_anul->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    auto* filter = new QGridLayout(g_fil);
    filter->addWidget(e_fil_naz, 0, 0);
    filter->addWidget(z_fil_naz, 0, 1);
    filter->addWidget(e_fil_nip, 1, 0);
    filter->addWidget(m_fil_nip, 1, 1);
    filter->addWidget(kl_ust_filtr, 0, 2, 2, 1);

    auto* account = new QHBoxLayout;
    account->addWidget(e_kon);
    account->addWidget(m_kon);
    account->addStretch();

    auto* sorting = new QVBoxLayout;
    sorting->addWidget(kl_sort_naz);
    sorting->addWidget(kl_sort_kon);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(kl_ok, 0, Qt::AlignTop);
    bottom->addWidget(g_fil, 1);
    bottom->addLayout(sorting);
    bottom->addWidget(kl_anul, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(account);
    layout->addWidget(sg_kon, 1);
    layout->addLayout(bottom);

    QWidget* order[] = {m_kon, sg_kon, kl_ok, z_fil_naz, m_fil_nip, kl_ust_filtr, kl_sort_naz, kl_sort_kon, kl_anul};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void ChoosingListDialog::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

void ChoosingListDialog::FormActivate()
{
    // Focus first: the grid, if it had the focus, copies its row into m_kon as it leaves.
    m_kon->setFocus();
    m_kon->clear();
    m_fil_nip->clear();
    z_fil_naz->clear();
    sortByAccount_ = false;
    sortByName_ = false;

    RowTable table;
    bool loaded = false;
    {
        BarProgress progress(wsk_post);
        loaded = runGuarded([&] { loadList(table, progress); });
    }
    if (loaded && table.rows.size() > 1)
        table.selectedRow = 1;
    sg_kon->setTable(std::move(table));
}

bool ChoosingListDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window coming to the front, or a menu, is no leaving of a control.
        const bool leavesWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        if (!leavesWindow && !redirectingFocus_) {
            if (watched == m_kon && type == QEvent::FocusOut)
                m_konExit();
            else if (watched == sg_kon)
                type == QEvent::FocusIn ? sg_konEnter() : sg_konExit();
        }
    } else if (type == QEvent::KeyRelease && watched == sg_kon) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            sg_konKeyUp(key->key(), key->modifiers());
    }
    return QDialog::eventFilter(watched, event);
}

void ChoosingListDialog::m_konExit()
{
    if (m_kon->isBlank()) {
        kl_ok->setDefault(false);
        return;
    }
    kl_ok->setDefault(true);
    // When the focus was on its way to another control, that control must
    // not see it come and go.
    redirectingFocus_ = true;
    kl_ok->setFocus(Qt::OtherFocusReason);
    redirectingFocus_ = false;
}

void ChoosingListDialog::sg_konEnter() { kl_ok->setDefault(false); }

void ChoosingListDialog::sg_konExit()
{
    const int row = sg_kon->selectedRow();
    if (row < 1)
        return;
    copyAccountToField(row);
    if (!m_kon->isBlank())
        kl_ok->setDefault(true);
}

void ChoosingListDialog::sg_konKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z) {
        const int row = FindRowByInitial(sg_kon->table(), static_cast<char>('A' + (key - Qt::Key_A)));
        if (row > 0)
            selectAndFocus(row);
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && sg_kon->selectedRow() > 0) {
        chooseRow(true);
    }
}

void ChoosingListDialog::sg_konDblClick()
{
    if (sg_kon->selectedRow() > 0)
        chooseRow(false);
}

void ChoosingListDialog::sg_konHeaderClick(int column)
{
    if (column == kAccountColumn)
        kl_sort_konClick();
    else if (column == kNameColumn)
        kl_sort_nazClick();
}

void ChoosingListDialog::kl_okClick()
{
    std::string account = Trimmed(toRecordText(m_kon->text())).substr(0, kAccountLength);
    if (account.empty())
        return;
    account = PadLeft(account, '0', 3);
    setCurrent(account);
    if (FindRowByAccount(sg_kon->table(), account) < 1) {
        UiMessages::current().inform("Brak konta");
        return;
    }
    checkAndClose();
}

void ChoosingListDialog::kl_ust_filtrClick()
{
    const int row = FindRowBySearch(sg_kon->table(), toRecordText(z_fil_naz->text()), toRecordText(m_fil_nip->text()));
    if (row < 1)
        return;
    selectAndFocus(row);
    copyAccountToField(row);
}

void ChoosingListDialog::kl_sort_nazClick() { toggleSort(kNameColumn, sortByName_); }

void ChoosingListDialog::kl_sort_konClick() { toggleSort(kAccountColumn, sortByAccount_); }

void ChoosingListDialog::kl_anulClick() { done(kModalCancel); }

void ChoosingListDialog::reject() { kl_anulClick(); }

void ChoosingListDialog::chooseRow(bool trimmed)
{
    const std::string cell = sg_kon->cell(sg_kon->selectedRow(), kAccountColumn);
    const std::string account = trimmed ? Trimmed(cell) : cell;
    setCurrent(account);
    if (trimmed && account.empty() && !enterChecksBlankAccount())
        return;
    checkAndClose();
}

void ChoosingListDialog::checkAndClose()
{
    bool found = false;
    runGuarded([&] { found = checkChosenAccount(); });
    if (found)
        done(kModalOk);
}

// An account longer than the field would be cut into another account, which
// "O&K" would then choose: the field is emptied instead.
void ChoosingListDialog::copyAccountToField(int row)
{
    const std::string account = sg_kon->cell(row, kAccountColumn);
    if (account.size() > static_cast<std::size_t>(m_kon->maxLength()))
        m_kon->clear();
    else
        m_kon->setText(fromRecordText(account));
}

void ChoosingListDialog::selectAndFocus(int row)
{
    sg_kon->setSelectedRow(row);
    sg_kon->setFocus();
}

void ChoosingListDialog::toggleSort(int column, bool& ascending)
{
    ascending = !ascending;
    sg_kon->sortRows(column, ascending);
}
