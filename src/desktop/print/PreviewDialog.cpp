#include "desktop/print/PreviewDialog.h"

#include "desktop/widgets/guarded_command.h"
#include "desktop/widgets/ui_messages.h"
#include "desktop/print/blank_form_set.h"
#include "core/print/blank_forms.h"
#include "desktop/print/preview_render.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
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
constexpr double kBlankStepMm = 0.5;      // an arrow key moves the blank form this far
constexpr double kLargeBlankStepMm = 5.0; // with Shift
constexpr double kBlankOffsetGrainMm = 0.1; // a dragged blank comes to rest on tenths

// The arrow keys' directions for moving the blank form: right and down.
struct ArrowStep {
    int key;
    int right;
    int down;
};
constexpr ArrowStep kArrowSteps[] = {
    {Qt::Key_Left, -1, 0}, {Qt::Key_Right, 1, 0}, {Qt::Key_Up, 0, -1}, {Qt::Key_Down, 0, 1}};

double onGrain(double mm)
{
    const double bounded = std::clamp(mm, -kMaxBlankOffsetMm, kMaxBlankOffsetMm);
    return std::round(bounded / kBlankOffsetGrainMm) * kBlankOffsetGrainMm;
}

QString millimetres(double mm)
{
    return QLocale(QLocale::Polish).toString(mm, 'f', 1) + " mm";
}

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

    // Dragging with the left button: `dragStarts` says whether there is
    // something to drag; `dragged` gets the distance from where the drag
    // started, in screen pixels, and whether the button was released.
    std::function<bool()> dragStarts;
    std::function<void(QPointF moved, bool finished)> dragged;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Dark));
        if (page_)
            painter.drawImage(QPoint(kPageGap, kPageGap), *page_);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton || !dragStarts || !dragStarts()) {
            QWidget::mousePressEvent(event);
            return;
        }
        dragFrom_ = event->position();
        dragging_ = true;
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!dragging_) {
            QWidget::mouseMoveEvent(event);
            return;
        }
        dragged(event->position() - dragFrom_, false);
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!dragging_ || event->button() != Qt::LeftButton) {
            QWidget::mouseReleaseEvent(event);
            return;
        }
        dragging_ = false;
        dragged(event->position() - dragFrom_, true);
        event->accept();
    }

private:
    const QImage* page_ = nullptr;
    QPointF dragFrom_;
    bool dragging_ = false;
};

