#include "print/PreviewDialog.h"

#include "print/blank_form_scan.h"
#include "print/preview_render.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kPageGap = 12; // grey around the page, in screen pixels
constexpr double kZoomStep = 1.25;
constexpr double kMinPixelsPerMm = 0.5;
constexpr double kMaxPixelsPerMm = 24.0;
constexpr double kMmPerInch = 25.4;
constexpr int kWheelStep = 120; // one notch of a mouse wheel

// The zoom combo's entries, by its index.
const std::pair<const char*, PreviewDialog::Zoom> kZoomEntries[] = {
    {"Cała strona", PreviewDialog::Zoom::FitPage},
    {"Szerokość strony", PreviewDialog::Zoom::FitWidth},
    {"100 %", PreviewDialog::Zoom::Actual},
};

QPushButton* button(const QString& text, const char* name, const QString& toolTip, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    return b;
}

} // namespace

// The page, centred on grey.
class PreviewPageView : public QWidget {
public:
    explicit PreviewPageView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

    void setPage(const QImage* page)
    {
        page_ = page;
        const QSize size = page_ ? page_->size() : QSize();
        setFixedSize(size + QSize(2 * kPageGap, 2 * kPageGap));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (page_)
            painter.drawImage(QPoint(kPageGap, kPageGap), *page_);
    }

private:
    const QImage* page_ = nullptr;
};

// The scroll area with Ctrl+wheel for zoom.
class PreviewScrollArea : public QScrollArea {
public:
    explicit PreviewScrollArea(QWidget* parent) : QScrollArea(parent) { }

    std::function<void(int steps)> zoomBy;

protected:
    void wheelEvent(QWheelEvent* event) override
    {
        if (!(event->modifiers() & Qt::ControlModifier)) {
            QScrollArea::wheelEvent(event);
            return;
        }
        wheelDelta_ += event->angleDelta().y();
        const int steps = wheelDelta_ / kWheelStep;
        wheelDelta_ -= steps * kWheelStep;
        if (steps != 0 && zoomBy)
            zoomBy(steps);
        event->accept();
    }

private:
    int wheelDelta_ = 0;
};

