// The About window: version, the data folder, where the island references
// come from.  Modal, placed over the main window by its opener.
#pragma once

#include <QDialog>
#include <string>

namespace brilox {

class AboutWindow final : public QDialog {
  Q_OBJECT

 public:
  AboutWindow(const std::string& data_folder, QWidget* parent = nullptr);
};

}  // namespace brilox
