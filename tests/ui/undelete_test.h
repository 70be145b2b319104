#pragma once
#include <QObject>
#include <memory>

#include "dialog_support.h"

namespace absence::ui::test {

class UnDeleteTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void eachModeListsAndRestoresItsTrash_data();
  void eachModeListsAndRestoresItsTrash();
  void severalEntriesRestoredOnceAndMerged();
  void cancelRestoresNothing();
  void listFollowsChangesMadeWhileOpen();

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
};

}  // namespace absence::ui::test
