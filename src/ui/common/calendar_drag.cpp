#include "ui/common/calendar_drag.h"

#include <QDataStream>
#include <QDrag>
#include <QIODevice>
#include <utility>

namespace absence::ui {
namespace {

TDragHook& Hook() {
  static TDragHook hook;
  return hook;
}

}  // namespace

QMimeData* ReasonMimeData(int32_t reasonID) {
  auto* mime = new QMimeData;
  QByteArray bytes;
  QDataStream(&bytes, QIODevice::WriteOnly) << qint32(reasonID);
  mime->setData(QString::fromLatin1(kReasonMimeType), bytes);
  return mime;
}

std::optional<int32_t> DraggedReason(const QMimeData* mime) {
  if (!mime || !mime->hasFormat(QString::fromLatin1(kReasonMimeType))) return std::nullopt;
  QDataStream in(mime->data(QString::fromLatin1(kReasonMimeType)));
  qint32 id = 0;
  in >> id;
  if (in.status() != QDataStream::Ok) return std::nullopt;
  return id;
}

QMimeData* EntryMimeData(const TDraggedEntry& entry) {
  auto* mime = new QMimeData;
  QByteArray bytes;
  QDataStream(&bytes, QIODevice::WriteOnly)
      << double(entry.Date) << qint32(entry.ReasonID) << qint8(Letter(entry.Kind));
  mime->setData(QString::fromLatin1(kEntryMimeType), bytes);
  return mime;
}

std::optional<TDraggedEntry> DraggedEntry(const QMimeData* mime) {
  if (!mime || !mime->hasFormat(QString::fromLatin1(kEntryMimeType))) return std::nullopt;
  QDataStream in(mime->data(QString::fromLatin1(kEntryMimeType)));
  double date = 0;
  qint32 reason = 0;
  qint8 kind = 0;
  in >> date >> reason >> kind;
  if (in.status() != QDataStream::Ok) return std::nullopt;
  if (kind != Letter(TEntryKind::Own) && kind != Letter(TEntryKind::Global)) return std::nullopt;
  return TDraggedEntry{date, reason, static_cast<TEntryKind>(kind)};
}

Qt::DropAction RunDrag(QDrag* drag) {
  if (Hook()) {
    const Qt::DropAction action = Hook()(*drag);
    drag->deleteLater();
    return action;
  }
  // The drag deletes itself when it ends.
  return drag->exec(Qt::CopyAction | Qt::MoveAction);
}

void SetDragHook(TDragHook hook) {
  Hook() = std::move(hook);
}

}  // namespace absence::ui