PreviewDialog::PreviewDialog(PreviewSource source, QWidget* parent)
    : QDialog(parent), source_(std::move(source))
{
    setObjectName("f_podglad");
    setWindowTitle("Podgląd wydruku");

    kl_pierwsza = button("Pierwsza", "kl_pierwsza", "Pierwsza strona (Home)", this);
    kl_poprzednia = button("Poprzednia", "kl_poprzednia", "Poprzednia strona (Page Up)", this);
    kl_nastepna = button("Następna", "kl_nastepna", "Następna strona (Page Down)", this);
    kl_ostatnia = button("Ostatnia", "kl_ostatnia", "Ostatnia strona (End)", this);
    for (QPushButton* b : {kl_pierwsza, kl_poprzednia, kl_nastepna, kl_ostatnia})
        b->setAutoDefault(false);
    e_strona = new QLabel(this);
    e_strona->setObjectName("e_strona");
    e_strona->setTextFormat(Qt::PlainText);

    cb_skala = new QComboBox(this);
    cb_skala->setObjectName("cb_skala");
    for (const auto& [text, zoom] : kZoomEntries)
        cb_skala->addItem(text);
    cb_skala->setToolTip("Cała strona (Ctrl+1), szerokość strony (Ctrl+2), 100 % (Ctrl+3);\n"
                         "powiększenie Ctrl++ lub Ctrl+kółko myszy, pomniejszenie Ctrl+-");
    auto* zoomCaption = new QLabel("S&kala:", this);
    zoomCaption->setBuddy(cb_skala);
    e_skala = new QLabel(this);
    e_skala->setObjectName("e_skala");
    e_skala->setMinimumWidth(e_skala->fontMetrics().horizontalAdvance("0000 %"));

    chbox_tlo = new QCheckBox("&Formularz w tle", this);
    chbox_tlo->setObjectName("chbox_tlo");
    chbox_tlo->setToolTip("Dane na tle skanu czystego formularza (katalog druki)");

    kl_drukuj = nullptr;
    if (source_.print) {
        kl_drukuj = button("&Drukuj", "kl_drukuj", "Drukuje te strony na wybranej drukarce", this);
        kl_drukuj->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    }
    kl_zamknij = button("&Zamknij", "kl_zamknij", "Zamyka podgląd (Esc)", this);
    kl_zamknij->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    (kl_drukuj ? kl_drukuj : kl_zamknij)->setDefault(true);

    area_ = new PreviewScrollArea(this);
    area_->setObjectName("sb_strona");
    area_->setAlignment(Qt::AlignCenter);
    area_->setBackgroundRole(QPalette::Dark);
    area_->setFocusPolicy(Qt::StrongFocus);
    area_->zoomBy = [this](int steps) { zoomBy(steps); };
    view_ = new PreviewPageView(area_);
    area_->setWidget(view_);

    auto* tools = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{kl_pierwsza, kl_poprzednia, e_strona, kl_nastepna, kl_ostatnia})
        tools->addWidget(w);
    tools->addSpacing(kPageGap);
    tools->addWidget(zoomCaption);
    tools->addWidget(cb_skala);
    tools->addWidget(e_skala);
    tools->addSpacing(kPageGap);
    tools->addWidget(chbox_tlo);
    tools->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (kl_drukuj)
        buttons->addWidget(kl_drukuj);
    buttons->addWidget(kl_zamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(area_, 1);
    layout->addLayout(buttons);

    // The scan is shown by default wherever the office keeps one.
    bool anyScan = false;
    for (const PreviewSheet& sheet : source_.sheets) {
        scanPaths_.push_back(blankFormScanPath(sheet.label));
        anyScan = anyScan || !scanPaths_.back().empty();
    }
    chbox_tlo->setChecked(anyScan);
    chbox_tlo->setEnabled(anyScan);

    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_PageUp), [this] { showSheet(current_ == 0 ? 0 : current_ - 1); });
    shortcut(QKeySequence(Qt::Key_PageDown), [this] { showSheet(current_ + 1); });
    shortcut(QKeySequence(Qt::Key_Home), [this] { showSheet(0); });
    shortcut(QKeySequence(Qt::Key_End), [this] { showSheet(sheetCount() == 0 ? 0 : sheetCount() - 1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_1), [this] { setZoom(Zoom::FitPage); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_2), [this] { setZoom(Zoom::FitWidth); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_3), [this] { setZoom(Zoom::Actual); });
    shortcut(QKeySequence(QKeySequence::ZoomIn), [this] { zoomBy(1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomBy(1); });
    shortcut(QKeySequence(QKeySequence::ZoomOut), [this] { zoomBy(-1); });

    connect(kl_pierwsza, &QPushButton::clicked, this, [this] { showSheet(0); });
    connect(kl_poprzednia, &QPushButton::clicked, this, [this] { showSheet(current_ == 0 ? 0 : current_ - 1); });
    connect(kl_nastepna, &QPushButton::clicked, this, [this] { showSheet(current_ + 1); });
    connect(kl_ostatnia, &QPushButton::clicked, this,
            [this] { showSheet(sheetCount() == 0 ? 0 : sheetCount() - 1); });
    connect(cb_skala, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(std::size(kZoomEntries)))
            setZoom(kZoomEntries[index].second);
    });
    connect(chbox_tlo, &QCheckBox::toggled, this, [this] { updatePage(); });
    if (kl_drukuj)
        connect(kl_drukuj, &QPushButton::clicked, this, &PreviewDialog::kl_drukujClick);
    connect(kl_zamknij, &QPushButton::clicked, this, &QDialog::reject);

    // Tab goes from the page through the toolbar to the buttons.
    QWidget* previous = area_;
    for (QWidget* next : std::initializer_list<QWidget*>{kl_pierwsza, kl_poprzednia, kl_nastepna, kl_ostatnia, cb_skala,
                                                         chbox_tlo, kl_drukuj, kl_zamknij}) {
        if (next) {
            setTabOrder(previous, next);
            previous = next;
        }
    }

    resize(900, 860);
    area_->setFocus();
    setZoom(Zoom::FitPage);
    showSheet(0);
}

