#include "ui/fonts.h"

#include <QApplication>
#include <QStringList>

namespace corvanta {
namespace {

// Latin names of the Windows faces, which some systems install under them,
// then the CJK faces a Debian desktop usually has.
QStringList FamiliesFor(const QString& face) {
  QStringList families;
  if (!face.isEmpty()) families << face;
  if (face == QStringLiteral("微软雅黑")) families << QStringLiteral("Microsoft YaHei");
  if (face == QStringLiteral("宋体"))
    families << QStringLiteral("SimSun") << QStringLiteral("NSimSun");
  if (face == QStringLiteral("黑体")) families << QStringLiteral("SimHei");
  if (face == QStringLiteral("华文仿宋"))
    families << QStringLiteral("STFangsong") << QStringLiteral("FangSong");
  families << QStringLiteral("WenQuanYi Micro Hei") << QStringLiteral("Noto Sans CJK SC")
           << QStringLiteral("Droid Sans Fallback");
  return families;
}

QFont Build(const QStringList& families, int pixelHeight, bool bold) {
  QFont font = QApplication::font();
  font.setFamilies(families);
  font.setPixelSize(pixelHeight);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace

QFont FaceFont(const char* face, int pixelHeight, bool bold) {
  return Build(FamiliesFor(QString::fromUtf8(face)), pixelHeight, bold);
}

QFont DefaultFaceFont(int pixelHeight, bool bold) {
  QStringList families = FamiliesFor(QString());
  families.prepend(QApplication::font().family());
  return Build(families, pixelHeight, bold);
}

QFont DefaultControlFont() { return DefaultFaceFont(12, false); }

}  // namespace corvanta
