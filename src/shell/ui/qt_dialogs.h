// The Qt faces of the message-box, file-dialog and date-format interfaces:
// modal QMessageBox and QFileDialog over a parent window, and the system
// locale's short date, long time and day names.
// Window thread only.
#pragma once

#include <QString>
#include <QWidget>

#include "platform/date_time_format.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

namespace brilox {

class QtMessageBox final : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }
  MessageAnswer Show(MessageKind kind, const std::string& caption, const std::string& text,
                     MessageButtons buttons) override;

 private:
  QWidget* m_parent;
};

class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
  void SetParent(QWidget* parent) { m_parent = parent; }
  std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;
  std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;

 private:
  QWidget* m_parent;
};

// "Text files (*.txt)|*.txt|All files|*" in Qt's form:
// "Text files (*.txt);;All files (*)".
QString QtFilter(const std::string& filter);

class LocaleDateTimeFormat final : public DateTimeFormat {
 public:
  std::string ShortDate(DayTime t) const override;
  std::string LongTime(DayTime t) const override;
  std::string ShortDayName(DayTime t) const override;
};

// Single-byte program texts to and from Qt strings.
QString FromLatin1(const std::string& text);
std::string ToLatin1(const QString& text);

}  // namespace brilox
