#include "xbase/Expression.h"

#include "xbase/FieldValue.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace xbase {

namespace {

enum class Op : uint8_t {
    FieldText, FieldNumber, FieldDate, FieldLogical,
    LiteralText, LiteralNumber, LiteralLogical,
    Upper, Lower, RTrim, LTrim, AllTrim, Str, Val, Dtos, Substr, Space, Iif,
    RecNo, Deleted,
    Join, JoinMovingBlanks, Add, Subtract, Multiply, Divide, Negate,
    Compare, And, Or, Not,
};

enum class Cmp : uint8_t { Equal, ExactEqual, NotEqual, Less, Greater, LessEqual, GreaterEqual, Contains };

constexpr int kMaxWidth = 65535;  // of any text inside an expression
constexpr int kMaxDepth = 200;    // nesting, so hostile input cannot exhaust the stack

struct Node {
    Op op = Op::LiteralNumber;
    ValueType type = ValueType::Numeric;
    Cmp cmp = Cmp::Equal;
    int width = 0;        // text and date results: the most bytes evalText can give
    int a = -1, b = -1, c = -1;
    int offset = 0;       // field: offset in the record; Substr: start (0-based)
    int length = 0;       // field length; Str: width; Substr: count (-1 = computed)
    int decimals = 0;     // Str
    int scratch = -1;     // offset of this node's scratch area
    double number = 0;
    std::string text = {};
};

} // namespace

struct Expression::Program {
    std::string source;
    std::vector<Node> nodes;
    int root = -1;
    const unsigned char* upper = nullptr;
    unsigned char lowerTable[256];
    mutable std::vector<char> scratch;

    size_t text(int n, const char* rec, uint32_t recNo, char* out) const;
    double number(int n, const char* rec, uint32_t recNo) const;
    bool logical(int n, const char* rec, uint32_t recNo) const;
};

namespace {

// str(n, width, decimals): as fieldvalue::formatNumber, and width asterisks when the
// number does not fit, as in dBase.
void formatStr(double value, int width, int decimals, char* out)
{
    if (!fieldvalue::formatNumber(value, width, decimals, out)) std::memset(out, '*', width);
}

int compareBlankPadded(const char* a, size_t la, const char* b, size_t lb)
{
    size_t n = std::min(la, lb);
    if (int c = std::memcmp(a, b, n)) return c;
    for (size_t i = n; i < la; ++i)
        if (a[i] != ' ') return (unsigned char)a[i] < ' ' ? -1 : 1;
    for (size_t i = n; i < lb; ++i)
        if (b[i] != ' ') return (unsigned char)b[i] < ' ' ? 1 : -1;
    return 0;
}

bool compareResult(Cmp cmp, int c)
{
    switch (cmp) {
    case Cmp::Equal: case Cmp::ExactEqual: return c == 0;
    case Cmp::NotEqual: return c != 0;
    case Cmp::Less: return c < 0;
    case Cmp::Greater: return c > 0;
    case Cmp::LessEqual: return c <= 0;
    case Cmp::GreaterEqual: return c >= 0;
    case Cmp::Contains: break;
    }
    return false;
}

} // namespace

