// The pictures of the table: the 40 card faces, the two card backs and the title,
// rendered at the device's real resolution and cached, so cards stay crisp at
// every window size and on high-DPI screens.
#pragma once

#include <QPixmap>
#include <QSize>

#include "drawing/drawing.h"

class QPainter;
class QRectF;

namespace morvello {

// Face of card code 1..40 at exactly `pixels` device pixels.
QPixmap cardFacePixmap(int code, QSize pixels);
QPixmap cardBackPixmap(BackPicture which, QSize pixels);
QPixmap titlePixmap(QSize pixels);

// Paints a picture stretched into target (in the painter's units) at the
// resolution the painter's device shows it.
// A face is rendered for `full` (the card's unsqueezed box) and stretched into target.
void paintCardFace(QPainter& painter, const QRectF& target, int code, const QRectF& full);
void paintCardBack(QPainter& painter, const QRectF& target, BackPicture which);
void paintTitle(QPainter& painter, const QRectF& target);

}  // namespace morvello
