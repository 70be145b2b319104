#pragma once
// What is dragged onto the calendar: a reason from the reason box, or one entry from a day.
// The drag carries typed values; tests can take over running a drag.
#include <QMimeData>
#include <cstdint>
#include <functional>
#include <optional>

#include "data/kinds.h"
#include "data/types.h"

class QDrag;

namespace absence::ui {

inline constexpr const char* kReasonMimeType = "application/x-absence-reason";
inline constexpr const char* kEntryMimeType = "application/x-absence-entry";

struct TDraggedEntry {
  TDate Date = 0;  // the day it is dragged from
  int32_t ReasonID = 0;
  TEntryKind Kind = TEntryKind::Own;
};

QMimeData* ReasonMimeData(int32_t reasonID);
std::optional<int32_t> DraggedReason(const QMimeData* mime);
QMimeData* EntryMimeData(const TDraggedEntry& entry);
std::optional<TDraggedEntry> DraggedEntry(const QMimeData* mime);

// Runs the drag (QDrag::exec), or hands it to the hook while one is set.
Qt::DropAction RunDrag(QDrag* drag);
using TDragHook = std::function<Qt::DropAction(QDrag&)>;
void SetDragHook(TDragHook hook);

}  // namespace absence::ui
