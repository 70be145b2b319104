#include "screenshots.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>
#include <QWidget>
#include <QtTest>

namespace absence::ui::test {

void SaveScreenshot(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("ABSENCE_SCREENSHOT_DIR");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  window->grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

bool NoCutTexts(QWidget* window) {
  QStringList cut;
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || !w->isVisible()) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (!label->wordWrap() && label->width() < label->sizeHint().width()) cut << label->text();
    } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
      // Tool buttons have their designed sizes: their caption, when shown, must fit.
      const QString caption = QString(tool->text()).remove(u'&');
      if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly &&
          tool->fontMetrics().horizontalAdvance(caption) > tool->width() - 2)
        cut << tool->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (!button->text().isEmpty() && button->width() < button->minimumSizeHint().width())
        cut << button->text();
    } else if (auto* box = qobject_cast<QLineEdit*>(w)) {
      const int room = box->contentsRect().width() - 4;
      if (box->fontMetrics().horizontalAdvance(box->text()) > room) cut << box->text();
    }
  }
  for (const QString& text : cut) qWarning("cut text: %s", qPrintable(text));
  return cut.isEmpty();
}

}  // namespace absence::ui::test
