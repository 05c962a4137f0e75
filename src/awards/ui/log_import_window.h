// `FormADIFimport`: the window of a running import.  It names the database
// being updated and shows the records processed, the updates, a progress bar
// and the status line; OK closes it once the import has ended.  The import
// runs in slices on a zero-length timer, so the program keeps receiving and
// drawing while a large log is read.  A thin view over LogImport.
// Window thread only.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

#include "awards/log_import.h"
#include "core/language_text_table.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace brilox {

class LogImportWindow final : public QDialog {
  Q_OBJECT

 public:
  // Installs and saves the result of a fault-free import; its answer shows
  // in the status line.
  using Finisher = std::function<Status(LogImport& import)>;

  LogImportWindow(const LanguageTextTable& texts, std::unique_ptr<LogImport> import, Finisher finish,
                  QWidget* parent = nullptr);

  // Starts the slices.
  void Start();
  bool finished() const { return m_done; }
  // The outcome, once finished.
  const Status& outcome() const { return m_outcome; }

 signals:
  void importEnded();

 private:
  void RunSlice();
  void ShowCounts();
  QString Text(LanguageTextId id) const;

  const LanguageTextTable& m_texts;
  std::unique_ptr<LogImport> m_import;
  Finisher m_finish;
  QTimer m_slices;
  QLabel* m_database = nullptr;
  QLabel* m_records = nullptr;
  QLabel* m_updates = nullptr;
  QLabel* m_status = nullptr;
  QProgressBar* m_progress = nullptr;
  QPushButton* m_ok = nullptr;
  bool m_done = false;
  Status m_outcome;
};

}  // namespace brilox
