#include "support.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/printers.h"
#include "ui/common/scale.h"
#include "ui/common/settings_service.h"

namespace absence::ui::test {
namespace {

TMsgButton UnexpectedBox(const TMessageBoxCall& call) {
  QTest::qFail(
      qPrintable(QStringLiteral("A message box appeared without a queued answer: ") + call.Text),
      __FILE__, __LINE__);
  return mbNone;
}

// No box ever waits for a person in a test.
const bool g_failingHookInstalled = [] {
  SetMessageBoxHook(UnexpectedBox);
  return true;
}();

}  // namespace

void FailOnUnexpectedMessageBoxes() {
  SetMessageBoxHook(UnexpectedBox);
}

bool ChooseByKeys(QComboBox* box, const QString& text) {
  const int target = box->findText(text);
  if (target < 0) return false;
  box->setFocus();
  // Choosing the item already shown takes a step away and back.
  if (box->currentIndex() == target) QTest::keyClick(box, target > 0 ? Qt::Key_Up : Qt::Key_Down);
  while (box->currentIndex() < target) QTest::keyClick(box, Qt::Key_Down);
  while (box->currentIndex() > target) QTest::keyClick(box, Qt::Key_Up);
  return box->currentIndex() == target;
}

void DragWithMouse(QWidget* widget, QPoint from, QPoint to) {
  QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(widget, (from + to) / 2);
  QTest::mouseMove(widget, to);
  QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, to);
}

bool DeliverDrop(QWidget* target, QPoint at, const QMimeData* mime) {
  QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

TTempEnvironment::TTempEnvironment() {
  QDir(dir_.path()).mkpath(QStringLiteral("data"));
  App() = TAppState{};
  App().AppFolder = (dir_.path() + QStringLiteral("/data/")).toStdString();
  App().IniPath = (dir_.path() + QStringLiteral("/config/ABSENCE.INI")).toStdString();
  SetScreenResolution(kDesignResolution);
  SetPrintersOverride(QStringList{QStringLiteral("PDF file")});
}

TTempEnvironment::~TTempEnvironment() {
  SetPrintersOverride(std::nullopt);
  SetTodayOverride(std::nullopt);
}

QString TTempEnvironment::DataFolder() const {
  return dir_.path() + QStringLiteral("/data/");
}

QString TTempEnvironment::IniPath() const {
  return QString::fromStdString(App().IniPath);
}

QString TTempEnvironment::DataFile(const char* name) const {
  return DataFolder() + QString::fromLatin1(name);
}

void TTempEnvironment::WriteIni(const QString& text) const {
  QDir().mkpath(dir_.path() + QStringLiteral("/config"));
  QFile f(IniPath());
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(text.toUtf8());
  f.close();
  // As if edited between two runs: the program reads it afresh.
  SettingsService().Reload();
}

QString TTempEnvironment::ReadIni() const {
  QFile f(IniPath());
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

TMessageBoxSpy::TMessageBoxSpy() {
  SetMessageBoxHook([this](const TMessageBoxCall& call) {
    calls_.push_back(call);
    if (answers_.empty()) return UnexpectedBox(call);
    const TMsgButton b = answers_.front();
    answers_.pop_front();
    return b;
  });
}

TMessageBoxSpy::~TMessageBoxSpy() {
  FailOnUnexpectedMessageBoxes();
}

QString PdfText(const QString& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace absence::ui::test
