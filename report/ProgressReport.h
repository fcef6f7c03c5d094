// The "raport" verb: reads the statistics file and writes the therapist's
// progress report beside it or into a chosen folder.
#pragma once

#include <ctime>
#include <filesystem>
#include <iosfwd>

inline constexpr const char* kReportPageName = "Raport postępów.html";
inline constexpr const char* kReportCsvName = "postępy.csv";

// Writes the page and the table into outDir (made when missing); problems of
// the statistics file go into the page and to err, the names of the files
// written to out. now is the time the report is made (its "last 30 days" end
// today). 0 when both files were written, 1 when they could not be.
int WriteProgressReport(const std::filesystem::path& statisticsFile, const std::filesystem::path& outDir,
                        std::time_t now, std::ostream& out, std::ostream& err);
