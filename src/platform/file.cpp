#include "platform/file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>
#include <string>

#include "platform/exceptions.h"

namespace {

std::filesystem::path MakeTemporaryPath(const std::filesystem::path& target)
{
    static std::mt19937 generator{std::random_device{}()};
    std::filesystem::path temporary = target;
    temporary += ".tmp" + std::to_string(generator() % 1000000u);
    return temporary;
}

// The permissions a new file gets, or those of the file it replaces.
mode_t PermissionsFor(const std::filesystem::path& target)
{
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        return info.st_mode & 07777;
    }
    return 0666;
}

}  // namespace

CFile::~CFile()
{
    CFile::Close();
}

bool CFile::Open(const std::filesystem::path& path, OpenMode mode, int* osError)
{
    Close();
    int fd = -1;
    if (mode == OpenMode::Read) {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            fd = -1;
        }
    } else {
        // Refuse early when the target itself may not be replaced.
        if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
            if (osError != nullptr) {
                *osError = EACCES;
            }
            return false;
        }
        for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
            m_temporaryPath = MakeTemporaryPath(path);
            fd = ::open(m_temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                        PermissionsFor(path));
            if (fd < 0 && errno != EEXIST) {
                break;
            }
        }
    }
    if (fd < 0) {
        if (osError != nullptr) {
            *osError = errno;
        }
        m_temporaryPath.clear();
        return false;
    }
    m_fd = fd;
    m_mode = mode;
    m_path = path;
    return true;
}

void CFile::ThrowErrno(int error) const
{
    throw CFileException(CFileException::CauseFromErrno(error), m_path, error);
}

size_t CFile::Read(void* buffer, size_t count)
{
    auto* out = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(m_fd, out + done, count - done);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(errno);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<size_t>(got);
    }
    return done;
}

void CFile::Write(const void* data, size_t count)
{
    const auto* in = static_cast<const uint8_t*>(data);
    size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(m_fd, in + done, count - done);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowErrno(errno);
        }
        done += static_cast<size_t>(put);
    }
}

uint64_t CFile::Seek(int64_t offset, SeekOrigin origin)
{
    const int whence = origin == SeekOrigin::Begin     ? SEEK_SET
                       : origin == SeekOrigin::Current ? SEEK_CUR
                                                       : SEEK_END;
    const off_t result = ::lseek(m_fd, offset, whence);
    if (result < 0) {
        throw CFileException(CFileException::Cause::BadSeek, m_path, errno);
    }
    return static_cast<uint64_t>(result);
}

uint64_t CFile::GetPosition() const
{
    const off_t result = ::lseek(m_fd, 0, SEEK_CUR);
    if (result < 0) {
        throw CFileException(CFileException::Cause::BadSeek, m_path, errno);
    }
    return static_cast<uint64_t>(result);
}

uint64_t CFile::GetLength() const
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0) {
        ThrowErrno(errno);
    }
    return static_cast<uint64_t>(info.st_size);
}

void CFile::Commit()
{
    if (m_mode != OpenMode::Write || m_fd < 0) {
        return;
    }
    if (::fsync(m_fd) != 0) {
        ThrowErrno(errno);
    }
    if (::close(m_fd) != 0) {
        m_fd = -1;
        ThrowErrno(errno);
    }
    m_fd = -1;
    if (::rename(m_temporaryPath.c_str(), m_path.c_str()) != 0) {
        ThrowErrno(errno);
    }
    m_temporaryPath.clear();
    // Make the rename itself durable.
    const int directory = ::open(m_path.parent_path().empty() ? "." : m_path.parent_path().c_str(),
                                 O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory >= 0) {
        ::fsync(directory);
        ::close(directory);
    }
}

uint64_t CFile::ResolveSeekTarget(int64_t offset, SeekOrigin origin, uint64_t position, uint64_t length)
{
    const int64_t base = origin == SeekOrigin::Begin     ? 0
                         : origin == SeekOrigin::Current ? static_cast<int64_t>(position)
                                                         : static_cast<int64_t>(length);
    const int64_t target = base + offset;
    if (target < 0) {
        throw CFileException(CFileException::Cause::BadSeek);
    }
    return static_cast<uint64_t>(target);
}

void CFile::Close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
        m_temporaryPath.clear();
    }
}

CMemFile::CMemFile(size_t growBytes) : m_growBytes(std::max<size_t>(growBytes, 1)) {}

CMemFile::CMemFile(std::span<uint8_t> block)
    : m_growBytes(0), m_attached(block), m_isAttached(true), m_length(block.size())
{
}

uint8_t* CMemFile::Data()
{
    return m_isAttached ? m_attached.data() : m_owned.data();
}

const uint8_t* CMemFile::Data() const
{
    return m_isAttached ? m_attached.data() : m_owned.data();
}

void CMemFile::Reserve(uint64_t size)
{
    if (m_isAttached) {
        if (size > m_attached.size()) {
            throw CFileException(CFileException::Cause::DiskFull);
        }
        return;
    }
    try {
        if (size > m_owned.capacity()) {
            // Grow by whole steps, and at least double, so long streams of
            // small writes stay linear.
            const uint64_t stepped = (size + m_growBytes - 1) / m_growBytes * m_growBytes;
            m_owned.reserve(std::max<uint64_t>(stepped, 2 * m_owned.capacity()));
        }
        if (size > m_owned.size()) {
            m_owned.resize(size);
        }
    } catch (const std::bad_alloc&) {
        throw CMemoryException();
    } catch (const std::length_error&) {
        throw CMemoryException();
    }
}

size_t CMemFile::Read(void* buffer, size_t count)
{
    // An empty read may come with no buffer at all.
    if (count == 0 || m_position >= m_length) {
        return 0;
    }
    const size_t available = static_cast<size_t>(std::min<uint64_t>(count, m_length - m_position));
    std::memcpy(buffer, Data() + m_position, available);
    m_position += available;
    return available;
}

void CMemFile::Write(const void* data, size_t count)
{
    if (count == 0) {
        return;
    }
    const uint64_t end = m_position + count;
    Reserve(end);  // a gap left by a seek past the end reads as zeros, as on disk
    std::memcpy(Data() + m_position, data, count);
    m_position = end;
    m_length = std::max(m_length, end);
}

uint64_t CMemFile::Seek(int64_t offset, SeekOrigin origin)
{
    m_position = ResolveSeekTarget(offset, origin, m_position, m_length);
    return m_position;
}

std::vector<uint8_t> CMemFile::Detach()
{
    std::vector<uint8_t> result;
    if (!m_isAttached) {
        result.swap(m_owned);
    }
    m_length = 0;
    m_position = 0;
    return result;
}
