#pragma once

namespace corvanta {

class MainWindow;

// Clicks of the three buttons that change the conversion queue.
void OnAddButtonClick(MainWindow& window);
void OnDeleteButtonClick(MainWindow& window);
void OnClearButtonClick(MainWindow& window);

}  // namespace corvanta
