#include "platform/RecordFile.h"

#include "platform/Errors.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace stumpcraft {

namespace fs = std::filesystem;

namespace {

    // The system's words for an error number; stdio need not set errno on every failure.
    std::string SystemReason(int code)
    {
        if (code == 0)
            return "the system gave no reason";
        return std::generic_category().message(code);
    }

} // namespace

RecordFile::RecordFile(const std::string& path, int recordLength, Access access)
    : recordLength_(recordLength)
{
    if (recordLength <= 0)
        throw RuntimeError(errors::InvalidProcedureCall, "the record length must be positive");
    file_
        = OpenPlainFile(path, access == Access::Read ? PlainAccess::Read : PlainAccess::ReadWrite);
}

RecordFile::~RecordFile() = default;

int RecordFile::Records() const
{
    if (!file_ || std::fseek(file_.get(), 0, SEEK_END) != 0)
        throw RuntimeError(errors::DeviceIO, "its length cannot be found");
    const long length = std::ftell(file_.get());
    if (length < 0)
        throw RuntimeError(errors::DeviceIO, "its length cannot be found");
    return static_cast<int>(length / recordLength_);
}

long RecordFile::Offset(int first, std::size_t bytes) const
{
    if (!file_)
        throw RuntimeError(errors::BadFileMode, "the file is closed");
    if (first < 1 || bytes % static_cast<std::size_t>(recordLength_) != 0)
        throw RuntimeError(errors::InvalidProcedureCall, "no such record");
    return static_cast<long>(first - 1) * recordLength_;
}

void RecordFile::Read(int first, std::span<std::uint8_t> bytes)
{
    const long offset = Offset(first, bytes.size());
    errno = 0;
    if (std::fseek(file_.get(), offset, SEEK_SET) != 0)
        throw RuntimeError(errors::DeviceIO, SystemReason(errno));
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file_.get());
    if (got == bytes.size())
        return;
    if (std::ferror(file_.get()))
        throw RuntimeError(errors::DeviceIO, SystemReason(errno));
    const int lastWhole = first - 1 + static_cast<int>(got) / recordLength_;
    throw RuntimeError(errors::InputPastEnd,
        "the file ends after record " + std::to_string(lastWhole) + " of "
            + std::to_string(first - 1 + static_cast<int>(bytes.size()) / recordLength_));
}

void RecordFile::Write(int first, std::span<const std::uint8_t> bytes)
{
    const long offset = Offset(first, bytes.size());
    errno = 0;
    if (std::fseek(file_.get(), offset, SEEK_SET) != 0)
        throw RuntimeError(errors::DeviceIO, SystemReason(errno));
    const std::size_t put = std::fwrite(bytes.data(), 1, bytes.size(), file_.get());
    if (put != bytes.size() || std::fflush(file_.get()) != 0)
        throw RuntimeError(errors::DeviceIO, SystemReason(errno));
}

void RecordFile::Close()
{
    if (!file_)
        return;
    errno = 0;
    const int result = std::fclose(file_.release());
    if (result != 0)
        throw RuntimeError(errors::DeviceIO, SystemReason(errno));
}

bool FileExistsExactCase(const std::string& path)
{
    const fs::path full(path);
    const fs::path name = full.filename();
    fs::path folder = full.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (it->path().filename() == name)
            return it->is_regular_file(ec);
    }
    return false;
}

} // namespace stumpcraft
