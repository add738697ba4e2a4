#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quorvel {

// Finds and starts the platform's system-information tool, or tells the user that it cannot.
void startSystemInformation(QWidget* parent);

// A modal message with an OK button only and no icon, captioned with the program's title.
using MessageFunction = std::function<void(QWidget* parent, const QString& text)>;

// Replaces the function that shows messages (tests watch it this way); an empty function puts
// the standard message box back. Returns the function it replaced.
MessageFunction setMessageFunction(MessageFunction function);

void showMessage(QWidget* parent, const QString& text);

}  // namespace quorvel
