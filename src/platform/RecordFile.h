#pragma once

#include "platform/PlainFile.h"

#include <cstdint>
#include <span>
#include <string>

namespace stumpcraft {

// A file of fixed-length records addressed by number from 1, as the squads are kept. Only a
// plain file is opened (see OpenPlainFile), and nothing beyond the records asked for is read. Reads
// and writes go to the record's place in the file; nothing else in the file is touched, and a write
// never shortens it. Every failure throws RuntimeError whose description says what went wrong but
// not which file: the caller knows what the file means to the player and says so.
class RecordFile {
public:
    enum class Access {
        Read, // the file must exist
        ReadWrite, // a missing file is created empty; an existing one keeps its contents
    };

    RecordFile(const std::string& path, int recordLength, Access access);
    ~RecordFile(); // closes quietly; call Close() to learn whether the last writes made it

    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // The number of whole records the file holds.
    int Records() const;

    // Fills bytes with the records from `first` on; bytes.size() is a whole number of records.
    // A file that ends before the last of them is an error (62).
    void Read(int first, std::span<std::uint8_t> bytes);

    // Writes bytes as the records from `first` on, in one piece, and flushes them.
    void Write(int first, std::span<const std::uint8_t> bytes);

    // Closes the file; a failure to finish writing is reported. Later calls do nothing.
    void Close();

private:
    long Offset(int first, std::size_t bytes) const;

    FileHandle file_;
    int recordLength_;
};

// True when the folder of `path` holds a plain file whose name is exactly the last part of
// `path`, letter case included, even where the file system ignores case when opening.
bool FileExistsExactCase(const std::string& path);

} // namespace stumpcraft
