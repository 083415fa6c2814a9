#include "desktop/app/command_table.h"

#include "desktop/app/Tform_info.h"
#include "desktop/widgets/help.h"
#include "desktop/widgets/modal_runner.h"
#include "desktop/print/Tf_zg_marg.h"
#include "desktop/print/Tf_zg_margv.h"
#include "desktop/print/Tf_zg_ods.h"
#include "desktop/print/Tf_zg_odsv.h"

#include <QWidget>

namespace {

template <class Dialog> void runOwned(QWidget& window)
{
    Dialog dialog(&window);
    runModal(dialog);
}

void helpContents(QWidget& window) { showHelp(&window); }

// Closing the main window ends the program.
void closeWindow(QWidget& window) { window.close(); }

using enum Family;
using enum Img;

constexpr CommandRow kRows[] = {
    {.name = "a_pkpir", .category = "NIP-1", .caption = "z &PKPiR", .image = Pkpir,
     .menu = "NIP-&1", .menuDefault = true,
     .bar = Bar::tb_gl, .toolCaption = "z PKPiR", .hint = "NIP-1 z PKPiR",
     .popup = "NIP-1 z PKPiR", .family = FromLedger, .form = Form::Nip1},
    {.name = "a_nowy", .category = "NIP-1", .caption = "&nowy", .image = Nowy,
     .menu = "NIP-&1",
     .bar = Bar::tb_gl, .toolCaption = "nowy", .hint = "NIP-1 nowy",
     .popup = "NIP-1 nowy", .family = NewRecord, .form = Form::Nip1},
    {.name = "a_aktualiz", .category = "NIP-1", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "NIP-&1",
     .bar = Bar::tb_gl, .toolCaption = "aktualizacja", .hint = "NIP-1 aktualizacja",
     .popup = "NIP-1 aktualizacja", .family = Update, .form = Form::Nip1},
    {.name = "a_wydr1", .category = "NIP-1", .caption = "&wydruk", .image = Wydruk,
     .menu = "NIP-&1", .separatorBefore = true,
     .bar = Bar::tb_gl, .toolCaption = "wydruk", .hint = "NIP-1 wydruk",
     .popup = "NIP-1 wydruk", .family = Print, .form = Form::Nip1},

    {.name = "a_pkpir2", .category = "NIP-2", .caption = "z &PKPiR", .image = Pkpir,
     .menu = "NIP-&2", .menuDefault = true,
     .bar = Bar::tb_gl, .toolCaption = "z PKPiR", .hint = "NIP-2 z PKPiR",
     .popup = "NIP-2 z PKPiR", .family = FromLedger, .form = Form::Nip2},
    {.name = "a_nowy2", .category = "NIP-2", .caption = "&nowy", .image = Nowy,
     .menu = "NIP-&2",
     .bar = Bar::tb_gl, .toolCaption = "nowy", .hint = "NIP-2 nowy",
     .popup = "NIP-2 nowy", .family = NewRecord, .form = Form::Nip2},
    {.name = "a_aktualiz2", .category = "NIP-2", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "NIP-&2",
     .bar = Bar::tb_gl, .toolCaption = "aktualizacja", .hint = "NIP-2 aktualizacja",
     .popup = "NIP-2 aktualizacja", .family = Update, .form = Form::Nip2},
    {.name = "a_wydr2", .category = "NIP-2", .caption = "&wydruk", .image = Wydruk,
     .menu = "NIP-&2", .separatorBefore = true,
     .bar = Bar::tb_gl, .toolCaption = "wydruk", .hint = "NIP-2 wydruk",
     .popup = "NIP-2 wydruk", .family = Print, .form = Form::Nip2},

    {.name = "a_nip3n", .category = "NIP-3", .caption = "&nowy", .image = Nowy,
     .menu = "NIP-&3",
     .bar = Bar::tb_gl1, .toolCaption = "     NIP-3        ", .hint = "NIP-3 nowy", .callsHandler = true,
     .family = NewRecord, .form = Form::Nip3},
    {.name = "a_nip3a", .category = "NIP-3", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "NIP-&3",
     .bar = Bar::tb_gl1, .toolCaption = "NIP-3 akt.", .hint = "NIP-3 aktualizacja", .callsHandler = true,
     .family = Update, .form = Form::Nip3},
    {.name = "a_nip3w", .category = "NIP-3", .caption = "&wydruk", .image = Wydruk,
     .menu = "NIP-&3", .separatorBefore = true,
     .bar = Bar::tb_gl1, .toolCaption = "NIP-3 wydr", .hint = "NIP-3 wydruk", .callsHandler = true,
     .family = Print, .form = Form::Nip3},

    {.name = "a_vatrpkp", .category = "VAT-R", .caption = "z &PKPiR", .image = Pkpir,
     .menu = "VAT-&R",
     .bar = Bar::tb_gl1, .toolCaption = "z PKPiR", .hint = "VAT-R z PKPiR", .callsHandler = true,
     .family = FromLedger, .form = Form::VatR},
    {.name = "a_vatrn", .category = "VAT-R", .caption = "&nowy", .image = Nowy,
     .menu = "VAT-&R",
     .bar = Bar::tb_gl1, .toolCaption = "VAT-R", .hint = "VAT-R nowy", .callsHandler = true,
     .family = NewRecord, .form = Form::VatR},
    {.name = "Aa_vatra", .category = "VAT-R", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "VAT-&R",
     .bar = Bar::tb_gl1, .toolCaption = "VAT-R akt.", .hint = "VAT-R aktualizacja danych", .callsHandler = true,
     .family = Update, .form = Form::VatR},
    {.name = "a_vatrw", .category = "VAT-R", .caption = "&wydruk", .image = Wydruk,
     .menu = "VAT-&R", .separatorBefore = true,
     .bar = Bar::tb_gl1, .toolCaption = "VAT-R wydr", .hint = "VAT-R wydruk", .callsHandler = true,
     .family = Print, .form = Form::VatR},

    {.name = "a_vat21n", .category = "VAT-21", .caption = "&nowy", .image = Nowy,
     .menu = "VA&T-21", .family = NewRecord, .form = Form::Vat21},
    {.name = "a_vat21a", .category = "VAT-21", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "VA&T-21", .family = Update, .form = Form::Vat21},
    {.name = "a_vat21w", .category = "VAT-21", .caption = "&wydruk", .image = Wydruk,
     .menu = "VA&T-21", .separatorBefore = true, .family = Print, .form = Form::Vat21},

    {.name = "a_vatzn", .category = "VAT-Z", .caption = "&nowy", .image = Nowy,
     .menu = "VAT-&Z", .family = NewRecord, .form = Form::VatZ},
    {.name = "a_vatza", .category = "VAT-Z", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "VAT-&Z", .family = Update, .form = Form::VatZ},
    {.name = "a_vatzw", .category = "VAT-Z", .caption = "&wydruk", .image = Wydruk,
     .menu = "VAT-&Z", .separatorBefore = true, .family = Print, .form = Form::VatZ},

    {.name = "a_nipbkp", .category = "NIP-B", .caption = "z &PKPiR", .image = Pkpir,
     .menu = "NIP-&B", .menuDefault = true,
     .bar = Bar::ToolBar1, .toolCaption = "NIP-B z PKPiR",
     .popup = "NIP-B z PKPiR", .family = FromLedger, .form = Form::NipB},
    {.name = "a_nipbn", .category = "NIP-B", .caption = "&nowy", .image = Nowy,
     .menu = "NIP-&B",
     .bar = Bar::ToolBar1, .toolCaption = "NIP-B nowy",
     .family = NewRecord, .form = Form::NipB},
    {.name = "a_nipba", .category = "NIP-B", .caption = "&aktualizacja", .image = Aktualizacja,
     .menu = "NIP-&B",
     .bar = Bar::ToolBar1, .toolCaption = "NIP-B akt.",
     .popup = "NIP-B aktualizacja", .family = Update, .form = Form::NipB},
    {.name = "a_nipbw", .category = "NIP-B", .caption = "&wydruk", .image = Wydruk,
     .menu = "NIP-&B", .separatorBefore = true,
     .bar = Bar::ToolBar1, .toolCaption = "NIP-B wydruk",
     .popup = "NIP-B wydruk", .family = Print, .form = Form::NipB},

    {.name = "a_marg", .category = "Ustawienia wydruku", .caption = "&Marginesy  formularze NIP", .image = Marginesy,
     .menu = "&Ustawienia wydruku", .general = runOwned<Tf_zg_marg>},
    {.name = "a_margv", .category = "Ustawienia wydruku", .caption = "Marginesy  formularze &VAT", .image = Marginesy,
     .menu = "&Ustawienia wydruku", .general = runOwned<Tf_zg_margv>},
    {.name = "a_ods", .category = "Ustawienia wydruku", .caption = "&Odstępy formularze NIP", .image = Odstepy,
     .menu = "&Ustawienia wydruku", .general = runOwned<Tf_zg_ods>},
    {.name = "a_odsv", .category = "Ustawienia wydruku", .caption = "Odstępy formularze &VAT", .image = Odstepy,
     .menu = "&Ustawienia wydruku", .general = runOwned<Tf_zg_odsv>},

    {.name = "a_koniec", .category = "", .caption = "&Koniec", .general = closeWindow},
    {.name = "HelpContents1", .category = "Help", .caption = "&Pomoc", .shortcut = Qt::Key_F1, .general = helpContents},
    {.name = "a_info", .category = "", .caption = "O programie", .general = runOwned<Tform_info>},
};

} // namespace

std::span<const CommandRow> commandRows() { return kRows; }
