#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tidepost {

// The pictures of the product on the splash and in the about box, drawn by the program itself so
// that they need no files: a ship at sea under a satellite with the product's name, and the
// transceiver's own box.
QPixmap DrawProductScene(const QSize& size);
QPixmap DrawTransceiverBox(const QSize& size);
// The small picture of a transceiver family in the status strip: the box with its family name.
QPixmap DrawFamilyPicture(const QString& family, const QSize& size);

}  // namespace tidepost
