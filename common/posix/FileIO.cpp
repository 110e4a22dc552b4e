#include "common/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace kandrel {

namespace {

EFileError Failure(const char* What, const std::string& Path, int Error) {
    return EFileError(std::string(What) + " \"" + Path + "\". " + std::strerror(Error));
}

class TFileDescriptor {
public:
    explicit TFileDescriptor(int Fd) : FFd(Fd) {}
    ~TFileDescriptor() {
        if (FFd >= 0) ::close(FFd);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Get() const noexcept { return FFd; }
    int Release() noexcept { return std::exchange(FFd, -1); }

private:
    int FFd;
};

// Path's folder as a prefix for a sibling's name: up to its last slash, or nothing.
std::string FolderPrefix(const std::string& Path) {
    const size_t slash = Path.find_last_of('/');
    return slash == std::string::npos ? std::string() : Path.substr(0, slash + 1);
}

}  // namespace

std::vector<uint8_t> ReadFileBytes(const std::string& Path, uint64_t MaxBytes) {
    if (Path.find('\0') != std::string::npos) throw Failure("Cannot open file", Path, ENOENT);
    // Non-blocking, so that a pipe or device under a preset's name cannot stall
    // the caller before it is refused below.
    TFileDescriptor file(::open(Path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (file.Get() < 0) throw Failure("Cannot open file", Path, errno);
    struct stat info;
    if (::fstat(file.Get(), &info) != 0) throw Failure("Cannot read file", Path, errno);
    if (!S_ISREG(info.st_mode)) throw Failure("Cannot read file", Path, EISDIR);
    if (static_cast<uint64_t>(info.st_size) > MaxBytes) throw EFileError("File too large \"" + Path + "\"");
    std::vector<uint8_t> bytes(static_cast<size_t>(info.st_size));
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw Failure("Cannot read file", Path, errno);
        if (n == 0) break;  // shrank since fstat
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

void WriteFileReplacing(const std::string& Path, const uint8_t* Data, size_t Size) {
    if (Path.empty() || Path.find('\0') != std::string::npos) throw Failure("Cannot create file", Path, ENOENT);
    // A link keeps pointing at the preset: its target is what gets replaced.
    std::string target = Path;
    if (char* resolved = ::realpath(Path.c_str(), nullptr)) {
        target = resolved;
        std::free(resolved);
    }
    static std::atomic<unsigned> counter{0};
    const std::string prefix = FolderPrefix(target) + ".kandrel-" + std::to_string(::getpid()) + "-";
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + std::to_string(counter.fetch_add(1)) + ".tmp";
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) throw Failure("Cannot create file", Path, errno);
    TFileDescriptor file(fd);
    int error = 0;
    // The new file keeps the permissions the user gave the old one.
    struct stat old;
    if (::stat(target.c_str(), &old) == 0 && ::fchmod(file.Get(), old.st_mode & 07777) != 0) error = errno;
    for (size_t done = 0; done < Size && error == 0;) {
        const ssize_t n = ::write(file.Get(), Data + done, Size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) error = n < 0 ? errno : EIO;
        else done += static_cast<size_t>(n);
    }
    // On disk before the rename, so a crash leaves the old file or the new one.
    if (error == 0 && ::fsync(file.Get()) != 0) error = errno;
    if (::close(file.Release()) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        throw Failure("Cannot write file", Path, error);
    }
}

}  // namespace kandrel
