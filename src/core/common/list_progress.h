#pragma once
#include <cstdint>

// How a list that is being read from a file tells of its progress; the
// user interface shows it on a progress bar.
class ListProgress {
public:
    virtual ~ListProgress() = default;
    // The reading starts: `position` of `maximum`.
    virtual void start(std::uint64_t maximum, std::uint64_t position) = 0;
    virtual void moveTo(std::uint64_t position) = 0;
};
