#pragma once
// The help window: contents, keyword search and the page of the chosen topic.
#include <QDialog>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

namespace absence::ui {

struct THelpTopic;

class TfrmHelp : public QDialog {
  Q_OBJECT
 public:
  // The one help window of the process, created on first use.
  static TfrmHelp* Instance();

  void ShowTopic(const THelpTopic* topic);
  // Opens the search page with `keyword` filled in and its results listed.
  void ShowSearch(const QString& keyword);
  // Shows the window, modally (returns when it closes) or not.
  void Present(bool modal);

  const THelpTopic* CurrentTopic() const { return current_; }
  QTextBrowser* Browser() const { return txtPage; }
  QListWidget* SearchResults() const { return lstResults; }

 private:
  explicit TfrmHelp(QWidget* parent = nullptr);
  void txtSearchChanged(const QString& text);
  void lstResultsActivated();
  void lstContentsActivated();
  void txtPageSourceChanged(const QUrl& url);

  QTabWidget* nbTabs = nullptr;
  QListWidget* lstContents = nullptr;
  QLineEdit* txtSearch = nullptr;
  QListWidget* lstResults = nullptr;
  QTextBrowser* txtPage = nullptr;
  const THelpTopic* current_ = nullptr;
};

}  // namespace absence::ui
