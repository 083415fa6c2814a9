#include "desktop/print/Tf_wydr.h"

#include "core/common/modal_result.h"
#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/print/PreviewDialog.h"
#include "desktop/print/PrinterSetup.h"
#include "desktop/print/Tf_zg_marg.h"
#include "desktop/print/Tf_zg_margv.h"
#include "desktop/print/Tf_zg_ods.h"
#include "desktop/print/Tf_zg_odsv.h"
#include "desktop/print/blank_form_set.h"
#include "desktop/print/job_preview.h"
#include "core/print/nipd_partners.h"
#include "core/print/page_layouts.h"
#include "desktop/print/printer_choices.h"
#include "desktop/print/printer_output.h"
#include "desktop/print/qt_printer_device.h"
#include "core/register/register_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QShowEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

#include <memory>
#include <optional>
#include <string>

namespace {

constexpr int kWidePageGroup = 275; // NIP-2: the NIP-D boxes in a second column
constexpr int kNarrowPageGroup = 140;

// The caption on activation: NIP-1 keeps the form layout's caption (and any
// prefix); NIP-2, NIP-3 and NIP-B change its last character; the VAT forms
// have a caption of their own.
struct CaptionRule {
    FormKind kind;
    char lastCharacter;
    const char* whole;
};
constexpr CaptionRule kCaptionRules[] = {
    {FormKind::Nip2, '2', nullptr},
    {FormKind::Nip3, '3', nullptr},
    {FormKind::NipB, 'B', nullptr},
    {FormKind::VatR, 0, "Wydruk formularza VAT-R"},
    {FormKind::VatZ, 0, "Wydruk formularza VAT-Z"},
    {FormKind::Vat21, 0, "Wydruk formularza VAT-21"},
};

QString captionFor(FormKind kind, QString caption)
{
    for (const CaptionRule& rule : kCaptionRules) {
        if (rule.kind != kind)
            continue;
        if (rule.whole)
            return rule.whole;
        if (!caption.isEmpty())
            caption.back() = QChar(rule.lastCharacter);
    }
    return caption;
}

// The VAT forms keep their calibration in files of their own, edited in
// the VAT variants of the calibration dialogs.
bool vatCalibration(FormKind kind)
{
    return kind == FormKind::VatR || kind == FormKind::VatZ || kind == FormKind::Vat21;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

Tf_wydr::Tf_wydr(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName("f_wydr");
    setWindowTitle("Wydruk formularza NIP-1");

    g_str = new QGroupBox("Drukować strony", this);
    g_str->setObjectName("g_str");
    g_str->setFixedWidth(kWidePageGroup);
    auto* pages = new QGridLayout(g_str);
    const std::array<QCheckBox**, kPageBoxes> boxes{
        &chbox_st_1, &chbox_st_2, &chbox_st_3, &chbox_st_4, &chbox_st_5, &chbox_st_6};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        auto* box = new QCheckBox(g_str);
        box->setObjectName(QString("chbox_st_%1").arg(i + 1));
        // Pages of the form in the first column, the NIP-D pages in the second.
        const int column = i < 4 ? 0 : 1;
        pages->addWidget(box, column == 0 ? int(i) : int(i - 4), column, Qt::AlignTop);
        *boxes[i] = box;
    }
    pages->setRowStretch(4, 1);

    kl_marg = button("&Marginesy...", "kl_marg", this);
    kl_odst = button("&Odstępy...", "kl_odst", this);
    kl_ustdr = button("&Ustawienia drukarki...", "kl_ustdr", this);
    kl_podglad = button("&Podgląd", "kl_podglad", this);
    kl_podglad->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    kl_druk = button("&Drukuj", "kl_druk", this);
    kl_druk->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    kl_druk->setDefault(true);
    kl_anuluj = button("&Anuluj", "kl_anuluj", this);
    kl_anuluj->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    g_papier = new QGroupBox("Papier", this);
    g_papier->setObjectName("g_papier");
    rb_druki = new QRadioButton("na drukach &formularzy", g_papier);
    rb_druki->setObjectName("rb_druki");
    rb_czysty = new QRadioButton("na &czystym papierze (z formularzem)", g_papier);
    rb_czysty->setObjectName("rb_czysty");
    rb_czysty->setToolTip("Każda strona razem z czystym formularzem z katalogu druki, w dokładnej skali");
    chbox_skala = new QCheckBox("dokładna s&kala", g_papier);
    chbox_skala->setObjectName("chbox_skala");
    chbox_skala->setToolTip("Prawdziwe milimetry zamiast skali formularza (całych pikseli na milimetr)");
    rb_druki->setChecked(true);
    auto* paper = new QVBoxLayout(g_papier);
    paper->addWidget(rb_druki);
    paper->addWidget(chbox_skala);
    paper->addWidget(rb_czysty);

    auto* printerCaption = new QLabel("Drukarka:", this);
    e_druk = new QLabel(this);
    e_druk->setObjectName("e_druk");
    e_druk->setTextFormat(Qt::PlainText);
    e_dr_str = new QLabel(this);
    e_dr_str->setObjectName("e_dr_str");
    e_dr_str->setTextFormat(Qt::PlainText);
    e_dr_str->setMinimumWidth(kNarrowPageGroup);
    wsk_druk = new QProgressBar(this);
    wsk_druk->setObjectName("wsk_druk");
    wsk_druk->setTextVisible(false);
    wsk_druk->setValue(0);

    auto* calibration = new QVBoxLayout;
    calibration->addWidget(kl_marg);
    calibration->addWidget(kl_odst);
    calibration->addWidget(kl_ustdr);
    calibration->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(g_str);
    top->addLayout(calibration);
    auto* printer = new QHBoxLayout;
    printer->addWidget(printerCaption);
    printer->addWidget(e_druk, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(kl_podglad);
    buttons->addWidget(kl_druk);
    buttons->addWidget(kl_anuluj);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(g_papier);
    layout->addLayout(printer);
    layout->addWidget(e_dr_str);
    layout->addWidget(wsk_druk);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(kl_druk, &QPushButton::clicked, this, &Tf_wydr::kl_drukClick);
    connect(kl_podglad, &QPushButton::clicked, this, &Tf_wydr::kl_podgladClick);
    connect(kl_marg, &QPushButton::clicked, this, &Tf_wydr::kl_margClick);
    connect(kl_odst, &QPushButton::clicked, this, &Tf_wydr::kl_odstClick);
    connect(kl_ustdr, &QPushButton::clicked, this, &Tf_wydr::kl_ustdrClick);
    connect(kl_anuluj, &QPushButton::clicked, this, &Tf_wydr::kl_anulujClick);
    connect(rb_czysty, &QRadioButton::toggled, this, &Tf_wydr::rb_czystyClick);
    connect(chbox_skala, &QCheckBox::clicked, this, &Tf_wydr::chbox_skalaClick);
}

void Tf_wydr::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

std::array<QCheckBox*, kPageBoxes> Tf_wydr::pageCheckBoxes() const
{
    return {chbox_st_1, chbox_st_2, chbox_st_3, chbox_st_4, chbox_st_5, chbox_st_6};
}

BoxTicks Tf_wydr::tickedBoxes() const
{
    BoxTicks ticked{};
    const std::array<QCheckBox*, kPageBoxes> checkBoxes = pageCheckBoxes();
    for (std::size_t i = 0; i < kPageBoxes; ++i)
        ticked[i] = checkBoxes[i]->isChecked();
    return ticked;
}

void Tf_wydr::prefixCaption(const QString& prefix) { setWindowTitle(prefix + windowTitle()); }

void Tf_wydr::FormActivate()
{
    const PageBoxes boxes = pageBoxes(form_kind, recordBuffer(printForm(form_kind).recordKind));
    const std::array<QCheckBox*, kPageBoxes> checkBoxes = pageCheckBoxes();
    for (std::size_t i = 0; i < kPageBoxes; ++i) {
        checkBoxes[i]->setText(QString::fromStdString(boxes[i].label));
        checkBoxes[i]->setVisible(boxes[i].visible);
        checkBoxes[i]->setEnabled(boxes[i].enabled);
        checkBoxes[i]->setChecked(boxes[i].ticked);
    }
    g_str->setFixedWidth(form_kind == FormKind::Nip2 ? kWidePageGroup : kNarrowPageGroup);
    setWindowTitle(captionFor(form_kind, windowTitle()));
    e_druk->setText(PrinterSetup::current().printerName());
    showPrintOptions(rememberedPrintOptions(PrinterSetup::current().printerName()));
}

PrintOptions Tf_wydr::printOptions() const { return {rb_czysty->isChecked(), sheetsExactScale_}; }

void Tf_wydr::showPrintOptions(const PrintOptions& options)
{
    sheetsExactScale_ = options.exactScale;
    const QSignalBlocker quietSheets(rb_druki);
    const QSignalBlocker quietPlain(rb_czysty);
    (options.plainPaper ? rb_czysty : rb_druki)->setChecked(true);
    showScaleChoice();
}

void Tf_wydr::showScaleChoice()
{
    chbox_skala->setEnabled(!rb_czysty->isChecked());
    chbox_skala->setChecked(rb_czysty->isChecked() || sheetsExactScale_);
}

void Tf_wydr::rb_czystyClick()
{
    showScaleChoice();
    rememberPrintOptions(PrinterSetup::current().printerName(), printOptions());
}

void Tf_wydr::chbox_skalaClick()
{
    sheetsExactScale_ = chbox_skala->isChecked();
    rememberPrintOptions(PrinterSetup::current().printerName(), printOptions());
}

void Tf_wydr::kl_drukClick()
{
    // The prompts of a running job let events through: a second click or
    // Enter must not start another job inside it.
    setJobButtonsEnabled(false);
    const auto enableAgain = qScopeGuard([this] { setJobButtonsEnabled(true); });
    BoxTicks ticked = tickedBoxes();
    const std::vector<std::uint8_t> record = recordToPrint(ticked);
    const std::vector<JobPage> pages = pagesToPrint(form_kind, record, ticked);
    const PrintOptions options = printOptions();
    BlankFormSet blanks(UiMessages::current());
    if (options.plainPaper && !pagesWithoutBlankAccepted(blanks, pages))
        return;
    if (!pages.empty() && !PrinterSetup::current().readyToPrint(this))
        return;
    bool printed = false;
    runGuarded([&] { printed = print(record, ticked, options, options.plainPaper ? &blanks : nullptr); });
    // A job that failed leaves the dialog open: the operator may choose
    // another printer or fix the calibration and print again.
    if (printed)
        done(kModalOk);
}

void Tf_wydr::kl_podgladClick()
{
    std::optional<PreviewSource> source;
    runGuarded([&] {
        source = jobPreview(form_kind, recordBuffer(printForm(form_kind).recordKind), tickedBoxes(),
                            PrinterSetup::current().printer(), printOptions());
    });
    if (!source)
        return;
    source->print = [this] { kl_drukClick(); };
    PreviewDialog preview(std::move(*source), this);
    runPreviewDialog(preview);
}

bool Tf_wydr::pagesWithoutBlankAccepted(BlankFormSet& blanks, const std::vector<JobPage>& pages)
{
    std::vector<std::string> labels;
    for (const JobPage& page : pages)
        labels.emplace_back(printedPage(page.page).label);
    const std::vector<std::string> without = blanks.pagesWithoutBlank(labels);
    if (without.empty())
        return true;
    std::string named;
    for (const std::string& label : without)
        named += (named.empty() ? "" : ", ") + label;
    return UiMessages::current().confirm("Brak czystego formularza w katalogu druki dla stron:\n" + named
                                             + ".\nWydrukować je bez formularza?",
                                         std::string(printForm(form_kind).promptCaption));
}

std::vector<std::uint8_t> Tf_wydr::recordToPrint(BoxTicks& ticked) const
{
    const ConstBytes stored = recordBuffer(printForm(form_kind).recordKind);
    std::vector<std::uint8_t> record(stored.begin(), stored.end());
    if (form_kind != FormKind::Nip2 || pagesToPrint(form_kind, record, ticked).empty())
        return record;
    const std::optional<std::string> notice = nipd_partners::unprintedNotice(record);
    if (notice
        && UiMessages::current().question(
            *notice + "\n\nWydrukować potrzebne arkusze NIP-D? Strona NIP-2 4/4 poda wtedy liczbę załączników NIP-D: "
                + std::to_string(nipd_partners::sheetsNeeded(record)) + ". Zapisany formularz się nie zmieni.",
            std::string(printForm(form_kind).promptCaption)))
        nipd_partners::printSheetsNeeded(record, ticked);
    return record;
}

bool Tf_wydr::print(ConstBytes toPrint, const BoxTicks& ticked, const PrintOptions& options, BlankFormSet* blanks)
{
    return printOnChosenPrinter([&](QtPrinterDevice& device) {
        bool painted = false;
        const PageRenderer render = [this, &painted](PageId page, PageWriter& writer, ConstBytes record, int sheet) {
            painted = true;
            scale_x = writer.scale_x;
            scale_y = writer.scale_y;
            origin_x = writer.origin_x;
            pen_y = writer.pen_y;
            renderPage(page, writer, record, sheet);
        };
        runPrintJob(form_kind, toPrint, ticked, {device, UiMessages::current(), render, this, options});
        return painted;
    }, blanks);
}

void Tf_wydr::begin(int maximum)
{
    QApplication::processEvents();
    wsk_druk->setMaximum(maximum);
    wsk_druk->setValue(0);
}

void Tf_wydr::pageStarted(const std::string& label)
{
    wsk_druk->setValue(wsk_druk->value() + 1);
    e_dr_str->setText(QString::fromStdString(label));
    e_dr_str->repaint();
    repaint();
}

void Tf_wydr::kl_margClick()
{
    std::unique_ptr<QDialog> dialog;
    if (vatCalibration(form_kind))
        dialog = std::make_unique<Tf_zg_margv>(this);
    else
        dialog = std::make_unique<Tf_zg_marg>(this);
    runCalibrationDialog(*dialog);
}

void Tf_wydr::kl_odstClick()
{
    std::unique_ptr<QDialog> dialog;
    if (vatCalibration(form_kind))
        dialog = std::make_unique<Tf_zg_odsv>(this);
    else
        dialog = std::make_unique<Tf_zg_ods>(this);
    runCalibrationDialog(*dialog);
}

void Tf_wydr::kl_ustdrClick()
{
    PrinterSetup& setup = PrinterSetup::current();
    const QString before = setup.printerName();
    if (setup.runSetupDialog(this) && setup.printerName() != before) {
        e_druk->setText(setup.printerName());
        showPrintOptions(rememberedPrintOptions(setup.printerName()));
    }
}

void Tf_wydr::kl_anulujClick() { done(kModalCancel); }

void Tf_wydr::setJobButtonsEnabled(bool enabled)
{
    for (QPushButton* b : {kl_druk, kl_podglad, kl_anuluj})
        b->setEnabled(enabled);
}

// Escape while a job runs closes nothing under it; in a prompt it skips the page.
void Tf_wydr::reject()
{
    if (kl_anuluj->isEnabled())
        kl_anulujClick();
}
