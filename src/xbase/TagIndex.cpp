#include "xbase/TagIndex.h"

#include "xbase/FieldValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace xbase {

namespace {

// dBase IV refuses character keys longer than this.
constexpr int kMaxCharacterKey = 100;

// Up to eight key bytes as one big-endian number: comparing these numbers orders keys
// exactly as comparing the bytes does.
uint64_t prefixOf(const char* key, int width)
{
    if (width >= 8) {
        uint64_t v;
        std::memcpy(&v, key, 8);
        return __builtin_bswap64(v);
    }
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | (i < width ? (unsigned char)key[i] : 0u);
    return v;
}

struct TextItem {
    uint64_t hi, lo; // key bytes 0-7 and 8-15
    uint32_t recNo;
};

// Least-significant-digit radix sort on 16-bit digits of (hi, lo). It is stable, and the
// items come in record-number order, so equal prefixes stay in record-number order.
// Digits that are the same in every item (short keys, common leading blanks) cost one
// counting pass and no moves.
void radixSort(std::vector<TextItem>& items)
{
    std::vector<TextItem> spare(items.size());
    std::vector<uint32_t> counts(1u << 16);
    for (int pass = 0; pass < 8; ++pass) {
        auto digit = [pass](const TextItem& it) {
            uint64_t word = pass < 4 ? it.lo : it.hi;
            return uint32_t(word >> (16 * (pass % 4))) & 0xFFFF;
        };
        std::fill(counts.begin(), counts.end(), 0);
        for (const TextItem& it : items) ++counts[digit(it)];
        if (counts[digit(items[0])] == items.size()) continue;
        uint32_t sum = 0;
        for (uint32_t& c : counts) {
            uint32_t n = c;
            c = sum;
            sum += n;
        }
        for (const TextItem& it : items) spare[counts[digit(it)]++] = it;
        items.swap(spare);
    }
}

// Items in [begin, end) are ordered by their key bytes before `from`; runs that agree on
// all of them are ordered by the next 16 bytes, loaded into the items as numbers, and so
// on. Comparing numbers held in the items is much cheaper than comparing key bytes that
// lie scattered in memory, and names entered again and again make long runs.
void sortTies(TextItem* begin, TextItem* end, int from, const char* keys, int width)
{
    for (TextItem* i = begin; i < end;) {
        TextItem* j = i + 1;
        while (j < end && j->hi == i->hi && j->lo == i->lo) ++j;
        if (j - i > 1) {
            for (TextItem* it = i; it < j; ++it) {
                const char* key = keys + size_t(it->recNo - 1) * size_t(width) + size_t(from);
                it->hi = prefixOf(key, width - from);
                it->lo = width - from > 8 ? prefixOf(key + 8, width - from - 8) : 0;
            }
            std::sort(i, j, [](const TextItem& a, const TextItem& b) {
                if (a.hi != b.hi) return a.hi < b.hi;
                if (a.lo != b.lo) return a.lo < b.lo;
                return a.recNo < b.recNo;
            });
            if (width > from + 16) sortTies(i, j, from + 16, keys, width);
        }
        i = j;
    }
}

double cleanNumber(double v)
{
    return std::isnan(v) ? 0.0 : v; // a NaN would break the ordering
}

} // namespace

TagIndex::TagIndex(TagDef def, const std::vector<FieldSlot>& fields, CodePage cp)
    : def_(std::move(def)), expr_(Expression::compile(def_.expression, fields, cp))
{
    switch (expr_.type()) {
    case ValueType::Character:
        keyType_ = 'C';
        width_ = expr_.width();
        if (width_ < 1 || width_ > kMaxCharacterKey)
            throw ExpressionError("The key of tag " + def_.name + " is " + std::to_string(width_) +
                                  " characters wide; a key takes 1 to " + std::to_string(kMaxCharacterKey) + ".");
        break;
    case ValueType::Numeric:
        keyType_ = 'N';
        width_ = 12;
        break;
    case ValueType::Date:
        keyType_ = 'D';
        width_ = 8;
        break;
    case ValueType::Logical:
        throw ExpressionError("The key of tag " + def_.name + " is a logical value, which cannot be indexed.");
    }
    scratch_.resize(size_t(std::max(width_, 1)));
}