// The blank form's scale: Enter confirms what was typed and leaves the
// dialog's default button ("Drukuj") alone.
class BlankScaleBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        QDoubleSpinBox::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            event->accept();
    }
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
    chbox_tlo->setToolTip("Dane na tle czystego formularza (katalog druki)");
    e_przesuniecie = new QLabel(this);
    e_przesuniecie->setObjectName("e_przesuniecie");
    e_przesuniecie->setToolTip("Strzałki przesuwają formularz pod danymi o 0,5 mm, z Shift o 5 mm;\n"
                               "można go też przeciągnąć myszą");
    ud_skala_formularza = new BlankScaleBox(this);
    ud_skala_formularza->setObjectName("ud_skala_formularza");
    ud_skala_formularza->setRange(100.0 * kMinBlankScale, 100.0 * kMaxBlankScale);
    ud_skala_formularza->setDecimals(1);
    ud_skala_formularza->setSingleStep(0.1);
    ud_skala_formularza->setSuffix(" %");
    ud_skala_formularza->setValue(100.0);
    ud_skala_formularza->setKeyboardTracking(false); // a value typed in counts when confirmed
    ud_skala_formularza->setToolTip("Skala formularza, np. 98 % dla skanu, który skaner pomniejszył");
    auto* blankScaleCaption = new QLabel("Skala f&ormularza:", this);
    blankScaleCaption->setBuddy(ud_skala_formularza);
    kl_wyzeruj = button("&Wyzeruj", "kl_wyzeruj", "Formularz bez przesunięcia, w skali 100 %", this);
    kl_wyzeruj->setAutoDefault(false);

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
    tools->addStretch();
    auto* blankTools = new QHBoxLayout;
    blankTools->addWidget(chbox_tlo);
    blankTools->addSpacing(kPageGap);
    blankTools->addWidget(e_przesuniecie);
    blankTools->addSpacing(kPageGap);
    blankTools->addWidget(blankScaleCaption);
    blankTools->addWidget(ud_skala_formularza);
    blankTools->addWidget(kl_wyzeruj);
    blankTools->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (kl_drukuj)
        buttons->addWidget(kl_drukuj);
    buttons->addWidget(kl_zamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(blankTools);
    layout->addWidget(area_, 1);
    layout->addLayout(buttons);

    const char* paper = source_.options.plainPaper ? "na czystym papierze" : "na drukach";
    const char* scale = source_.options.exact() ? "dokładna skala" : "skala formularza";
    setWindowTitle(QString("Podgląd wydruku – %1, %2").arg(paper, scale));

    // The blank is shown by default wherever the office keeps one.
    blanks_ = std::make_unique<BlankFormSet>(UiMessages::current());
    bool anyBlank = false;
    for (const PreviewSheet& sheet : source_.sheets) {
        hasBlank_.push_back(findBlank(sheet.label).has_value());
        anyBlank = anyBlank || hasBlank_.back();
    }
    chbox_tlo->setChecked(anyBlank);
    chbox_tlo->setEnabled(anyBlank);
    // The arrow keys move the blank from the page and the buttons; the
    // zoom and the blank's scale keep theirs. Without a blank they scroll.
    for (QWidget* w : std::initializer_list<QWidget*>{area_, kl_pierwsza, kl_poprzednia, kl_nastepna, kl_ostatnia,
                                                      chbox_tlo, kl_wyzeruj, kl_drukuj, kl_zamknij})
        if (w)
            w->installEventFilter(this);
    view_->dragStarts = [this] {
        if (!blankShown())
            return false;
        dragStart_ = shownAlignment();
        dragged_ = dragStart_;
        return true;
    };
    view_->dragged = [this](QPointF moved, bool finished) {
        BlankAlignment alignment = dragStart_;
        alignment.offsetXMm = onGrain(alignment.offsetXMm + moved.x() / screenPixelsPerMm_);
        alignment.offsetYMm = onGrain(alignment.offsetYMm + moved.y() / screenPixelsPerMm_);
        if (finished) {
            dragged_.reset();
            setAlignment(alignment);
        } else {
            dragged_ = alignment;
            cache_.clear();
            updatePage();
        }
    };

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
    connect(ud_skala_formularza, &QDoubleSpinBox::valueChanged, this, &PreviewDialog::ud_skala_formularzaChange);
    connect(kl_wyzeruj, &QPushButton::clicked, this, &PreviewDialog::kl_wyzerujClick);
    if (kl_drukuj)
        connect(kl_drukuj, &QPushButton::clicked, this, &PreviewDialog::kl_drukujClick);
    connect(kl_zamknij, &QPushButton::clicked, this, &QDialog::reject);

    // Tab goes from the page through the toolbar to the buttons.
    QWidget* previous = area_;
    for (QWidget* next : std::initializer_list<QWidget*>{kl_pierwsza, kl_poprzednia, kl_nastepna, kl_ostatnia, cb_skala,
                                                         chbox_tlo, ud_skala_formularza, kl_wyzeruj, kl_drukuj,
                                                         kl_zamknij}) {
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

PreviewDialog::~PreviewDialog() = default;

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

const BlankFormPage* PreviewDialog::shownBlank()
{
    if (!chbox_tlo->isChecked() || current_ >= hasBlank_.size() || !hasBlank_[current_])
        return nullptr;
    return blanks_->page(source_.sheets[current_].label);
}

bool PreviewDialog::blankShown() { return shownBlank() != nullptr; }

const BlankAlignment& PreviewDialog::shownAlignment()
{
    return dragged_ ? *dragged_ : blanks_->alignment(source_.sheets[current_].label);
}

void PreviewDialog::setAlignment(const BlankAlignment& alignment)
{
    runGuarded([&] { blanks_->setAlignment(source_.sheets[current_].label, alignment); });
    cache_.clear();
    updatePage();
}

bool PreviewDialog::arrowMovesBlank(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers =
        event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) || !blankShown())
        return false;
    const double step = modifiers == Qt::ShiftModifier ? kLargeBlankStepMm : kBlankStepMm;
    for (const ArrowStep& arrow : kArrowSteps) {
        if (arrow.key == event.key()) {
            moveBlank(arrow.right * step, arrow.down * step);
            return true;
        }
    }
    return false;
}

