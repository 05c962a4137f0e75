#include "awards/ui/log_import_window.h"

#include <QFormLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace brilox {
namespace {

// Small enough that a slice takes a few milliseconds on a slow machine.
constexpr int kRecordsPerSlice = 500;
constexpr int kProgressSteps = 1000;

}  // namespace

LogImportWindow::LogImportWindow(const LanguageTextTable& texts, std::unique_ptr<LogImport> import,
                                 Finisher finish, QWidget* parent)
    : QDialog(parent), m_texts(texts), m_import(std::move(import)), m_finish(std::move(finish)) {
  setWindowTitle(Text(kTextImportAdif));
  setObjectName(QStringLiteral("FormADIFimport"));
  auto* layout = new QVBoxLayout(this);
  const std::string_view database = DatabaseNameOf(m_import->kind());
  m_database = new QLabel(Text(kTextDatabaseToUpdate) + QStringLiteral(": ") +
                              QString::fromLatin1(database.data(), static_cast<int>(database.size())),
                          this);
  layout->addWidget(m_database);
  auto* counts = new QFormLayout;
  m_records = new QLabel(QStringLiteral("0"), this);
  m_updates = new QLabel(QStringLiteral("0"), this);
  counts->addRow(Text(kTextRecordsProcessed), m_records);
  counts->addRow(Text(kTextUpdates), m_updates);
  layout->addLayout(counts);
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, kProgressSteps);
  layout->addWidget(m_progress);
  m_status = new QLabel(this);
  m_status->setWordWrap(true);
  layout->addWidget(m_status);
  m_ok = new QPushButton(QStringLiteral("OK"), this);
  m_ok->setEnabled(false);
  layout->addWidget(m_ok, 0, Qt::AlignHCenter);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
  setMinimumWidth(360);

  m_slices.setInterval(0);
  connect(&m_slices, &QTimer::timeout, this, &LogImportWindow::RunSlice);
}

QString LogImportWindow::Text(LanguageTextId id) const {
  return QString::fromLatin1(m_texts.Get(id).c_str());
}

void LogImportWindow::Start() {
  m_status->setText(Text(kTextStatus) + QStringLiteral(": ") + Text(kTextProcessing));
  m_slices.start();
}

void LogImportWindow::ShowCounts() {
  m_records->setText(QString::number(m_import->counts().records));
  m_updates->setText(QString::number(m_import->counts().updates));
  const double size = static_cast<double>(std::max<std::size_t>(m_import->size(), 1));
  m_progress->setValue(static_cast<int>(kProgressSteps * static_cast<double>(m_import->position()) / size));
}

void LogImportWindow::RunSlice() {
  const bool ended = m_import->Step(kRecordsPerSlice);
  ShowCounts();
  if (!ended) return;
  m_slices.stop();
  m_outcome = m_finish(*m_import);
  m_done = true;
  if (m_outcome.ok()) {
    m_progress->setValue(kProgressSteps);
    m_status->setText(Text(kTextStatus) + QStringLiteral(": ") + Text(kTextDone));
  } else {
    // Nothing was installed: the fault says why.
    m_status->setText(Text(kTextStatus) + QStringLiteral(": ") + QString::fromStdString(m_outcome.context()));
  }
  m_ok->setEnabled(true);
  emit importEnded();
}

}  // namespace brilox
