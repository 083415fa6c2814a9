#include "desktop/register/Tf_nowy_nip.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/WindowActivation.h"
#include "core/common/modal_result.h"
#include "desktop/widgets/screen_centre.h"
#include "desktop/widgets/record_text.h"
#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/ui_messages.h"
#include "core/register/record_kind.h"
#include "core/register/register_ops.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

Tf_nowy_nip::Tf_nowy_nip(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("f_nowy_nip");
    setWindowTitle("Zgłoszenie NIP-1");

    m_kon = new MaskedEdit("##9;1;_", this);
    m_kon->setObjectName("m_kon");
    m_kon->setFixedWidth(60);
    e_kon = new QLabel("K&onto", this);
    e_kon->setObjectName("e_kon");
    e_kon->setBuddy(m_kon);
    kl_wolne = new QPushButton("&Pierwsze wolne", this);
    kl_wolne->setObjectName("kl_wolne");
    kl_ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "O&K", this);
    kl_ok->setObjectName("kl_ok");
    kl_ok->setDefault(true);
    kl_anul = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), "&Anuluj", this);
    kl_anul->setObjectName("kl_anul");

    auto* account = new QHBoxLayout;
    account->addWidget(e_kon);
    account->addWidget(m_kon);
    account->addWidget(kl_wolne);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kl_ok);
    buttons->addWidget(kl_anul);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(account);
    layout->addLayout(buttons);
    setTabOrder(m_kon, kl_wolne);
    setTabOrder(kl_wolne, kl_ok);
    setTabOrder(kl_ok, kl_anul);

    connect(m_kon, &QLineEdit::textChanged, this, &Tf_nowy_nip::m_konChange);
    connect(kl_wolne, &QPushButton::clicked, this, &Tf_nowy_nip::kl_wolneClick);
    connect(kl_ok, &QPushButton::clicked, this, &Tf_nowy_nip::kl_okClick);
    connect(kl_anul, &QPushButton::clicked, this, &Tf_nowy_nip::kl_anulClick);
    m_kon->installEventFilter(this);
    new WindowActivation(this, [this] { FormActivate(); });
}

void Tf_nowy_nip::SetKind(const QString& kindName) { kind_ = kindByName(toRecordText(kindName)).index; }

void Tf_nowy_nip::showEvent(QShowEvent* event)
{
    CentreOnScreen(this);
    QDialog::showEvent(event);
}

bool Tf_nowy_nip::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_kon && event->type() == QEvent::FocusOut)
        m_konChange();
    return QDialog::eventFilter(watched, event);
}

void Tf_nowy_nip::FormActivate()
{
    m_kon->clear();
    m_kon->setFocus();
}

// With a number typed, Tab goes from the field straight to "O&K".
void Tf_nowy_nip::m_konChange()
{
    const Qt::FocusPolicy policy = kl_wolne->focusPolicy();
    kl_wolne->setFocusPolicy(m_kon->isBlank() ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
}

void Tf_nowy_nip::kl_wolneClick()
{
    if (const std::optional<int> free = FirstFreeAccount(kind_, UiMessages::current()))
        m_kon->setText(QString::number(*free));
}

void Tf_nowy_nip::kl_okClick()
{
    bool accepted = false;
    runGuarded([&] { accepted = CheckNewAccount(kind_, toRecordText(m_kon->text()), UiMessages::current()); });
    if (accepted)
        done(kModalOk);
}

void Tf_nowy_nip::kl_anulClick() { done(kModalCancel); }

void Tf_nowy_nip::reject() { kl_anulClick(); }
