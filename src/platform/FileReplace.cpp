#include "platform/FileReplace.h"

#include "platform/Errors.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace stumpcraft {

namespace fs = std::filesystem;

namespace {

    long NumberFor(int code)
    {
        switch (code) {
        case ENOSPC:
        case EDQUOT:
            return errors::DiskFull;
        case EACCES:
        case EPERM:
        case EROFS:
        case ENOENT:
        case ENOTDIR:
        case EISDIR:
            return errors::PathFileAccess;
        default:
            return errors::DeviceIO;
        }
    }

    std::string Reason(int code)
    {
        if (code == ENOSPC || code == EDQUOT)
            return "the disk is full";
        return code == 0 ? "the system gave no reason" : std::generic_category().message(code);
    }

    [[noreturn]] void Fail(int code) { throw RuntimeError(NumberFor(code), Reason(code)); }

    // The file a name finally stands for, following links (a link to a missing file names the
    // file it would create).
    fs::path Target(const fs::path& path)
    {
        fs::path at = path;
        std::error_code ec;
        for (int hops = 0; hops < 40 && fs::is_symlink(at, ec); ++hops) {
            const fs::path to = fs::read_symlink(at, ec);
            if (ec)
                break;
            at = to.is_absolute() ? to : at.parent_path() / to;
        }
        return at;
    }

    // The permissions a new file gets from open(): 0666 less the process's umask.
    mode_t NewFileMode()
    {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }

    // The temporary file: closed and removed unless it has been renamed into place.
    class TempFile {
    public:
        explicit TempFile(const fs::path& folder, const std::string& name)
            : path_((folder / ("." + name + ".XXXXXX")).string())
        {
            fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
            if (fd_ < 0) {
                const int code = errno;
                if (NumberFor(code) == errors::PathFileAccess)
                    throw RuntimeError(errors::PathFileAccess,
                        "the folder " + folder.string() + " cannot be written (" + Reason(code)
                            + ")");
                Fail(code);
            }
        }
        ~TempFile()
        {
            if (fd_ >= 0)
                ::close(fd_);
            if (!kept_)
                ::unlink(path_.c_str());
        }
        TempFile(const TempFile&) = delete;
        TempFile& operator=(const TempFile&) = delete;

        int Fd() const { return fd_; }
        void Write(const std::uint8_t* data, std::size_t size)
        {
            while (size > 0) {
                const ssize_t put = ::write(fd_, data, size);
                if (put < 0 && errno == EINTR)
                    continue;
                if (put <= 0)
                    Fail(put < 0 ? errno : ENOSPC);
                data += put;
                size -= static_cast<std::size_t>(put);
            }
        }
        // Puts the whole file on the disk and then in place of `target`.
        void RenameTo(const fs::path& target)
        {
            if (::fsync(fd_) != 0)
                Fail(errno);
            const int fd = fd_;
            fd_ = -1;
            if (::close(fd) != 0)
                Fail(errno);
            if (::rename(path_.c_str(), target.c_str()) != 0)
                Fail(errno);
            kept_ = true;
        }

    private:
        std::string path_;
        int fd_ = -1;
        bool kept_ = false;
    };

    // Carries over what the old file holds beyond its first `from` bytes.
    void CopyTail(const fs::path& old, off_t from, TempFile& temp)
    {
        const int fd = ::open(old.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            Fail(errno);
        struct Closer {
            int fd;
            ~Closer() { ::close(fd); }
        } closer { fd };
        if (::lseek(fd, from, SEEK_SET) < 0)
            Fail(errno);
        std::uint8_t chunk[8192];
        for (;;) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                Fail(errno);
            if (got == 0)
                return;
            temp.Write(chunk, static_cast<std::size_t>(got));
        }
    }

    // Whether the old file may be replaced: it must be a plain file that its owner has not
    // made read-only (checked by its mode too, since the system lets an administrator write
    // anything).
    void CheckWritable(const fs::path& target, const struct stat& info)
    {
        if (S_ISDIR(info.st_mode))
            throw RuntimeError(errors::PathFileAccess, "a folder has that name");
        if (!S_ISREG(info.st_mode))
            throw RuntimeError(errors::PathFileAccess, "it is not a plain file");
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0
            || ::access(target.c_str(), W_OK) != 0)
            throw RuntimeError(errors::PathFileAccess, "the file is read-only");
    }

} // namespace

void ReplaceFileStart(const std::string& path, std::span<const std::uint8_t> head)
{
    const fs::path target = Target(path);
    struct stat info { };
    const bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT)
        Fail(errno);
    if (exists)
        CheckWritable(target, info);

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    TempFile temp(folder, target.filename().string());
    temp.Write(head.data(), head.size());
    if (exists && info.st_size > static_cast<off_t>(head.size()))
        CopyTail(target, static_cast<off_t>(head.size()), temp);
    if (::fchmod(temp.Fd(), exists ? (info.st_mode & 07777) : NewFileMode()) != 0)
        Fail(errno);
    if (exists) {
        // The file stays its owner's when an administrator saves it; failing that, it is ours.
        [[maybe_unused]] const int kept = ::fchown(temp.Fd(), info.st_uid, info.st_gid);
    }
    temp.RenameTo(target);

    // The rename itself reaches the disk with the folder.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

} // namespace stumpcraft
