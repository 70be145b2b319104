#include "ui/common/speed_button.h"

#include <QBoxLayout>
#include <QToolButton>

#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/toolbar_style.h"

namespace absence::ui {

QToolButton* AddSpeedButton(QBoxLayout* row, const char* name, const QString& caption,
                            const QString& hint, const char* picture, int tag) {
  auto* button = new QToolButton;
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setIcon(ResourceIcon(QString::fromLatin1(picture)));
  button->setProperty(kToolTagProperty, tag);
  SetHint(button, hint);
  row->addWidget(button);
  return button;
}

}  // namespace absence::ui
