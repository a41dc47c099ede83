#pragma once

#include "Settings.h"

class IniDocument;
class ProfileFile;

// Section "Settings" of the profile file, read and written whole through one table of keys, their
// names and formats (Settings gives the defaults). A key that is absent, or whose value is not one the
// game writes (a hand-edited file), reads as its default; the other keys of the file stay as they are.
class SettingsStore {
public:
    explicit SettingsStore(ProfileFile& file);

    Settings read() const;
    // Every key in one replacement of the file; false, with the file as it was, when it could not be written.
    bool write(const Settings& settings);

    static Settings readFrom(const IniDocument& doc);
    // A window size or banner text that is none leaves its key as the file has it.
    static void writeTo(IniDocument& doc, const Settings& settings);
    // Only the banner text, which is saved with the current game.
    static void writeBannerTo(IniDocument& doc, const std::string& text);

private:
    ProfileFile& file_;
};
