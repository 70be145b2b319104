#include "ui/common/help_key.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/common/help.h"

namespace absence::ui {
namespace {

class THelpKeyFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        watched->isWidgetType()) {
      const int context = ActiveHelpContext();
      ShowHelpContext(context > 0 ? context : kHelpContentsContext);
      return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void SetHelpContext(QWidget* window, int context) {
  window->setProperty(kHelpContextProperty, context);
}

int ActiveHelpContext() {
  QWidget* w = QApplication::activeModalWidget();
  if (!w) w = QApplication::activeWindow();
  for (; w; w = w->parentWidget()) {
    const int context = w->property(kHelpContextProperty).toInt();
    if (context > 0) return context;
  }
  return 0;
}

void ConnectHelpButton(QAbstractButton* button, int context) {
  QObject::connect(button, &QAbstractButton::clicked, button,
                   [context] { ShowHelpContext(context); });
}

void InstallHelpKey(QObject* owner) {
  qApp->installEventFilter(new THelpKeyFilter(owner));
}

}  // namespace absence::ui
