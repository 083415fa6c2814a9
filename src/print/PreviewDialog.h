#pragma once
#include "print/preview_source.h"

#include <QDialog>
#include <QImage>

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class PreviewPageView;
class PreviewScrollArea;

// Shows what a print job or a test sheet would put on paper: each sheet on
// a white A4 page, the printer's printable area outlined and the rest
// shaded, optionally over the scan of the blank form. Nothing is printed
// unless the operator presses "&Drukuj" (only there when the source can
// print): it runs the source's print action and closes the preview.
class PreviewDialog : public QDialog {
    Q_OBJECT
public:
    enum class Zoom { FitPage, FitWidth, Actual, Custom };

    explicit PreviewDialog(PreviewSource source, QWidget* parent = nullptr);

    QPushButton* kl_pierwsza;
    QPushButton* kl_poprzednia;
    QPushButton* kl_nastepna;
    QPushButton* kl_ostatnia;
    QLabel* e_strona;    // "Strona 1 z 4 (NIP-1 1/4)"
    QComboBox* cb_skala; // "Cała strona", "Szerokość strony", "100 %"
    QLabel* e_skala;     // the zoom in per cent
    QCheckBox* chbox_tlo; // "&Formularz w tle": the scan under the sheet
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

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateZoom();
    void updatePage();
    bool scanUnderSheet() const;

    PreviewSource source_;
    std::size_t current_ = 0;
    Zoom zoom_ = Zoom::FitPage;
    double customPixelsPerMm_ = 0.0;
    double screenPixelsPerMm_ = 0.0;
    PreviewScrollArea* area_;
    PreviewPageView* view_;
    // Rendered pages by sheet and scan shown, at one zoom: a new zoom starts afresh.
    std::map<std::pair<std::size_t, bool>, QImage> cache_;
    double cachedPixelsPerMm_ = 0.0;
    std::vector<std::string> scanPaths_;  // by sheet; empty: no scan
    std::map<std::size_t, QImage> scans_; // loaded when first shown
};
