#pragma once
#include "core/print/blank_alignment.h"
#include "desktop/print/preview_source.h"

#include <QDialog>
#include <QImage>

#include <cstddef>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class PreviewPageView;
class PreviewScrollArea;
class BlankFormPage;
class BlankFormSet;

// Shows what a print job or a test sheet would put on paper: each sheet on
// a white A4 page, the printer's printable area outlined and the rest
// shaded, optionally over the blank form of the druki folder. While the
// blank is shown the operator moves it under the data (arrow keys 0.5 mm,
// with Shift 5 mm, or dragging it), scales it and resets it; the correction
// of the sheet's form page is kept at once, for the print and the PDF too.
// Nothing is printed unless the operator presses "&Drukuj" (only there when
// the source can print): it runs the source's print action and closes the
// preview.
class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    enum class Zoom { FitPage, FitWidth, Actual, Custom };

    explicit PreviewDialog(PreviewSource source, QWidget* parent = nullptr);
    ~PreviewDialog() override;

    QPushButton* kl_pierwsza;
    QPushButton* kl_poprzednia;
    QPushButton* kl_nastepna;
    QPushButton* kl_ostatnia;
    QLabel* e_strona;    // "Strona 1 z 4 (NIP-1 1/4)"
    QComboBox* cb_skala; // "Cała strona", "Szerokość strony", "100 %"
    QLabel* e_skala;     // the zoom in per cent
    QCheckBox* chbox_tlo; // "&Formularz w tle": the blank form under the sheet
    QLabel* e_przesuniecie;               // the blank's correction on this page
    QDoubleSpinBox* ud_skala_formularza;  // "Skala formularza" in per cent
    QPushButton* kl_wyzeruj;              // the blank back where it lies uncorrected
    QPushButton* kl_drukuj; // none when the source cannot print
    QPushButton* kl_zamknij;

    std::size_t currentSheet() const { return current_; }
    std::size_t sheetCount() const { return source_.sheets.size(); }
    void showSheet(std::size_t index);

    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom zoom);
    // Multiplies the zoom by 1.25 per step (negative: smaller).
    void zoomBy(int steps);
    // Screen pixels per millimetre of the sheet as shown now.
    double screenPixelsPerMm() const { return screenPixelsPerMm_; }

    // The page as shown now (the cached image), for tests and screenshots.
    const QImage& shownPage();

    void kl_drukujClick();

    // Whether the current sheet shows its blank form, which the operator
    // may then move and scale.
    bool blankShown();
    // Moves the current sheet's blank form by these millimetres (right, down).
    void moveBlank(double rightMm, double downMm);
    void ud_skala_formularzaChange(double percent);
    void kl_wyzerujClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateZoom();
    void updatePage();
    // Moves the blank for an arrow key (Shift: farther); false for any other key.
    bool arrowMovesBlank(const QKeyEvent& event);
    const BlankFormPage* shownBlank();
    const QImage& blankImage(const BlankFormPage& blank);
    const BlankAlignment& shownAlignment();
    void setAlignment(const BlankAlignment& alignment);
    void showAlignment();

    PreviewSource source_;
    std::size_t current_ = 0;
    Zoom zoom_ = Zoom::FitPage;
    double customPixelsPerMm_ = 0.0;
    double screenPixelsPerMm_ = 0.0;
    PreviewScrollArea* area_;
    PreviewPageView* view_;
    // Rendered pages by sheet and blank shown, and the blanks by label, at
    // one zoom: a new zoom starts afresh, a moved blank redraws the pages.
    std::map<std::pair<std::size_t, bool>, QImage> cache_;
    std::map<std::string, QImage, std::less<>> blankImages_;
    double cachedPixelsPerMm_ = 0.0;
    std::unique_ptr<BlankFormSet> blanks_;
    std::vector<bool> hasBlank_; // by sheet: a blank file is there (opened when first shown)
    BlankAlignment dragStart_;
    std::optional<BlankAlignment> dragged_; // while the operator drags the blank
};
