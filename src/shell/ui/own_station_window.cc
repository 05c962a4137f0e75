#include "shell/ui/own_station_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/language_text_ids.h"
#include "shell/ui/qt_dialogs.h"

namespace brilox {
namespace {

// The language file's text, or the English one while it has none.
QString TextOr(const LanguageTexts& texts, int number, const char* fallback) {
  const std::string text = texts.Text(number);
  return text.empty() ? QString::fromLatin1(fallback) : FromLatin1(text);
}

QLineEdit* UpperCaseField(int max_length, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setMaxLength(max_length);
  QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
    const int caret = field->cursorPosition();
    field->setText(text.toUpper());
    field->setCursorPosition(caret);
  });
  return field;
}

}  // namespace

OwnStationWindow::OwnStationWindow(const LanguageTexts& texts, const OwnStation& proposed, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("BRILOX"));
  auto* intro = new QLabel(
      QStringLiteral("Welcome to BRILOX. Please give your callsign and the QTH locator of your station."),
      this);
  intro->setWordWrap(true);

  m_call = UpperCaseField(static_cast<int>(kMyCallLength), this);
  m_call->setText(FromLatin1(proposed.call));
  m_locator = UpperCaseField(6, this);
  m_locator->setText(FromLatin1(proposed.locator));
  m_position = new QLabel(this);

  auto* form = new QFormLayout();
  form->addRow(TextOr(texts, kTextCallsign, "Callsign"), m_call);
  form->addRow(TextOr(texts, kTextQthLocator, "QTH locator"), m_locator);
  form->addRow(QString(), m_position);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* lines = new QVBoxLayout(this);
  lines->addWidget(intro);
  lines->addLayout(form);
  lines->addWidget(buttons);

  connect(m_call, &QLineEdit::textChanged, this, [this] { Check(); });
  connect(m_locator, &QLineEdit::textChanged, this, [this] { Check(); });
  Check();
  setMinimumWidth(360);
}

OwnStation OwnStationWindow::answer() const {
  return {ToLatin1(m_call->text()), ToLatin1(m_locator->text())};
}

void OwnStationWindow::Check() {
  const OwnStation typed = answer();
  const std::optional<GeoPoint> centre = LocatorCentre(typed.locator);
  if (centre) {
    m_position->setText(QStringLiteral("%1 %2  %3 %4")
                            .arg(std::abs(centre->latitude), 0, 'f', 4)
                            .arg(centre->latitude > 0 ? QLatin1Char('N') : QLatin1Char('S'))
                            .arg(std::abs(centre->longitude), 0, 'f', 4)
                            .arg(centre->longitude > 0 ? QLatin1Char('E') : QLatin1Char('W')));
  } else {
    m_position->clear();
  }
  m_ok->setEnabled(!CleanCallsign(typed.call).empty() && (typed.locator.empty() || centre.has_value()));
}

std::optional<OwnStation> QtOwnStationDialog::Ask(const OwnStation& proposed) {
  OwnStationWindow window(m_texts, proposed, m_parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.answer();
}

}  // namespace brilox
