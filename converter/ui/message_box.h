#pragma once

#include "text/messages.h"

class QWidget;

namespace corvanta {

// Shows `message` in a box with the question icon and one OK button that
// blocks every window of the program until it is closed. The box belongs to
// `owner` when one is given. The texts are shown as plain text, exactly as
// they are.
void ShowQuestionBox(const MessageText& message, QWidget* owner = nullptr);

}  // namespace corvanta
