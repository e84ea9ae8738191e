// The naming schemes as one table of patterns, and the operations around them.
#include "convert/naming.h"

#include <array>
#include <cstdio>
#include <cstdlib>

#include "common/format_text.h"
#include "convert/pending_names.h"
#include "platform/file_operations.h"
#include "readers/j6i_header.h"

namespace kadoro {
namespace {

// A scheme's name pattern per kind. Fields in braces are replaced, everything else is literal:
//   {Y4} four-digit year   {YY} two-digit year   {MM} {DD} {hh} {mm} {ss} two digits each
//   {seq} sequence text    {size} size label     {letter} quality letter   {camera} camera label
struct Scheme {
    std::string_view itemText;
    std::string_view j6iPattern;
    std::string_view jpgPattern;
};

constexpr std::array<Scheme, kSchemeCount> kSchemes = {{
    {"CP500 YYYY-MM-DD HHMM ### SIZE", "DC-2 {Y4}-{MM}-{DD} {hh}{mm} {seq}.j6i",
     "{camera} {Y4}-{MM}-{DD} {hh}{mm} {seq} {size}.jpg"},
    {"YYYY-MM-DD HHMM ### SIZE CP500", "{Y4}-{MM}-{DD} {hh}{mm} {seq} DC-2.j6i",
     "{Y4}-{MM}-{DD} {hh}{mm} {seq} {size} {camera}.jpg"},
    {"YYYY-MM-DD HHMM SIZE CP500 ###", "{Y4}-{MM}-{DD} {hh}{mm} DC-2 {seq}.j6i",
     "{Y4}-{MM}-{DD} {hh}{mm} {size} {camera} {seq}.jpg"},
    {"YYYY-MM-DD HHMM ### SIZE", "{Y4}-{MM}-{DD} {hh}{mm} {seq}.j6i",
     "{Y4}-{MM}-{DD} {hh}{mm} {seq} {size}.jpg"},
    {"YYYY-MM-DD HHMM ### H", "{Y4}-{MM}-{DD} {hh}{mm} {seq}.j6i",
     "{Y4}-{MM}-{DD} {hh}{mm} {seq} {letter}.jpg"},
    {"YYYY-MM-DD HHMM H", "{Y4}-{MM}-{DD} {hh}{mm}.j6i", "{Y4}-{MM}-{DD} {hh}{mm} {letter}.jpg"},
    {"YYYYMMMDD-HHMMH-###", "{Y4}{MM}{DD}-{hh}{mm}-{seq}.j6i",
     "{Y4}{MM}{DD}-{hh}{mm}{letter}-{seq}.jpg"},
    {"YYYYMMMDD-HHMMH", "{Y4}{MM}{DD}-{hh}{mm}.j6i", "{YY}{MM}{DD}-{hh}{mm}{letter}.jpg"},
    {"YYMMDD-###", "{YY}{MM}{DD}-{seq}.j6i", "{YY}{MM}{DD}-{seq}.jpg"},
    {"YYMMDD-HHMM-###", "{YY}{MM}{DD}-{hh}{mm}-{seq}.j6i", "{YY}{MM}{DD}-{hh}{mm}-{seq}.jpg"},
    {"YYMMDD-HHMMSS", "{YY}{MM}{DD}-{hh}{mm}{ss}.j6i", "{YY}{MM}{DD}-{hh}{mm}{ss}.jpg"},
}};

std::string FourDigitYear(FileKind kind, int year) {
    return kind == FileKind::J6i ? FormatText("%04d", J6iFullYear(year))
                                 : FormatText("%4d", year + 1900);
}

// A two-digit year is zero-padded for both kinds; for Jpg it is the year within its century.
std::string TwoDigitYear(FileKind kind, int year) {
    return FormatText("%02d", kind == FileKind::J6i ? year : (year % 100 + 100) % 100);
}

std::string FieldText(std::string_view field, FileKind kind, const NameFields& fields) {
    if (field == "Y4") return FourDigitYear(kind, fields.year);
    if (field == "YY") return TwoDigitYear(kind, fields.year);
    if (field == "MM") return FormatText("%02d", fields.month);
    if (field == "DD") return FormatText("%02d", fields.day);
    if (field == "hh") return FormatText("%02d", fields.hour);
    if (field == "mm") return FormatText("%02d", fields.minute);
    if (field == "ss") return FormatText("%02d", fields.second);
    if (field == "seq") return fields.sequenceText;
    if (field == "size") return fields.sizeLabel;
    if (field == "letter") return fields.qualityLetter;
    if (field == "camera") return fields.cameraLabel;
    std::abort();  // the patterns above name only these fields
}

std::string ExpandPattern(std::string_view pattern, FileKind kind, const NameFields& fields) {
    std::string name;
    while (!pattern.empty()) {
        const auto open = pattern.find('{');
        name += pattern.substr(0, open);
        if (open == std::string_view::npos) break;
        const auto close = pattern.find('}', open);
        name += FieldText(pattern.substr(open + 1, close - open - 1), kind, fields);
        pattern.remove_prefix(close + 1);
    }
    return name;
}

std::string_view KindExtension(FileKind kind) {
    return kind == FileKind::J6i ? ".j6i" : ".jpg";
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

std::string SuffixedName(std::string_view baseName, int counter, FileKind kind) {
    const std::string_view stem = baseName.substr(0, baseName.size() - KindExtension(kind).size());
    return std::string(stem) + FormatText("-%03d", counter) + std::string(KindExtension(kind));
}

}  // namespace

std::string_view SchemeItemText(int schemeIndex) {
    return IsValidScheme(schemeIndex) ? kSchemes[schemeIndex].itemText : std::string_view{};
}

bool IsValidScheme(int schemeIndex) {
    return schemeIndex >= 0 && schemeIndex < kSchemeCount;
}

std::string MakeSequenceText(std::string_view fileName, int sequenceNumber, int subNumber) {
    if (sequenceNumber != -1) {
        std::string text = FormatText("%03d", sequenceNumber);
        if (subNumber != -1) text += FormatText("-%03d", subNumber);
        return text;
    }
    // Up to three characters before the last dot fill "000" from the right; the walk stops at a
    // blank or the start of the name. The result is read as atol reads text.
    std::size_t end = fileName.rfind('.');
    if (end == std::string_view::npos) end = fileName.size();
    char digits[4] = {'0', '0', '0', '\0'};
    for (int slot = 2; slot >= 0 && end > 0 && fileName[end - 1] != ' '; --slot, --end) {
        digits[slot] = fileName[end - 1];
    }
    return FormatText("%03d", static_cast<int>(std::atol(digits)));
}

JpgLabels MakeJpgLabels(std::string_view maker, int resolution, int imageSize) {
    struct SizeRow {
        std::string_view label, letter;
    };
    // Sanyo cameras tell their size by the resolution number, every other maker by image size.
    constexpr SizeRow kSanyoFine = {"640x480", "H"};
    constexpr SizeRow kSanyoStandard = {"320x240", "L"};
    constexpr std::array<SizeRow, 5> kSizes = {{{"320x240", "L"},
                                                {"640x480", "L"},
                                                {"1024x384P", "P"},
                                                {"1024x768N", "S"},
                                                {"1024x768H", "H"}}};
    SizeRow size;
    if (StartsWith(maker, "Sanyo")) {
        size = resolution == 2 ? kSanyoFine : kSanyoStandard;
    } else if (imageSize >= 0 && imageSize < static_cast<int>(kSizes.size())) {
        size = kSizes[imageSize];
    }

    struct CameraRow {
        std::string_view makerPrefix, label;
    };
    // Tested in this order; the first prefix wins.
    constexpr std::array<CameraRow, 3> kCameras = {
        {{"OLYMPUS", "OLYMPUS"}, {"Sanyo", "CP200"}, {"SEIKO", "CP500"}}};
    std::string_view camera;
    for (const CameraRow& row : kCameras) {
        if (StartsWith(maker, row.makerPrefix)) {
            camera = row.label;
            break;
        }
    }
    return {std::string(size.label), std::string(size.letter), std::string(camera)};
}

std::optional<std::string> BuildNewName(FileKind kind, int schemeIndex, const NameFields& fields) {
    if (!IsValidScheme(schemeIndex)) return std::nullopt;
    const Scheme& scheme = kSchemes[schemeIndex];
    return ExpandPattern(kind == FileKind::J6i ? scheme.j6iPattern : scheme.jpgPattern, kind,
                         fields);
}

int FreeNameMemo::StartCounter(const std::string& basePath) const {
    const auto found = nextCounter_.find(basePath);
    return found == nextCounter_.end() ? 0 : found->second;
}

void FreeNameMemo::Remember(const std::string& basePath, int counter) {
    nextCounter_[basePath] = counter;
}

FreeName FindFreeName(std::string_view destinationFolder, std::string_view baseName, FileKind kind,
                      FreeNameMemo* memo, PendingNames* pending) {
    const std::string basePath = JoinFolderPath(destinationFolder, baseName);
    for (int counter = memo ? memo->StartCounter(basePath) : 0;; ++counter) {
        FreeName candidate;
        candidate.name =
            counter == 0 ? std::string(baseName) : SuffixedName(baseName, counter, kind);
        candidate.path = JoinFolderPath(destinationFolder, candidate.name);
        if (pending && pending->IsReserved(candidate.path)) continue;
        if (PathExists(candidate.path)) {
            if (pending && pending->IsDeletionExpected(candidate.path) && pending->settleAll) {
                // Once the copies in flight are settled, nothing is expected any more; the
                // search starts again from where a fresh one would.
                pending->settleAll();
                counter = (memo ? memo->StartCounter(basePath) : 0) - 1;
            }
            continue;
        }
        if (memo) memo->Remember(basePath, counter);
        return candidate;
    }
}

}  // namespace kadoro
