#include "desktop/forms/frames/Tfr_dzial.h"

#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/Memo.h"
#include "core/records/nip_record.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kLineWidth = storedLength(nip::activity_desc_1);
constexpr int kShownLines = 3;
} // namespace

Tfr_dzial::Tfr_dzial(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_dzial");
    m_dzial = new Memo(this);
    m_dzial->setObjectName("m_dzial");
    m_dzial->setLineLength(kLineWidth);
    const QFontMetrics metrics(m_dzial->font());
    m_dzial->setFixedHeight(metrics.lineSpacing() * (kShownLines + 1) + 6);
    m_dzial->setMinimumWidth(metrics.horizontalAdvance(QString(kLineWidth + 2, 'M')) * 3 / 4);
    z_pkd = newEdit(this, "z_pkd", storedLength(nip::pkd_code));
    z_ekd = newEdit(this, "z_ekd", storedLength(nip::ekd_code));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(1);
    e_dzial = newCaption(this, "Rodzaj prowadzonej działalności", m_dzial, "e_dzial");
    placeBelowCaption(grid, 0, 0, e_dzial, m_dzial);
    e_maks = new QLabel(this);
    e_maks->setObjectName("e_maks");
    e_maks->hide();
    grid->addWidget(e_maks, 2, 0);
    placeBelowCaption(grid, 0, 1, newCaption(this, "Kod PKD", z_pkd, "e_pkd"), z_pkd);
    placeBelowCaption(grid, 0, 2, newCaption(this, "Kod EKD", z_ekd, "e_ekd"), z_ekd);
    grid->setAlignment(z_pkd, Qt::AlignTop);
    grid->setAlignment(z_ekd, Qt::AlignTop);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
}

void Tfr_dzial::setMemoHint(const QString& hint)
{
    e_maks->setText(hint);
    e_maks->setVisible(!hint.isEmpty());
}

BindingTable Tfr_dzial::bindings(const Field& lines, const Field& pkd, const Field& ekd) const
{
    return {
        {m_dzial, lines, Conv::MemoLines},
        {z_pkd, pkd, Conv::Text},
        {z_ekd, ekd, Conv::Text},
    };
}