void TagIndex::evaluate(const char* record, uint32_t recNo, char* textOut, double* numberOut) const
{
    if (numberOut == nullptr) expr_.evalText(record, recNo, textOut);
    else *numberOut = cleanNumber(expr_.evalNumber(record, recNo));
}

bool TagIndex::less(uint32_t a, uint32_t b) const
{
    if (keyType_ == 'C') {
        int c = std::memcmp(textKey(a), textKey(b), size_t(width_));
        return c < 0 || (c == 0 && a < b);
    }
    double x = numberKeys_[a - 1], y = numberKeys_[b - 1];
    return x < y || (x == y && a < b);
}

void TagIndex::clear()
{
    textKeys_.clear();
    numberKeys_.clear();
    order_.clear();
}

void TagIndex::reset(uint32_t count)
{
    clear();
    order_.resize(count);
    if (keyType_ == 'C') textKeys_.resize(size_t(count) * width_);
    else numberKeys_.resize(count);
}

void TagIndex::fill(const char* record, uint32_t recNo)
{
    evaluate(record, recNo, textKeys_.data() + (keyType_ == 'C' ? size_t(recNo - 1) * width_ : 0),
             keyType_ == 'C' ? nullptr : &numberKeys_[recNo - 1]);
}

void TagIndex::sort()
{
    const uint32_t count = uint32_t(order_.size());
    if (keyType_ == 'C') {
        // The first 16 key bytes travel with each item as two numbers and are sorted by
        // radix; only keys that agree on all 16 compare the rest of their bytes.
        std::vector<TextItem> items(count);
        for (uint32_t r = 1; r <= count; ++r) {
            const char* key = textKey(r);
            items[r - 1] = {prefixOf(key, width_), width_ > 8 ? prefixOf(key + 8, width_ - 8) : 0, r};
        }
        if (count > 1) radixSort(items);
        if (width_ > 16) sortTies(items.data(), items.data() + items.size(), 16, textKeys_.data(), width_);
        for (uint32_t i = 0; i < count; ++i) order_[i] = items[i].recNo;
    } else {
        struct Item {
            double key;
            uint32_t recNo;
        };
        std::vector<Item> items(count);
        for (uint32_t r = 1; r <= count; ++r) items[r - 1] = {numberKeys_[r - 1], r};
        std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
            return a.key < b.key || (a.key == b.key && a.recNo < b.recNo);
        });
        for (uint32_t i = 0; i < count; ++i) order_[i] = items[i].recNo;
    }
}

void TagIndex::buildAll(std::vector<TagIndex>& tags, const char* records, uint32_t count, size_t recordLength)
{
    for (TagIndex& t : tags) t.reset(count);
    for (uint32_t r = 1; r <= count; ++r) {
        const char* rec = records + size_t(r - 1) * recordLength;
        for (TagIndex& t : tags) t.fill(rec, r);
    }
    for (TagIndex& t : tags) t.sort();
}

size_t TagIndex::positionOf(uint32_t recNo) const
{
    auto it = std::lower_bound(order_.begin(), order_.end(), recNo,
                               [&](uint32_t a, uint32_t b) { return less(a, b); });
    return size_t(it - order_.begin());
}

void TagIndex::insertInOrder(uint32_t recNo)
{
    order_.insert(order_.begin() + ptrdiff_t(positionOf(recNo)), recNo);
}

void TagIndex::append(const char* record, uint32_t recNo)
{
    if (keyType_ == 'C') {
        textKeys_.resize(size_t(recNo) * width_);
        expr_.evalText(record, recNo, textKeys_.data() + size_t(recNo - 1) * width_);
    } else {
        numberKeys_.resize(recNo);
        numberKeys_[recNo - 1] = cleanNumber(expr_.evalNumber(record, recNo));
    }
    insertInOrder(recNo);
}

