#pragma once
// The About box: product, version, legal notice and where the data and settings live.
#include <QDialog>

namespace absence::ui {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

}  // namespace absence::ui
