#pragma once

#include <QAbstractButton>
#include <QByteArray>
#include <QImage>

namespace corvanta {

// A button drawn entirely by two pictures: the hover face while the pointer
// is over it, the normal face otherwise. The faces are held as the picture
// files' bytes, so callers can tell faces apart by comparing bytes; a face
// that is not set is an empty block and draws nothing.
class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit PictureButton(QWidget* parent = nullptr);

  void setNormalPicture(const QByteArray& picture);
  QByteArray normalPicture() const { return normalPicture_; }
  void setHoverPicture(const QByteArray& picture);
  QByteArray hoverPicture() const { return hoverPicture_; }

  bool isHovered() const { return hovered_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QByteArray normalPicture_;
  QByteArray hoverPicture_;
  QImage normalFace_;
  QImage hoverFace_;
  bool hovered_ = false;
};

}  // namespace corvanta
