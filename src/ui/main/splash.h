#pragma once
// The window shown while the program starts: product name, version and legal notice, on top
// and centred until the data set is loaded.
#include <QWidget>

namespace absence::ui {

class TfrmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace absence::ui
