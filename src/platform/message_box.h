#pragma once

#include <string>

enum class MessageBoxButtons { Ok, YesNo, YesNoCancel };
enum class MessageBoxIcon { None, Question };
enum class MessageBoxAnswer { Ok, Yes, No, Cancel };

// Shows a modal message box and returns the button that closed it.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual MessageBoxAnswer Show(const std::string& text, MessageBoxButtons buttons,
                                  MessageBoxIcon icon) = 0;
};

// The program-wide message box. Until one is installed, boxes go to standard
// error and are answered as if the user pressed the last button (OK, No or
// Cancel), so a headless program never blocks and never agrees by accident.
IMessageBox& GetMessageBox();
void SetMessageBox(IMessageBox* messageBox);

inline MessageBoxAnswer ShowMessageBox(const std::string& text,
                                       MessageBoxButtons buttons = MessageBoxButtons::Ok,
                                       MessageBoxIcon icon = MessageBoxIcon::None)
{
    return GetMessageBox().Show(text, buttons, icon);
}
