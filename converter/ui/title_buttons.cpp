#include "ui/title_buttons.h"

#include <cstdlib>

#include "text/messages.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace corvanta {

void OnCloseButtonClick() { std::exit(0); }

void OnMinimizeButtonClick(MainWindow& window) { window.showMinimized(); }

void OnHelpButtonClick(MainWindow& window) { ShowQuestionBox(WelcomeMessage(), &window); }

}  // namespace corvanta