size_t Expression::Program::text(int n, const char* rec, uint32_t recNo, char* out) const
{
    const Node& node = nodes[n];
    switch (node.op) {
    case Op::FieldText:
    case Op::FieldDate:
        std::memcpy(out, rec + node.offset, node.length);
        return node.length;
    case Op::LiteralText:
        std::memcpy(out, node.text.data(), node.text.size());
        return node.text.size();
    case Op::Upper:
    case Op::Lower: {
        size_t len = text(node.a, rec, recNo, out);
        const unsigned char* table = node.op == Op::Upper ? upper : lowerTable;
        for (size_t i = 0; i < len; ++i) out[i] = char(table[(unsigned char)out[i]]);
        return len;
    }
    case Op::RTrim: {
        size_t len = text(node.a, rec, recNo, out);
        while (len > 0 && out[len - 1] == ' ') --len;
        return len;
    }
    case Op::LTrim:
    case Op::AllTrim: {
        size_t len = text(node.a, rec, recNo, out);
        size_t start = 0;
        while (start < len && out[start] == ' ') ++start;
        std::memmove(out, out + start, len - start);
        len -= start;
        if (node.op == Op::AllTrim)
            while (len > 0 && out[len - 1] == ' ') --len;
        return len;
    }
    case Op::Str:
        formatStr(number(node.a, rec, recNo), node.length, node.decimals, out);
        return node.length;
    case Op::Dtos: {
        // The stored YYYYMMDD is already dtos(); an empty date gives 8 blanks.
        text(node.a, rec, recNo, out);
        int y, m, d;
        if (!fieldvalue::parseDate(std::string_view(out, 8), y, m, d)) std::memset(out, ' ', 8);
        return 8;
    }
    case Op::Substr: {
        char* tmp = scratch.data() + node.scratch;
        size_t len = text(node.a, rec, recNo, tmp);
        long start = node.offset;
        long count = node.length;
        if (node.b >= 0) start = std::lround(number(node.b, rec, recNo)) - 1;
        if (node.c >= 0) count = std::lround(number(node.c, rec, recNo));
        if (start < 0) start = 0;
        if (start >= long(len)) return 0;
        if (count < 0 || count > long(len) - start) count = long(len) - start;
        if (count > node.width) count = node.width;
        std::memcpy(out, tmp + start, count);
        return size_t(count);
    }
    case Op::Space:
        std::memset(out, ' ', node.width);
        return node.width;
    case Op::Iif:
        return logical(node.a, rec, recNo) ? text(node.b, rec, recNo, out)
                                           : text(node.c, rec, recNo, out);
    case Op::Join: {
        size_t la = text(node.a, rec, recNo, out);
        return la + text(node.b, rec, recNo, out + la);
    }
    case Op::JoinMovingBlanks: {
        // dBase's "-" on texts: the trailing blanks of the left side go to the end, so
        // last - first gives "SMITH" + "JOHN" + all the blanks.
        size_t la = text(node.a, rec, recNo, out);
        size_t kept = la;
        while (kept > 0 && out[kept - 1] == ' ') --kept;
        size_t lb = text(node.b, rec, recNo, out + kept);
        std::memset(out + kept + lb, ' ', la - kept);
        return la + lb;
    }
    default:
        return 0; // not a text node; compile() never lets this happen
    }
}

double Expression::Program::number(int n, const char* rec, uint32_t recNo) const
{
    const Node& node = nodes[n];
    switch (node.op) {
    case Op::FieldNumber:
        return fieldvalue::parseNumber(std::string_view(rec + node.offset, node.length));
    case Op::FieldDate:
        return fieldvalue::dateKey(std::string_view(rec + node.offset, node.length));
    case Op::LiteralNumber: return node.number;
    case Op::RecNo: return recNo;
    case Op::Val: {
        char* tmp = scratch.data() + node.scratch;
        size_t len = text(node.a, rec, recNo, tmp);
        return fieldvalue::parseNumber(std::string_view(tmp, len));
    }
    case Op::Iif:
        return logical(node.a, rec, recNo) ? number(node.b, rec, recNo) : number(node.c, rec, recNo);
    case Op::Add: return number(node.a, rec, recNo) + number(node.b, rec, recNo);
    case Op::Subtract: return number(node.a, rec, recNo) - number(node.b, rec, recNo);
    case Op::Multiply: return number(node.a, rec, recNo) * number(node.b, rec, recNo);
    case Op::Divide: return number(node.a, rec, recNo) / number(node.b, rec, recNo);
    case Op::Negate: return -number(node.a, rec, recNo);
    default: return 0;
    }
}

