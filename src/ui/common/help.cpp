#include "ui/common/help.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QTextDocumentFragment>

#include "ui/common/help_viewer.h"

namespace absence::ui {
namespace {

// The index: one topic a line, "context<TAB>name<TAB>title<TAB>page<TAB>keyword;keyword".
std::vector<THelpTopic> LoadTopics() {
  std::vector<THelpTopic> topics;
  QFile file(QStringLiteral(":/help/index.txt"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return topics;
  const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
  for (const QString& line : lines) {
    if (line.trimmed().isEmpty() || line.startsWith(u'#')) continue;
    const QStringList f = line.split(u'\t');
    if (f.size() < 4) continue;
    THelpTopic t{f[0].toInt(), f[1], f[2], QStringLiteral(":/help/") + f[3], {}};
    if (f.size() > 4) t.Keywords = f[4].split(u';', Qt::SkipEmptyParts);
    topics.push_back(t);
  }
  return topics;
}

QString PlainText(const THelpTopic& t) {
  static QHash<QString, QString> cache;
  auto it = cache.find(t.Page);
  if (it != cache.end()) return *it;
  QFile file(t.Page);
  QString text;
  if (file.open(QIODevice::ReadOnly))
    text = QTextDocumentFragment::fromHtml(QString::fromUtf8(file.readAll())).toPlainText();
  cache.insert(t.Page, text);
  return text;
}

void Show(const THelpTopic* topic, bool modal) {
  TfrmHelp* viewer = TfrmHelp::Instance();
  viewer->ShowTopic(topic ? topic : FindHelpTopic(kHelpContentsContext));
  viewer->Present(modal || QApplication::activeModalWidget() != nullptr);
}

}  // namespace

const std::vector<THelpTopic>& HelpTopics() {
  static const std::vector<THelpTopic> topics = LoadTopics();
  return topics;
}

const THelpTopic* FindHelpTopic(int context) {
  for (const THelpTopic& t : HelpTopics())
    if (t.Context == context) return &t;
  return nullptr;
}

const THelpTopic* FindHelpTopic(const QString& name) {
  for (const THelpTopic& t : HelpTopics())
    if (t.Name.compare(name, Qt::CaseInsensitive) == 0) return &t;
  return nullptr;
}

std::vector<const THelpTopic*> SearchHelp(const QString& query) {
  const QStringList words = query.simplified().split(u' ', Qt::SkipEmptyParts);
  std::vector<const THelpTopic*> found;
  for (const THelpTopic& t : HelpTopics()) {
    // The contents page names every topic; it would match every search.
    if (t.Context == kHelpContentsContext) continue;
    const QString haystack = t.Title + u' ' + t.Keywords.join(u' ') + u' ' + PlainText(t);
    bool all = true;
    for (const QString& w : words) all = all && haystack.contains(w, Qt::CaseInsensitive);
    if (all) found.push_back(&t);
  }
  return found;
}

void ShowHelpContext(int context, bool modal) {
  Show(FindHelpTopic(context), modal);
}

void ShowHelpTopic(const QString& name, bool modal) {
  Show(FindHelpTopic(name), modal);
}

void ShowHelpContents() {
  Show(FindHelpTopic(kHelpContentsContext), false);
}

void ShowHelpSearch(const QString& keyword) {
  TfrmHelp* viewer = TfrmHelp::Instance();
  viewer->ShowSearch(keyword);
  viewer->Present(QApplication::activeModalWidget() != nullptr);
}

}  // namespace absence::ui
