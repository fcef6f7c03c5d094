// SPDX-FileCopyrightText: 2026 the Szeptaczki developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CIniFile on SimpleIni, in byte mode: the program's text is cp1250 and is
// stored as it is.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include "platform/IniFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <system_error>

#include <SimpleIni.h>

#include "platform/LockedFile.h"
#include "platform/Paths.h"

struct CIniFile::Impl {
    CSimpleIniA ini{false, false, false};  // the "A" flavour ignores case
};

CIniFile::CIniFile(std::filesystem::path file) : file_(std::move(file)), impl_(std::make_unique<Impl>())
{
    Load();
}

CIniFile::CIniFile(std::filesystem::path file, LockMode)
    : file_(std::move(file)), impl_(std::make_unique<Impl>())
{
    lock_ = std::make_unique<LockedFile>(LockedFile::Folder(file_.parent_path()));
    Load();
}

void CIniFile::Load()
{
    impl_->ini.SetSpaces(false);
    std::error_code ec;
    found_ = std::filesystem::symlink_status(file_, ec).type() != std::filesystem::file_type::not_found && !ec;
    std::string contents;
    if (ReadWholeFile(file_, contents)) {
        Parse(contents);
        return;
    }
    // Something is there that cannot be read: it must not be replaced blindly.
    damaged_ = found_;
}

CIniFile::CIniFile(std::filesystem::path file, std::string_view contents)
    : file_(std::move(file)), impl_(std::make_unique<Impl>())
{
    impl_->ini.SetSpaces(false);
    Parse(contents);
}

void CIniFile::Parse(std::string_view contents)
{
    // The parser stops at a NUL byte; a line break in its place lets it read
    // everything after it, and the file counts as damaged.
    std::string text(contents);
    for (char& c : text)
        if (c == '\0') {
            c = '\n';
            damaged_ = true;
        }
    // A section header without its "]" would swallow the next line into its
    // name, and the section would be written anew on every save: it is closed
    // at the end of its line instead.
    for (std::size_t line = 0; line < text.size();) {
        std::size_t end = text.find('\n', line);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t first = text.find_first_not_of(" \t", line);
        if (first < end && text[first] == '[' && text.find(']', first) >= end) {
            const std::size_t at = end > first + 1 && text[end - 1] == '\r' ? end - 1 : end;
            text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), ']');
            damaged_ = true;
            ++end;
        }
        line = end + 1;
    }
    if (impl_->ini.LoadData(text.data(), text.size()) < 0) {
        impl_->ini.Reset();
        damaged_ = true;
    }
}

CIniFile::~CIniFile() = default;

bool CIniFile::SectionExists(const std::string& section) const
{
    return impl_->ini.GetSection(section.c_str()) != nullptr;
}

bool CIniFile::ValueExists(const std::string& section, const std::string& key) const
{
    return impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr) != nullptr;
}

std::string CIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    const char* value = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    return value ? std::string(value) : def;
}

int32_t CIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t def) const
{
    const char* value = impl_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (!value)
        return def;
    std::string trimmed(value);
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '\t' || trimmed.back() == '\r'))
        trimmed.pop_back();
    std::size_t first = trimmed.find_first_not_of(" \t");
    if (first == std::string::npos)
        return def;
    trimmed.erase(0, first);
    // Decimal, or hexadecimal with a leading '$' or "0x" as the Windows readers accept.
    int base = 10;
    std::string digits = trimmed;
    bool negative = false;
    if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
        negative = digits[0] == '-';
        digits.erase(0, 1);
    }
    if (!digits.empty() && digits[0] == '$') {
        base = 16;
        digits.erase(0, 1);
    } else if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.erase(0, 2);
    }
    if (digits.empty() || digits[0] == '-' || digits[0] == '+' || digits[0] == ' ')
        return def;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(digits.c_str(), &end, base);
    if (errno != 0 || *end != '\0')
        return def;
    const long long signedValue = negative ? -parsed : parsed;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return def;
    return static_cast<int32_t>(signedValue);
}

void CIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    impl_->ini.SetValue(section.c_str(), key.c_str(), value.c_str());
}

void CIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void CIniFile::EraseSection(const std::string& section)
{
    impl_->ini.Delete(section.c_str(), nullptr);
}

std::string CIniFile::Text() const
{
    std::string contents;
    if (impl_->ini.Save(contents) < 0)
        contents.clear();
    return contents;
}

bool CIniFile::UpdateFile()
{
    problem_ = FileProblem::None;
    if (damaged_) {
        if (!KeepDamagedCopy(file_)) {
            problem_ = FileProblem::Other;
            return false;
        }
        damaged_ = false;
    }
    std::string contents;
    if (impl_->ini.Save(contents) < 0) {
        problem_ = FileProblem::Other;
        return false;
    }
    return WriteFileAtomically(file_, contents, &problem_);
}
