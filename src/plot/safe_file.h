// Reading and replacing whole files without ever leaving a half-written one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace plotwise {

// An open file descriptor, closed when it goes.
class FileHandle {
  public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle();
    FileHandle(FileHandle&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }

  private:
    int fd_;
};

// Opens a regular file for reading; a FIFO, device or folder is refused at once rather
// than blocking or reading forever. Invalid when it cannot be opened.
FileHandle OpenRegularFile(const std::string& path);

// Reads up to size bytes; returns how many were read (fewer only at the end of the file),
// or -1 on a read error.
long ReadFully(int fd, void* data, std::size_t size);

// Writes data to a new file in the target's folder, flushes it to the device and only then
// renames it over path (following symbolic links to their target). A target that exists
// but is no regular file or may not be written is refused, as writing into it would be.
// On any failure the target is untouched, the new file removed, and the result false. An
// existing target's permissions are kept; a new file gets the usual ones.
bool ReplaceFile(const std::string& path, const std::vector<unsigned char>& data);

}  // namespace plotwise
