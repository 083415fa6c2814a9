#pragma once
#include "core/print/canvas.h"

#include <string>
#include <vector>

// A canvas that records every text with its top-left position. Each
// character is `charWidth` pixels wide (a fixed-pitch font).
class RecordingCanvas : public Canvas {
public:
    struct Item {
        int x, y;
        std::string text;
        bool operator==(const Item&) const = default;
    };

    explicit RecordingCanvas(int charWidth = 10) : charWidth_(charWidth) {}

    int textWidth(std::string_view text) override { return static_cast<int>(text.size()) * charWidth_; }

    std::vector<Item> items;

protected:
    void drawText(int x, int y, std::string_view text) override { items.push_back({x, y, std::string(text)}); }

private:
    int charWidth_;
};
