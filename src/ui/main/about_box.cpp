#include "ui/main/about_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>

#include "ui/common/app_state.h"
#include "ui/common/scale.h"
#include "ui/common/version_info.h"

namespace absence::ui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  setWindowTitle(tr("About Absence"));
  const QString self = QApplication::applicationFilePath();

  auto* icon = new QLabel;
  icon->setPixmap(QApplication::windowIcon().pixmap(Scale(48), Scale(48)));
  auto* product = new QLabel(GetVersionValue(self, QStringLiteral("ProductName")));
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  product->setFont(big);
  auto* version = new QLabel(VersionCaption(GetVersionValue(self, QStringLiteral("FileVersion"))));
  auto* description =
      new QLabel(tr("Keeps the absence records of a small organisation: employees, departments, "
                    "absence reasons with accrual policies, balances and reports."));
  description->setWordWrap(true);
  auto* copyright = new QLabel(GetVersionValue(self, QStringLiteral("LegalCopyright")));
  auto* places = new QLabel(
      tr("Data folder: %1\nSettings file: %2")
          .arg(QString::fromStdString(App().AppFolder), QString::fromStdString(App().IniPath)));
  places->setTextInteractionFlags(Qt::TextSelectableByMouse);
  places->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(product, 0, 1);
  layout->addWidget(version, 1, 1);
  layout->addWidget(description, 2, 0, 1, 2);
  layout->addWidget(copyright, 3, 0, 1, 2);
  layout->addWidget(places, 4, 0, 1, 2);
  layout->addWidget(buttons, 5, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  setMinimumWidth(Scale(380));
}

}  // namespace absence::ui
