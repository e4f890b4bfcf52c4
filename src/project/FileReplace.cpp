// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/FileReplace.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

// Temporary names are short whatever the target is called, hidden in file lists, drawn anew for
// every file so that two saves never meet, and marked with their target, so that a later save
// of the same file can remove what a save killed at the wrong instant left behind.
std::string TemporaryPrefix(const fs::path& target) {
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : target.filename().string())
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    static constexpr char hex[] = "0123456789abcdef";
    std::string prefix = ".wwp-";
    for (int shift = 28; shift >= 0; shift -= 4) prefix += hex[(hash >> shift) & 15];
    return prefix + "-";
}

namespace {

std::string RandomName(const std::string& prefix) {
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    std::string name = prefix;
    for (int i = 0; i < 8; ++i) name += letters[pick(random)];
    return name;
}

// Temporary files of earlier saves of the same target that never took its place.
void RemoveLeftovers(const fs::path& folder, const std::string& prefix) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 8 && name.compare(0, prefix.size(), prefix) == 0 &&
            it->is_regular_file(error) && !it->is_symlink(error))
            fs::remove(it->path(), error);
    }
}

// The file a save writes: for a symbolic link the end of its chain, which need not exist yet.
// A relative target counts from the folder of the link that holds it. Nothing for a loop.
std::optional<fs::path> FollowLinks(fs::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = path.parent_path() / next; // an absolute target replaces the whole path
    }
    return std::nullopt;
}

fs::path FolderOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

} // namespace

#if __has_include(<unistd.h>)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

bool WriteWhole(int fd, std::string_view bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, off_t(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += std::size_t(n);
    }
    return true;
}

// Nothing where the file is open for writing only.
std::optional<std::string> ReadWhole(int fd) {
    std::string bytes;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, off_t(bytes.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        bytes.append(buffer, std::size_t(n));
    }
}

// Makes the new name durable; the file is already in place, so failures do not count.
void SyncFolder(const fs::path& folder) {
    const Descriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle) ::fsync(handle.get());
}

// A new file in the target's folder. On Linux it has no name until it is linked in at the
// end, so a save that is killed leaves nothing behind - but for the instant between linking
// it under a free name and renaming that over an existing file, as no link replaces a file.
// A named temporary file is removed unless moved.
class Temporary {
public:
    Temporary(const fs::path& folder, std::string prefix)
        : folder_(folder), prefix_(std::move(prefix)) {
#ifdef O_TMPFILE
        file_ = Descriptor(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
        if (file_ || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return;
#endif
        // As mkstemp, but with the usual mode, so that a new file gets the umask's permissions.
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path name = folder / RandomName(prefix_);
            const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                file_ = Descriptor(fd);
                name_ = name;
                return;
            }
            if (errno != EEXIST) return;
        }
    }
    Temporary(const Temporary&) = delete;
    ~Temporary() {
        if (!name_.empty()) ::unlink(name_.c_str());
    }

    explicit operator bool() const {
        return bool(file_);
    }
    int fd() const {
        return file_.get();
    }

    // Gives the file the name `target`, replacing the file there if `replace` is set.
    bool MoveTo(const fs::path& target, [[maybe_unused]] bool replace) {
#ifdef O_TMPFILE
        if (name_.empty()) {
            if (!replace) return LinkAs(target);
            for (int attempt = 0; attempt < 100 && name_.empty(); ++attempt) {
                const fs::path name = folder_ / RandomName(prefix_);
                if (LinkAs(name))
                    name_ = name;
                else if (errno != EEXIST)
                    return false;
            }
            if (name_.empty()) return false;
        }
#endif
        if (::rename(name_.c_str(), target.c_str()) != 0) return false;
        name_.clear();
        return true;
    }

private:
    bool LinkAs(const fs::path& name) const {
        const std::string self = "/proc/self/fd/" + std::to_string(file_.get());
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
#ifdef AT_EMPTY_PATH
        // Without /proc; the kernel may ask for more rights this way.
        if (errno == ENOENT)
            return ::linkat(file_.get(), "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0;
#endif
        return false;
    }

    Descriptor file_;
    fs::path folder_, name_; // name_ is empty while the file has none
    std::string prefix_;
};

enum class Outcome { Written, Failed, InPlace };

// Writes the content into a new file and puts that in place of `target`; `old` describes the
// file there, nullptr if there is none. InPlace where the new file would differ from the old
// one in more than its content, or the folder takes no new file.
Outcome ReplaceByNewFile(const fs::path& target, const struct stat* old, std::string_view bytes) {
    const std::string prefix = TemporaryPrefix(target);
    RemoveLeftovers(FolderOf(target), prefix);
    Temporary temporary(FolderOf(target), prefix);
    if (!temporary) return old ? Outcome::InPlace : Outcome::Failed;
    const int fd = temporary.fd();
    if (old) {
        struct stat own {};
        const bool sameOwner =
            ::fstat(fd, &own) == 0 && own.st_uid == old->st_uid && own.st_gid == old->st_gid;
        if (!sameOwner && ::fchown(fd, old->st_uid, old->st_gid) != 0) return Outcome::InPlace;
        // After fchown, which clears the set-user-ID and set-group-ID bits.
        if (::fchmod(fd, old->st_mode & 07777) != 0) return Outcome::InPlace;
    }
    // The data reach the disk before the new file takes the old one's place, so that a crash
    // cannot leave an empty file under the project's name.
    if (!WriteWhole(fd, bytes) || ::fsync(fd) != 0) {
        // A smaller content may still fit into the old file's place.
        const bool full = errno == ENOSPC || errno == EDQUOT;
        return old && full ? Outcome::InPlace : Outcome::Failed;
    }
    if (!temporary.MoveTo(target, old != nullptr)) return Outcome::Failed;
    SyncFolder(FolderOf(target));
    return Outcome::Written;
}

// Without room for the new content the old one is not touched at all.
bool Reserve([[maybe_unused]] int fd, [[maybe_unused]] std::size_t size) {
#ifdef __linux__
    if (size > 0 && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size)) != 0)
        return errno != ENOSPC && errno != EDQUOT && errno != EFBIG; // else: no reservation
