#include "support/image_probe.h"

namespace tubeline::testing {

int CountColour(const QImage& image, const QRect& region, QColor colour) {
    int count = 0;
    const QRect inside = region.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            count += image.pixelColor(x, y).rgb() == colour.rgb() ? 1 : 0;
        }
    }
    return count;
}

int CountInk(const QImage& image, const QRect& region) {
    const QRect inside = region.intersected(image.rect());
    return inside.width() * inside.height() - CountColour(image, inside, Qt::white);
}

}  // namespace tubeline::testing
