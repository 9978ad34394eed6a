#pragma once

#include <QImage>
#include <vector>

// The left edges of the inked runs (pixels darker than mid-grey) in the rows
// top to bottom of an image; runs closer than `gap` pixels count as one. Shows
// where drawn texts start.
inline std::vector<int> inkRuns(const QImage& image, int top, int bottom, int gap) {
    std::vector<int> starts;
    int lastInk = -gap - 1;
    for (int x = 0; x < image.width(); ++x) {
        bool ink = false;
        for (int y = top; y <= bottom && !ink; ++y) ink = qGray(image.pixel(x, y)) < 128;
        if (!ink) continue;
        if (x - lastInk > gap) starts.push_back(x);
        lastInk = x;
    }
    return starts;
}
