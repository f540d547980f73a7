#pragma once

#include "widgets/FrameProperties.h"

#include <QImage>

// Paints a themed frame whole: border, caption bar in one of five styles,
// caption text and icon. Keeps the caption measures and body top in the
// properties, as later paints and the layout read them.
namespace FramePainter {

void DrawFrame(QImage& surface, QSize size, FrameProperties& p);

} // namespace FramePainter
