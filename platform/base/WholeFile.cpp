#include "platform/base/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace qx {

namespace {

// Closes a descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() { Close(); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool Close() {
        if (m_fd < 0) return true;
        const bool ok = ::close(m_fd) == 0;
        m_fd = -1;
        return ok;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// The file a path finally names: a symbolic link is followed, so that replacing the file keeps
// the link. A dangling link or a missing file is replaced at the path itself.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates a new, empty temporary file beside target. New files get the usual 0666 less umask.
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static unsigned counter = 0;
    const std::string prefix = FolderOf(target) + "/." + NameOf(target) + ".tmp-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = prefix + std::to_string(++counter);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

void SyncFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
}

}  // namespace

WholeFileStatus ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& bytes) {
    bytes.clear();
    if (path.empty()) return WholeFileStatus::Missing;
    // O_NONBLOCK: opening a named pipe for reading must not wait for a writer.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.Get() < 0) {
        return errno == ENOENT || errno == ENOTDIR ? WholeFileStatus::Missing : WholeFileStatus::Failed;
    }
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return WholeFileStatus::Failed;
    if (static_cast<unsigned long long>(st.st_size) > maxSize) return WholeFileStatus::Failed;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            bytes.clear();
            return WholeFileStatus::Failed;
        }
        if (n == 0) break;
        // The file may have grown since fstat.
        if (bytes.size() + static_cast<std::size_t>(n) > maxSize) {
            bytes.clear();
            return WholeFileStatus::Failed;
        }
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    return WholeFileStatus::Read;
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::string target = ResolveTarget(path);
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || ::access(target.c_str(), W_OK) != 0)) return false;

    std::string tempPath;
    FileDescriptor fd(CreateTemporary(target, tempPath));
    if (fd.Get() < 0) return false;
    bool ok = true;
    if (exists) {
        ok = ::fchmod(fd.Get(), st.st_mode & 07777) == 0;
        // Only a privileged process may give the file away; otherwise it becomes ours.
        const bool sameOwner = ::fchown(fd.Get(), st.st_uid, st.st_gid) == 0;
        (void)sameOwner;
    }
    ok = ok && WriteAll(fd.Get(), bytes) && ::fsync(fd.Get()) == 0;
    ok = fd.Close() && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace qx