#endif
    return true;
}

// Overwrites the open file itself, so that its links, owner and mode stay as they are. If that
// fails, the old content is written back (where the user may read it).
bool WriteInPlace(int fd, std::string_view bytes) {
    const std::optional<std::string> old = ReadWhole(fd);
    if (!Reserve(fd, bytes.size())) return false;
    struct stat written {};
    if (WriteWhole(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0 &&
        ::fstat(fd, &written) == 0 && std::size_t(written.st_size) == bytes.size() &&
        (!old || ReadWhole(fd) == bytes))
        return true;
    if (old && WriteWhole(fd, *old) && ::ftruncate(fd, off_t(old->size())) == 0) ::fsync(fd);
    return false;
}

// Opens the existing file for writing, and for reading too where the user may.
Descriptor OpenForWriting(const fs::path& file) {
    const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    int fd = ::open(file.c_str(), O_RDWR | flags);
    if (fd < 0 && errno == EACCES) fd = ::open(file.c_str(), O_WRONLY | flags);
    return Descriptor(fd);
}

} // namespace

bool WriteFileContent(const std::string& path, std::string_view bytes) {
    const std::optional<fs::path> target = FollowLinks(path);
    if (!target) return false;
    struct stat old {};
    if (::lstat(target->c_str(), &old) != 0)
        return errno == ENOENT && ReplaceByNewFile(*target, nullptr, bytes) == Outcome::Written;
    // Opening a device or a pipe can have effects of its own: only regular files are opened.
    if (!S_ISREG(old.st_mode)) return false;
    const Descriptor file = OpenForWriting(*target);
    // A file without any write permission is write-protected for the superuser too.
    if (!file || ::fstat(file.get(), &old) != 0 || (old.st_mode & 0222) == 0) return false;
    if (old.st_nlink == 1) {
        const Outcome outcome = ReplaceByNewFile(*target, &old, bytes);
        if (outcome != Outcome::InPlace) return outcome == Outcome::Written;
    }
    return WriteInPlace(file.get(), bytes);
}

#else // Without POSIX: a new file under a unique name renamed over the old one.

#include <cstdio>

bool WriteFileContent(const std::string& path, std::string_view bytes) {
    const std::optional<fs::path> target = FollowLinks(path);
    if (!target) return false;
    std::error_code error;
    const fs::file_status old = fs::status(*target, error);
    const bool exists = fs::exists(old);
    if (error && old.type() != fs::file_type::not_found) return false;
    const fs::perms writable =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (exists && (!fs::is_regular_file(old) || (old.permissions() & writable) == fs::perms::none))
        return false;
    const std::string prefix = TemporaryPrefix(*target);
    RemoveLeftovers(FolderOf(*target), prefix);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path name = FolderOf(*target) / RandomName(prefix);
        std::FILE* file = std::fopen(name.string().c_str(), "wbx");
        if (!file && errno == EEXIST) continue;
        if (!file) return false;
        bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        ok = std::fflush(file) == 0 && ok;
        ok = std::fclose(file) == 0 && ok;
        if (ok && exists)
            fs::permissions(name, old.permissions(), fs::perm_options::replace, error);
        if (ok) fs::rename(name, *target, error);
        if (ok && !error) return true;
        fs::remove(name, error);
        return false;
    }
    return false;
}

#endif
