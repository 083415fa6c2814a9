#include "desktop/forms/editors/editor_factory.h"

#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "desktop/forms/editors/Tpdlg_nip2.h"
#include "desktop/forms/editors/Tpdlg_nip3.h"
#include "desktop/forms/editors/Tpdlg_nipb.h"
#include "desktop/forms/editors/Tpdlg_vat21.h"
#include "desktop/forms/editors/Tpdlg_vatr.h"
#include "desktop/forms/editors/Tpdlg_vatz.h"

#include <cstdlib>

std::unique_ptr<EditorDialog> newEditor(Form form, QWidget* parent)
{
    switch (form) {
    case Form::Nip1:
        return std::make_unique<Tpdlg_nip1>(parent);
    case Form::Nip2:
        return std::make_unique<Tpdlg_nip2>(parent);
    case Form::Nip3:
        return std::make_unique<Tpdlg_nip3>(parent);
    case Form::NipB:
        return std::make_unique<Tpdlg_nipb>(parent);
    case Form::VatR:
        return std::make_unique<Tpdlg_vatr>(parent);
    case Form::VatZ:
        return std::make_unique<Tpdlg_vatz>(parent);
    case Form::Vat21:
        return std::make_unique<Tpdlg_vat21>(parent);
    }
    std::abort(); // every form has its editor
}
