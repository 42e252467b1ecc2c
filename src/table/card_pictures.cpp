#include "table/card_pictures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QRectF>
#include <cmath>
#include <functional>

#include "cards/card.h"
#include "table/card_art.h"
#include "table/table_text.h"

namespace morvello {
namespace {

// Faces drawn in code until the card art is in: a cream card with the value in
// two corners, the suit's pip and its name, in the suit's colour.
const QColor kCream(250, 244, 226);
const QColor kSuitColours[5] = {QColor(), QColor(196, 140, 0), QColor(190, 20, 30),
                                QColor(20, 110, 40), QColor(30, 60, 150)};
const char* const kSuitLabels[5] = {"", "Denari", "Coppe", "Bastoni", "Spade"};
const char* const kValueLabels[11] = {"", "A", "2", "3", "4", "5", "6", "7", "F", "C", "R"};

void paintPip(QPainter& p, QPointF c, double r, int suit) {
    const QColor colour = kSuitColours[suit];
    p.setPen(QPen(colour.darker(140), r * 0.12));
    p.setBrush(colour);
    switch (suit) {
        case 1:  // a coin
            p.drawEllipse(c, r, r);
            p.setBrush(colour.lighter(150));
            p.drawEllipse(c, r * 0.5, r * 0.5);
            break;
        case 2: {  // a cup
            QPainterPath cup;
            cup.moveTo(c.x() - r, c.y() - r * 0.8);
            cup.lineTo(c.x() + r, c.y() - r * 0.8);
            cup.quadTo(c.x() + r, c.y() + r * 0.2, c.x(), c.y() + r * 0.3);
            cup.quadTo(c.x() - r, c.y() + r * 0.2, c.x() - r, c.y() - r * 0.8);
            p.drawPath(cup);
            p.drawRect(QRectF(c.x() - r * 0.12, c.y() + r * 0.3, r * 0.24, r * 0.45));
            p.drawRect(QRectF(c.x() - r * 0.5, c.y() + r * 0.75, r, r * 0.2));
            break;
        }
        case 3:  // a club
            p.save();
            p.translate(c);
            p.rotate(-30);
            p.drawRoundedRect(QRectF(-r * 0.22, -r * 1.1, r * 0.44, r * 2.2), r * 0.2, r * 0.2);
            p.restore();
            break;
        default: {  // a sword
            p.save();
            p.translate(c);
            p.rotate(30);
            QPainterPath blade;
            blade.moveTo(0, -r * 1.15);
            blade.lineTo(r * 0.16, -r * 0.9);
            blade.lineTo(r * 0.16, r * 0.55);
            blade.lineTo(-r * 0.16, r * 0.55);
            blade.lineTo(-r * 0.16, -r * 0.9);
            blade.closeSubpath();
            p.drawPath(blade);
            p.drawRect(QRectF(-r * 0.5, r * 0.55, r, r * 0.15));
            p.drawRect(QRectF(-r * 0.1, r * 0.7, r * 0.2, r * 0.4));
            p.restore();
        }
    }
}

void drawFace(QPainter& p, QSizeF size, int code) {
    const int suit = suitOf(code), value = valueOf(code);
    const double w = size.width(), h = size.height(), k = w / 60.0;  // k: pixels per unit
    p.setPen(QPen(QColor(60, 50, 40), 1.0 * k));
    p.setBrush(kCream);
    p.drawRoundedRect(QRectF(0.5 * k, 0.5 * k, w - k, h - k), 4 * k, 4 * k);
    const QColor colour = kSuitColours[suit];
    p.setPen(colour.darker(120));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, int(13 * k)));
    p.setFont(font);
    p.drawText(QRectF(3 * k, 2 * k, 16 * k, 15 * k), Qt::AlignCenter, kValueLabels[value]);
    p.save();
    p.translate(w, h);
    p.rotate(180);
    p.drawText(QRectF(3 * k, 2 * k, 16 * k, 15 * k), Qt::AlignCenter, kValueLabels[value]);
    p.restore();
    paintPip(p, QPointF(w / 2, h * 0.45), 14 * k, suit);
    font.setBold(false);
    font.setPixelSize(std::max(1, int(8 * k)));
    p.setFont(font);
    p.setPen(QColor(70, 60, 50));
    p.drawText(QRectF(0, h * 0.68, w, 11 * k), Qt::AlignCenter, kSuitLabels[suit]);
}

