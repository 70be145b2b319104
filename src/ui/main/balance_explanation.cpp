#include "ui/main/balance_explanation.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "accrual/explain.h"
#include "ui/common/app_state.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/help_key.h"
#include "ui/common/scale.h"
#include "ui/session/data_session.h"

namespace absence::ui {
namespace {

constexpr int kShownLines = 30;  // the box's height in lines before it scrolls

bool EvenWidths(const QFont& font) {
  const QFontMetrics fm(font);
  return fm.horizontalAdvance(QStringLiteral("iiii")) ==
         fm.horizontalAdvance(QStringLiteral("MMMM"));
}

// The columns of the ledger line up only when every character is equally wide. Should the
// desktop's fixed font not be, a font that is takes its place.
QFont LedgerFont() {
  const QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  if (EvenWidths(font)) return font;
  for (const char* family : {"DejaVu Sans Mono", "Liberation Mono", "Courier New"}) {
    QFont other(QString::fromLatin1(family), font.pointSize());
    if (EvenWidths(other)) return other;
  }
  return font;
}

}  // namespace

TfrmBalanceExplanation::TfrmBalanceExplanation(const std::vector<std::string>& lines,
                                               QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("frmBalanceExplanation"));
  setWindowTitle(tr("How this balance was reached"));
  SetHelpContext(this, kBalanceExplanationHelpContext);

  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);

  ledger_ = new QPlainTextEdit;
  ledger_->setObjectName(QStringLiteral("txtLedger"));
  ledger_->setReadOnly(true);
  ledger_->setLineWrapMode(QPlainTextEdit::NoWrap);
  ledger_->setFont(LedgerFont());
  ledger_->setPlainText(text.join(u'\n'));

  auto* copy = new QPushButton(tr("&Copy"));
  copy->setObjectName(QStringLiteral("cmdCopy"));
  copy->setAutoDefault(false);
  auto* close = new QPushButton(tr("Close"));
  close->setObjectName(QStringLiteral("cmdClose"));
  close->setDefault(true);
  auto* help = new QPushButton(tr("Help"));
  help->setObjectName(QStringLiteral("cmdHelp"));
  help->setAutoDefault(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(copy);
  buttons->addStretch(1);
  buttons->addWidget(close);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ledger_, 1);
  layout->addLayout(buttons);

  connect(copy, &QPushButton::clicked, this, &TfrmBalanceExplanation::CopyLedger);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  ConnectHelpButton(help, kBalanceExplanationHelpContext);

  // Wide enough for the longest line, as far as the screen allows; the rest scrolls.
  const QFontMetrics fm(ledger_->font());
  int widest = 0;
  for (const QString& line : text) widest = std::max(widest, fm.horizontalAdvance(line));
  const int frame =
      2 * ledger_->frameWidth() + 2 * static_cast<int>(ledger_->document()->documentMargin());
  const int scrollBar = ledger_->verticalScrollBar()->sizeHint().width();
  const QRect screen =
      (parent ? parent->screen() : QApplication::primaryScreen())->availableGeometry();
  const int width = std::min(widest + frame + scrollBar + Scale(4), screen.width() * 9 / 10);
  const int shown = std::min(static_cast<int>(text.size()), kShownLines);
  const int height = std::min(
      (shown + 1) * fm.lineSpacing() + frame + ledger_->horizontalScrollBar()->sizeHint().height(),
      screen.height() * 7 / 10);
  ledger_->setMinimumSize(Scale(320), Scale(120));
  ledger_->resize(width, height);
  resize(width + layout->contentsMargins().left() + layout->contentsMargins().right(),
         height + close->sizeHint().height() + layout->spacing() + layout->contentsMargins().top() +
             layout->contentsMargins().bottom());
  ledger_->setFocus(Qt::OtherFocusReason);
}

QString TfrmBalanceExplanation::Text() const {
  return ledger_->toPlainText();
}

void TfrmBalanceExplanation::CopyLedger() {
  QGuiApplication::clipboard()->setText(Text());
}

std::vector<std::string> ExplainBalance(const TDataSet& data, int32_t empID, int32_t reasonID,
                                        TDate asOf) {
  const int e = FindEmp(data.EmpList, empID, std::string());
  const int r = FindReason(data.ReasonList, reasonID, std::string());
  if (e < 0 || r < 0) return {};
  const TSettings& s = App().Settings;
  return BalanceExplanation(*data.EmpList[static_cast<std::size_t>(e)], data.ReasonList,
                            *data.ReasonList[static_cast<std::size_t>(r)], asOf,
                            NormalizeBenefitYear(s.BenefitMonth, s.BenefitDay),
                            App().DatePattern.toStdString());
}

std::vector<std::string> ExplainPanelBalance(const TDataSet& data, int32_t empID, int32_t reasonID,
                                             TDate date) {
  const int e = FindEmp(data.EmpList, empID, std::string());
  const int r = FindReason(data.ReasonList, reasonID, std::string());
  if (e < 0 || r < 0) return {};
  const TSettings& s = App().Settings;
  return PanelBalanceExplanation(*data.EmpList[static_cast<std::size_t>(e)], data.ReasonList,
                                 *data.ReasonList[static_cast<std::size_t>(r)], date,
                                 NormalizeBenefitYear(s.BenefitMonth, s.BenefitDay),
                                 App().DatePattern.toStdString(), HourFormatPattern(s.HourFormat));
}

bool ShowBalanceExplanation(const TDataSession& session, int32_t empID, int32_t reasonID,
                            TDate date, QWidget* parent) {
  const std::vector<std::string> lines = ExplainPanelBalance(session.Data(), empID, reasonID, date);
  if (lines.empty()) return false;
  TfrmBalanceExplanation window(lines, parent ? parent : QApplication::activeWindow());
  RunDialog(window);
  return true;
}

}  // namespace absence::ui
