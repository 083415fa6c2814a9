#pragma once
#include "core/print/canvas.h"

class QPainter;

// A canvas over a QPainter in its current font. Texts are code page 1250;
// each is drawn with its top-left corner at the given pixel.
class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) { }

    int textWidth(std::string_view text) override;

protected:
    void drawText(int x, int y, std::string_view text) override;

private:
    QPainter& painter_;
};
