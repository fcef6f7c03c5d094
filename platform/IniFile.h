// INI files (settings, recording slots): section and key names without regard
// to case, values as cp1250 text, written "key=value". Changes stay in memory
// until UpdateFile, which replaces the file atomically.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

class CIniFile {
public:
    // Loads the file when it exists and can be parsed; otherwise starts empty.
    explicit CIniFile(std::filesystem::path file);
    ~CIniFile();
    CIniFile(const CIniFile&) = delete;
    CIniFile& operator=(const CIniFile&) = delete;

    const std::filesystem::path& FileName() const { return file_; }

    bool SectionExists(const std::string& section) const;
    bool ValueExists(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    // A value that is not a whole number in the 32-bit range reads as def.
    int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);
    void WriteInteger(const std::string& section, const std::string& key, int32_t value);
    void EraseSection(const std::string& section);

    // Writes the file (temporary file, then rename); false when that failed.
    bool UpdateFile();

private:
    struct Impl;
    std::filesystem::path file_;
    std::unique_ptr<Impl> impl_;
};
