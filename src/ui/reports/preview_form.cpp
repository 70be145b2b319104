// The report preview window.
#include "ui/reports/preview_form.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "render/report_paint.h"

namespace absence::ui {
namespace {

constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 400;
constexpr int kZoomStep = 25;

QPushButton* Button(const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(QString(caption).remove(' ').prepend("btn"));
  b->setAutoDefault(false);
  return b;
}

// The width of the page label at its widest: every page number written with the widest digit.
int WidestPageLabel(const QFontMetrics& metrics, int pages) {
  const int digits = static_cast<int>(QString::number(pages).size());
  int widest = 0;
  for (char d = '0'; d <= '9'; ++d) {
    const QString number(digits, QLatin1Char(d));
    widest = std::max(
        widest, metrics.horizontalAdvance(TPVPreviewForm::tr("Page %1 of %2").arg(number, number)));
  }
  return widest + metrics.averageCharWidth();
}

}  // namespace

TPVPreviewForm::TPVPreviewForm(const reports::TDocument& doc, std::function<void()> print,
                               QWidget* parent)
    : QDialog(parent), doc_(doc), print_(std::move(print)) {
  setWindowTitle(tr("Report Preview"));
  auto* bar = new QHBoxLayout;
  QPushButton* zoomIn = Button(tr("Zoom In"), this);
  QPushButton* zoomOut = Button(tr("Zoom Out"), this);
  QPushButton* pageWidth = Button(tr("Zoom Page Width"), this);
  QPushButton* wholePage = Button(tr("Zoom Whole Page"), this);
  txtZoom_ = new QSpinBox(this);
  txtZoom_->setObjectName(QStringLiteral("txtZoom"));
  txtZoom_->setRange(kMinZoom, kMaxZoom);
  txtZoom_->setSuffix(QStringLiteral("%"));
  txtZoom_->setValue(100);
  btnFirst_ = Button(tr("First Page"), this);
  btnPrevious_ = Button(tr("Previous Page"), this);
  btnNext_ = Button(tr("Next Page"), this);
  btnLast_ = Button(tr("Last Page"), this);
  txtPage_ = new QSpinBox(this);
  txtPage_->setObjectName(QStringLiteral("txtPage"));
  const int pages = std::max<int>(1, static_cast<int>(doc_.Pages.size()));
  txtPage_->setRange(1, pages);
  lblPage_ = new QLabel(this);
  lblPage_->setObjectName(QStringLiteral("lblPage"));
  // As wide as the widest label of this report, so paging never moves the buttons after it.
  lblPage_->setAlignment(Qt::AlignCenter);
  lblPage_->setFixedWidth(WidestPageLabel(lblPage_->fontMetrics(), pages));
  QPushButton* printButton = Button(tr("Print"), this);
  QPushButton* done = Button(tr("Done"), this);
  for (QWidget* w : std::initializer_list<QWidget*>{zoomIn, zoomOut, pageWidth, wholePage, txtZoom_,
                                                    btnFirst_, btnPrevious_, btnNext_, btnLast_,
                                                    txtPage_, lblPage_, printButton, done})
    bar->addWidget(w);
  bar->addStretch();
  imgPage_ = new QLabel;
  imgPage_->setObjectName(QStringLiteral("imgPage"));
  scrPage_ = new QScrollArea(this);
  scrPage_->setObjectName(QStringLiteral("scrPage"));
  scrPage_->setWidget(imgPage_);
  scrPage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  scrPage_->setBackgroundRole(QPalette::Dark);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(scrPage_, 1);

  connect(zoomIn, &QPushButton::clicked, this, &TPVPreviewForm::btnZoomInClick);
  connect(zoomOut, &QPushButton::clicked, this, &TPVPreviewForm::btnZoomOutClick);
  connect(pageWidth, &QPushButton::clicked, this, &TPVPreviewForm::btnZoomPageWidthClick);
  connect(wholePage, &QPushButton::clicked, this, &TPVPreviewForm::btnZoomWholePageClick);
  connect(txtZoom_, &QSpinBox::valueChanged, this, [this] { Render(); });
  connect(btnFirst_, &QPushButton::clicked, this, [this] { ShowPage(1); });
  connect(btnPrevious_, &QPushButton::clicked, this, [this] { ShowPage(page_ - 1); });
  connect(btnNext_, &QPushButton::clicked, this, [this] { ShowPage(page_ + 1); });
  connect(btnLast_, &QPushButton::clicked, this,
          [this] { ShowPage(static_cast<int>(doc_.Pages.size())); });
  connect(txtPage_, &QSpinBox::valueChanged, this, [this](int p) { ShowPage(p); });
  connect(printButton, &QPushButton::clicked, this, [this] {
    if (print_) print_();
  });
  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  ShowPage(1);
}

int TPVPreviewForm::Zoom() const {
  return txtZoom_->value();
}

QString TPVPreviewForm::PageLabelText() const {
  return lblPage_->text();
}

void TPVPreviewForm::SetZoom(int percent) {
  fit_ = TFit::None;
  txtZoom_->setValue(std::clamp(percent, kMinZoom, kMaxZoom));
}

void TPVPreviewForm::ShowPage(int page) {
  const int pages = std::max<int>(1, static_cast<int>(doc_.Pages.size()));
  page_ = std::clamp(page, 1, pages);
  lblPage_->setText(tr("Page %1 of %2").arg(page_).arg(pages));
  const QSignalBlocker block(txtPage_);
  txtPage_->setValue(page_);
  btnFirst_->setEnabled(page_ > 1);
  btnPrevious_->setEnabled(page_ > 1);
  btnNext_->setEnabled(page_ < pages);
  btnLast_->setEnabled(page_ < pages);
  Render();
  scrPage_->verticalScrollBar()->setValue(0);
}

void TPVPreviewForm::btnZoomInClick() {
  SetZoom(Zoom() + kZoomStep);
}

void TPVPreviewForm::btnZoomOutClick() {
  SetZoom(Zoom() - kZoomStep);
}

void TPVPreviewForm::btnZoomPageWidthClick() {
  const double available = scrPage_->viewport()->width() - 8;
  SetZoom(static_cast<int>(100 * available / (doc_.PageWidth * ScreenDpi())));
  fit_ = TFit::PageWidth;
}

void TPVPreviewForm::btnZoomWholePageClick() {
  const double w = (scrPage_->viewport()->width() - 8) / (doc_.PageWidth * ScreenDpi());
  const double h = (scrPage_->viewport()->height() - 8) / (doc_.PageHeight * ScreenDpi());
  SetZoom(static_cast<int>(100 * std::min(w, h)));
  fit_ = TFit::WholePage;
}

double TPVPreviewForm::ScreenDpi() const {
  return logicalDpiX();
}

void TPVPreviewForm::Render() {
  const double dpi = ScreenDpi() * Zoom() / 100.0;
  QImage image(static_cast<int>(std::lround(doc_.PageWidth * dpi)),
               static_cast<int>(std::lround(doc_.PageHeight * dpi)), QImage::Format_RGB32);
  image.fill(Qt::white);
  if (!doc_.Pages.empty()) {
    QPainter painter(&image);
    render::TReportPagePainter(painter, dpi).Paint(doc_.Pages[static_cast<std::size_t>(page_ - 1)]);
  }
  imgPage_->setPixmap(QPixmap::fromImage(image));
  imgPage_->resize(image.size());
}

void TPVPreviewForm::keyPressEvent(QKeyEvent* event) {
  QScrollBar* v = scrPage_->verticalScrollBar();
  QScrollBar* h = scrPage_->horizontalScrollBar();
  switch (event->key()) {
    case Qt::Key_PageUp:
      v->setValue(v->value() - v->pageStep());
      return;
    case Qt::Key_PageDown:
      v->setValue(v->value() + v->pageStep());
      return;
    case Qt::Key_Home:
      v->setValue(v->minimum());
      return;
    case Qt::Key_End:
      v->setValue(v->maximum());
      return;
    case Qt::Key_Up:
      v->setValue(v->value() - v->singleStep());
      return;
    case Qt::Key_Down:
      v->setValue(v->value() + v->singleStep());
      return;
    case Qt::Key_Left:
      h->setValue(h->value() - h->singleStep());
      return;
    case Qt::Key_Right:
      h->setValue(h->value() + h->singleStep());
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void TPVPreviewForm::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (fit_ == TFit::PageWidth) btnZoomPageWidthClick();
  if (fit_ == TFit::WholePage) btnZoomWholePageClick();
}

}  // namespace absence::ui
