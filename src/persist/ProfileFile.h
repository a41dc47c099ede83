#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "IniDocument.h"

// Reads an environment variable; nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;

// The process environment.
EnvironmentLookup processEnvironment();

// Where the profile file lives: $XDG_CONFIG_HOME/quintel-slots/QUINTEL.INI when that variable holds
// an absolute path, else $HOME/.config/quintel-slots/QUINTEL.INI, else the same relative to the
// working directory.
std::filesystem::path profilePath(const EnvironmentLookup& env);

// What checkFile found and did.
struct FileCheck {
    enum class Outcome {
        Fine,               // the file is text, or there is no file yet
        RestoredFromBackup, // the file was damaged: set aside, the previous good copy is in place
        SetAsideNoBackup,   // the file was damaged: set aside, there was no good copy to use
    };
    Outcome outcome = Outcome::Fine;
    std::filesystem::path setAsidePath; // where the damaged file went
};

// One profile file ("QUINTEL.INI") at a path. Reads take a default and never fail; every call goes
// to the disk, nothing is cached.
//
// Every write replaces the whole file: the new text goes to a temporary file in the same
// directory, is flushed to the disk and renamed over the file, so a crash leaves either the old or
// the new file. Before that rename the old file is kept as <name>.bak. A file that is not text
// (see IniDocument::looksLikeText) or is too large is never overwritten: it is renamed aside to
// <name>.damaged-YYYYMMDD-HHMMSS first and the write starts from the .bak copy.
class ProfileFile {
public:
    // Files larger than this are not profile files; they read as empty and count as damaged.
    static constexpr std::uintmax_t kMaxFileSize = 4u * 1024u * 1024u;

    explicit ProfileFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path backupPath() const;

    // The stored value of key in section, or def when the file, section or key is absent; at most
    // limit characters of either.
    std::string getString(std::string_view section, std::string_view key, std::string_view def,
                          std::size_t limit) const;
    // The stored value, or nullopt when the file, section or key is absent.
    std::optional<std::string> find(std::string_view section, std::string_view key) const;
    // The whole file as it is now (empty when absent or unreadable).
    IniDocument read() const;

    // Each returns false, leaving the old file as it was, when the file could not be replaced.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeSection(std::string_view section, const IniDocument::Entries& entries);
    // Reads the file, lets edit change the document and writes it back in one replacement.
    bool update(const std::function<void(IniDocument&)>& edit);
    // Why the last write failed (an errno value: ENOSPC, EROFS, EACCES...); 0 when it succeeded.
    int lastError() const { return lastError_; }

    // Run once at start-up, before the first read: sets a damaged file aside and puts the previous
    // good copy in its place. Also clears temporary files a crash may have left behind.
    FileCheck checkFile();

    // Outcome of the last damaged file a write had to set aside (the file went bad while the game
    // ran), so that the caller can tell the player once; cleared by taking it.
    FileCheck takeLastCheck();

private:
    enum class State { Missing, Good, Damaged, Unreadable };
    // Reads the file whole. Unreadable: it exists but could not be read (no permission...).
    State load(std::string& bytes) const;
    // Renames a damaged file aside and returns the text to start from (the backup's, if good).
    std::string setAside(FileCheck& check);
    bool replaceWith(const std::string& bytes, bool keepBackup);

    std::filesystem::path path_;
    FileCheck lastCheck_;
    int lastError_ = 0;
};