bool Expression::Program::logical(int n, const char* rec, uint32_t recNo) const
{
    const Node& node = nodes[n];
    switch (node.op) {
    case Op::FieldLogical:
        return fieldvalue::parseLogical(rec[node.offset]) == fieldvalue::Logical::True;
    case Op::LiteralLogical: return node.number != 0;
    case Op::Deleted: return rec[0] == '*';
    case Op::Not: return !logical(node.a, rec, recNo);
    case Op::And: return logical(node.a, rec, recNo) && logical(node.b, rec, recNo);
    case Op::Or: return logical(node.a, rec, recNo) || logical(node.b, rec, recNo);
    case Op::Iif:
        return logical(node.a, rec, recNo) ? logical(node.b, rec, recNo) : logical(node.c, rec, recNo);
    case Op::Compare: {
        ValueType t = nodes[node.a].type;
        if (t == ValueType::Numeric) {
            double x = number(node.a, rec, recNo), y = number(node.b, rec, recNo);
            return compareResult(node.cmp, x < y ? -1 : x > y ? 1 : 0);
        }
        if (t == ValueType::Logical) {
            bool x = logical(node.a, rec, recNo), y = logical(node.b, rec, recNo);
            return compareResult(node.cmp, int(x) - int(y));
        }
        char* left = scratch.data() + node.scratch;
        char* right = left + nodes[node.a].width;
        size_t la = text(node.a, rec, recNo, left);
        size_t lb = text(node.b, rec, recNo, right);
        switch (node.cmp) {
        case Cmp::Contains:
            return std::string_view(right, lb).find(std::string_view(left, la)) != std::string_view::npos;
        case Cmp::Equal:
        case Cmp::NotEqual: {
            // "=" with dBase's SET EXACT OFF: the left side only has to begin with the
            // right side, so name = "SM" finds "SMITH".
            bool eq = la >= lb ? std::memcmp(left, right, lb) == 0
                               : compareBlankPadded(left, la, right, lb) == 0;
            return node.cmp == Cmp::Equal ? eq : !eq;
        }
        default:
            return compareResult(node.cmp, compareBlankPadded(left, la, right, lb));
        }
    }
    default: return false;
    }
}

// ---------------------------------------------------------------------------------
// Parser: recursive descent over a token stream, building the node vector.

namespace {

enum class Tok { End, Number, String, Name, LParen, RParen, Comma, Plus, Minus, Star, Slash,
                 Relation, And, Or, Not, True, False };

struct Token {
    Tok kind = Tok::End;
    std::string text;   // names lower-cased, strings without quotes
    double number = 0;
    Cmp cmp = Cmp::Equal;
    size_t pos = 0;
};

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z') ch = char(ch - 'A' + 'a');
    return out;
}

class Parser {
public:
    Parser(std::string_view src, const std::vector<FieldSlot>& fields, CodePage cp,
           Expression::Program& prog)
        : src_(src), fields_(fields), cp_(cp), prog_(prog) { advance(); }

    int parseAll()
    {
        int n = parseOr();
        if (tok_.kind != Tok::End) fail("unexpected text", tok_.pos);
        return n;
    }

private:
    [[noreturn]] void fail(const std::string& what, size_t pos) const
    {
        throw ExpressionError("The expression \"" + std::string(src_) + "\" cannot be used: " +
                              what + " at position " + std::to_string(pos + 1) + ".");
    }

    void advance()
    {
        while (i_ < src_.size() && (src_[i_] == ' ' || src_[i_] == '\t')) ++i_;
        tok_ = Token{};
        tok_.pos = i_;
        if (i_ >= src_.size()) return;
        char ch = src_[i_];
        auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
        auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
        if (isDigit(ch) || (ch == '.' && i_ + 1 < src_.size() && isDigit(src_[i_ + 1]))) {
            size_t start = i_;
            while (i_ < src_.size() && (isDigit(src_[i_]) || src_[i_] == '.')) ++i_;
            tok_.kind = Tok::Number;
            tok_.number = fieldvalue::parseNumber(src_.substr(start, i_ - start));
            return;
        }
        if (ch == '.') {
            // .T. .F. .Y. .N. .AND. .OR. .NOT.
            size_t end = src_.find('.', i_ + 1);
            if (end == std::string_view::npos) fail("a lone \".\"", i_);
            std::string word = lowerAscii(src_.substr(i_ + 1, end - i_ - 1));
            if (word == "t" || word == "y") tok_.kind = Tok::True;
            else if (word == "f" || word == "n") tok_.kind = Tok::False;
            else if (word == "and") tok_.kind = Tok::And;
            else if (word == "or") tok_.kind = Tok::Or;
            else if (word == "not") tok_.kind = Tok::Not;
            else fail("unknown word \"." + word + ".\"", i_);
            i_ = end + 1;
            return;
        }
        if (isAlpha(ch)) {
            size_t start = i_;
            while (i_ < src_.size() && (isAlpha(src_[i_]) || isDigit(src_[i_]))) ++i_;
            tok_.kind = Tok::Name;
            tok_.text = lowerAscii(src_.substr(start, i_ - start));
            return;
        }
        if (ch == '"' || ch == '\'' || ch == '[') {
            char close = ch == '[' ? ']' : ch;
            size_t end = src_.find(close, i_ + 1);
            if (end == std::string_view::npos) fail("a text without its closing quote", i_);
            tok_.kind = Tok::String;
            tok_.text = fromUtf8(src_.substr(i_ + 1, end - i_ - 1), cp_);
            i_ = end + 1;
            return;
        }
        ++i_;
        auto next = [&](char c) {
            if (i_ < src_.size() && src_[i_] == c) { ++i_; return true; }
            return false;
        };
        switch (ch) {
        case '(': tok_.kind = Tok::LParen; return;
        case ')': tok_.kind = Tok::RParen; return;
        case ',': tok_.kind = Tok::Comma; return;
        case '+': tok_.kind = Tok::Plus; return;
        case '-': tok_.kind = Tok::Minus; return;
        case '*': tok_.kind = Tok::Star; return;
        case '/': tok_.kind = Tok::Slash; return;
        case '$': tok_.kind = Tok::Relation; tok_.cmp = Cmp::Contains; return;
        case '#': tok_.kind = Tok::Relation; tok_.cmp = Cmp::NotEqual; return;
        case '=': tok_.kind = Tok::Relation; tok_.cmp = next('=') ? Cmp::ExactEqual : Cmp::Equal; return;
        case '<':
            tok_.kind = Tok::Relation;
            tok_.cmp = next('>') ? Cmp::NotEqual : next('=') ? Cmp::LessEqual : Cmp::Less;
            return;
        case '>': tok_.kind = Tok::Relation; tok_.cmp = next('=') ? Cmp::GreaterEqual : Cmp::Greater; return;
        case '!':
            if (next('=')) { tok_.kind = Tok::Relation; tok_.cmp = Cmp::NotEqual; }
            else tok_.kind = Tok::Not;
            return;
        default: fail(std::string("unexpected character \"") + ch + "\"", i_ - 1);
        }
    }

