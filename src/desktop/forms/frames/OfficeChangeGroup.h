#pragma once
#include "desktop/forms/shell/Binding.h"

#include <QString>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// Whether the change reported moved the competent tax office, and the
// previous office, shown only when it did. The same group stands on every
// form that can be an update (NIP-1, NIP-2, NIP-3, VAT-R); the forms word
// its captions their own way.
class OfficeChangeGroup {
public:
    QGroupBox* g_zm_us = nullptr;
    QRadioButton* rb_nie_us = nullptr;
    QRadioButton* rb_us = nullptr;
    QLabel* e_pop_us = nullptr;
    QComboBox* c_pop_us = nullptr;

    // The previous office is shown exactly when the change moved the office.
    void rb_usClick();

protected:
    struct OfficeChangeCaptions {
        QString notChanged = "Zmiana nie &spowodowała zmiany wł. US"; // rb_nie_us
        QString changed = "Zmiana spowodowała zmianę wł. US";         // rb_us
        QString previous = "Poprzedni Urząd Skarbowy";                 // e_pop_us
    };
    // Makes the group on `page` and ties its rule to its buttons.
    QGroupBox* buildOfficeChange(QWidget* page, const OfficeChangeCaptions& captions);
    // `rb_us` checked into `changed` (1, else 0), the previous office into `previous`.
    BindingTable officeChangeBindings(const Field& changed, const Field& previous) const;

private:
    QButtonGroup* officeChange_ = nullptr;
};
