#include "platform/message_box.h"

#include <cstdio>

namespace {

class CConsoleMessageBox final : public IMessageBox {
public:
    MessageBoxAnswer Show(const std::string& text, MessageBoxButtons buttons,
                          MessageBoxIcon) override
    {
        std::fprintf(stderr, "%s\n", text.c_str());
        switch (buttons) {
        case MessageBoxButtons::Ok:
            return MessageBoxAnswer::Ok;
        case MessageBoxButtons::YesNo:
            return MessageBoxAnswer::No;
        case MessageBoxButtons::YesNoCancel:
            break;
        }
        return MessageBoxAnswer::Cancel;
    }
};

CConsoleMessageBox g_consoleMessageBox;
IMessageBox* g_messageBox = nullptr;

}  // namespace

IMessageBox& GetMessageBox()
{
    return g_messageBox != nullptr ? *g_messageBox : g_consoleMessageBox;
}

void SetMessageBox(IMessageBox* messageBox)
{
    g_messageBox = messageBox;
}
