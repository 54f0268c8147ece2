#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/CodePage.h"
#include "xbase/Field.h"

namespace xbase {

// A key or filter expression that does not compile. The table turns it into a DbfError
// naming the file.
class ExpressionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where a field's bytes sit in a record (offset counts the deletion mark at byte 0).
struct FieldSlot {
    std::string name; // lower case
    FieldType type = FieldType::Character;
    int length = 1;
    int decimals = 0;
    int offset = 1;
};

enum class ValueType : char { Character = 'C', Numeric = 'N', Date = 'D', Logical = 'L' };

// A dBase expression compiled once against a table's fields into a small tree, then
// evaluated on raw records as often as needed without parsing again.
//
// Understood: field names (any case), numbers, strings in "", '' or [], .T./.F.,
// + and - (on texts: join; a - b moves the trailing blanks of a to the end), * /,
// comparisons = == <> # != < > <= >= $, .AND. .OR. .NOT. !, and the functions upper,
// lower, trim, rtrim, ltrim, alltrim, str, val, dtos, substr, left, right, space, iif,
// recno, deleted.
//
// Texts have a fixed width computed from the field widths, never from the data; trim
// and friends may give shorter results, which a key pads with blanks to the width.
// Evaluation uses scratch space inside the object: one Expression must not be evaluated
// from two threads at once.
class Expression {
public:
    Expression();
    ~Expression();
    Expression(Expression&&) noexcept;
    Expression& operator=(Expression&&) noexcept;

    // Throws ExpressionError with a sentence naming what is wrong.
    static Expression compile(std::string_view text, const std::vector<FieldSlot>& fields,
                              CodePage cp);

    bool empty() const;
    const std::string& text() const;
    ValueType type() const;
    int width() const;             // Character: the result's width; Date: 8; else 0
    bool isSingleField() const;    // the whole expression is one field name

    // record points at a whole record, deletion mark first; recNo is its number.
    // Character and Date results: writes exactly width() bytes (blank-padded).
    void evalText(const char* record, uint32_t recNo, char* out) const;
    // Numeric results; for a Date result the Julian day number (see fieldvalue::dateKey).
    double evalNumber(const char* record, uint32_t recNo) const;
    // Logical results.
    bool evalLogical(const char* record, uint32_t recNo) const;

    struct Program; // the compiled form; defined in Expression.cpp only

private:
    std::unique_ptr<Program> p_;
};

} // namespace xbase
