#include "WindowScale.h"

#include <algorithm>
#include <cmath>

namespace scaling {

double scale(int factor, double ratio)
{
    if (factor <= 1)
        return 1;
    // A hair over, so that 2 x 1.5 counts as the 3 it is.
    return std::max(1.0, std::floor(factor * ratio + 1e-6)) / ratio;
}

QSize scaled(QSize natural, int factor, double ratio)
{
    const double s = scale(factor, ratio);
    return {static_cast<int>(std::ceil(natural.width() * s - 1e-6)),
            static_cast<int>(std::ceil(natural.height() * s - 1e-6))};
}

int fittingFactor(QSize space, QSize natural, double ratio)
{
    int factor = 1;
    while (factor < 16) {
        const QSize next = scaled(natural, factor + 1, ratio);
        if (next.width() > space.width() || next.height() > space.height())
            break;
        ++factor;
    }
    return factor;
}

int firstFactor(QSize area, QSize fixed, QSize content, QSize side, double ratio)
{
    const QSize together(content.width() + side.width(), std::max(content.height(), side.height()));
    return fittingFactor(area - fixed, together, ratio);
}

} // namespace scaling