    void expect(Tok kind, const char* what)
    {
        if (tok_.kind != kind) fail(std::string("expected ") + what, tok_.pos);
        advance();
    }

    struct Depth {
        Parser& p;
        explicit Depth(Parser& parser, size_t pos) : p(parser)
        {
            if (++p.depth_ > kMaxDepth) p.fail("nesting too deep", pos);
        }
        ~Depth() { --p.depth_; }
    };

    int add(Node node, size_t pos)
    {
        if (node.width > kMaxWidth) fail("a text longer than " + std::to_string(kMaxWidth) + " characters", pos);
        prog_.nodes.push_back(std::move(node));
        return int(prog_.nodes.size() - 1);
    }

    const Node& node(int n) const { return prog_.nodes[n]; }

    void requireType(int n, ValueType t, const char* what, size_t pos) const
    {
        if (node(n).type != t) fail(std::string("expected ") + what, pos);
    }

    int scratchFor(int bytes)
    {
        int at = int(prog_.scratch.size());
        prog_.scratch.resize(prog_.scratch.size() + bytes);
        return at;
    }

    int parseOr()
    {
        Depth depth(*this, tok_.pos);
        return parseChain(Tok::Or, Op::Or, ".OR.", &Parser::parseAnd);
    }

    int parseAnd() { return parseChain(Tok::And, Op::And, ".AND.", &Parser::parseNot); }

    // operand (word operand)*, both sides logical.
    int parseChain(Tok word, Op op, const std::string& spelling, int (Parser::*operand)())
    {
        int left = (this->*operand)();
        while (tok_.kind == word) {
            size_t pos = tok_.pos;
            advance();
            int right = (this->*operand)();
            requireType(left, ValueType::Logical, ("a logical value before " + spelling).c_str(), pos);
            requireType(right, ValueType::Logical, ("a logical value after " + spelling).c_str(), pos);
            left = add({.op = op, .type = ValueType::Logical, .a = left, .b = right}, pos);
        }
        return left;
    }

    int parseNot()
    {
        if (tok_.kind == Tok::Not) {
            Depth depth(*this, tok_.pos);
            size_t pos = tok_.pos;
            advance();
            int operand = parseNot();
            requireType(operand, ValueType::Logical, "a logical value after .NOT.", pos);
            return add({.op = Op::Not, .type = ValueType::Logical, .a = operand}, pos);
        }
        return parseRelation();
    }