void drawBack(QPainter& p, QSizeF size) {
    const double w = size.width(), h = size.height(), k = std::min(w, h) / 60.0;
    p.setPen(QPen(QColor(40, 30, 30), 1.0 * k));
    p.setBrush(QColor(250, 244, 226));
    p.drawRoundedRect(QRectF(0.5 * k, 0.5 * k, w - k, h - k), 4 * k, 4 * k);
    const QRectF inner(4 * k, 4 * k, w - 8 * k, h - 8 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 25, 35));
    p.drawRoundedRect(inner, 2.5 * k, 2.5 * k);
    p.setPen(QPen(QColor(230, 190, 120), 0.8 * k));
    p.setClipRect(inner);
    for (double d = -h; d < w + h; d += 6 * k) {
        p.drawLine(QPointF(d, 0), QPointF(d + h, h));
        p.drawLine(QPointF(d, h), QPointF(d + h, 0));
    }
    p.setClipping(false);
    p.setBrush(QColor(150, 25, 35));
    p.drawEllipse(QPointF(w / 2, h / 2), 9 * k, 9 * k);
}

void drawTitle(QPainter& p, QSizeF size) {
    const double w = size.width(), h = size.height();
    p.setPen(QPen(QColor(230, 190, 120), h * 0.03));
    p.setBrush(QColor(0, 80, 0));
    p.drawRoundedRect(QRectF(h * 0.02, h * 0.02, w - h * 0.04, h - h * 0.04), h * 0.12, h * 0.12);
    QFont font = p.font();
    font.setFamily("serif");
    font.setItalic(true);
    font.setBold(true);
    font.setPixelSize(std::max(1, int(h * 0.5)));
    p.setFont(font);
    p.setPen(QColor(250, 230, 170));
    p.drawText(QRectF(0, 0, w, h * 0.78), Qt::AlignCenter, "Morvello");
    font.setBold(false);
    font.setPixelSize(std::max(1, int(h * 0.13)));
    p.setFont(font);
    p.drawText(QRectF(0, h * 0.62, w, h * 0.3), Qt::AlignCenter,
               QCoreApplication::translate("Title", "Cards from Napoli"));
}

QPixmap cached(const QString& key, QSize pixels,
               const std::function<void(QPainter&, QSizeF)>& draw) {
    const QString fullKey = QString("%1/%2x%3").arg(key).arg(pixels.width()).arg(pixels.height());
    QPixmap pixmap;
    if (QPixmapCache::find(fullKey, &pixmap)) return pixmap;
    pixmap = QPixmap(pixels.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        draw(painter, QSizeF(pixmap.size()));
    }
    QPixmapCache::insert(fullKey, pixmap);
    return pixmap;
}

// The device pixels that target covers on the painter's device.
QSize devicePixels(const QPainter& painter, const QRectF& target) {
    const QTransform t = painter.worldTransform();
    double dpr = 1;
    if (painter.device()) dpr = painter.device()->devicePixelRatioF();
    const double sx = std::hypot(t.m11(), t.m12()) * dpr;
    const double sy = std::hypot(t.m21(), t.m22()) * dpr;
    return QSize(std::max(1, int(std::lround(target.width() * sx))),
                 std::max(1, int(std::lround(target.height() * sy))));
}

void paintStretched(QPainter& painter, const QRectF& target, const QPixmap& pixmap) {
    painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
}

CardArt& art() {
    static CardArt instance;
    return instance;
}

// The SVG art when it reads well, else the pictures drawn here.
bool haveArt(int id) {
    return art().isValid(id);
}

}  // namespace

QPixmap cardFacePixmap(int code, QSize pixels) {
    if (haveArt(code)) return art().face(code, pixels);
    return cached(QString("face%1").arg(code), pixels,
                  [code](QPainter& p, QSizeF s) { drawFace(p, s, code); });
}

QPixmap cardBackPixmap(BackPicture which, QSize pixels) {
    const bool vertical = which == BackPicture::Vertical;
    const int id = vertical ? CardArt::kUprightBack : CardArt::kSidewaysBack;
    if (haveArt(id)) return art().image(id, pixels);
    return cached(vertical ? "backv" : "backh", pixels, [vertical](QPainter& p, QSizeF s) {
        if (vertical) {
            drawBack(p, s);
            return;
        }
        p.translate(s.width(), 0);
        p.rotate(90);
        drawBack(p, QSizeF(s.height(), s.width()));
    });
}

QPixmap titlePixmap(QSize pixels) {
    if (haveArt(CardArt::kTitle)) return art().title(pixels);
    return cached("title", pixels, drawTitle);
}

void paintCardFace(QPainter& painter, const QRectF& target, int code, const QRectF& full) {
    paintStretched(painter, target, cardFacePixmap(code, devicePixels(painter, full)));
}

void paintCardBack(QPainter& painter, const QRectF& target, BackPicture which) {
    paintStretched(painter, target, cardBackPixmap(which, devicePixels(painter, target)));
}

void paintTitle(QPainter& painter, const QRectF& target) {
    paintStretched(painter, target, titlePixmap(devicePixels(painter, target)));
}

}  // namespace morvello
