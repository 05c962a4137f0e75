#include "shell/ui/row_style.h"

#include <QFontDatabase>
#include <QString>

namespace brilox {

QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QFont ReceiveFont(const FontSettings& settings) {
  QFont font;
  if (settings.name.empty() || settings.name == "Fixedsys") {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  } else {
    font = QFont(QString::fromLatin1(settings.name.data(), static_cast<qsizetype>(settings.name.size())));
    // A name this machine lacks still gets a fixed-pitch stand-in.
    font.setStyleHint(QFont::TypeWriter);
  }
  if (settings.size > 0) font.setPointSize(settings.size);
  font.setBold(settings.style.find('B') != std::string::npos);
  font.setItalic(settings.style.find('I') != std::string::npos);
  return font;
}

}  // namespace brilox
