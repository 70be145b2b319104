#pragma once
// The program's help: pages compiled into the program, addressed by context number or topic
// name, shown in the help viewer.
#include <QString>
#include <QStringList>
#include <vector>

namespace absence::ui {

struct THelpTopic {
  int Context = 0;
  QString Name;   // "Main_Screen"
  QString Title;  // "The main window"
  QString Page;   // resource path of the HTML page
  QStringList Keywords;
};

inline constexpr int kHelpContentsContext = 1;
inline constexpr int kHelpOnHelpContext = 2;

// Every topic, in the order of the contents.
const std::vector<THelpTopic>& HelpTopics();
const THelpTopic* FindHelpTopic(int context);
const THelpTopic* FindHelpTopic(const QString& name);
// Topics whose keywords, title or text contain every word of `query` (case-insensitive).
std::vector<const THelpTopic*> SearchHelp(const QString& query);

// A modal help window is used when a modal window is open (it would be blocked otherwise).
void ShowHelpContext(int context, bool modal = false);
void ShowHelpTopic(const QString& name, bool modal = false);
void ShowHelpContents();
void ShowHelpSearch(const QString& keyword);

}  // namespace absence::ui
