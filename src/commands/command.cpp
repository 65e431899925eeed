#include "commands/command.h"

#include <utility>

namespace {

std::string& CommandErrorMessage()
{
    static std::string message;
    return message;
}

}  // namespace

CCommand::~CCommand() = default;

bool CCommand::Execute()
{
    return false;
}

void CCommand::Undo() {}

void CCommand::Redo() {}

int CCommand::GetDataSize() const
{
    return 0;
}

std::string CCommand::GetTitle() const
{
    return "notitle";
}

int CCommand::GetSize(bool recompute)
{
    if (recompute) {
        m_cachedDataSize = GetDataSize();
    }
    return m_cachedDataSize;
}

const std::string& CCommand::GetCommandErrorMessage()
{
    return CommandErrorMessage();
}

void CCommand::SetCommandErrorMessage(std::string message)
{
    CommandErrorMessage() = std::move(message);
}

void CCommand::ClearCommandErrorMessage()
{
    CommandErrorMessage().clear();
}