    int parseRelation()
    {
        int left = parseSum();
        if (tok_.kind != Tok::Relation) return left;
        size_t pos = tok_.pos;
        Cmp cmp = tok_.cmp;
        advance();
        int right = parseSum();
        ValueType t = node(left).type;
        if (node(right).type != t) fail("two different kinds of value compared", pos);
        if (t == ValueType::Logical && cmp != Cmp::Equal && cmp != Cmp::ExactEqual && cmp != Cmp::NotEqual)
            fail("logical values compared by size", pos);
        if (cmp == Cmp::Contains && t != ValueType::Character) fail("\"$\" used on something other than text", pos);
        Node n{.op = Op::Compare, .type = ValueType::Logical, .cmp = cmp, .a = left, .b = right};
        if (t == ValueType::Character || t == ValueType::Date)
            n.scratch = scratchFor(node(left).width + node(right).width);
        return add(std::move(n), pos);
    }

    int parseSum()
    {
        int left = parseProduct();
        while (tok_.kind == Tok::Plus || tok_.kind == Tok::Minus) {
            bool plus = tok_.kind == Tok::Plus;
            size_t pos = tok_.pos;
            advance();
            int right = parseProduct();
            ValueType t = node(left).type;
            if (node(right).type != t) fail("\"+\" or \"-\" between two different kinds of value", pos);
            if (t == ValueType::Character) {
                left = add({.op = plus ? Op::Join : Op::JoinMovingBlanks, .type = t,
                            .width = node(left).width + node(right).width, .a = left, .b = right}, pos);
            } else if (t == ValueType::Numeric) {
                left = add({.op = plus ? Op::Add : Op::Subtract, .type = t, .a = left, .b = right}, pos);
            } else {
                fail("\"+\" or \"-\" on a date or logical value", pos);
            }
        }
        return left;
    }

    int parseProduct()
    {
        int left = parseUnary();
        while (tok_.kind == Tok::Star || tok_.kind == Tok::Slash) {
            bool times = tok_.kind == Tok::Star;
            size_t pos = tok_.pos;
            advance();
            int right = parseUnary();
            requireType(left, ValueType::Numeric, "a number before \"*\" or \"/\"", pos);
            requireType(right, ValueType::Numeric, "a number after \"*\" or \"/\"", pos);
            left = add({.op = times ? Op::Multiply : Op::Divide, .type = ValueType::Numeric, .a = left, .b = right}, pos);
        }
        return left;
    }

    int parseUnary()
    {
        if (tok_.kind == Tok::Minus || tok_.kind == Tok::Plus) {
            Depth depth(*this, tok_.pos);
            bool minus = tok_.kind == Tok::Minus;
            size_t pos = tok_.pos;
            advance();
            int operand = parseUnary();
            requireType(operand, ValueType::Numeric, "a number after a sign", pos);
            if (!minus) return operand;
            if (node(operand).op == Op::LiteralNumber) {
                prog_.nodes[operand].number = -prog_.nodes[operand].number;
                return operand;
            }
            return add({.op = Op::Negate, .type = ValueType::Numeric, .a = operand}, pos);
        }
        return parsePrimary();
    }

    std::vector<int> parseArguments(size_t& pos)
    {
        std::vector<int> args;
        expect(Tok::LParen, "\"(\"");
        if (tok_.kind != Tok::RParen) {
            args.push_back(parseOr());
            while (tok_.kind == Tok::Comma) {
                advance();
                args.push_back(parseOr());
            }
        }
        pos = tok_.pos;
        expect(Tok::RParen, "\")\"");
        return args;
    }

    // A whole number written in the expression itself, e.g. the width of str().
    int constant(int n, int lo, int hi, const char* what, size_t pos) const
    {
        if (node(n).op != Op::LiteralNumber) fail(std::string(what) + " that is a plain number", pos);
        double v = node(n).number;
        if (v < lo || v > hi || v != std::floor(v))
            fail(std::string(what) + " from " + std::to_string(lo) + " to " + std::to_string(hi), pos);
        return int(v);
    }

