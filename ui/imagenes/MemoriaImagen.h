// Memory for the large pictures (the title, about 1.4 MB at 1x): taken in 2 MB pages where the
// system grants them. Each 4 kB page of a fresh buffer costs a fault when first written, and on
// a virtual machine the title's faults can outweigh everything else the game adds to a start
// (figures in docs/PERFORMANCE.md).
#pragma once

#include <QImage>
#include <QSize>

// An uninitialised picture of `tam` in `formato`; null if there is no memory for it, or if it
// is larger than Qt lets a picture file ask for (QImageReader::allocationLimit), so that a
// file's header never chooses how much is taken. Small ones are plain QImages.
QImage ImagenNueva(QSize tam, QImage::Format formato);

// For the benchmark that weighs the saving: every picture a plain QImage from now on.
void UsarPaginasGrandes(bool usar);
