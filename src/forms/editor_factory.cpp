#include "forms/editor_factory.h"

#include "forms/Tpdlg_nip1.h"

std::unique_ptr<EditorDialog> newEditor(Form form, QWidget* parent)
{
    switch (form) {
    case Form::Nip1:
        return std::make_unique<Tpdlg_nip1>(parent);
    case Form::Nip2:
    case Form::Nip3:
    case Form::NipB:
    case Form::VatR:
    case Form::VatZ:
    case Form::Vat21:
        break;
    }
    return nullptr;
}
