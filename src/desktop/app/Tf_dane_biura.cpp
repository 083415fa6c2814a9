#include "desktop/app/Tf_dane_biura.h"

#include "core/common/app_state.h"
#include "core/app/office_identity.h"
#include "desktop/widgets/record_text.h"
#include "desktop/widgets/guarded_command.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Tf_dane_biura::Tf_dane_biura(QWidget* parent) : QDialog(parent)
{
    setObjectName("f_dane_biura");
    setWindowTitle("Dane biura rachunkowego");
    auto* form = new QFormLayout;
    const char* const captions[4] = {"&Nazwa biura:", "Nazwa (&cd.):", "&Adres:", "A&dres (cd.):"};
    for (int i = 0; i < 4; ++i) {
        z_wiersz[i] = new QLineEdit(fromRecordText(appState().officeLines[i]), this);
        z_wiersz[i]->setObjectName(QString("z_wiersz%1").arg(i + 1));
        z_wiersz[i]->setMaxLength(static_cast<int>(kOfficeLineWidth));
        z_wiersz[i]->setMinimumWidth(z_wiersz[i]->fontMetrics().horizontalAdvance(QString(40, 'W')) * 3 / 4);
        form->addRow(captions[i], z_wiersz[i]);
    }
    auto* buttons = new QDialogButtonBox(this);
    kl_ok = buttons->addButton("O&K", QDialogButtonBox::AcceptRole);
    kl_ok->setObjectName("kl_ok");
    kl_ok->setDefault(true);
    kl_anuluj = buttons->addButton("&Anuluj", QDialogButtonBox::RejectRole);
    kl_anuluj->setObjectName("kl_anuluj");
    connect(kl_ok, &QPushButton::clicked, this, &Tf_dane_biura::kl_okClick);
    connect(kl_anuluj, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void Tf_dane_biura::kl_okClick()
{
    std::array<std::string, 4> lines;
    for (int i = 0; i < 4; ++i)
        lines[i] = toRecordText(z_wiersz[i]->text());
    if (runGuarded([&] { SaveOfficeIdentity(lines); })) {
        appState().officeLines = LoadOfficeIdentity();
        accept();
    }
}
