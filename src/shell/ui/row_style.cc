#include "shell/ui/row_style.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QString>

namespace brilox {
namespace {

// The system's fixed font, or, when the machine's "monospace" resolves to a
// face the font database does not count as fixed pitch (Noto Sans Mono does
// so), the first face that is: the rows' columns must line up.
QFont FixedPitchFont() {
  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (QFontInfo(font).fixedPitch()) return font;
  for (const QString& family : QFontDatabase::families()) {
    if (QFontDatabase::isFixedPitch(family) && !QFontDatabase::isPrivateFamily(family)) {
      QFont fixed(family);
      if (QFontInfo(fixed).fixedPitch()) return fixed;
    }
  }
  return font;
}

}  // namespace

QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

QFont ReceiveFont(const FontSettings& settings) {
  QFont font;
  if (settings.name.empty() || settings.name == "Fixedsys") {
    font = FixedPitchFont();
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

QString RowText(std::string_view text, const QFont& font) {
  QString row = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  if (!row.contains(QChar(0x1B))) return row;
  constexpr char32_t kEscapePicture = 0x241B;  // SYMBOL FOR ESCAPE
  constexpr char16_t kDiamond = 0x25C6;
  const QChar glyph = QFontMetrics(font).inFontUcs4(kEscapePicture)
                          ? QChar(static_cast<char16_t>(kEscapePicture))
                          : QChar(kDiamond);
  row.replace(QChar(0x1B), glyph);
  return row;
}

}  // namespace brilox
