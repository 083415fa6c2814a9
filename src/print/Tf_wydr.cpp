#include "print/Tf_wydr.h"

#include "common/modal_result.h"
#include "common/guarded_command.h"
#include "common/ui_messages.h"
#include "print/PreviewDialog.h"
#include "print/PrinterSetup.h"
#include "print/Tf_zg_marg.h"
#include "print/Tf_zg_margv.h"
#include "print/Tf_zg_ods.h"
#include "print/Tf_zg_odsv.h"
#include "print/job_preview.h"
#include "print/page_layouts.h"
#include "print/printer_output.h"
#include "print/qt_printer_device.h"
#include "register/register_state.h"

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
#include <QStyle>
#include <QVBoxLayout>

#include <memory>

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
}

void Tf_wydr::kl_drukClick()
{
    const BoxTicks ticked = tickedBoxes();
    const bool anyPage = !pagesToPrint(form_kind, recordBuffer(printForm(form_kind).recordKind), ticked).empty();
    if (anyPage && !PrinterSetup::current().readyToPrint(this))
        return;
    bool printed = false;
    runGuarded([&] { printed = print(ticked); });
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
                            PrinterSetup::current().printer());
    });
    if (!source)
        return;
    source->print = [this] { kl_drukClick(); };
    PreviewDialog preview(std::move(*source), this);
    runPreviewDialog(preview);
}

bool Tf_wydr::print(const BoxTicks& ticked)
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
        runPrintJob(form_kind, recordBuffer(printForm(form_kind).recordKind), ticked,
                    {device, UiMessages::current(), render, this});
        return painted;
    });
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
    if (setup.runSetupDialog(this) && setup.printerName() != before)
        e_druk->setText(setup.printerName());
}

void Tf_wydr::kl_anulujClick() { done(kModalCancel); }

void Tf_wydr::reject() { kl_anulujClick(); }
