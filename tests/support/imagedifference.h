#pragma once

#include <QImage>

// Mean absolute difference per colour channel, 0 ... 255; `b` is first scaled
// smoothly to the size of `a`, so pictures of one art at neighbouring sizes compare.
double ImageDifference(const QImage& a, const QImage& b);
