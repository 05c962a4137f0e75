// The Tools menu's imports: "Import ADIF log (DXCC)", "Import ADIF log
// (IOTA)" and "Import LOTW report".  The file is chosen, checked before the
// import window opens, and imported by the window in slices; the databases
// of this run are replaced and saved only when the whole file read cleanly.
#include <QWidget>

#include "app/program_wiring.h"
#include "awards/ui/log_import_window.h"
#include "core/language_text_ids.h"
#include "spots/log_import_setup.h"

namespace brilox {

void ProgramWiring::ImportLog(LogImportKind kind) {
  // One import at a time, and only over the databases start-up loaded.
  if (!m_started || !m_importWindow.isNull()) return;
  if (kind == LogImportKind::kIota && !m_iotaLoaded) return;
  const std::string title = m_texts.Get(kTextImportAdif);
  const std::optional<std::string> path = m_services.dialogs.ChooseFileToOpen(
      {title, "ADIF files (*.adi;*.adif)|*.adi;*.adif|All files (*.*)|*.*", m_importFolder});
  if (!path) return;
  m_importFolder = FolderOf(*path);

  const std::string& caption = m_texts.Get(kTextErrorCaption);
  Result<LogFileOpening> opening = OpenLogFile(m_services.fs, *path, kind);
  if (!opening.ok()) {
    (void)m_services.messages.Show(MessageKind::kError, caption, opening.status().context(),
                                   MessageButtons::kOk);
    return;
  }
  if (opening->refusal != LogFileRefusal::kNone) {
    const RefusalTexts texts = RefusalTextsOf(opening->refusal);
    std::string message = m_texts.Get(texts.first);
    if (texts.second) message += "\n" + m_texts.Get(*texts.second);
    (void)m_services.messages.Show(MessageKind::kError, caption, message, MessageButtons::kOk);
    return;
  }
  auto import = std::make_unique<LogImport>(kind, std::move(opening->bytes), m_dxcc, m_iota,
                                            MakeDxccImportContext(m_countries, m_settings, m_services.clock),
                                            MakeLotwStationFilter(m_settings));
  auto* window = new LogImportWindow(
      m_texts, std::move(import),
      [this](LogImport& run) { return run.Finish(m_services.fs, m_places.data_folder, m_dxcc, m_iota); },
      m_window.get());
  window->setAttribute(Qt::WA_DeleteOnClose);
  m_importWindow = window;
  window->show();
  window->Start();
}

}  // namespace brilox
