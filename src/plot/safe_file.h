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

// The file writing path replaces: path itself when it is no symbolic link, else the end of
// its chain of links when that is a regular file or a new name in an existing folder.
// Empty when the links lead nowhere a file could be written (a loop, a chain of more than
// 40 links, a missing folder, anything but a regular file): writing would replace a link
// by a file, or fail.
std::string WriteTarget(const std::string& path);

// Whether the two paths name one existing file, also through links or as hard links.
bool SameFile(const std::string& a, const std::string& b);

// Writes data to a new file in the target's folder, flushes it to the device and only then
// renames it over WriteTarget(path). A target that exists but is no regular file or may
// not be written is refused, as writing into it would be, and so is a path whose links
// lead nowhere. On any failure the target is untouched, the new file removed, and the
// result false. An existing target's permissions are kept; a new file gets the usual ones.
bool ReplaceFile(const std::string& path, const std::vector<unsigned char>& data);

}  // namespace plotwise
