#include "ui/title_buttons.h"

#include <cstdlib>

#include <QWidget>

#include "platform/output_handover.h"
#include "text/messages.h"
#include "ui/message_box.h"

namespace corvanta {

// A running encoder is left to finish by itself.
void OnCloseButtonClick() {
  HandOverOutputsBeingRead();
  std::exit(0);
}

void OnMinimizeButtonClick(QWidget& window) { window.showMinimized(); }

void OnHelpButtonClick(QWidget& window) { ShowQuestionBox(WelcomeMessage(), &window); }

}  // namespace corvanta
