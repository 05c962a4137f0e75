#include "shell/ui/qt_dialogs.h"

#include <QDate>
#include <QFileDialog>
#include <QLocale>
#include <QMessageBox>
#include <QStringList>
#include <QTime>
#include <cmath>

namespace brilox {

QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToLatin1(const QString& text) { return text.toLatin1().toStdString(); }

MessageAnswer QtMessageBox::Show(MessageKind kind, const std::string& caption, const std::string& text,
                                 MessageButtons buttons) {
  QMessageBox box(m_parent);
  box.setWindowTitle(FromLatin1(caption));
  box.setText(FromLatin1(text));
  switch (kind) {
    case MessageKind::kWarning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MessageKind::kInformation:
      box.setIcon(QMessageBox::Information);
      break;
    case MessageKind::kQuestion:
      box.setIcon(QMessageBox::Question);
      break;
    case MessageKind::kError:
      box.setIcon(QMessageBox::Critical);
      break;
  }
  switch (buttons) {
    case MessageButtons::kOk:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::kYesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::kYesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    case MessageButtons::kOkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MessageAnswer::kOk;
    case QMessageBox::Yes:
      return MessageAnswer::kYes;
    case QMessageBox::No:
      return MessageAnswer::kNo;
    default:
      return MessageAnswer::kCancel;
  }
}

QString QtFilter(const std::string& filter) {
  const QStringList parts = FromLatin1(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString caption = parts[i];
    const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
    filters << (caption.contains(QLatin1Char('(')) ? caption
                                                   : caption + QStringLiteral(" (") + patterns + ')');
  }
  return filters.join(QStringLiteral(";;"));
}

std::optional<std::string> QtFileDialogs::ChooseFileToSave(const FileDialogRequest& request) {
  const QString path = QFileDialog::getSaveFileName(m_parent, FromLatin1(request.title),
                                                    FromLatin1(request.folder), QtFilter(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toLocal8Bit().toStdString();
}

std::optional<std::string> QtFileDialogs::ChooseFileToOpen(const FileDialogRequest& request) {
  const QString path = QFileDialog::getOpenFileName(m_parent, FromLatin1(request.title),
                                                    FromLatin1(request.folder), QtFilter(request.filter));
  if (path.isEmpty()) return std::nullopt;
  return path.toLocal8Bit().toStdString();
}

namespace {

QDateTime ToQDateTime(DayTime t) {
  const CivilTime c = DecodeDateTime(t);
  return QDateTime(QDate(c.year, c.month, c.day), QTime(c.hour, c.minute, c.second));
}

}  // namespace

std::string LocaleDateTimeFormat::ShortDate(DayTime t) const {
  return ToLatin1(QLocale::system().toString(ToQDateTime(t).date(), QLocale::ShortFormat));
}

std::string LocaleDateTimeFormat::LongTime(DayTime t) const {
  // The locale's long form without its time zone: the time shown is local or
  // UTC by the DisplayLocalTime setting, not by the zone of the system.
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove(QLatin1Char('t'));
  format = format.trimmed();
  if (format.isEmpty()) format = QStringLiteral("HH:mm:ss");
  return ToLatin1(ToQDateTime(t).time().toString(format));
}

std::string LocaleDateTimeFormat::ShortDayName(DayTime t) const {
  return ToLatin1(QLocale::system().dayName(ToQDateTime(t).date().dayOfWeek(), QLocale::ShortFormat));
}

}  // namespace brilox
