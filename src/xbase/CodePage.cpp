#include "xbase/CodePage.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <locale.h>
#include <mutex>
#include <unordered_map>

namespace xbase {

namespace {

const char* iconvName(CodePage cp)
{
    switch (cp) {
    case CodePage::CP437: return "CP437";
    case CodePage::CP1252: return "CP1252";
    case CodePage::CP850: break;
    }
    return "CP850";
}

// Latin Extended-A (U+0100..U+017F) with the accents taken off. glibc's own
// transliteration of these letters depends on the process locale (the plain "C" locale
// has none), so the engine carries them itself and stores the same bytes everywhere.
constexpr char kLatinExtendedA[] =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiJjJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(sizeof(kLatinExtendedA) == 0x80 + 1);

// Everything the engine needs of one code page, built once from iconv:
// the UTF-8 text of every byte, the way back, and the capital of every byte.
struct Tables {
    std::array<std::string, 256> utf8;
    std::unordered_map<char32_t, unsigned char> fromUnicode;
    std::array<unsigned char, 256> upper;
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 character at s[i], advancing i. Invalid sequences give U+FFFD and
// advance by one byte, so any input ends.
char32_t decodeUtf8(std::string_view s, size_t& i)
{
    unsigned char b = s[i];
    if (b < 0x80) {
        ++i;
        return b;
    }
    int extra = b >= 0xF0 && b < 0xF5 ? 3 : b >= 0xE0 && b < 0xF0 ? 2 : b >= 0xC2 && b < 0xE0 ? 1 : -1;
    if (extra < 0 || i + size_t(extra) >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char cb = s[i + k];
        if ((cb & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (cb & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        ++i;
        return 0xFFFD;
    }
    i += extra + 1;
    return c;
}

// The capital of a Unicode letter of the Latin-1 range (the only letters the three code
// pages hold besides a few Greek ones, which keep their case).
char32_t latinUpper(char32_t c)
{
    if (c >= 'a' && c <= 'z') return c - 0x20;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Latin Extended-A pairs capital/small on even/odd code points, except the
        // block from U+0139 to U+0148 and U+0179 to U+017E where they are odd/even.
        bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool isSmall = oddCapitals ? (c % 2 == 0) : (c % 2 == 1);
        return isSmall ? c - 1 : c;
    }
    return c;
}

Tables buildTables(CodePage cp)
{
    Tables t;
    iconv_t cd = iconv_open("UTF-8", iconvName(cp));
    for (int b = 0; b < 256; ++b) {
        std::string out;
        if (cd != iconv_t(-1)) {
            char in = char(b);
            char buf[8];
            char* inp = &in;
            size_t inLeft = 1;
            char* outp = buf;
            size_t outLeft = sizeof buf;
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != size_t(-1))
                out.assign(buf, outp - buf);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
        // A byte iconv leaves undefined (CP1252 has five) reads as the Latin-1
        // character of the same number, so that reading never fails.
        if (out.empty()) appendUtf8(out, char32_t(b));
        t.utf8[b] = out;
    }
    if (cd != iconv_t(-1)) iconv_close(cd);

    std::array<char32_t, 256> unicode{};
    for (int b = 255; b >= 0; --b) {
        size_t i = 0;
        unicode[b] = decodeUtf8(t.utf8[b], i);
        t.fromUnicode[unicode[b]] = (unsigned char)b; // lowest byte wins on duplicates
    }
    // upper(): the code page's own capital of every small letter it holds. Letters
    // whose capital the code page lacks (CP437 has no capital for a-grave, for
    // example) stay as they are. This is the collation of a dBase language driver for
    // these code pages; plain ASCII works the same as everywhere.
    for (int b = 0; b < 256; ++b) {
        t.upper[b] = (unsigned char)b;
        char32_t up = latinUpper(unicode[b]);
        if (up != unicode[b]) {
            auto it = t.fromUnicode.find(up);
            if (it != t.fromUnicode.end()) t.upper[b] = it->second;
        }
    }
    return t;
}

const Tables& tables(CodePage cp)
{
    static const Tables t850 = buildTables(CodePage::CP850);
    static const Tables t437 = buildTables(CodePage::CP437);
    static const Tables t1252 = buildTables(CodePage::CP1252);
    switch (cp) {
    case CodePage::CP437: return t437;
    case CodePage::CP1252: return t1252;
    case CodePage::CP850: break;
    }
    return t850;
}

// glibc transliterates through the current locale's tables; "C.UTF-8" carries the
// general ones (curly quotes, dashes, the euro sign, letters with accents).
std::string translitWithIconv(char32_t c, CodePage cp)
{
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    static locale_t utf8Locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t(0));
    locale_t previous = utf8Locale ? uselocale(utf8Locale) : locale_t(0);

    std::string result;
    std::string target = std::string(iconvName(cp)) + "//TRANSLIT";
    iconv_t cd = iconv_open(target.c_str(), "UTF-8");
    if (cd != iconv_t(-1)) {
        std::string in;
        appendUtf8(in, c);
        char buf[32];
        char* inp = in.data();
        size_t inLeft = in.size();
        char* outp = buf;
        size_t outLeft = sizeof buf;
        if (iconv(cd, &inp, &inLeft, &outp, &outLeft) != size_t(-1) && inLeft == 0)
            result.assign(buf, outp - buf);
        iconv_close(cd);
    }
    if (utf8Locale) uselocale(previous);
    return result;
}

} // namespace

uint8_t languageDriverByte(CodePage cp)
{
    switch (cp) {
    case CodePage::CP437: return 0x01;
    case CodePage::CP1252: return 0x03;
    case CodePage::CP850: break;
    }
    return 0x02;
}

CodePage codePageFromLanguageDriver(uint8_t byte)
{
    switch (byte) {
    case 0x01: return CodePage::CP437;
    case 0x03: return CodePage::CP1252;
    default: return CodePage::CP850;
    }
}

std::string toUtf8(std::string_view oem, CodePage cp)
{
    const Tables& t = tables(cp);
    std::string out;
    out.reserve(oem.size());
    // Runs of ASCII, by far the most of any table's text, are copied in one piece.
    size_t i = 0;
    while (i < oem.size()) {
        size_t ascii = i;
        while (ascii < oem.size() && (unsigned char)oem[ascii] < 0x80) ++ascii;
        out.append(oem.data() + i, ascii - i);
        if (ascii == oem.size()) break;
        out += t.utf8[(unsigned char)oem[ascii]];
        i = ascii + 1;
    }
    return out;
}

std::string fromUtf8(std::string_view utf8, CodePage cp)
{
    const Tables& t = tables(cp);
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        if ((unsigned char)utf8[i] < 0x80) {
            out += utf8[i++];
            continue;
        }
        char32_t c = decodeUtf8(utf8, i);
        if (auto it = t.fromUnicode.find(c); it != t.fromUnicode.end()) {
            out += char(it->second);
        } else if (c >= 0x100 && c <= 0x17F) {
            out += kLatinExtendedA[c - 0x100];
        } else if (c == 0xFFFD) {
            out += '?';
        } else {
            std::string tr = translitWithIconv(c, cp);
            out += tr.empty() ? std::string("?") : tr;
        }
    }
    return out;
}

size_t utf8Length(std::string_view utf8)
{
    size_t n = 0;
    for (unsigned char b : utf8)
        if ((b & 0xC0) != 0x80) ++n;
    return n;
}

const unsigned char* upperTable(CodePage cp)
{
    return tables(cp).upper.data();
}

} // namespace xbase
