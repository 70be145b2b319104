#include "ui/main/main_toolbar.h"

#include <QAction>
#include <QActionEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/common/toolbar_style.h"
#include "ui/main/main_actions.h"

namespace absence::ui {
namespace {

// A button that runs its command's action and follows its state, under a caption, picture and
// hint of its own: a toolbar button says less than the menu item of the same command.
class TCommandButton : public QToolButton {
 public:
  TCommandButton(QAction* command, const QString& caption, const QIcon& icon, const QString& hint)
      : caption_(caption), icon_(icon), hint_(hint) {
    setDefaultAction(command);
    ShowOwnLook();
  }

 protected:
  void actionEvent(QActionEvent* event) override {
    QToolButton::actionEvent(event);
    if (event->type() == QEvent::ActionChanged && event->action() == defaultAction()) ShowOwnLook();
  }

 private:
  void ShowOwnLook() {
    setText(caption_);
    setIcon(icon_);
    // Without a hint of its own the button shows the action's, which may change.
    if (!hint_.isEmpty()) SetHint(this, hint_);
  }

  QString caption_;
  QIcon icon_;
  QString hint_;
};

struct TButtonRow {
  TCommand Command;
  const char* Name;
  const char* Caption;
  const char* Hint;  // empty: the action's
  const char* Picture;
  int Tag;
  const char* SeparatorBefore = nullptr;
};

const TButtonRow kButtons[] = {
    {TCommand::AbsenceEntries, "spdAbsenceView",
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "&List"),
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar",
                       "List Absence|Click to view all Absence entries for the year"),
     "List", 1},
    {TCommand::EmployeeData, "spdEmp", QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "E&mp"),
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar",
                       "Employee Data|Click to view/edit the employee's information"),
     "Emp", 2},
    {TCommand::GlobalEntries, "spdGlobal",
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "&Global"),
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar",
                       "Global Entry|Click to add a Absence entry for all active employees"),
     "Globe", 3, "bvlToolBar1"},
    {TCommand::Undo, "spdUndo", QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "Undo"), "", "Undo",
     6},
    {TCommand::Redo, "spdRedo", QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "Redo"), "", "Redo",
     7},
    {TCommand::PickDate, "spdDate", QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "&Dates"),
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar",
                       "Show Calendar|Click to select a beginning date for the calendar"),
     "Dates", 4, "bvlToolBar2"},
    {TCommand::ScreenHelp, "spdHelp", QT_TRANSLATE_NOOP("absence::ui::TMainToolbar", "&Help"),
     QT_TRANSLATE_NOOP("absence::ui::TMainToolbar",
                       "Absence Help|Click to display help for the Main Screen"),
     "HelpBmp", 5},
};

QFrame* AddSeparator(QHBoxLayout* row, const char* name) {
  auto* bevel = new QFrame;
  bevel->setObjectName(QString::fromLatin1(name));
  bevel->setFrameShape(QFrame::VLine);
  bevel->setFrameShadow(QFrame::Sunken);
  row->addSpacing(Scale(6));
  row->addWidget(bevel);
  row->addSpacing(Scale(6));
  return bevel;
}

}  // namespace

TMainToolbar::TMainToolbar(const TMainActions& actions, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlToolBack"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(Scale(8), Scale(2), Scale(8), Scale(2));
  row->setSpacing(Scale(1));
  auto* label = new QLabel(tr("Employee"));
  label->setObjectName(QStringLiteral("lblEmp"));
  employeeBox_ = new TPVComboBox;
  employeeBox_->setObjectName(QStringLiteral("cboEmpBox"));
  employeeBox_->setMinimumWidth(Scale(200));
  employeeBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  label->setBuddy(employeeBox_);
  row->addWidget(label);
  row->addSpacing(Scale(6));
  row->addWidget(employeeBox_);
  row->addSpacing(Scale(10));
  for (const TButtonRow& b : kButtons) {
    if (b.SeparatorBefore) separators_ << AddSeparator(row, b.SeparatorBefore);
    const QString hint =
        *b.Hint ? QCoreApplication::translate("absence::ui::TMainToolbar", b.Hint) : QString();
    auto* button = new TCommandButton(
        actions[b.Command], QCoreApplication::translate("absence::ui::TMainToolbar", b.Caption),
        ResourceIcon(QString::fromLatin1(b.Picture)), hint);
    button->setObjectName(QString::fromLatin1(b.Name));
    button->setProperty(kToolTagProperty, b.Tag);
    row->addWidget(button);
    buttons_ << button;
  }
  row->addStretch();
  // Ctrl+F (or the platform's Find key) goes to the employee box.
  connect(actions[TCommand::FindEmployee], &QAction::triggered, employeeBox_,
          [this] { employeeBox_->setFocus(Qt::ShortcutFocusReason); });
}

void TMainToolbar::ArrangeToolbar(TToolCaption toolCaption, bool showButtonBorder) {
  setUpdatesEnabled(false);
  int width = 41, height = 40, panel = 48;
  if (toolCaption == TToolCaption::Picture) width = height = 27, panel = 35;
  if (toolCaption == TToolCaption::Text) height = 27, panel = 35;
  const int icon = toolCaption == TToolCaption::Picture ? Scale(22) : Scale(20);
  for (QToolButton* b : buttons_) {
    StyleToolButton(b, toolCaption, showButtonBorder);
    b->setIconSize(QSize(icon, icon));
    b->setFixedSize(Scale(width), Scale(height));
  }
  setFixedHeight(Scale(panel));
  for (QFrame* bevel : separators_) bevel->setFixedHeight(Scale(panel) - 2 * Scale(6));
  setUpdatesEnabled(true);
}

}  // namespace absence::ui
