#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace stumpcraft {

// Rewrites the start of a file so that the change lands whole or not at all. The new bytes go
// to a temporary file beside the old one, followed by whatever the old file holds beyond them
// (so the file never gets shorter), with the old file's permissions; only then is it renamed
// over the old file. A link is followed: the file it points at is replaced and the link stays.
//
// A read-only file is refused rather than replaced, although its folder would allow it: the
// player made it read-only. Failures throw RuntimeError with the system's reason and leave
// the old file exactly as it was, with no temporary file left behind: PathFileAccess when the
// file or its folder may not be written or the name is not a plain file, DiskFull when the
// disk has no room, DeviceIO for anything else.
void ReplaceFileStart(const std::string& path, std::span<const std::uint8_t> head);

} // namespace stumpcraft
