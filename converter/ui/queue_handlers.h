#pragma once

#include "engine/run_state.h"

class QAbstractButton;
class QWidget;

namespace corvanta {

class QueueListView;

// What Add reads and writes: the queue, the three buttons that work on its
// rows, enabled once it holds one, and the window that owns the dialog.
struct AddButtonView {
  QWidget& window;
  QueueListView& list;
  QAbstractButton& deleteButton;
  QAbstractButton& clearButton;
  QAbstractButton& convertButton;
};

// Clicks of the three buttons that change the conversion queue.
void OnAddButtonClick(const AddButtonView& view);
// Delete and Clear refuse while `state` says a run is converting or still
// finishing after a stop.
void OnDeleteButtonClick(QueueListView& list, const RunState& state);
void OnClearButtonClick(QueueListView& list, const RunState& state);

}  // namespace corvanta
