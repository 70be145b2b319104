#include "ui/common/toolbar_style.h"

#include <QToolButton>
#include <QVariant>
#include <QWidget>

#include "ui/common/app_state.h"
#include "ui/common/fonts.h"
#include "ui/common/scale.h"

namespace absence::ui {

void StyleToolButton(QToolButton* button, TToolCaption toolCaption, bool showBorder) {
  switch (toolCaption) {
    case TToolCaption::Picture:
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
      button->setFixedSize(Scale(27), Scale(27));
      button->setFont(QFont());
      break;
    case TToolCaption::Text:
      button->setToolButtonStyle(Qt::ToolButtonTextOnly);
      button->setFixedHeight(Scale(27));
      button->setMinimumWidth(0);
      button->setMaximumWidth(QWIDGETSIZE_MAX);
      button->setFont(DialogFont());
      break;
    case TToolCaption::PictureAndText:
      button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      button->setMinimumSize(0, 0);
      button->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      button->setFont(SmallFont());
      break;
  }
  button->setAutoRaise(!showBorder);
}

void StyleToolbar(QWidget* form) {
  const TSettings& s = App().Settings;
  for (QToolButton* button : form->findChildren<QToolButton*>())
    if (button->property(kToolTagProperty).toInt() > 0)
      StyleToolButton(button, s.ToolCaption, s.ShowButtonBorder);
}

}  // namespace absence::ui
