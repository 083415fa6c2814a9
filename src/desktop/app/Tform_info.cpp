#include "desktop/app/Tform_info.h"

#include "desktop/app/Tf_dane_biura.h"
#include "core/common/app_state.h"
#include "desktop/app/program_info.h"
#include "desktop/widgets/modal_runner.h"
#include "desktop/widgets/record_text.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tform_info::Tform_info(QWidget* parent) : QDialog(parent)
{
    setObjectName("form_info");
    setWindowTitle("O programie");

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName("ProgramIcon");
    if (QFile::exists("nip.bmp"))
        ProgramIcon->setPixmap(QPixmap("nip.bmp"));
    else
        ProgramIcon->setPixmap(programIcon().pixmap(64, 64));

    ProductName = new QLabel(QString::fromUtf8(kProgramName), this);
    ProductName->setObjectName("ProductName");
    QFont big = ProductName->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    ProductName->setFont(big);
    Version = new QLabel(QString("Wersja %1").arg(kProgramVersion), this);
    Version->setObjectName("Version");

    auto* licensed = new QLabel("Program używany przez:", this);
    mem_wl = new QPlainTextEdit(this);
    mem_wl->setObjectName("mem_wl");
    mem_wl->setReadOnly(true);
    mem_wl->setFixedHeight(mem_wl->fontMetrics().lineSpacing() * 5 + 12);
    mem_wl->setMinimumWidth(mem_wl->fontMetrics().horizontalAdvance(QString(40, 'M')) * 3 / 4);
    showOfficeLines();

    kl_biuro = new QPushButton("Zmień dane &biura...", this);
    kl_biuro->setObjectName("kl_biuro");
    kl_ok = new QPushButton("OK", this);
    kl_ok->setObjectName("kl_ok");
    kl_ok->setDefault(true);
    connect(kl_biuro, &QPushButton::clicked, this, &Tform_info::kl_biuroClick);
    connect(kl_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(ProgramIcon, 0, Qt::AlignTop);
    auto* names = new QVBoxLayout;
    names->addWidget(ProductName);
    names->addWidget(Version);
    names->addStretch();
    head->addLayout(names, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(kl_biuro);
    buttons->addStretch();
    buttons->addWidget(kl_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(licensed);
    layout->addWidget(mem_wl);
    layout->addLayout(buttons);
}

void Tform_info::showOfficeLines()
{
    QStringList lines;
    for (const std::string& line : appState().officeLines)
        lines << fromRecordText(line);
    mem_wl->setPlainText(lines.join('\n'));
}

void Tform_info::kl_biuroClick()
{
    Tf_dane_biura dialog(this);
    if (runModal(dialog) == QDialog::Accepted)
        showOfficeLines();
}
