// The first start's small dialog: own call and QTH locator.  OK is enabled
// only while the call is a call and the locator is empty or readable; both
// fields type upper case.  QtOwnStationDialog shows it modally for the
// start-up; tests drive the window itself.
// Window thread only.
#pragma once

#include <QDialog>

#include "links/link_seams.h"
#include "shell/own_station.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brilox {

class OwnStationWindow final : public QDialog {
  Q_OBJECT

 public:
  OwnStationWindow(const LanguageTexts& texts, const OwnStation& proposed, QWidget* parent = nullptr);

  // What the fields hold now.
  OwnStation answer() const;

  QLineEdit* callField() const { return m_call; }
  QLineEdit* locatorField() const { return m_locator; }
  QPushButton* okButton() const { return m_ok; }
  QLabel* positionLabel() const { return m_position; }

 private:
  void Check();

  QLineEdit* m_call = nullptr;
  QLineEdit* m_locator = nullptr;
  QLabel* m_position = nullptr;
  QPushButton* m_ok = nullptr;
};

class QtOwnStationDialog final : public OwnStationDialog {
 public:
  QtOwnStationDialog(const LanguageTexts& texts, QWidget* parent) : m_texts(texts), m_parent(parent) {}
  std::optional<OwnStation> Ask(const OwnStation& proposed) override;

 private:
  const LanguageTexts& m_texts;
  QWidget* m_parent;
};

}  // namespace brilox
