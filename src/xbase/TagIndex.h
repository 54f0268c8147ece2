#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/Expression.h"
#include "xbase/Field.h"
#include "xbase/Mdx.h"

namespace xbase {

// One index tag held in memory: the key of every record (by record number) and the
// record numbers in key order, equal keys in record-number order. Character keys are
// compared bytewise in the table's code page, numeric and date keys as numbers.
class TagIndex {
public:
    // Throws ExpressionError when the expression does not compile or cannot be a key.
    TagIndex(TagDef def, const std::vector<FieldSlot>& fields, CodePage cp);

    const TagDef& def() const { return def_; }
    char keyType() const { return keyType_; }    // 'C', 'N' or 'D'
    int keyLength() const { return width_; }     // C: the expression's width; N 12; D 8

    // Building in one pass: reset, fill every record (1..count), sort once.
    void reset(uint32_t count);
    void fill(const char* record, uint32_t recNo);
    void sort();
    // Builds every tag with one walk over the records, so each record is brought into
    // the cache once for all tags.
    static void buildAll(std::vector<TagIndex>& tags, const char* records, uint32_t count,
                         size_t recordLength);
    void clear();
    // Record recNo (== size() + 1) was added, or record recNo changed.
    void append(const char* record, uint32_t recNo);
    void update(const char* record, uint32_t recNo);

    uint32_t size() const { return uint32_t(order_.size()); }
    uint32_t recordAt(size_t position) const { return order_[position]; }
    size_t positionOf(uint32_t recNo) const;

    // seek: a probe made from the text sought (code-page bytes for character keys, the
    // number or YYYYMMDD date for the others), the first position whose key is not
    // below it, and whether the key at a position starts with it.
    struct Probe {
        std::string bytes;
        double number = 0;
    };
    Probe probe(std::string_view codePageText) const;
    size_t lowerBound(const Probe& probe) const;
    bool matches(size_t position, const Probe& probe) const;

    // The key of a record: code-page bytes for C, the number or date as text otherwise.
    std::string keyText(uint32_t recNo) const;

    // The tag as the .mdx writer takes it; valid until the tag changes.
    MdxTagImage image() const;

private:
    bool less(uint32_t a, uint32_t b) const;
    const char* textKey(uint32_t recNo) const { return textKeys_.data() + size_t(recNo - 1) * width_; }
    void evaluate(const char* record, uint32_t recNo, char* textOut, double* numberOut) const;
    void insertInOrder(uint32_t recNo);

    TagDef def_;
    Expression expr_;
    char keyType_ = 'C';
    int width_ = 0;
    std::vector<char> textKeys_;    // C: width_ bytes per record, by record number
    std::vector<double> numberKeys_; // N and D: one number per record
    std::vector<uint32_t> order_;   // record numbers in key order
    std::vector<char> scratch_;
};

} // namespace xbase
