#include "ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <system_error>

#include "SaveCalls.h"
#include "Utf8Text.h"

namespace fs = std::filesystem;

namespace {

// Temporary files left by a crash older than this are removed by checkFile.
constexpr auto kStaleTemporaryAge = std::chrono::seconds(60);

fs::path directoryOf(const fs::path& file)
{
    const fs::path parent = file.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

bool writeAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = SaveCalls::current().write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void syncDirectory(const fs::path& dir)
{
    SaveCalls& calls = SaveCalls::current();
    const int fd = calls.openDirectory(dir.c_str());
    if (fd < 0) return;
    calls.fsync(fd);
    calls.close(fd);
}

// Writes bytes to a new file beside target (name + suffix + random), flushed to the disk.
// Returns its path, or an empty path and errno when that failed (nothing is left behind then).
fs::path writeTemporary(const fs::path& target, const std::string& suffix, const std::string& bytes, mode_t mode)
{
    SaveCalls& calls = SaveCalls::current();
    std::string pattern = (directoryOf(target) / (target.filename().string() + suffix + "XXXXXX")).string();
    const int fd = calls.createTemporary(pattern.data(), O_CLOEXEC);
    if (fd < 0) return {};
    const bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && calls.fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (calls.close(fd) != 0 && ok) error = errno; // a delayed write error shows here
    if (error != 0) {
        ::unlink(pattern.c_str());
        errno = error;
        return {};
    }
    return fs::path(pattern);
}

std::string timestamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

EnvironmentLookup processEnvironment()
{
    return [](const char* name) -> std::optional<std::string> {
        const char* value = std::getenv(name);
        if (value == nullptr) return std::nullopt;
        return std::string(value);
    };
}

fs::path profilePath(const EnvironmentLookup& env)
{
    const fs::path tail = fs::path("quintel-slots") / "QUINTEL.INI";
    if (const auto config = env("XDG_CONFIG_HOME"); config && !config->empty() && fs::path(*config).is_absolute())
        return fs::path(*config) / tail;
    if (const auto home = env("HOME"); home && !home->empty()) return fs::path(*home) / ".config" / tail;
    return fs::path(".config") / tail;
}

ProfileFile::ProfileFile(fs::path path)
    : path_(std::move(path))
{}

fs::path ProfileFile::backupPath() const
{
    fs::path backup = path_;
    backup += ".bak";
    return backup;
}

ProfileFile::State ProfileFile::load(std::string& bytes) const
{
    bytes.clear();
    errno = 0;
    std::error_code error;
    const fs::file_status status = fs::status(path_, error);
    if (status.type() == fs::file_type::not_found) return State::Missing;
    if (error || !fs::is_regular_file(status)) return State::Unreadable;
    const std::uintmax_t size = fs::file_size(path_, error);
    if (error) return State::Unreadable;
    if (size > kMaxFileSize) return State::Damaged;
    std::ifstream in(path_, std::ios::binary);
    if (!in) return State::Unreadable;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() > kMaxFileSize) {
        bytes.clear();
        return in.bad() ? State::Unreadable : State::Damaged;
    }
    return IniDocument::looksLikeText(bytes) ? State::Good : State::Damaged;
}

IniDocument ProfileFile::read() const
{
    std::string bytes;
    const State state = load(bytes);
    if (state == State::Missing || state == State::Unreadable) return {};
    return IniDocument::parse(bytes);
}

std::string ProfileFile::getString(std::string_view section, std::string_view key, std::string_view def,
                                   std::size_t limit) const
{
    const std::optional<std::string> stored = find(section, key);
    return utf8Prefix(stored ? std::string_view(*stored) : def, limit);
}

std::optional<std::string> ProfileFile::find(std::string_view section, std::string_view key) const
{
    return read().value(section, key);
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    return update([&](IniDocument& doc) { doc.set(section, key, value); });
}

bool ProfileFile::writeSection(std::string_view section, const IniDocument::Entries& entries)
{
    return update([&](IniDocument& doc) {
        for (const auto& [key, value] : entries) doc.set(section, key, value);
    });
}

std::string ProfileFile::setAside(FileCheck& check)
{
    fs::path aside = path_;
    aside += ".damaged-" + timestamp();
    for (int n = 2; fs::exists(aside); ++n) {
        aside = path_;
        aside += ".damaged-" + timestamp() + "-" + std::to_string(n);
    }
    if (::rename(path_.c_str(), aside.c_str()) != 0) return {};
    check.setAsidePath = aside;
    check.outcome = FileCheck::Outcome::SetAsideNoBackup;

    std::string backup;
    ProfileFile backupFile(backupPath());
    if (backupFile.load(backup) == State::Good) {
        check.outcome = FileCheck::Outcome::RestoredFromBackup;
        return backup;
    }
    return {};
}

bool ProfileFile::update(const std::function<void(IniDocument&)>& edit)
{
    std::string bytes;
    State state = load(bytes);
    lastError_ = 0;
    if (state == State::Unreadable) {
        lastError_ = errno != 0 ? errno : EACCES;
        return false;
    }
    if (state == State::Damaged) {
        FileCheck check;
        bytes = setAside(check);
        if (check.setAsidePath.empty()) { // could not move it: never overwrite it
            lastError_ = errno != 0 ? errno : EIO;
            return false;
        }
        lastCheck_ = check;
        state = State::Missing;
    }
    IniDocument doc = IniDocument::parse(bytes);
    edit(doc);
    errno = 0;
    if (replaceWith(doc.serialise(), state == State::Good)) return true;
    lastError_ = errno != 0 ? errno : EIO;
    return false;
}

bool ProfileFile::replaceWith(const std::string& bytes, bool keepBackup)
{
    std::error_code error;
    const fs::path dir = directoryOf(path_);
    fs::create_directories(dir, error);
    if (error) {
        errno = error.value();
        return false;
    }

    mode_t mode = 0644;
    struct stat old {};
    if (::stat(path_.c_str(), &old) == 0) mode = old.st_mode & 07777;

    const fs::path temporary = writeTemporary(path_, ".tmp-", bytes, mode);
    if (temporary.empty()) return false;

    if (keepBackup) {
        // The old file becomes the backup: a hard link costs no copy; where links are not
        // supported the old text is written out. A backup that fails does not stop the save.
        const fs::path backup = backupPath();
        std::string linkName = (dir / (backup.filename().string() + ".tmp-" + std::to_string(::getpid()))).string();
        ::unlink(linkName.c_str());
        if (::link(path_.c_str(), linkName.c_str()) == 0) {
            if (::rename(linkName.c_str(), backup.c_str()) != 0) ::unlink(linkName.c_str());
        } else {
            std::string oldBytes;
            if (load(oldBytes) == State::Good) {
                const fs::path copy = writeTemporary(backup, ".tmp-", oldBytes, mode);
                if (!copy.empty() && ::rename(copy.c_str(), backup.c_str()) != 0) ::unlink(copy.c_str());
            }
        }
    }

    if (SaveCalls::current().rename(temporary.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        return false;
    }
    syncDirectory(dir);
    return true;
}

FileCheck ProfileFile::checkFile()
{
    std::error_code error;
    const fs::path dir = directoryOf(path_);
    const std::string prefixes[] = {path_.filename().string() + ".tmp-", backupPath().filename().string() + ".tmp-"};
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        for (const std::string& prefix : prefixes) {
            if (name.compare(0, prefix.size(), prefix) != 0) continue;
            std::error_code timeError;
            const auto written = fs::last_write_time(it->path(), timeError);
            if (!timeError && now - written > kStaleTemporaryAge) fs::remove(it->path(), timeError);
        }
    }

    FileCheck check;
    std::string bytes;
    if (load(bytes) != State::Damaged) return check;
    const std::string good = setAside(check);
    if (check.setAsidePath.empty()) return check; // could not move it; reads still never crash on it
    if (check.outcome == FileCheck::Outcome::RestoredFromBackup && !replaceWith(good, false))
        check.outcome = FileCheck::Outcome::SetAsideNoBackup;
    return check;
}

FileCheck ProfileFile::takeLastCheck()
{
    FileCheck check = lastCheck_;
    lastCheck_ = FileCheck{};
    return check;
}
