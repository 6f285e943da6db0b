// Reading and replacing whole files without ever leaving a half-written one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plotwise {

// Opens a regular file for reading (a FIFO, device or directory is refused at once rather
// than blocking or reading forever). -1 when it cannot be opened.
int OpenRegularFile(const std::string& path);

// Reads up to size bytes; returns how many were read (fewer only at the end of the file),
// or -1 on a read error.
long ReadFully(int fd, void* data, std::size_t size);

// Writes data to a new file in the target's folder, flushes it to the device and only then
// renames it over path (following a symbolic link to its target). On any failure the
// target is untouched, the new file removed, and the result false. An existing target's
// permissions are kept.
bool ReplaceFile(const std::string& path, const std::vector<unsigned char>& data);

}  // namespace plotwise