    int parseFunction(const std::string& name, size_t pos)
    {
        size_t endPos = pos;
        std::vector<int> args = parseArguments(endPos);
        auto arity = [&](size_t lo, size_t hi) {
            if (args.size() < lo || args.size() > hi)
                fail(name + "() with " + std::to_string(args.size()) + " arguments", pos);
        };
        auto textArg = [&](size_t i) { requireType(args[i], ValueType::Character, ("text in " + name + "()").c_str(), pos); };
        auto numberArg = [&](size_t i) { requireType(args[i], ValueType::Numeric, ("a number in " + name + "()").c_str(), pos); };

        if (name == "upper" || name == "lower" || name == "trim" || name == "rtrim" ||
            name == "ltrim" || name == "alltrim") {
            arity(1, 1);
            textArg(0);
            Op op = name == "upper" ? Op::Upper : name == "lower" ? Op::Lower
                  : name == "ltrim" ? Op::LTrim : name == "alltrim" ? Op::AllTrim : Op::RTrim;
            return add({.op = op, .type = ValueType::Character, .width = node(args[0]).width, .a = args[0]}, pos);
        }
        if (name == "str") {
            arity(1, 3);
            numberArg(0);
            int width = args.size() > 1 ? constant(args[1], 1, 255, "a width", pos) : 10;
            int decimals = args.size() > 2 ? constant(args[2], 0, 254, "decimals", pos) : 0;
            return add({.op = Op::Str, .type = ValueType::Character, .width = width, .a = args[0],
                        .length = width, .decimals = decimals}, pos);
        }
        if (name == "val") {
            arity(1, 1);
            textArg(0);
            return add({.op = Op::Val, .type = ValueType::Numeric, .a = args[0],
                        .scratch = scratchFor(node(args[0]).width)}, pos);
        }
        if (name == "dtos") {
            arity(1, 1);
            requireType(args[0], ValueType::Date, "a date in dtos()", pos);
            return add({.op = Op::Dtos, .type = ValueType::Character, .width = 8, .a = args[0]}, pos);
        }
        if (name == "substr" || name == "left" || name == "right") {
            bool isSubstr = name == "substr";
            arity(2, isSubstr ? 3 : 2);
            textArg(0);
            numberArg(1);
            if (args.size() > 2) numberArg(2);
            int source = node(args[0]).width;
            Node n{.op = Op::Substr, .type = ValueType::Character, .a = args[0], .length = -1,
                   .scratch = scratchFor(source)};
            if (name == "left") {
                n.offset = 0;
                n.length = constant(args[1], 0, kMaxWidth, "a length", pos);
            } else if (name == "right") {
                // The source's width is fixed, so right() of it is a fixed substring.
                int count = std::min(constant(args[1], 0, kMaxWidth, "a length", pos), source);
                n.offset = source - count;
                n.length = count;
            } else {
                bool fixedStart = node(args[1]).op == Op::LiteralNumber;
                bool fixedCount = args.size() < 3 || node(args[2]).op == Op::LiteralNumber;
                if (fixedStart) n.offset = std::max(0, constant(args[1], -kMaxWidth, kMaxWidth, "a start", pos) - 1);
                else n.b = args[1];
                if (args.size() > 2) {
                    if (fixedCount) n.length = constant(args[2], 0, kMaxWidth, "a length", pos);
                    else n.c = args[2];
                }
            }
            // The width is what the field widths allow: with a fixed start and count it
            // is exactly the count (clipped to the source), else the source's width.
            int avail = n.b >= 0 ? source : std::max(0, source - n.offset);
            n.width = (n.length >= 0 && n.c < 0) ? std::min(n.length, avail) : avail;
            return add(std::move(n), pos);
        }
        if (name == "space") {
            arity(1, 1);
            int width = constant(args[0], 0, kMaxWidth, "a length", pos);
            return add({.op = Op::Space, .type = ValueType::Character, .width = width}, pos);
        }
        if (name == "iif") {
            arity(3, 3);
            requireType(args[0], ValueType::Logical, "a condition in iif()", pos);
            ValueType t = node(args[1]).type;
            if (node(args[2]).type != t) fail("iif() with two different kinds of value", pos);
            return add({.op = Op::Iif, .type = t,
                        .width = std::max(node(args[1]).width, node(args[2]).width),
                        .a = args[0], .b = args[1], .c = args[2]}, pos);
        }
        if (name == "recno") {
            arity(0, 0);
            return add({.op = Op::RecNo, .type = ValueType::Numeric}, pos);
        }
        if (name == "deleted") {
            arity(0, 0);
            return add({.op = Op::Deleted, .type = ValueType::Logical}, pos);
        }
        fail("unknown function " + name + "()", pos);
    }

