#pragma once

// Our RTF writer and reader. The writer puts every character of Windows-1252 outside
// plain ASCII as \'hh and every other character as \uN\'3f (not the common \uN? form,
// after which some readers drop a character). The reader understands what the writer
// writes and the usual output of word processors for plain documents: fonts, sizes,
// bold, italic, underline, tabs, tab stops, indents and alignment; pictures, tables
// and other destinations are skipped.

#include "print/RichDoc.h"

#include <optional>
#include <string>

namespace bw::print {

std::string writeRtf(const RichDoc& doc);

struct RtfReadResult {
    std::optional<RichDoc> doc;
    std::string error;  // set when doc is empty
};

RtfReadResult readRtf(const std::string& rtf);

// Convenience for files; the error names the file.
bool saveRtfFile(const RichDoc& doc, const std::string& path, std::string* error = nullptr);
RtfReadResult loadRtfFile(const std::string& path);

} // namespace bw::print
