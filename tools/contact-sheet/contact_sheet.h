// The contact sheet: every picture of the deck on one image for review, the
// faces in four rows by suit and ten columns by value, then the backs and the
// title, all on the table's green.
#pragma once

#include <QImage>

namespace morvello {

class CardArt;

// The sheet drawn at the design card size (96 x 153 pixels) times `scale`.
QImage renderContactSheet(CardArt& art, qreal scale = 1.0);

}  // namespace morvello
