#pragma once
#include "core/common/list_progress.h"

#include <cstdint>
#include <vector>

// Remembers what a list load told of its progress.
struct RecordedProgress : ListProgress {
    std::uint64_t maximum = 0, first = 0;
    std::vector<std::uint64_t> moves;

    void start(std::uint64_t max, std::uint64_t position) override { maximum = max, first = position; }
    void moveTo(std::uint64_t position) override { moves.push_back(position); }
};
