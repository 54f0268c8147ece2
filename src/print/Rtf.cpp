#include "print/Rtf.h"

#include "print/Utf8.h"

#include <cerrno>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

namespace bw::print {

// ---------------------------------------------------------------------------- writer

namespace {

int twips(double points) { return static_cast<int>(std::lround(points * 20.0)); }

const char* fontFamily(const std::string& name)
{
    if (name == "Courier New" || name == "Courier" || name == "Liberation Mono") return "\\fmodern";
    if (name == "Times New Roman" || name == "Liberation Serif") return "\\froman";
    return "\\fswiss";
}

void writeText(std::string& out, const std::string& utf8)
{
    for (char32_t cp : utf8Decode(utf8)) {
        if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp < 0x20) {
            // other control characters have no place in a paragraph
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (auto b = toCp1252(cp)) {
            static const char* hex = "0123456789abcdef";
            out += "\\'";
            out += hex[*b >> 4];
            out += hex[*b & 15];
        } else {
            // \u takes a signed 16-bit number; characters beyond the first plane go as
            // a surrogate pair.
            auto emit = [&](unsigned v) {
                out += "\\u" + std::to_string(static_cast<int16_t>(v)) + "\\'3f";
            };
            if (cp > 0xFFFF) {
                char32_t v = cp - 0x10000;
                emit(0xD800 + (v >> 10));
                emit(0xDC00 + (v & 0x3FF));
            } else {
                emit(cp);
            }
        }
    }
}

} // namespace

std::string writeRtf(const RichDoc& doc)
{
    std::vector<std::string> fonts;
    auto fontIndex = [&](const std::string& name) {
        for (size_t i = 0; i < fonts.size(); ++i)
            if (fonts[i] == name) return static_cast<int>(i);
        fonts.push_back(name);
        return static_cast<int>(fonts.size() - 1);
    };
    for (const auto& p : doc.paragraphs())
        for (const auto& r : p.runs) fontIndex(r.format.name);
    if (fonts.empty()) fontIndex(doc.format().name);

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang2057{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + std::to_string(i) + fontFamily(fonts[i]) + "\\fcharset0 ";
        writeText(out, fonts[i]);
        out += ";}";
    }
    out += "}\r\n\\viewkind4\\uc1\r\n";

    for (const auto& p : doc.paragraphs()) {
        out += "\\pard";
        if (p.leftIndentPt != 0) out += "\\li" + std::to_string(twips(p.leftIndentPt));
        if (p.firstIndentPt != 0) out += "\\fi" + std::to_string(twips(p.firstIndentPt));
        if (p.align == Align::Center) out += "\\qc";
        if (p.align == Align::Right) out += "\\qr";
        for (double t : p.tabStopsPt) out += "\\tx" + std::to_string(twips(t));
        for (const auto& r : p.runs) {
            const auto& f = r.format;
            out += "\\plain\\f" + std::to_string(fontIndex(f.name)) + "\\fs" +
                   std::to_string(static_cast<int>(std::lround(f.points * 2)));
            if (f.bold) out += "\\b";
            if (f.italic) out += "\\i";
            if (f.underline) out += "\\ul";
            out += ' ';
            writeText(out, r.text);
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

// ---------------------------------------------------------------------------- reader

namespace {

struct ReaderState {
    CharFormat format;
    int fontNumber = 0;
    Paragraph para;  // paragraph settings (runs unused)
    int uc = 1;      // characters to skip after \uN
    bool skip = false;        // inside a destination we do not show
    bool fontTable = false;   // inside {\fonttbl ...}
};

class Reader {
public:
    explicit Reader(const std::string& s) : s_(s) {}

    RtfReadResult run()
    {
        size_t start = s_.find_first_not_of(" \t\r\n");
        if (start == std::string::npos || s_.compare(start, 5, "{\\rtf") != 0)
            return {std::nullopt, "not a rich-text (RTF) document"};
        pos_ = start;
        st_.format = CharFormat{"Arial", 12};
        while (pos_ < s_.size()) {
            char c = s_[pos_];
            if (c == '{') {
                ++pos_;
                stack_.push_back(st_);
                if (st_.fontTable) fontEntry_.clear();
            } else if (c == '}') {
                ++pos_;
                if (st_.fontTable && !fontEntry_.empty()) finishFontEntry();
                if (stack_.empty()) break;  // end of the document
                st_ = stack_.back();
                stack_.pop_back();
                if (stack_.empty()) break;
            } else if (c == '\\') {
                ++pos_;
                controlWord();
            } else if (c == '\r' || c == '\n') {
                ++pos_;
            } else {
                ++pos_;
                character(static_cast<unsigned char>(c), false);
            }
        }
        if (!current_.runs.empty()) endParagraph();
        return {std::move(doc_), {}};
    }

private:
    void controlWord()
    {
        if (pos_ >= s_.size()) return;
        char c = s_[pos_];
        if (!isalpha(static_cast<unsigned char>(c))) {
            ++pos_;
            switch (c) {
            case '\\': case '{': case '}': character(static_cast<unsigned char>(c), false); break;
            case '~': text(0xA0); break;
            case '_': text(0x2011); break;
            case '-': break;  // optional hyphen
            case '*': st_.skip = true; break;
            case '\'': {
                int hi = pos_ < s_.size() ? hexDigit(s_[pos_]) : -1;
                int lo = pos_ + 1 < s_.size() ? hexDigit(s_[pos_ + 1]) : -1;
                if (hi >= 0 && lo >= 0) {
                    pos_ += 2;
                    character(static_cast<unsigned char>(hi * 16 + lo), true);
                }
                break;
            }
            case '\r': case '\n': endParagraph(); break;  // "\<newline>" is a \par
            default: break;
            }
            return;
        }
        size_t b = pos_;
        while (pos_ < s_.size() && isalpha(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        std::string word = s_.substr(b, pos_ - b);
        bool hasParam = false;
        long param = 0;
        size_t nb = pos_;
        if (pos_ < s_.size() && (s_[pos_] == '-' || isdigit(static_cast<unsigned char>(s_[pos_])))) {
            ++pos_;
            while (pos_ < s_.size() && isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
            std::string num = s_.substr(nb, pos_ - nb);
            if (num != "-") {
                hasParam = true;
                param = std::strtol(num.c_str(), nullptr, 10);
            }
        }
        if (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
        apply(word, hasParam, param);
    }

    static int hexDigit(char c)
    {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void apply(const std::string& w, bool hasParam, long n)
    {
        if (w == "bin") {  // binary data of n bytes follows
            if (n > 0) pos_ = std::min(s_.size(), pos_ + static_cast<size_t>(n));
            return;
        }
        static const char* skipped[] = {"colortbl", "stylesheet", "info", "pict", "header",
            "footer", "headerl", "headerr", "headerf", "footerl", "footerr", "footerf",
            "listtable", "listoverridetable", "rsidtbl", "generator", "object", "field",
            "fldinst", "xmlnstbl", "themedata", "datastore", "latentstyles", "filetbl",
            "revtbl", "footnote", "bkmkstart", "bkmkend", "pgdsctbl", "mmathPr"};
        for (const char* d : skipped)
            if (w == d) { st_.skip = true; return; }
        if (w == "fldrslt") { st_.skip = false; return; }
        if (w == "fonttbl") { st_.fontTable = true; return; }

        bool on = !hasParam || n != 0;
        if (st_.fontTable) {
            if (w == "f") fontNumber_ = static_cast<int>(n);
            return;
        }
        if (w == "par" || w == "line" || w == "sect" || w == "page") { if (!st_.skip) endParagraph(); }
        else if (w == "tab") text('\t');
        else if (w == "pard") { st_.para = Paragraph(); }
        else if (w == "plain") { st_.format = CharFormat{fontName(deff_), 12}; }
        else if (w == "deff") deff_ = static_cast<int>(n);
        else if (w == "f") { st_.fontNumber = static_cast<int>(n); st_.format.name = fontName(n); }
        else if (w == "fs") st_.format.points = hasParam ? n / 2.0 : 12;
        else if (w == "b") st_.format.bold = on;
        else if (w == "i") st_.format.italic = on;
        else if (w == "ul") st_.format.underline = on;
        else if (w == "ulnone") st_.format.underline = false;
        else if (w == "li") st_.para.leftIndentPt = n / 20.0;
        else if (w == "fi") st_.para.firstIndentPt = n / 20.0;
        else if (w == "tx") st_.para.tabStopsPt.push_back(n / 20.0);
        else if (w == "ql" || w == "qj") st_.para.align = Align::Left;
        else if (w == "qc") st_.para.align = Align::Center;
        else if (w == "qr") st_.para.align = Align::Right;
        else if (w == "uc") st_.uc = static_cast<int>(n);
        else if (w == "u") {
            long v = n < 0 ? n + 65536 : n;
            unicode(v >= 0 && v <= 0xFFFF ? static_cast<char32_t>(v) : 0xFFFD);  // \u is 16 bits
            skipFallback();
        }
        else if (w == "emdash") text(0x2014);
        else if (w == "endash") text(0x2013);
        else if (w == "bullet") text(0x2022);
        else if (w == "lquote") text(0x2018);
        else if (w == "rquote") text(0x2019);
        else if (w == "ldblquote") text(0x201C);
        else if (w == "rdblquote") text(0x201D);
    }

    // After \uN the reader skips the fallback characters the writer put for readers
    // without Unicode: uc of them, each a plain character or a \'hh.
    void skipFallback()
    {
        for (int k = 0; k < st_.uc && pos_ < s_.size(); ++k) {
            if (s_[pos_] == '\\' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') pos_ += 4;
            else if (s_[pos_] == '{' || s_[pos_] == '}' || s_[pos_] == '\\') break;
            else ++pos_;
        }
    }

    void unicode(char32_t v)
    {
        if (v >= 0xD800 && v < 0xDC00) { highSurrogate_ = v; return; }
        if (v >= 0xDC00 && v < 0xE000 && highSurrogate_) {
            v = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (v - 0xDC00);
        }
        highSurrogate_ = 0;
        text(v);
    }

    void character(unsigned char c, bool escapedByte)
    {
        if (st_.skip) return;
        if (st_.fontTable) {
            if (c == ';') finishFontEntry();
            else fontEntry_ += static_cast<char>(c);
            return;
        }
        text(escapedByte || c >= 0x80 ? fromCp1252(c) : c);
    }

    void text(char32_t cp)
    {
        if (st_.skip || st_.fontTable) return;
        if (current_.runs.empty()) startParagraph();
        if (current_.runs.back().format != st_.format) {
            if (current_.runs.back().text.empty()) current_.runs.back().format = st_.format;
            else current_.runs.push_back({"", st_.format});
        }
        utf8Append(current_.runs.back().text, cp);
    }

    void startParagraph()
    {
        current_ = st_.para;
        current_.runs.clear();
        current_.runs.push_back({"", st_.format});
    }

    void endParagraph()
    {
        if (current_.runs.empty()) startParagraph();
        doc_.addParagraph(std::move(current_));
        current_ = Paragraph();
    }

    void finishFontEntry()
    {
        std::string name = fontEntry_;
        while (!name.empty() && (name.back() == ' ' || name.back() == ';')) name.pop_back();
        size_t b = name.find_first_not_of(' ');
        fonts_[fontNumber_] = b == std::string::npos ? "" : name.substr(b);
        fontEntry_.clear();
    }

    std::string fontName(long n) const
    {
        auto it = fonts_.find(static_cast<int>(n));
        return it == fonts_.end() || it->second.empty() ? "Arial" : it->second;
    }

    const std::string& s_;
    size_t pos_ = 0;
    ReaderState st_;
    std::vector<ReaderState> stack_;
    std::map<int, std::string> fonts_;
    std::string fontEntry_;
    int fontNumber_ = 0;
    int deff_ = 0;
    char32_t highSurrogate_ = 0;
    Paragraph current_;
    RichDoc doc_;
};

} // namespace

RtfReadResult readRtf(const std::string& rtf)
{
    return Reader(rtf).run();
}

bool saveRtfFile(const RichDoc& doc, const std::string& path, std::string* error)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    std::string data = writeRtf(doc);
    if (f) f.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (f) f.close();
    if (!f) {
        if (error) *error = "Cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

RtfReadResult loadRtfFile(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f) return {std::nullopt, "Cannot open " + path + ": " + std::strerror(errno)};
    std::stringstream ss;
    ss << f.rdbuf();
    RtfReadResult r = readRtf(ss.str());
    if (!r.doc) r.error = path + ": " + r.error;
    return r;
}

} // namespace bw::print
