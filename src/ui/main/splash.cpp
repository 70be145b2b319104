#include "ui/main/splash.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>

#include "ui/common/scale.h"
#include "ui/common/version_info.h"

namespace absence::ui {
namespace {

QLabel* WrappedLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  return label;
}

}  // namespace

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setFixedSize(Scale(323), Scale(198));
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf9));
  setPalette(pal);

  const QString self = QApplication::applicationFilePath();
  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("PgmIcon"));
  icon->setPixmap(QApplication::windowIcon().pixmap(Scale(48), Scale(48)));
  auto* productName = new QLabel(GetVersionValue(self, QStringLiteral("ProductName")), this);
  productName->setObjectName(QStringLiteral("lblProductName"));
  QFont big = font();
  big.setPointSizeF(big.pointSizeF() * 2.2);
  big.setBold(true);
  productName->setFont(big);
  auto* version =
      new QLabel(VersionCaption(GetVersionValue(self, QStringLiteral("FileVersion"))), this);
  version->setObjectName(QStringLiteral("lblVersion"));
  auto* copyright = WrappedLabel(GetVersionValue(self, QStringLiteral("LegalCopyright")), this);
  copyright->setObjectName(QStringLiteral("lblCopyright"));

  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  auto* lblWarning1 = WrappedLabel(
      tr("Warning: this computer program is protected by copyright law and international "
         "treaties."),
      this);
  auto* lblWarning2 = WrappedLabel(
      tr("Unauthorized reproduction or distribution of this program, or any portion of it, may "
         "result in civil and criminal penalties."),
      this);
  auto* lblRights = new QLabel(tr("All rights reserved."), this);
  for (QLabel* l : {lblWarning1, lblWarning2, lblRights}) l->setFont(small);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(Scale(14), Scale(12), Scale(14), Scale(10));
  layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
  layout->addWidget(productName, 0, 1);
  layout->addWidget(version, 1, 1, Qt::AlignTop);
  layout->addWidget(copyright, 2, 0, 1, 2);
  layout->addWidget(lblRights, 3, 0, 1, 2);
  layout->addWidget(lblWarning1, 4, 0, 1, 2);
  layout->addWidget(lblWarning2, 5, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(2, 1);

  if (const QScreen* screen = QApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TfrmSplash::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter p(this);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace absence::ui
