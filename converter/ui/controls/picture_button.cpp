#include "ui/controls/picture_button.h"

#include <span>

#include <QPainter>

#include "pictures/picture_decoder.h"

namespace corvanta {
namespace {

QImage Decode(const QByteArray& picture) {
  return DecodePicture(
      std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(picture.constData()),
                                     static_cast<std::size_t>(picture.size())));
}

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void PictureButton::setNormalPicture(const QByteArray& picture) {
  normalPicture_ = picture;
  normalFace_ = Decode(picture);
  update();
}

void PictureButton::setHoverPicture(const QByteArray& picture) {
  hoverPicture_ = picture;
  hoverFace_ = Decode(picture);
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
  // A face larger than the button is cut at the button's edges, as the
  // layout's 25 x 17 buttons with 25 x 19 faces expect.
  const QImage& face = hovered_ ? hoverFace_ : normalFace_;
  if (face.isNull()) return;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), face);
}

void PictureButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace corvanta