    int parsePrimary()
    {
        Depth depth(*this, tok_.pos);
        size_t pos = tok_.pos;
        switch (tok_.kind) {
        case Tok::Number: {
            double v = tok_.number;
            advance();
            return add({.op = Op::LiteralNumber, .type = ValueType::Numeric, .number = v}, pos);
        }
        case Tok::String: {
            Node n{.op = Op::LiteralText, .type = ValueType::Character, .width = int(std::min<size_t>(tok_.text.size(), kMaxWidth + 1)), .text = tok_.text};
            advance();
            return add(std::move(n), pos);
        }
        case Tok::True:
        case Tok::False: {
            bool v = tok_.kind == Tok::True;
            advance();
            return add({.op = Op::LiteralLogical, .type = ValueType::Logical, .number = v ? 1.0 : 0.0}, pos);
        }
        case Tok::LParen: {
            advance();
            int n = parseOr();
            expect(Tok::RParen, "\")\"");
            return n;
        }
        case Tok::Name: {
            std::string name = tok_.text;
            advance();
            if (tok_.kind == Tok::LParen) return parseFunction(name, pos);
            return fieldNode(name, pos);
        }
        default:
            fail(tok_.kind == Tok::End ? "the expression ends too early" : "unexpected text", pos);
        }
    }

    int fieldNode(const std::string& name, size_t pos)
    {
        for (const FieldSlot& f : fields_) {
            if (f.name != name) continue;
            Node n{.offset = f.offset, .length = f.length};
            switch (f.type) {
            case FieldType::Character: n.op = Op::FieldText; n.type = ValueType::Character; n.width = f.length; break;
            case FieldType::Numeric: n.op = Op::FieldNumber; n.type = ValueType::Numeric; break;
            case FieldType::Date: n.op = Op::FieldDate; n.type = ValueType::Date; n.width = 8; break;
            case FieldType::Logical: n.op = Op::FieldLogical; n.type = ValueType::Logical; break;
            }
            return add(std::move(n), pos);
        }
        fail("no field named \"" + name + "\"", pos);
    }

    std::string_view src_;
    const std::vector<FieldSlot>& fields_;
    CodePage cp_;
    Expression::Program& prog_;
    size_t i_ = 0;
    int depth_ = 0;
    Token tok_;
};

} // namespace

Expression::Expression() = default;
Expression::~Expression() = default;
Expression::Expression(Expression&&) noexcept = default;
Expression& Expression::operator=(Expression&&) noexcept = default;

Expression Expression::compile(std::string_view text, const std::vector<FieldSlot>& fields, CodePage cp)
{
    auto prog = std::make_unique<Program>();
    prog->source = std::string(text);
    prog->upper = upperTable(cp);
    for (int b = 0; b < 256; ++b) prog->lowerTable[b] = (unsigned char)b;
    for (int b = 0; b < 256; ++b)
        if (prog->upper[b] != b && prog->lowerTable[prog->upper[b]] == prog->upper[b])
            prog->lowerTable[prog->upper[b]] = (unsigned char)b;
    Parser parser(prog->source, fields, cp, *prog);
    prog->root = parser.parseAll();
    // Never empty, so that scratch areas of empty texts ('' = '') are valid pointers.
    prog->scratch.resize(prog->scratch.size() + 1);
    Expression e;
    e.p_ = std::move(prog);
    return e;
}

bool Expression::empty() const { return !p_; }

const std::string& Expression::text() const
{
    static const std::string none;
    return p_ ? p_->source : none;
}

ValueType Expression::type() const { return p_ ? p_->nodes[p_->root].type : ValueType::Logical; }

int Expression::width() const { return p_ ? p_->nodes[p_->root].width : 0; }

bool Expression::isSingleField() const
{
    if (!p_ || p_->nodes.size() != 1) return false;
    Op op = p_->nodes[0].op;
    return op == Op::FieldText || op == Op::FieldNumber || op == Op::FieldDate || op == Op::FieldLogical;
}

void Expression::evalText(const char* record, uint32_t recNo, char* out) const
{
    const Node& root = p_->nodes[p_->root];
    size_t len = p_->text(p_->root, record, recNo, out);
    if (len < size_t(root.width)) std::memset(out + len, ' ', root.width - len);
}

double Expression::evalNumber(const char* record, uint32_t recNo) const
{
    return p_->number(p_->root, record, recNo);
}

bool Expression::evalLogical(const char* record, uint32_t recNo) const
{
    return p_->logical(p_->root, record, recNo);
}

} // namespace xbase
