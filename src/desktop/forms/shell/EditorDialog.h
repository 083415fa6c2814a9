#pragma once
#include "core/common/record_access.h"
#include "desktop/forms/shell/Binding.h"
#include "core/forms/form_table.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QPushButton;
class QTabWidget;

// The editor flow every form shares: pages above a button panel; the three
// values the caller sets (account, taxpayer name, opening mode); activation
// once on first showing (tax-office lists, defaults, pre-fill, loading, the
// form's rules, first page and focus); saving (account and form type
// stamped, the binding table stored, the record written at the account's
// index). A derived editor builds its pages and hands over its parts with
// finishBuilding(); its rules are small named handlers.
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

    const FormInfo& form() const { return form_; }
    const std::string& accountNo() const { return accountNo_; }
    const std::string& taxpayerName() const { return taxpayerName_; }
    int mode() const { return mode_; }
    const BindingTable& bindings() const { return bindings_; }
    // Fields of the form's record that no control shows, on purpose.
    const std::vector<Field>& unboundFields() const { return unbound_; }

    // Activation: runs once, when the dialog is first shown.
    void activate();

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
    EditorDialog(QWidget* parent, Form form, const char* pagesName);
    EditorDialog(QWidget* parent, Form form, const char* pagesName, const ButtonNames& names);

    // A new page of the page control, laid out top-down; returns the page.
    QWidget* addPage(const QString& title);

    // What a derived editor hands over once its pages are built.
    struct Parts {
        BindingTable bindings;
        QWidget* firstControl = nullptr;          // gets the focus on page 1
        std::vector<QComboBox*> taxOfficeBoxes;   // filled from the ledger's tax offices
        std::vector<Field> unbound;               // record fields no control shows
    };
    void finishBuilding(Parts parts);

    // The form's defaults set at activation before anything loads (today's
    // date, the current period); none by default.
    virtual void setDefaults() {}
    // The form's rules run once everything is loaded (what is shown or hidden).
    virtual void applyRules() {}
    // What the binding table cannot say, stored after the bindings.
    virtual void storeExtras(Bytes) {}

    void showEvent(QShowEvent* event) override;

private:
    bool save(QWidget* button);
    bool write();
    void storeRecord(Bytes record);

    const FormInfo& form_;
    BindingTable bindings_;
    std::vector<Field> unbound_;
    QWidget* firstControl_ = nullptr;
    std::vector<QComboBox*> taxOfficeBoxes_;
    std::string accountNo_;
    std::string taxpayerName_;
    int mode_ = NewRecord;
    bool activated_ = false;
};
