#include "shell/ui/about_window.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/startup_sequence.h"
#include "shell/ui/qt_dialogs.h"
#include "shell/ui/row_style.h"

namespace brilox {

AboutWindow::AboutWindow(const std::string& data_folder, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("BRILOX"));
  auto* panel = new QFrame(this);
  panel->setAutoFillBackground(true);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, ToQColor(0xE0FFFF));
  panel->setPalette(colours);

  auto* lines = new QVBoxLayout(panel);
  auto centred = [panel, lines](const QString& text) {
    auto* label = new QLabel(text, panel);
    label->setAlignment(Qt::AlignHCenter);
    lines->addWidget(label);
    return label;
  };
  QLabel* title = centred(QStringLiteral("BRILOX"));
  QFont big = title->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  title->setFont(big);
  centred(QStringLiteral("Version: %1  (01/2019)").arg(QString::fromLatin1(kVersionText)));
  centred(FromLatin1(data_folder));
  centred(QStringLiteral("The island references are those of the"));
  centred(QStringLiteral("Islands On The Air (IOTA) programme"));

  auto* link_row = new QHBoxLayout();
  link_row->setSpacing(4);
  link_row->addStretch();
  link_row->addWidget(new QLabel(QStringLiteral("IOTA:"), panel));
  auto* link =
      new QLabel(QStringLiteral("<a href=\"https://www.iota-world.org\">www.iota-world.org</a>"), panel);
  link->setOpenExternalLinks(true);
  link_row->addWidget(link);
  link_row->addStretch();
  lines->addLayout(link_row);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, panel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  lines->addWidget(buttons);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(panel);
}

}  // namespace brilox
