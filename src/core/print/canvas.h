#pragma once
#include <string>
#include <string_view>

// Where page layouts write: text at a pixel position, (x, y) being the
// top-left corner of the text. Texts are code page 1250 bytes. Adapters: a
// QPainter on a printer or PDF device, and a recording canvas for tests.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Writes the text and leaves the current position at its right end.
    void textOut(int x, int y, std::string_view text)
    {
        drawText(x, y, text);
        currentX_ = x + textWidth(text);
        currentY_ = y;
    }
    int currentX() const { return currentX_; }
    int currentY() const { return currentY_; }

    virtual int textWidth(std::string_view text) = 0;

protected:
    virtual void drawText(int x, int y, std::string_view text) = 0;

private:
    int currentX_ = 0;
    int currentY_ = 0;
};