void PreviewDialog::showSheet(std::size_t index)
{
    current_ = sheetCount() == 0 ? 0 : std::min(index, sheetCount() - 1);
    const bool any = sheetCount() > 0;
    kl_pierwsza->setEnabled(any && current_ > 0);
    kl_poprzednia->setEnabled(any && current_ > 0);
    kl_nastepna->setEnabled(any && current_ + 1 < sheetCount());
    kl_ostatnia->setEnabled(any && current_ + 1 < sheetCount());
    if (any)
        e_strona->setText(QString("Strona %1 z %2 (%3)")
                              .arg(current_ + 1)
                              .arg(sheetCount())
                              .arg(QString::fromStdString(source_.sheets[current_].label)));
    else
        e_strona->setText("Brak stron do wydruku");
    updatePage();
    area_->verticalScrollBar()->setValue(0);
}

void PreviewDialog::setZoom(Zoom zoom)
{
    zoom_ = zoom;
    updateZoom();
}

void PreviewDialog::zoomBy(int steps)
{
    customPixelsPerMm_ = std::clamp(screenPixelsPerMm_ * std::pow(kZoomStep, steps), kMinPixelsPerMm, kMaxPixelsPerMm);
    setZoom(Zoom::Custom);
}

void PreviewDialog::updateZoom()
{
    const QSize viewport = area_->maximumViewportSize() - QSize(2 * kPageGap, 2 * kPageGap);
    const double fitWidth = (viewport.width() - area_->verticalScrollBar()->sizeHint().width()) / kA4WidthMm;
    switch (zoom_) {
    case Zoom::FitPage:
        screenPixelsPerMm_ = std::min(viewport.width() / kA4WidthMm, viewport.height() / kA4HeightMm);
        break;
    case Zoom::FitWidth:
        screenPixelsPerMm_ = fitWidth;
        break;
    case Zoom::Actual:
        screenPixelsPerMm_ = logicalDpiX() / kMmPerInch;
        break;
    case Zoom::Custom:
        screenPixelsPerMm_ = customPixelsPerMm_;
        break;
    }
    screenPixelsPerMm_ = std::clamp(screenPixelsPerMm_, kMinPixelsPerMm, kMaxPixelsPerMm);
    const auto entry = std::find_if(std::begin(kZoomEntries), std::end(kZoomEntries),
                                    [this](const auto& e) { return e.second == zoom_; });
    cb_skala->setCurrentIndex(entry == std::end(kZoomEntries) ? -1 : int(entry - std::begin(kZoomEntries)));
    e_skala->setText(QString("%1 %").arg(std::lround(100.0 * screenPixelsPerMm_ / (logicalDpiX() / kMmPerInch))));
    updatePage();
}

bool PreviewDialog::scanUnderSheet() const
{
    return chbox_tlo->isChecked() && current_ < scanPaths_.size() && !scanPaths_[current_].empty();
}

const QImage& PreviewDialog::shownPage()
{
    if (cachedPixelsPerMm_ != screenPixelsPerMm_) {
        cache_.clear();
        cachedPixelsPerMm_ = screenPixelsPerMm_;
    }
    const bool withScan = scanUnderSheet();
    QImage& page = cache_[{current_, withScan}];
    if (page.isNull()) {
        QImage scan;
        if (withScan) {
            const auto loaded = scans_.find(current_);
            if (loaded == scans_.end())
                scan = scans_.emplace(current_, loadBlankFormScan(scanPaths_[current_])).first->second;
            else
                scan = loaded->second;
        }
        page = renderPreviewPage(source_, current_, screenPixelsPerMm_, scan);
    }
    return page;
}

// A hidden preview renders nothing: it learns its size when shown.
void PreviewDialog::updatePage()
{
    if (isVisible())
        view_->setPage(&shownPage());
}

void PreviewDialog::kl_drukujClick()
{
    // The job's prompts come after the preview has gone.
    accept();
    if (source_.print)
        source_.print();
}

void PreviewDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (zoom_ == Zoom::FitPage || zoom_ == Zoom::FitWidth)
        updateZoom();
}

void PreviewDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    updateZoom();
}
