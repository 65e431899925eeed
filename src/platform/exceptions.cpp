#include "platform/exceptions.h"

#include <cerrno>

#include "platform/message_box.h"

void CException::ReportError() const
{
    ShowMessageBox(GetErrorMessage(), MessageBoxButtons::Ok);
}

const char* CException::what() const noexcept
{
    try {
        m_whatCache = GetErrorMessage();
    } catch (...) {
        return "CException";
    }
    return m_whatCache.c_str();
}

CFileException::CFileException(Cause cause, std::filesystem::path path, int osError)
    : m_cause(cause), m_path(std::move(path)), m_osError(osError)
{
}

CFileException::Cause CFileException::CauseFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Cause::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return Cause::AccessDenied;
    case EWOULDBLOCK:
        return Cause::SharingViolation;
    case ENOSPC:
    case EDQUOT:
        return Cause::DiskFull;
    case EIO:
        return Cause::HardIO;
    default:
        return Cause::Generic;
    }
}

std::string CFileException::GetErrorMessage() const
{
    const std::string name = m_path.empty() ? std::string("ファイル") : m_path.string();
    switch (m_cause) {
    case Cause::FileNotFound:
        return name + " が見つかりません。";
    case Cause::AccessDenied:
        return name + " にアクセスできません。";
    case Cause::SharingViolation:
        return name + " は他のプログラムが使用中です。";
    case Cause::EndOfFile:
        return name + " の終わりを越えて読み込もうとしました。";
    case Cause::DiskFull:
        return "ディスクがいっぱいです。\n" + name + " に書き込めません。";
    case Cause::BadSeek:
        return name + " の位置の設定中にエラーが発生しました。";
    case Cause::HardIO:
        return name + " の入出力中にハードウェアエラーが発生しました。";
    case Cause::Generic:
        break;
    }
    return name + " へのアクセス中にエラーが発生しました。";
}

std::string CMemoryException::GetErrorMessage() const
{
    return "メモリが不足しています。";
}
