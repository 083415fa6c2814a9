#pragma once
#include <QDialog>

class MaskedEdit;
class QLabel;
class QPushButton;

// The new-record dialog: the operator types an account number or asks for
// the first free one; "O&K" checks it against the kind's record file and
// claims it. Closes with kModalOk when the number was claimed (the current
// account and the kind's record buffer then carry it), with kModalCancel on
// "&Anuluj" or Escape; a rejected number keeps it open.
class Tf_nowy_nip : public QDialog {
    Q_OBJECT
public:
    explicit Tf_nowy_nip(QWidget* parent = nullptr);

    // Controls, in tab order.
    QLabel* e_kon;
    MaskedEdit* m_kon;
    QPushButton* kl_wolne;
    QPushButton* kl_ok;
    QPushButton* kl_anul;

    // The record kind by name ("REJFOR", "VATR", "VATZ", "VAT21", "NIPB";
    // any other name is REJFOR).
    void SetKind(const QString& kindName);

    // Runs when the dialog becomes the active window: empties the account
    // field and puts the focus in it.
    void FormActivate();

    void m_konChange();
    void kl_wolneClick();
    void kl_okClick();
    void kl_anulClick();

    // Escape and closing the window are "&Anuluj".
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int kind_ = 0;
};
