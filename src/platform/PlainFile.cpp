#include "platform/PlainFile.h"

#include "platform/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace stumpcraft {

namespace {
    std::string Reason(int code)
    {
        return code == 0 ? "the system gave no reason" : std::generic_category().message(code);
    }
} // namespace

FileHandle OpenPlainFile(const std::string& path, PlainAccess access)
{
    const bool write = access == PlainAccess::ReadWrite;
    // Without blocking: a pipe opens at once, and is then refused for what it is.
    const int flags = (write ? O_RDWR | O_CREAT : O_RDONLY) | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    const int fd = ::open(path.c_str(), flags, 0666);
    if (fd < 0) {
        const int code = errno;
        throw RuntimeError(
            !write && code == ENOENT ? errors::FileNotFound : errors::PathFileAccess, Reason(code));
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw RuntimeError(errors::PathFileAccess,
            S_ISDIR(info.st_mode) ? "a folder has that name" : "it is not a plain file");
    }
    // A plain file never blocks; reads and writes go on as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FileHandle file(::fdopen(fd, write ? "r+b" : "rb"));
    if (!file) {
        const int code = errno;
        ::close(fd);
        throw RuntimeError(errors::PathFileAccess, Reason(code));
    }
    return file;
}

std::string ReadPlainFile(const std::string& path, std::size_t maxBytes)
{
    FileHandle file = OpenPlainFile(path, PlainAccess::Read);
    std::string bytes;
    char chunk[8192];
    while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get())) {
        if (bytes.size() + got > maxBytes)
            throw RuntimeError(errors::PathFileAccess,
                "the file is larger than " + std::to_string(maxBytes) + " bytes");
        bytes.append(chunk, got);
    }
    if (std::ferror(file.get()))
        throw RuntimeError(errors::DeviceIO, Reason(errno));
    return bytes;
}

} // namespace stumpcraft
