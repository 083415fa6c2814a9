#include "desktop/app/Tf_pomoc.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

QString Tf_pomoc::helpFile()
{
    return QFile::exists("Rejfor.hlp") ? QString("Rejfor.hlp") : QString(":/help/Rejfor.hlp");
}

Tf_pomoc::Tf_pomoc(QWidget* parent) : QDialog(parent)
{
    setObjectName("f_pomoc");
    setWindowTitle("Pomoc – Zgłoszenia NIP/VAT");
    resize(640, 560);

    tb_tekst = new QTextBrowser(this);
    tb_tekst->setObjectName("tb_tekst");
    QFile file(helpFile());
    if (file.open(QIODevice::ReadOnly))
        tb_tekst->setHtml(QString::fromUtf8(file.readAll()));

    kl_zamknij = new QPushButton("&Zamknij", this);
    kl_zamknij->setObjectName("kl_zamknij");
    kl_zamknij->setDefault(true);
    connect(kl_zamknij, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kl_zamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tb_tekst);
    layout->addLayout(buttons);
}

void Tf_pomoc::showTopic(const QString& topic)
{
    if (topic.isEmpty())
        tb_tekst->verticalScrollBar()->setValue(0);
    else
        tb_tekst->scrollToAnchor(topic);
}
