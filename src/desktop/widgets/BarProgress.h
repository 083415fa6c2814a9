#pragma once
#include "core/common/list_progress.h"

class QProgressBar;

// A list load's progress on a progress bar (the main window's): shown when
// the load starts, hidden again when this object goes, whether the load
// ended or failed. Without a bar nothing is shown.
class BarProgress : public ListProgress {
public:
    explicit BarProgress(QProgressBar* bar) : bar_(bar) {}
    ~BarProgress() override;
    BarProgress(const BarProgress&) = delete;
    BarProgress& operator=(const BarProgress&) = delete;

    void start(std::uint64_t maximum, std::uint64_t position) override;
    void moveTo(std::uint64_t position) override;

private:
    QProgressBar* bar_;
};
