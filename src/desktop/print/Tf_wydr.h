#pragma once
#include "desktop/widgets/modal_runner.h"
#include "core/print/print_job.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class BlankFormSet;

// The print dialog: the operator chooses the pages of the form in the
// record buffer, the printer, and may calibrate margins and spacings before
// printing. The opener sets `form_kind` (and may put a prefix in front of
// the caption) before showing it; "&Drukuj" prints and closes with
// kModalOk, "&Anuluj" and Escape close with kModalCancel. "&Podgląd" shows
// the ticked pages as the printer would print them, without printing. While
// a job runs those three buttons and Escape do nothing.
class Tf_wydr : public QDialog, private PrintProgress {
    Q_OBJECT
public:
    explicit Tf_wydr(QWidget* parent = nullptr);

    FormKind form_kind = FormKind::Nip1;
    // Of the page printed last: pixels per millimetre down and across the
    // sheet, its left margin and its top line in printer pixels.
    std::int32_t scale_y = 0;
    std::int32_t scale_x = 0;
    std::int32_t origin_x = 0;
    std::int32_t pen_y = 0;

    QGroupBox* g_str;
    QCheckBox* chbox_st_1; // pages 1 to 4 of the form
    QCheckBox* chbox_st_2;
    QCheckBox* chbox_st_3;
    QCheckBox* chbox_st_4;
    QCheckBox* chbox_st_5; // NIP-D 1/2 and 2/2
    QCheckBox* chbox_st_6;
    QProgressBar* wsk_druk;
    QLabel* e_dr_str;
    QLabel* e_druk;
    QPushButton* kl_marg;
    QPushButton* kl_odst;
    QPushButton* kl_ustdr;
    QPushButton* kl_podglad;
    QPushButton* kl_druk;
    QPushButton* kl_anuluj;
    QGroupBox* g_papier;
    QRadioButton* rb_druki;  // over the pre-printed sheets, each inserted when asked
    QRadioButton* rb_czysty; // on plain paper, each page over its blank form
    QCheckBox* chbox_skala;  // the exact scale over sheets; plain paper always has it

    // Puts `prefix` in front of the caption (the main window's print
    // commands put the account and the taxpayer's name there).
    void prefixCaption(const QString& prefix);

    // How kl_margClick and kl_odstClick run the calibration dialog they
    // open: modally, unless a test puts its own runner here.
    std::function<void(QDialog&)> runCalibrationDialog = [](QDialog& dialog) { runModal(dialog); };
    // How kl_podgladClick runs the preview: modally, unless a test puts its own runner here.
    std::function<void(QDialog&)> runPreviewDialog = [](QDialog& dialog) { runModal(dialog); };

    // Runs when the dialog is shown: page boxes, caption and the printer's
    // name. Not again when the operator comes back to it from another window,
    // so the boxes keep the ticks the operator gave them.
    void FormActivate();

    void kl_drukClick();
    void kl_podgladClick();
    void kl_margClick();
    void kl_odstClick();
    void kl_ustdrClick();
    void kl_anulujClick();
    void rb_czystyClick();
    void chbox_skalaClick();

    // How the job prints, as the operator chose for the current printer.
    PrintOptions printOptions() const;

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void begin(int maximum) override;
    void pageStarted(const std::string& label) override;

    std::array<QCheckBox*, kPageBoxes> pageCheckBoxes() const;
    BoxTicks tickedBoxes() const;
    // The record the job prints: a copy of the buffer, of a NIP-2 whose
    // partners in use would not all print with the NIP-D sheets they need
    // when the operator asks for them (and then with those pages ticked).
    std::vector<std::uint8_t> recordToPrint(BoxTicks& ticked) const;
    // Runs the job on the current printer, on plain paper over the blanks;
    // false when the printer failed.
    bool print(ConstBytes toPrint, const BoxTicks& ticked, const PrintOptions& options, BlankFormSet* blanks);
    // "&Drukuj", "&Podgląd" and "&Anuluj" are off while a job runs.
    void setJobButtonsEnabled(bool enabled);
    // On plain paper: whether every page has its blank form, or the
    // operator agrees to print those without it as data alone.
    bool pagesWithoutBlankAccepted(BlankFormSet& blanks, const std::vector<JobPage>& pages);
    // The remembered choices of the current printer.
    void showPrintOptions(const PrintOptions& options);
    void showScaleChoice();

    bool sheetsExactScale_ = false; // the operator's choice for pre-printed sheets
};
