#pragma once

#include <exception>
#include <filesystem>
#include <string>

// The exceptions that file and memory failures raise. They are caught at the
// command, file-operation or dialog boundary; each knows the text that tells
// the user what went wrong.
class CException : public std::exception {
public:
    // The user-facing description, in the program's language.
    virtual std::string GetErrorMessage() const = 0;

    // Shows GetErrorMessage() in an OK message box.
    void ReportError() const;

    const char* what() const noexcept override;

private:
    mutable std::string m_whatCache;
};

class CFileException : public CException {
public:
    enum class Cause {
        Generic,
        FileNotFound,
        AccessDenied,
        SharingViolation,
        EndOfFile,      // an exact read came up short
        DiskFull,
        BadSeek,
        HardIO,
    };

    CFileException(Cause cause, std::filesystem::path path = {}, int osError = 0);

    Cause GetCause() const { return m_cause; }
    const std::filesystem::path& GetPath() const { return m_path; }
    int GetOsError() const { return m_osError; }
    std::string GetErrorMessage() const override;

    // Maps an errno value to the closest cause.
    static Cause CauseFromErrno(int error);

private:
    Cause m_cause;
    std::filesystem::path m_path;
    int m_osError;
};

class CMemoryException : public CException {
public:
    std::string GetErrorMessage() const override;
};

// Raised by a reader that meets data it must not use (a length that does not
// fit, a field outside its range). The message names the problem.
class CDataFormatException : public CException {
public:
    explicit CDataFormatException(std::string message) : m_message(std::move(message)) {}
    std::string GetErrorMessage() const override { return m_message; }

private:
    std::string m_message;
};
