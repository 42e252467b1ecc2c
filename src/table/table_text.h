// Text on the table in table units: a font size in points is drawn about
// fontUnits(points) units high whatever the window's size, in the window's font.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace morvello {

// The window's font at the reference size that table text is scaled from.
QFont tableFont();

// Width in table units of text printed at a font size.
double tableTextWidth(const QString& text, double points);

// Draws text with its top-left corner at topLeft.
void drawTableText(QPainter& painter, QPointF topLeft, const QString& text, double points,
                   const QColor& colour);

// Draws text wrapped at word boundaries inside box (table units); returns the
// height the wrapped text takes. With paint false only measures.
double drawWrappedTableText(QPainter* painter, const QRectF& box, const QString& text,
                            double points, const QColor& colour);

}  // namespace morvello