bool PreviewDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && arrowMovesBlank(static_cast<const QKeyEvent&>(*event)))
        return true;
    return QDialog::eventFilter(watched, event);
}

void PreviewDialog::moveBlank(double rightMm, double downMm)
{
    if (!blankShown())
        return;
    BlankAlignment alignment = shownAlignment();
    alignment.offsetXMm = onGrain(alignment.offsetXMm + rightMm);
    alignment.offsetYMm = onGrain(alignment.offsetYMm + downMm);
    setAlignment(alignment);
}

void PreviewDialog::ud_skala_formularzaChange(double percent)
{
    if (!blankShown())
        return;
    BlankAlignment alignment = shownAlignment();
    alignment.scale = percent / 100.0;
    setAlignment(alignment);
}

void PreviewDialog::kl_wyzerujClick()
{
    if (blankShown())
        setAlignment({});
}

// The correction of the blank shown, and the controls that change it.
void PreviewDialog::showAlignment()
{
    const bool shown = blankShown();
    ud_skala_formularza->setEnabled(shown);
    kl_wyzeruj->setEnabled(shown);
    view_->setCursor(shown ? Qt::OpenHandCursor : Qt::ArrowCursor);
    if (!shown) {
        e_przesuniecie->clear();
        return;
    }
    const BlankAlignment& alignment = shownAlignment();
    e_przesuniecie->setText(QString("Przesunięcie: w prawo %1, w dół %2")
                                .arg(millimetres(alignment.offsetXMm), millimetres(alignment.offsetYMm)));
    const QSignalBlocker quiet(ud_skala_formularza);
    ud_skala_formularza->setValue(100.0 * alignment.scale);
}

const QImage& PreviewDialog::shownPage()
{
    if (cachedPixelsPerMm_ != screenPixelsPerMm_) {
        cache_.clear();
        blankImages_.clear();
        cachedPixelsPerMm_ = screenPixelsPerMm_;
    }
    const BlankFormPage* blank = shownBlank();
    QImage& page = cache_[{current_, blank != nullptr}];
    if (page.isNull()) {
        PreviewUnderlay underlay;
        if (blank) {
            const QImage& image = blankImage(*blank);
            const BlankAlignment& alignment = shownAlignment();
            underlay = [&](QPainter& painter, const QRectF& sheet) {
                painter.setRenderHint(QPainter::SmoothPixmapTransform);
                painter.drawImage(blankRect(*blank, alignment, sheet), image);
            };
        }
        page = renderPreviewPage(source_, current_, screenPixelsPerMm_, underlay);
    }
    return page;
}

// The blank of the current sheet at the zoom, made once: moving it then
// only draws it elsewhere.
const QImage& PreviewDialog::blankImage(const BlankFormPage& blank)
{
    const std::string& label = source_.sheets[current_].label;
    auto found = blankImages_.find(label);
    if (found == blankImages_.end()) {
        QImage image = blank.image(screenPixelsPerMm_);
        const QSize size = (blank.sizeMm() * screenPixelsPerMm_).toSize();
        if (!image.isNull() && image.size() != size)
            image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        found = blankImages_.emplace(label, std::move(image)).first;
    }
    return found->second;
}

// A hidden preview renders nothing: it learns its size when shown.
void PreviewDialog::updatePage()
{
    if (!isVisible())
        return;
    view_->setPage(&shownPage());
    showAlignment();
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
