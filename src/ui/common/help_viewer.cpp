#include "ui/common/help_viewer.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/common/help.h"
#include "ui/common/scale.h"

namespace absence::ui {
namespace {

constexpr int kTopicRole = Qt::UserRole + 1;

void FillTopicList(QListWidget* list, const std::vector<const THelpTopic*>& topics) {
  list->clear();
  for (const THelpTopic* t : topics) {
    auto* item = new QListWidgetItem(t->Title, list);
    item->setData(kTopicRole, t->Name);
  }
}

}  // namespace

TfrmHelp* TfrmHelp::Instance() {
  static QPointer<TfrmHelp> instance;
  if (!instance) {
    instance = new TfrmHelp();
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, instance, [] { delete instance; });
  }
  return instance;
}

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(tr("Absence Help"));
  setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_DeleteOnClose, false);

  nbTabs = new QTabWidget;
  lstContents = new QListWidget;
  lstContents->setObjectName(QStringLiteral("lstContents"));
  std::vector<const THelpTopic*> all;
  for (const THelpTopic& t : HelpTopics()) all.push_back(&t);
  FillTopicList(lstContents, all);
  nbTabs->addTab(lstContents, tr("&Contents"));

  auto* searchPage = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchPage);
  searchLayout->addWidget(new QLabel(tr("Type the word(s) to find:")));
  txtSearch = new QLineEdit;
  txtSearch->setObjectName(QStringLiteral("txtSearch"));
  txtSearch->setClearButtonEnabled(true);
  searchLayout->addWidget(txtSearch);
  lstResults = new QListWidget;
  lstResults->setObjectName(QStringLiteral("lstResults"));
  searchLayout->addWidget(lstResults);
  nbTabs->addTab(searchPage, tr("&Search"));

  txtPage = new QTextBrowser;
  txtPage->setObjectName(QStringLiteral("txtPage"));
  txtPage->setOpenExternalLinks(true);

  auto* btnBack = new QPushButton(tr("&Back"));
  auto* btnContents = new QPushButton(tr("C&ontents"));
  auto* btnClose = new QPushButton(tr("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnBack);
  buttons->addWidget(btnContents);
  buttons->addStretch();
  buttons->addWidget(btnClose);

  auto* splitter = new QSplitter;
  splitter->addWidget(nbTabs);
  splitter->addWidget(txtPage);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({Scale(200), Scale(480)});

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter);
  layout->addLayout(buttons);
  resize(Scale(720), Scale(520));

  connect(txtSearch, &QLineEdit::textChanged, this, &TfrmHelp::txtSearchChanged);
  connect(lstResults, &QListWidget::itemActivated, this, &TfrmHelp::lstResultsActivated);
  connect(lstResults, &QListWidget::itemClicked, this, &TfrmHelp::lstResultsActivated);
  connect(lstContents, &QListWidget::itemActivated, this, &TfrmHelp::lstContentsActivated);
  connect(lstContents, &QListWidget::itemClicked, this, &TfrmHelp::lstContentsActivated);
  connect(txtPage, &QTextBrowser::sourceChanged, this, &TfrmHelp::txtPageSourceChanged);
  connect(btnBack, &QPushButton::clicked, txtPage, &QTextBrowser::backward);
  connect(txtPage, &QTextBrowser::backwardAvailable, btnBack, &QPushButton::setEnabled);
  connect(btnContents, &QPushButton::clicked, this,
          [this] { ShowTopic(FindHelpTopic(kHelpContentsContext)); });
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
  btnBack->setEnabled(false);
}

void TfrmHelp::ShowTopic(const THelpTopic* topic) {
  if (!topic) return;
  nbTabs->setCurrentIndex(0);
  txtPage->setSource(QUrl(QStringLiteral("qrc") + topic->Page));
}

void TfrmHelp::ShowSearch(const QString& keyword) {
  nbTabs->setCurrentIndex(1);
  txtSearch->setText(keyword);
  txtSearchChanged(keyword);
  txtSearch->setFocus();
}

void TfrmHelp::Present(bool modal) {
  if (modal) {
    if (isVisible()) hide();
    exec();
    return;
  }
  setWindowModality(Qt::NonModal);
  show();
  raise();
  activateWindow();
}

void TfrmHelp::txtSearchChanged(const QString& text) {
  if (text.trimmed().isEmpty()) {
    lstResults->clear();
    return;
  }
  FillTopicList(lstResults, SearchHelp(text));
}

void TfrmHelp::lstResultsActivated() {
  if (QListWidgetItem* item = lstResults->currentItem())
    txtPage->setSource(
        QUrl(QStringLiteral("qrc") + FindHelpTopic(item->data(kTopicRole).toString())->Page));
}

void TfrmHelp::lstContentsActivated() {
  if (QListWidgetItem* item = lstContents->currentItem())
    ShowTopic(FindHelpTopic(item->data(kTopicRole).toString()));
}

void TfrmHelp::txtPageSourceChanged(const QUrl& url) {
  current_ = nullptr;
  for (const THelpTopic& t : HelpTopics())
    if (QStringLiteral("qrc") + t.Page == url.toString()) current_ = &t;
  if (current_) {
    setWindowTitle(tr("Absence Help - ") + current_->Title);
    for (int i = 0; i < lstContents->count(); ++i)
      if (lstContents->item(i)->data(kTopicRole).toString() == current_->Name)
        lstContents->setCurrentRow(i);
  }
}

}  // namespace absence::ui
