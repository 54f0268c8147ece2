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

// The first eight key bytes as one big-endian number: comparing these numbers orders
// keys exactly as comparing the bytes does, so most comparisons in the sort touch no
// key memory at all.
uint64_t prefixOf(const char* key, int width)
{
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i) v = (v << 8) | (i < width ? (unsigned char)key[i] : 0u);
    return v;
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
    if (keyType_ == 'C') expr_.evalText(record, recNo, textOut);
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

void TagIndex::build(const char* records, uint32_t count, size_t recordLength)
{
    clear();
    order_.resize(count);
    if (keyType_ == 'C') {
        textKeys_.resize(size_t(count) * width_);
        struct Item {
            uint64_t prefix;
            uint32_t recNo;
        };
        std::vector<Item> items(count);
        for (uint32_t r = 1; r <= count; ++r) {
            char* key = textKeys_.data() + size_t(r - 1) * width_;
            expr_.evalText(records + size_t(r - 1) * recordLength, r, key);
            items[r - 1] = {prefixOf(key, width_), r};
        }
        const size_t rest = width_ > 8 ? size_t(width_) - 8 : 0;
        std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
            if (a.prefix != b.prefix) return a.prefix < b.prefix;
            if (rest) {
                int c = std::memcmp(textKey(a.recNo) + 8, textKey(b.recNo) + 8, rest);
                if (c) return c < 0;
            }
            return a.recNo < b.recNo;
        });
        for (uint32_t i = 0; i < count; ++i) order_[i] = items[i].recNo;
    } else {
        numberKeys_.resize(count);
        struct Item {
            double key;
            uint32_t recNo;
        };
        std::vector<Item> items(count);
        for (uint32_t r = 1; r <= count; ++r) {
            double v = cleanNumber(expr_.evalNumber(records + size_t(r - 1) * recordLength, r));
            numberKeys_[r - 1] = v;
            items[r - 1] = {v, r};
        }
        std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
            return a.key < b.key || (a.key == b.key && a.recNo < b.recNo);
        });
        for (uint32_t i = 0; i < count; ++i) order_[i] = items[i].recNo;
    }
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
    evaluate(record, recNo, scratch_.data(), &number);
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
