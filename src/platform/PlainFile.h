#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace stumpcraft {

// Files the game reads and writes are plain files on a disk. A named pipe would make an open
// wait for a writer that never comes, and a device (a link to an endless one, say) would be
// read until memory runs out, so anything but a plain file is refused at once, before a byte
// is read. Failures throw RuntimeError: FileNotFound when a file to read is missing,
// PathFileAccess when the name is not a plain file or cannot be opened.

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

enum class PlainAccess {
    Read, // the file must exist
    ReadWrite, // a missing file is created empty; an existing one keeps its contents
};

FileHandle OpenPlainFile(const std::string& path, PlainAccess access);

// The whole of a plain file that holds at most maxBytes; a longer one is refused without
// being read to its end (PathFileAccess).
std::string ReadPlainFile(const std::string& path, std::size_t maxBytes);

} // namespace stumpcraft
