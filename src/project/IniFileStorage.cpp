#include "project/IniFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

std::runtime_error WriteError(const std::string& path) {
    return std::runtime_error("In " + path + " kann nicht geschrieben werden");
}

// The file that a save replaces: for a symbolic link the file it points to, so that the
// link stays and the temporary file lies in that file's folder.
fs::path Destination(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(path, error)) {
        fs::path resolved = fs::canonical(path, error);
        if (!error) return resolved;
    }
    return path;
}

// Creates a new file beside `target` that no one else uses; nullptr if that fails.
std::FILE* CreateTemporary(const fs::path& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + ".tmp" + (attempt ? std::to_string(attempt) : "");
        if (std::FILE* file = std::fopen(name.c_str(), "wbx")) return file;
        if (errno != EEXIST) break;
    }
    return nullptr;
}

// The data reach the disk before the new file takes the old one's place, so that a crash
// cannot leave an empty file under the project's name.
bool WriteThrough(std::FILE* file, const std::string& bytes) {
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
#if __has_include(<unistd.h>)
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    return std::fclose(file) == 0 && ok;
}

// Makes the rename itself durable; the file is already in place, so failures do not count.
void SyncFolder([[maybe_unused]] const fs::path& target) {
#if __has_include(<unistd.h>)
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#endif
}

} // namespace

IniFile IniFile::LoadFile(const std::string& path) {
    const auto failure = [&path](int error) {
        return std::runtime_error("Die Datei " + path + " kann nicht gelesen werden: " +
                                  std::generic_category().message(error));
    };
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw failure(errno);
    std::string bytes;
    char buffer[1 << 16];
    std::size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error) throw failure(error);
    return Parse(bytes);
}

void IniFile::SaveFileAtomically(const std::string& path) const {
    const std::string bytes = Serialise();
    const fs::path target = Destination(path);
    std::string temporary;
    std::FILE* file = CreateTemporary(target, temporary);
    if (!file) throw WriteError(path);

    std::error_code error;
    bool ok = WriteThrough(file, bytes);
    if (ok) {
        const fs::file_status old = fs::status(target, error);
        if (!error && fs::is_regular_file(old))
            fs::permissions(temporary, old.permissions(), fs::perm_options::replace, error);
        fs::rename(temporary, target, error);
        ok = !error;
    }
    if (!ok) {
        fs::remove(temporary, error);
        throw WriteError(path);
    }
    SyncFolder(target);
}
