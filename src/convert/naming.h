// The naming module: the eleven naming schemes and the texts a new file name is built from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/path_text.h"

namespace kadoro {

enum class FileKind { J6i, Jpg };

inline constexpr int kSchemeCount = 11;

// The values a scheme may print. For J6i, year is the two digits stored in the header; for Jpg it
// counts the years since 1900 (2003 is 103).
struct NameFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::string sequenceText;
    std::string sizeLabel;
    std::string qualityLetter;
    std::string cameraLabel;
};

struct JpgLabels {
    std::string sizeLabel;
    std::string qualityLetter;
    std::string cameraLabel;
};

// The text the scheme list shows for a scheme index, or empty outside 0-10.
std::string_view SchemeItemText(int schemeIndex);

bool IsValidScheme(int schemeIndex);

// The "###" of the scheme names. With sequenceNumber -1 it comes from the (at most three)
// characters before the file name's last dot, read as a decimal number; otherwise "%03d" of
// sequenceNumber, with "-%03d" of subNumber when that is not -1.
std::string MakeSequenceText(std::string_view fileName, int sequenceNumber, int subNumber);

// Size label, quality letter and camera label of a .JPG name, from its camera record.
JpgLabels MakeJpgLabels(std::string_view maker, int resolution, int imageSize);

// The base new name of a file of the kind under the scheme; nothing for an invalid scheme index.
std::optional<std::string> BuildNewName(FileKind kind, int schemeIndex, const NameFields& fields);

// Remembers, for the length of one run, where the search for a free name ended for each base
// name, so that many files with one base name do not each test every taken suffix again. Names
// only become free again when the run deletes a file in the destination folder; the run then
// calls Forget, and the next search starts from the base name as a fresh search would.
class FreeNameMemo {
public:
    int StartCounter(const std::string& basePath) const;
    void Remember(const std::string& basePath, int counter);
    void Forget() { nextCounter_.clear(); }

private:
    std::unordered_map<std::string, int> nextCounter_;
};

struct FreeName {
    std::string name;  // without folder
    std::string path;  // the full target path
};

class PendingNames;

// The base name if nothing of that name is in the destination folder, else the first free name
// with the suffix -001, -002, ... (-1000 past -999). Reserves nothing itself. With pending, a
// name reserved by a copy in flight counts as taken, and a name that a copy in flight is about to
// free by deleting its source is waited for.
FreeName FindFreeName(std::string_view destinationFolder, std::string_view baseName, FileKind kind,
                      FreeNameMemo* memo = nullptr, PendingNames* pending = nullptr);

}  // namespace kadoro
