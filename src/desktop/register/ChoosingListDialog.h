#pragma once
#include "core/common/grid_sort.h"

#include <QDialog>

class ListProgress;
class MaskedEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class StringGrid;

// The searchable list in which the operator chooses an account: the record
// search list and the ledger taxpayer search. It lists account, name and
// NIP; a row is found by its account, a name or NIP search, an initial
// letter or by sorting, and confirmed with "O&K", Enter or a double click.
// The confirmed account becomes the current account; the dialog closes with
// kModalOk when the subclass's check of it succeeds, with kModalCancel on
// "&Anuluj" or Escape.
class ChoosingListDialog : public QDialog {
    Q_OBJECT
public:
    // Controls, in tab order.
    QLabel* e_kon;
    MaskedEdit* m_kon;
    StringGrid* sg_kon;
    QPushButton* kl_ok;
    QGroupBox* g_fil;
    QLabel* e_fil_naz;
    QLineEdit* z_fil_naz;
    QLabel* e_fil_nip;
    MaskedEdit* m_fil_nip;
    QPushButton* kl_ust_filtr;
    QPushButton* kl_sort_naz;
    QPushButton* kl_sort_kon;
    QPushButton* kl_anul;

    // The main window's progress bar, shown while the list loads; may be null.
    QProgressBar* wsk_post;

    // Runs when the dialog becomes the active window (see WindowActivation):
    // empties the fields, resets the sort directions and loads the list.
    void FormActivate();

    void m_konExit();
    void sg_konEnter();
    void sg_konExit();
    void sg_konKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void sg_konDblClick();
    void sg_konHeaderClick(int column);
    void kl_okClick();
    void kl_ust_filtrClick();
    void kl_sort_nazClick();
    void kl_sort_konClick();
    void kl_anulClick();

    // Escape and closing the window are "&Anuluj".
    void reject() override;

protected:
    struct Texts {
        QString caption;
        QString nameLabel;  // of z_fil_naz
        QString sortByName; // of kl_sort_naz
    };
    ChoosingListDialog(const Texts& texts, QProgressBar* progressBar, QWidget* parent);

    // Fills the table (header row first) from the file.
    virtual void loadList(RowTable& table, ListProgress& progress) = 0;
    // Checks the current account (already set) and takes its record.
    virtual bool checkChosenAccount() = 0;
    // Whether Enter on a row whose account is blank checks it all the same.
    virtual bool enterChecksBlankAccount() const = 0;

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls(const Texts& texts);
    void chooseRow(bool trimmed);
    void checkAndClose();
    void copyAccountToField(int row);
    void selectAndFocus(int row);
    void toggleSort(int column, bool& ascending);

    bool sortByAccount_ = false;
    bool sortByName_ = false;
    bool redirectingFocus_ = false;
};
