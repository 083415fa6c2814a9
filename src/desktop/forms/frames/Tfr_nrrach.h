#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"
#include "desktop/forms/controls/WordList.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// A bank account. The bank-name box offers the shared list "slbank.".
class Tfr_nrrach : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_nrrach(QWidget* parent);

    QLabel* e_naz_ban;
    QComboBox* c_naz_ban;
    QLineEdit* z_nrrach;
    QLineEdit* z_pos_rach;
    QCheckBox* chbox_lik_rach;

    BindingTable bindings(const Field& block) const;

protected:
    void FrameEnter() override;
    void FrameExit() override;

private:
    std::optional<WordList> banks_;
};
