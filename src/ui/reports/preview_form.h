#pragma once
// The report preview: the generated pages on screen with zoom, page navigation and Print.
#include <QDialog>
#include <functional>

#include "reports/page_document.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace absence::ui {

class TPVPreviewForm : public QDialog {
  Q_OBJECT

 public:
  // `print` runs when "Print" is pressed (the report window's print with its copies rule).
  TPVPreviewForm(const reports::TDocument& doc, std::function<void()> print,
                 QWidget* parent = nullptr);

  const reports::TDocument& Document() const { return doc_; }
  int CurrentPage() const { return page_; }  // from 1
  int Zoom() const;                          // per cent; 100 is the page's real size on screen
  QString PageLabelText() const;
  void ShowPage(int page);
  void SetZoom(int percent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void btnZoomInClick();
  void btnZoomOutClick();
  void btnZoomPageWidthClick();
  void btnZoomWholePageClick();
  void Render();
  double ScreenDpi() const;

  const reports::TDocument& doc_;
  std::function<void()> print_;
  int page_ = 1;
  enum class TFit { None, PageWidth, WholePage } fit_ = TFit::None;
  QScrollArea* scrPage_ = nullptr;
  QLabel* imgPage_ = nullptr;
  QSpinBox* txtZoom_ = nullptr;
  QSpinBox* txtPage_ = nullptr;
  QLabel* lblPage_ = nullptr;
  QPushButton* btnFirst_ = nullptr;
  QPushButton* btnPrevious_ = nullptr;
  QPushButton* btnNext_ = nullptr;
  QPushButton* btnLast_ = nullptr;
};

}  // namespace absence::ui
