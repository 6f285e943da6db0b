#include "plot/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>

namespace plotwise {
namespace {

constexpr int kMaxLinks = 40;  // as the system follows them

bool IsFolder(const std::filesystem::path& folder) {
    struct stat info;
    return stat(folder.empty() ? "." : folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A new, empty file beside the target; the kernel applies the user's umask to 0666.
int CreateTemporary(const std::string& folder, std::string& name) {
    std::random_device seed;
    std::mt19937 rng(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + ".plotwise-" + std::to_string(getpid()) + "-" + std::to_string(rng());
        const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

std::string WriteTarget(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path target = path;
    struct stat info;
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    for (int links = 0; links < kMaxLinks; ++links) {
        std::error_code error;
        const fs::path link = fs::read_symlink(target, error);
        if (error) return {};
        target = link.is_absolute() ? link : target.parent_path() / link;
        if (lstat(target.c_str(), &info) == 0) {
            if (S_ISLNK(info.st_mode)) continue;
            return S_ISREG(info.st_mode) ? target.string() : std::string();
        }
        // A new name: only where a file can be made.
        return errno == ENOENT && IsFolder(target.parent_path()) ? target.string() : std::string();
    }
    return {};
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first;
    struct stat second;
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

FileHandle::~FileHandle() {
    if (fd_ >= 0) close(fd_);
}

FileHandle OpenRegularFile(const std::string& path) {
    FileHandle file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (!file.Valid() || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return FileHandle(-1);
    }
    fcntl(file.Get(), F_SETFL, fcntl(file.Get(), F_GETFL) & ~O_NONBLOCK);
    return file;
}

long ReadFully(int fd, void* data, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(done);
}

bool ReplaceFile(const std::string& path, const std::vector<unsigned char>& data) {
    const std::string target = WriteTarget(path);
    if (target.empty()) return false;
    struct stat existing;
    const bool exists = stat(target.c_str(), &existing) == 0;
    if (exists && (!S_ISREG(existing.st_mode) || access(target.c_str(), W_OK) != 0)) return false;
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0) return false;
    bool ok = (!exists || fchmod(fd, existing.st_mode & 07777) == 0) &&
              WriteAll(fd, data.data(), data.size()) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the device with the folder; a failure here loses nothing.
    FileHandle dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) fsync(dir.Get());
    return true;
}

}  // namespace plotwise
