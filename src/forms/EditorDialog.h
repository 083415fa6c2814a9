#pragma once
#include "common/record_access.h"

#include <QDialog>

#include <cstdint>

#include <functional>
#include <initializer_list>
#include <string>

class QComboBox;
class QPushButton;
class QTabWidget;

// What the form editors share: pages above a button panel, the three values
// the caller sets (account, taxpayer name, opening mode), activation once on
// first showing, and saving the record buffer to the record file.
//
// A save that cannot write (the record file fails, the account is no
// positive number, a ledger account is refused) leaves the dialog open with
// everything the operator typed and the record buffer as it was.
class EditorDialog : public QDialog {
    Q_OBJECT
public:
    // The result of "&Drukuj i zapisz": the caller opens the print dialog.
    static constexpr int PrintAndSave = 201;

    enum Mode : int { FromLedger = 0, NewRecord = 1, Update = 2 };

    // The account the record belongs to (code page 1250, at most 8
    // characters), the taxpayer's name (caption only), the window caption
    // and the opening mode. Called by the caller before showing the dialog.
    void prepare(const std::string& account, const std::string& taxpayerName, const QString& caption, int mode);

    const std::string& accountNo() const { return accountNo_; }
    const std::string& taxpayerName() const { return taxpayerName_; }
    int mode() const { return mode_; }

    // Activation: runs once, when the dialog is first shown.
    void activate();

    // What "&Pomoc" does; the main window sets it.
    static void setHelpHandler(std::function<void()> handler);

    QTabWidget* pages;
    QWidget* P_klaw;
    QPushButton* kl_ok;
    QPushButton* kl_druk;
    QPushButton* kl_anuluj;
    QPushButton* kl_pomoc;

    void kl_okClick();
    void kl_drukClick();
    void kl_pomocClick();

protected:
    struct ButtonNames {
        const char* ok = "kl_ok";
        const char* print = "kl_druk";
        const char* cancel = "kl_anuluj";
        const char* help = "kl_pomoc";
    };
    EditorDialog(QWidget* parent, int recordKind, const char* pagesName, const ButtonNames& names);

    // A new page of the page control, laid out top-down; returns the page.
    QWidget* addPage(const QString& title);

    // The form's own activation (tax-office lists, pre-fill, load, rules).
    // False when the editor cannot go on: the dialog then closes.
    virtual bool FormActivate() = 0;
    // Copies the controls into the record (the kind's buffer).
    virtual void storeRecord(Bytes record) = 0;
    // The print dialog's form kind for "&Drukuj i zapisz".
    virtual std::uint8_t printFormKind() const = 0;

    // Puts the buttons after the last control of the pages in the tab order;
    // the derived editor calls it once its pages are built.
    void placeButtonsLastInTabOrder();

    // Fills the boxes with the tax offices of the ledger, in capitals.
    static void fillTaxOffices(std::initializer_list<QComboBox*> boxes);

    void showEvent(QShowEvent* event) override;

private:
    bool save();
    bool write();

    int recordKind_;
    std::string accountNo_;
    std::string taxpayerName_;
    int mode_ = NewRecord;
    bool activated_ = false;
};
