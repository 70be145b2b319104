#include "ui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/column_widths.h"
#include "ui/common/date_text.h"
#include "ui/common/header_control.h"
#include "ui/common/help_key.h"
#include "ui/common/hints.h"
#include "ui/common/pictures.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/main/splash.h"

namespace absence::ui {
namespace {

constexpr int kCalendarColumns = 7;
constexpr int kCalendarRows = 4;
constexpr int kBalanceColumns = 6;
constexpr int kBalanceRowHeight = 16;
constexpr int kDayListItems = 6;

QLabel* BoldLabel(const QString& text, const char* name) {
  auto* label = new QLabel(text);
  label->setObjectName(QString::fromLatin1(name));
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  return label;
}

// Sunday = 0 ... Saturday = 6.
int DayOfWeek(TDate d) {
  return ToQDate(d).dayOfWeek() % 7;
}

}  // namespace

TfrmMain::TfrmMain(int loadDelayMs, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Absence"));
  SetHelpContext(this, kMainHelpContext);
  CurrentEntries = &NoEntries;
  bmpPlus = ResourcePicture(QStringLiteral("Plus"), 9);
  bmpTrashEmpty = ResourcePicture(QStringLiteral("Trash_Empty"), 32);
  bmpTrashFull = ResourcePicture(QStringLiteral("Trash_Full"), 32);
  bmpDates = ResourcePicture(QStringLiteral("Dates"), 24);
  bmpGlobe = ResourcePicture(QStringLiteral("Globe"), 13);
  bmpHelp = ResourcePicture(QStringLiteral("HelpBmp"), 24);
  crPointNW = PointNWCursor();
  connect(qApp, &QGuiApplication::applicationStateChanged, this, &TfrmMain::AppActivate);

  // Counting starts now: the first tick loads the data set.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(loadDelayMs);
  connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
  Timer1->start();

  CreateMenus();
  CreateToolbar();
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(pnlToolBack);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addWidget(line);
  CreateCalendarPanel();
  layout->addWidget(pnlMain, 1);
  CreateBottomPanel();
  layout->addWidget(Panel1);
  setCentralWidget(central);
  CreateStatusBar();

  resize(Scale(644), Scale(454));
  setMinimumSize(Scale(580), Scale(430));

  // The current cell is today's column of the first week, and it is picked.
  const TDate today = Today();
  grdCalendar->setCurrentCell(0, DayOfWeek(today));
  Pick(DayOfWeek(today), 0).Picked = true;
  MultiPick = false;

  ReadSettings();
  lblStatusDate->setText(FormatDate(today, App().DatePattern));
  ShowWeeks(today);
  LoadColumnWidths(hdrBalances, grdBalances, QString::fromStdString(App().IniPath));
  grdBalances->setFixedHeight(4 * grdBalances->verticalHeader()->defaultSectionSize() + 7);
  lstViewDay->setFixedHeight(kDayListItems * Scale(15) + 4);
  FitBalanceColumns();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::SetSplash(TfrmSplash* splash) {
  splash_ = splash;
}

void TfrmMain::ShowAsStored() {
  if (ParseStartupState(App().Settings.StartupState).Maximised)
    showMaximized();
  else
    show();
}

void TfrmMain::AppActivate(Qt::ApplicationState state) {
  if (state != Qt::ApplicationActive || !ActivateFront) return;
  QWidget* front = QApplication::activeModalWidget();
  if (!front) front = QApplication::activeWindow();
  if (front) front->raise();
}

void TfrmMain::BringToFront() {
  setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  show();
  raise();
  activateWindow();
}

void TfrmMain::CreateStatusBar() {
  statusBar()->setObjectName(QStringLiteral("StatusBar"));
  statusBar()->setFixedHeight(Scale(20));
  statusBar()->setSizeGripEnabled(true);
  lblStatusDate = new QLabel;
  lblStatusDate->setObjectName(QStringLiteral("lblStatusDate"));
  lblStatusDate->setMinimumWidth(Scale(90) - 10);
  lblStatusDate->setAlignment(Qt::AlignCenter);
  statusBar()->addPermanentWidget(lblStatusDate);
}

void TfrmMain::CreateCalendarPanel() {
  pnlMain = new QWidget;
  pnlMain->setObjectName(QStringLiteral("pnlMain"));
  auto* grid = new QGridLayout(pnlMain);
  grid->setContentsMargins(Scale(8), Scale(4), Scale(8), Scale(4));
  grid->setHorizontalSpacing(0);
  grid->setVerticalSpacing(Scale(2));

  auto* top = new QHBoxLayout;
  auto* lblReason = new QLabel(QStringLiteral("Reason"));
  cboReasonBox = new TPVComboBox;
  cboReasonBox->setObjectName(QStringLiteral("cboReasonBox"));
  cboReasonBox->setMinimumWidth(Scale(160));
  SetHint(cboReasonBox,
          QStringLiteral("|Drag the Reason to the selected date(s) to add a Absence entry."));
  lblReason->setBuddy(cboReasonBox);
  lblMonth = BoldLabel(QString(), "lblMonth");
  QFont monthFont = lblMonth->font();
  monthFont.setPointSizeF(monthFont.pointSizeF() * 1.25);
  lblMonth->setFont(monthFont);
  lblMonth->setAlignment(Qt::AlignCenter);
  imgTrash = new QLabel;
  imgTrash->setObjectName(QStringLiteral("imgTrash"));
  imgTrash->setVisible(false);
  top->addWidget(lblReason);
  top->addSpacing(Scale(6));
  top->addWidget(cboReasonBox);
  top->addStretch(1);
  top->addWidget(lblMonth);
  top->addStretch(1);
  top->addWidget(imgTrash);
  grid->addLayout(top, 0, 0, 1, kCalendarColumns + 1);

  const QLocale locale = QLocale::system();
  static constexpr const char* kDayLabelNames[] = {"lblSunday",    "lblMonday",   "lblTuesday",
                                                   "lblWednesday", "lblThursday", "lblFriday",
                                                   "lblSaturday"};
  for (int i = 0; i < kCalendarColumns; ++i) {
    // Qt counts Monday as 1 and Sunday as 7; the calendar starts on Sunday.
    lblDays[i] = new QLabel(locale.dayName(i == 0 ? 7 : i, QLocale::LongFormat));
    lblDays[i]->setObjectName(QString::fromLatin1(kDayLabelNames[i]));
    lblDays[i]->setAlignment(Qt::AlignCenter);
    grid->addWidget(lblDays[i], 1, i);
  }

  grdCalendar = new QTableWidget(kCalendarRows, kCalendarColumns);
  grdCalendar->setObjectName(QStringLiteral("grdCalendar"));
  grdCalendar->horizontalHeader()->hide();
  grdCalendar->verticalHeader()->hide();
  grdCalendar->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grdCalendar->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  grdCalendar->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdCalendar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdCalendar->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdCalendar->setSelectionMode(QAbstractItemView::SingleSelection);
  grdCalendar->setFocusPolicy(Qt::NoFocus);
  grdCalendar->setMinimumHeight(Scale(160));
  grid->addWidget(grdCalendar, 2, 0, 1, kCalendarColumns);

  auto* scroll = new QVBoxLayout;
  scroll->setSpacing(0);
  spdCalendarUp = new QToolButton;
  spdCalendarUp->setObjectName(QStringLiteral("spdCalendarUp"));
  spdCalendarUp->setArrowType(Qt::UpArrow);
  SetHint(spdCalendarUp, QStringLiteral("Back one week"));
  spdCalendarDown = new QToolButton;
  spdCalendarDown->setObjectName(QStringLiteral("spdCalendarDown"));
  spdCalendarDown->setArrowType(Qt::DownArrow);
  SetHint(spdCalendarDown, QStringLiteral("Forward one week"));
  for (QToolButton* b : {spdCalendarUp, spdCalendarDown}) {
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setFixedWidth(Scale(18));
    // Scrolling by weeks comes with the calendar itself.
    b->setEnabled(false);
    scroll->addWidget(b);
  }
  grid->addLayout(scroll, 2, kCalendarColumns);
  grid->setRowStretch(2, 1);
}

void TfrmMain::CreateBottomPanel() {
  Panel1 = new QWidget;
  Panel1->setObjectName(QStringLiteral("Panel1"));
  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(Scale(8), Scale(2), Scale(8), Scale(4));

  auto* pnlAccruals = new QWidget;
  pnlAccruals->setObjectName(QStringLiteral("pnlAccruals"));
  auto* acc = new QVBoxLayout(pnlAccruals);
  acc->setContentsMargins(0, 0, 0, 0);
  acc->setSpacing(Scale(2));
  auto* title = new QHBoxLayout;
  lblAccrual = new QLabel(QStringLiteral("Employee Absence Reason Balances for:"));
  lblAccrual->setObjectName(QStringLiteral("lblAccrual"));
  lblBalanceYear = BoldLabel(QString(), "lblBalanceYear");
  title->addWidget(lblAccrual);
  title->addSpacing(4);
  title->addWidget(lblBalanceYear);
  title->addStretch();
  acc->addLayout(title);

  hdrBalances =
      new THeaderControl(QStringLiteral("hdrBalances"),
                         {QStringLiteral("Reason"), QStringLiteral("Year"), QStringLiteral("Used"),
                          QStringLiteral("Available"), QStringLiteral("Balance")},
                         {156, 36, 50, 57, 61});
  hdrBalances->setMaximumSectionSize(324);
  hdrBalances->setFixedWidth(Scale(156 + 36 + 50 + 57 + 61 + 4));
  connect(hdrBalances, &QHeaderView::sectionResized, this, &TfrmMain::hdrBalancesSectionResize);
  acc->addWidget(hdrBalances);
  acc->addSpacing(-Scale(2));

  grdBalances = new QTableWidget(1, kBalanceColumns);
  grdBalances->setObjectName(QStringLiteral("grdBalances"));
  grdBalances->horizontalHeader()->hide();
  grdBalances->verticalHeader()->hide();
  grdBalances->verticalHeader()->setMinimumSectionSize(1);
  grdBalances->verticalHeader()->setDefaultSectionSize(kBalanceRowHeight);
  grdBalances->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grdBalances->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grdBalances->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grdBalances->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grdBalances->setSelectionMode(QAbstractItemView::NoSelection);
  grdBalances->setFocusPolicy(Qt::NoFocus);
  grdBalances->setShowGrid(false);
  grdBalances->setWordWrap(false);
  grdBalances->setFixedWidth(hdrBalances->width());
  const int designWidths[kBalanceColumns] = {153, 35, 49, 56, 59, 33};
  for (int c = 0; c < kBalanceColumns; ++c) grdBalances->setColumnWidth(c, designWidths[c]);
  acc->addWidget(grdBalances);
  acc->addStretch();
  row->addWidget(pnlAccruals);
  row->addSpacing(Scale(12));

  auto* pnlEmpData = new QWidget;
  pnlEmpData->setObjectName(QStringLiteral("pnlEmpData"));
  auto* day = new QVBoxLayout(pnlEmpData);
  day->setContentsMargins(0, 0, 0, 0);
  day->setSpacing(Scale(2));
  lblDayViewDate = new QLabel(QStringLiteral("Entries for"));
  lblDayViewDate->setObjectName(QStringLiteral("lblDayViewDate"));
  lstViewDay = new QListWidget;
  lstViewDay->setObjectName(QStringLiteral("lstViewDay"));
  lstViewDay->setSelectionMode(QAbstractItemView::SingleSelection);
  lstViewDay->setUniformItemSizes(true);
  lstViewDay->setIconSize(QSize(Scale(13), Scale(13)));
  day->addWidget(lblDayViewDate);
  day->addWidget(lstViewDay);
  day->addStretch();
  row->addWidget(pnlEmpData, 1);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TfrmMain::FormActivate() {
  ShowWeeks(Today());
  // No command may run before the data set exists.
  setEnabled(false);
  if (!Timer1->isActive()) Timer1->start();
  imgTrash->setPixmap(bmpTrashEmpty);
  SetHint(imgTrash,
          QStringLiteral("Delete Absence|Drag a Absence entry to the trash can to remove it"));
  imgTrash->setVisible(true);
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!closing_) ArrangeControls();
}

void TfrmMain::ArrangeControls() {
  statusBar()->setFixedHeight(Scale(20));
  FitBalanceColumns();
}

TDate TfrmMain::CellDate(int col, int row) const {
  TDate d = 0;
  const QTableWidgetItem* item = grdCalendar->item(row, col);
  if (item) ParseDate(item->text().left(10), App().DatePattern, d);
  return d;
}

void TfrmMain::ShowWeeks(TDate date) {
  const TDate start = date - DayOfWeek(date);
  const QLocale locale = QLocale::system();
  auto monthYear = [&](TDate d) {
    const QDate q = ToQDate(d);
    return locale.monthName(q.month(), QLocale::LongFormat) + u' ' + QString::number(q.year());
  };
  QString caption = monthYear(start);
  for (int row = 0; row < kCalendarRows; ++row)
    for (int col = 0; col < kCalendarColumns; ++col) {
      auto* item =
          new QTableWidgetItem(FormatDate(start + row * kCalendarColumns + col, App().DatePattern));
      item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
      grdCalendar->setItem(row, col, item);
    }
  grdCalendar->setCurrentCell(0, DayOfWeek(date));
  const TDate last = start + kCalendarRows * kCalendarColumns - 1;
  if (ToQDate(last).month() != ToQDate(start).month())
    caption += QStringLiteral(" - ") + monthYear(last);
  lblMonth->setText(caption);
  lblBalanceYear->setText(QString::number(ToQDate(CellDate(6, 2)).year()));
}

void TfrmMain::ClearPicks() {
  for (TBlockPickClass& p : picks_) p.Picked = false;
  MultiPick = false;
}

void TfrmMain::hdrBalancesSectionResize(int section, int, int newSize) {
  if (adjustingHeader_) return;
  adjustingHeader_ = true;
  grdBalances->setColumnWidth(section, std::max(0, newSize - (section == 0 ? 3 : 1)));
  FitBalanceColumns();
  adjustingHeader_ = false;
}

// The last section takes what the first four leave of the header; the grid's last visible
// column what they leave of the grid, less the scroll bar when it shows.
void TfrmMain::FitBalanceColumns() {
  const bool wasAdjusting = adjustingHeader_;
  adjustingHeader_ = true;
  int used = 0;
  for (int i = 0; i < 4; ++i) used += hdrBalances->SectionWidth(i);
  hdrBalances->SetSectionWidth(4, std::max(0, hdrBalances->width() - used));
  int columns = 0;
  for (int c = 0; c < 4; ++c) columns += grdBalances->columnWidth(c);
  int width = grdBalances->width() - columns - 8;
  if (grdBalances->rowCount() >= 5)
    width -= grdBalances->verticalScrollBar()->sizeHint().width() + 1;
  grdBalances->setColumnWidth(4, std::max(0, width));
  adjustingHeader_ = wasAdjusting;
}

}  // namespace absence::ui