void TagIndex::update(const char* record, uint32_t recNo)
{
    double number = 0;
    evaluate(record, recNo, scratch_.data(), keyType_ == 'C' ? nullptr : &number);
    if (keyType_ == 'C') {
        if (std::memcmp(scratch_.data(), textKey(recNo), size_t(width_)) == 0) return;
    } else if (number == numberKeys_[recNo - 1]) {
        return;
    }
    order_.erase(order_.begin() + ptrdiff_t(positionOf(recNo)));
    if (keyType_ == 'C') std::memcpy(textKeys_.data() + size_t(recNo - 1) * width_, scratch_.data(), size_t(width_));
    else numberKeys_[recNo - 1] = number;
    insertInOrder(recNo);
}

TagIndex::Probe TagIndex::probe(std::string_view text) const
{
    Probe p;
    if (keyType_ == 'C') {
        p.bytes = std::string(text);
        // Blanks beyond the key's width cannot be part of a key; keep the rest so
        // that a longer text simply finds nothing.
        while (p.bytes.size() > size_t(width_) && p.bytes.back() == ' ') p.bytes.pop_back();
    } else if (keyType_ == 'N') {
        p.number = fieldvalue::parseNumber(text);
    } else {
        std::string_view t = text;
        while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
        p.number = fieldvalue::dateKey(t);
    }
    return p;
}

size_t TagIndex::lowerBound(const Probe& p) const
{
    auto it = std::lower_bound(order_.begin(), order_.end(), 0, [&](uint32_t r, int) {
        if (keyType_ != 'C') return numberKeys_[r - 1] < p.number;
        size_t n = std::min(p.bytes.size(), size_t(width_));
        int c = std::memcmp(textKey(r), p.bytes.data(), n);
        return c < 0;
    });
    return size_t(it - order_.begin());
}

bool TagIndex::matches(size_t position, const Probe& p) const
{
    if (position >= order_.size()) return false;
    uint32_t r = order_[position];
    if (keyType_ != 'C') return numberKeys_[r - 1] == p.number;
    if (p.bytes.size() > size_t(width_)) return false;
    return std::memcmp(textKey(r), p.bytes.data(), p.bytes.size()) == 0;
}

std::string TagIndex::keyText(uint32_t recNo) const
{
    if (recNo == 0 || recNo > order_.size()) return {};
    if (keyType_ == 'C') return std::string(textKey(recNo), size_t(width_));
    double v = numberKeys_[recNo - 1];
    if (keyType_ == 'D') {
        if (v == kBlankDateKey) return std::string(8, ' ');
        // Julian day number back to YYYYMMDD (Fliegel and Van Flandern).
        long l = long(v) + 68569;
        long n = 4 * l / 146097;
        l = l - (146097 * n + 3) / 4;
        long i = 4000 * (l + 1) / 1461001;
        l = l - 1461 * i / 4 + 31;
        long j = 80 * l / 2447;
        long day = l - 2447 * j / 80;
        l = j / 11;
        long month = j + 2 - 12 * l;
        long year = 100 * (n - 49) + i + l;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%04ld%02ld%02ld", year % 10000, month, day);
        return buf;
    }
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, res.ptr);
}

MdxTagImage TagIndex::image() const
{
    MdxTagImage img;
    img.name = def_.name;
    img.expression = def_.expression;
    img.keyType = keyType_;
    img.keyLength = uint16_t(width_);
    img.singleField = expr_.isSingleField();
    img.keys.reserve(order_.size());
    img.recnos = order_;
    for (uint32_t r : order_) {
        img.keys.push_back(keyType_ == 'C' ? textKey(r)
                                           : reinterpret_cast<const char*>(&numberKeys_[r - 1]));
    }
    return img;
}

} // namespace xbase
