#include "xbase/Table.h"

#include "xbase/DbfFile.h"
#include "xbase/Expression.h"
#include "xbase/FieldValue.h"
#include "xbase/Mdx.h"
#include "xbase/TagIndex.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace xbase {

namespace {

enum class Event { Move, State, Post };

bool sameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::string trimmed(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && s[b] == ' ') ++b;
    while (e > b && s[e - 1] == ' ') --e;
    return std::string(s.substr(b, e - b));
}

bool isNumberText(std::string_view s)
{
    size_t i = 0;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) ++i;
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') digits = true;
        else if (s[i] == '.' && !point) point = true;
        else return false;
    }
    return digits;
}

} // namespace

struct Table::Impl {
    explicit Impl(Table& t) : self(t) {}

    Table& self;
    std::string path;
    bool exclusive = true;
    bool readOnly = false;
    FieldList givenFields;
    CodePage createCodePage = CodePage::CP850;

    DbfFile file;
    std::string blankRecord;

    // cursor
    uint32_t cur = 0;
    bool eof = true;
    bool bof = true;
    bool peeking = false; // a predicate is looking at a record that is not the cursor's
    TableState state = TableState::Inactive;
    std::string buffer;

    // indexes
    std::string indexPath;
    TagList tagDefs;
    std::vector<TagIndex> tags;
    int order = -1;
    bool indexStale = false; // the .mdx on disk lags behind the records

    // visibility
    bool hideDeleted = false;
    Expression filterExpr;
    std::function<bool(const Table&)> filterPredicate;
    Expression whileExpr;
    std::function<bool(const Table&)> whilePredicate;

    struct Subscriber {
        int id;
        Event event;
        Callback callback;
    };
    std::vector<Subscriber> subscribers;
    int nextId = 1;

    // ---- helpers ------------------------------------------------------------------
    [[noreturn]] void fail(const std::string& message) const { throw DbfError(path, message); }

    void requireOpen() const
    {
        if (!file.isOpen()) fail("The table " + path + " is not open.");
    }

    uint32_t count() const { return file.isOpen() ? file.header().recordCount : 0; }
    size_t recordLength() const { return file.header().recordLength; }
    const std::vector<FieldSlot>& slots() const { return file.header().slots; }

    const char* record(uint32_t recNo) const
    {
        return file.record(recNo);
    }

    // The bytes the field accessors read: the edit buffer while editing, else the
    // current record, else a blank record.
    const char* row() const
    {
        if (!peeking && (state == TableState::Edit || state == TableState::Insert)) return buffer.data();
        if (cur > 0 && cur <= count()) return record(cur);
        return blankRecord.data();
    }

    const FieldSlot& slot(std::string_view name) const
    {
        requireOpen();
        // Callers mostly read a record's fields one after another, so the field after
        // the one found last is tried first; it saves the search on every field read.
        const std::vector<FieldSlot>& all = slots();
        size_t guess = lastSlot + 1 < all.size() ? lastSlot + 1 : 0;
        if (guess < all.size() && sameNameIgnoringCase(all[guess].name, name)) return all[lastSlot = guess];
        for (size_t i = 0; i < all.size(); ++i)
            if (sameNameIgnoringCase(all[i].name, name)) return all[lastSlot = i];
        fail("The table " + path + " has no field named " + std::string(name) + ".");
    }
    mutable size_t lastSlot = 0;

    const FieldSlot& slotNumber(int number) const
    {
        requireOpen();
        if (number < 1 || number > int(slots().size()))
            fail("The table " + path + " has no field number " + std::to_string(number) + ".");
        return slots()[size_t(number - 1)];
    }

    void checkRecNo(uint32_t recNo) const
    {
        requireOpen();
        if (recNo < 1 || recNo > count())
            fail("The table " + path + " has no record " + std::to_string(recNo) + ".");
    }

    std::string textOf(const char* rec, const FieldSlot& s) const
    {
        std::string_view raw(rec + s.offset, size_t(s.length));
        if (s.type == FieldType::Logical) {
            switch (fieldvalue::parseLogical(raw[0])) {
            case fieldvalue::Logical::True: return "T";
            case fieldvalue::Logical::False: return "F";
            case fieldvalue::Logical::Unset: return " ";
            }
        }
        return toUtf8(raw, file.header().codePage);
    }

    // Turns a UTF-8 value into the field's bytes at dest, by the field's type.
    void encode(const FieldSlot& s, std::string_view value, char* dest) const
    {
        auto refuse = [&](const std::string& why) {
            fail("The value \"" + std::string(value) + "\" does not fit field " + s.name + " of the table " +
                 path + ": " + why + ".");
        };
        std::string bytes;
        switch (s.type) {
        case FieldType::Character:
            bytes = fromUtf8(value, file.header().codePage);
            bytes.resize(size_t(s.length), ' '); // cut to the width, or pad
            break;
        case FieldType::Numeric: {
            // Written as dBase writes numbers: right-aligned with the field's decimals.
            std::string t = trimmed(value);
            bytes.assign(size_t(s.length), ' ');
            if (t.empty()) break;
            if (!isNumberText(t)) refuse("it is not a number");
            if (!fieldvalue::formatNumber(fieldvalue::parseNumber(t), s.length, s.decimals, bytes.data()))
                refuse("it is wider than " + std::to_string(s.length) + " characters");
            break;
        }
        case FieldType::Date: {
            std::string t = trimmed(value);
            int y, m, d;
            if (t.empty()) bytes = std::string(8, ' ');
            else if (fieldvalue::parseDate(t, y, m, d)) bytes = t;
            else refuse("a date is written YYYYMMDD");
            break;
        }
        case FieldType::Logical: {
            std::string t = trimmed(value);
            auto v = t.empty() ? fieldvalue::Logical::Unset : fieldvalue::parseLogical(t[0]);
            bytes = v == fieldvalue::Logical::True ? "T" : v == fieldvalue::Logical::False ? "F" : " ";
            break;
        }
        }
        std::memcpy(dest, bytes.data(), size_t(s.length));
    }

    void notify(Event e)
    {
        if (subscribers.empty()) return;
        // A callback may subscribe or unsubscribe: walk a copy of the ids.
        std::vector<int> ids;
        for (const Subscriber& s : subscribers)
            if (s.event == e) ids.push_back(s.id);
        for (int id : ids) {
            auto it = std::find_if(subscribers.begin(), subscribers.end(), [&](const Subscriber& s) { return s.id == id; });
            if (it != subscribers.end()) {
                Callback cb = it->callback;
                cb();
            }
        }
    }

    void setState(TableState s)
    {
        if (state == s) return;
        state = s;
        notify(Event::State);
    }

    // ---- visibility and order ------------------------------------------------------
    bool runPredicate(const std::function<bool(const Table&)>& pred, uint32_t recNo)
    {
        uint32_t savedCur = cur;
        bool savedPeek = peeking;
        cur = recNo;
        peeking = true;
        bool ok;
        try {
            ok = pred(self);
        } catch (...) {
            cur = savedCur;
            peeking = savedPeek;
            throw;
        }
        cur = savedCur;
        peeking = savedPeek;
        return ok;
    }

    bool visible(uint32_t recNo)
    {
        const char* rec = record(recNo);
        if (hideDeleted && rec[0] == dbf::kDeleted) return false;
        if (!filterExpr.empty() && !filterExpr.evalLogical(rec, recNo)) return false;
        if (filterPredicate && !runPredicate(filterPredicate, recNo)) return false;
        return true;
    }

    bool whileHolds(uint32_t recNo)
    {
        if (!whileExpr.empty() && !whileExpr.evalLogical(record(recNo), recNo)) return false;
        if (whilePredicate && !runPredicate(whilePredicate, recNo)) return false;
        return true;
    }

    uint32_t atPosition(size_t pos) const { return order >= 0 ? tags[size_t(order)].recordAt(pos) : uint32_t(pos + 1); }
    size_t positionOf(uint32_t recNo) const { return order >= 0 ? tags[size_t(order)].positionOf(recNo) : recNo - 1; }

    // The first visible record from pos in direction dir (+1/-1); 0 when none.
    uint32_t scan(long pos, int dir)
    {
        long n = long(count());
        for (; pos >= 0 && pos < n; pos += dir) {
            uint32_t r = atPosition(size_t(pos));
            if (visible(r)) return r;
        }
        return 0;
    }

    void goEnd(int dir)
    {
        uint32_t r = scan(dir > 0 ? 0 : long(count()) - 1, dir);
        cur = r;
        eof = bof = (r == 0);
        if (r && !whileHolds(r)) eof = bof = true;
        notify(Event::Move);
    }

    // One step; false when the walk ends (the cursor then stays where it was).
    bool step(int dir)
    {
        if (cur == 0) return false;
        uint32_t r = scan(long(positionOf(cur)) + dir, dir);
        if (r == 0 || !whileHolds(r)) return false;
        cur = r;
        return true;
    }

    void skip(long n)
    {
        int dir = n >= 0 ? 1 : -1;
        if (cur == 0) {
            eof = bof = true;
        } else if (n == 0) {
            eof = bof = false;
        } else {
            bool moved = true;
            for (long i = 0; i < (n < 0 ? -n : n) && moved; ++i) moved = step(dir);
            eof = dir > 0 && !moved;
            bof = dir < 0 && !moved;
        }
        notify(Event::Move);
    }

    // After a change of what is visible: stay when the current record still shows,
    // else move to the next one that does (or the one before).
    void resync()
    {
        if (!file.isOpen()) return;
        if (cur && visible(cur)) return;
        uint32_t r = 0;
        if (cur) {
            long pos = long(positionOf(cur));
            r = scan(pos + 1, 1);
            if (!r) r = scan(pos - 1, -1);
        } else {
            r = scan(0, 1);
        }
        cur = r;
        eof = bof = (r == 0);
        notify(Event::Move);
    }

    // ---- writing -------------------------------------------------------------------
    void recordChanged(uint32_t recNo)
    {
        for (TagIndex& t : tags) t.update(record(recNo), recNo);
        if (!tags.empty()) indexStale = true;
    }

    void replace(uint32_t recNo, const char* bytes)
    {
        file.replaceRecord(recNo, bytes);
        recordChanged(recNo);
    }

    void appendRecord(const char* bytes)
    {
        file.appendRecord(bytes);
        uint32_t r = count();
        for (TagIndex& t : tags) t.append(record(r), r);
        if (!tags.empty()) indexStale = true;
        cur = r;
        eof = bof = false;
    }

    void postIfEditing()
    {
        if (state == TableState::Edit || state == TableState::Insert) self.post();
    }

    void startEdit()
    {
        requireOpen();
        file.requireWritable();
        if (state == TableState::Edit || state == TableState::Insert) return;
        if (cur == 0) {
            buffer = blankRecord;
            setState(TableState::Insert);
        } else {
            buffer.assign(record(cur), recordLength());
            setState(TableState::Edit);
        }
    }

    // A filter or while condition; empty text gives the empty expression (none).
    Expression compileCondition(const std::string& expression, const std::string& role) const
    {
        Expression compiled;
        if (expression.empty()) return compiled;
        requireOpen();
        try {
            compiled = Expression::compile(expression, slots(), file.header().codePage);
        } catch (const ExpressionError& e) {
            fail("The " + role + " of the table " + path + " cannot be used. " + e.what());
        }
        if (compiled.type() != ValueType::Logical)
            fail("The " + role + " \"" + expression + "\" of the table " + path + " is not a condition.");
        return compiled;
    }

    // ---- indexes -------------------------------------------------------------------
    void buildTags(const TagList& defs)
    {
        std::vector<TagIndex> built;
        for (const TagDef& def : defs) {
            if (def.name.empty() || def.name.size() > 10)
                fail("The tag name \"" + def.name + "\" of the table " + path + " must have 1 to 10 characters.");
            for (const TagIndex& t : built)
                if (sameNameIgnoringCase(t.def().name, def.name))
                    fail("The tag " + def.name + " of the table " + path + " is listed twice.");
            try {
                built.emplace_back(def, slots(), file.header().codePage);
            } catch (const ExpressionError& e) {
                fail("The tag " + def.name + " of the table " + path + " cannot be made. " + e.what());
            }
        }
        TagIndex::buildAll(built, file.records(), count(), recordLength());
        tags = std::move(built);
        tagDefs = defs;
    }

    void writeIndexFile()
    {
        if (indexPath.empty() || !file.isOpen()) return;
        std::vector<MdxTagImage> images;
        images.reserve(tags.size());
        for (const TagIndex& t : tags) images.push_back(t.image());
        writeMdx(indexPath, std::filesystem::path(path).stem().string(), images);
        indexStale = false;
    }

    void rebuildTags()
    {
        TagIndex::buildAll(tags, file.records(), count(), recordLength());
        if (!tags.empty()) indexStale = true;
    }
};

// ---------------------------------------------------------------------------------

Table::Table(FieldList fields) : d(std::make_unique<Impl>(*this))
{
    d->givenFields = std::move(fields);
}

Table::~Table()
{
    try {
        close();
    } catch (...) {
        // close() only throws when the index file cannot be written; a destructor
        // has nobody to tell, and the index is rebuilt at the next open anyway.
    }
}

// ---- file --------------------------------------------------------------------------

void Table::setFileName(const std::string& path) { d->path = path; }
const std::string& Table::fileName() const { return d->path; }

void Table::setExclusive(bool on)
{
    if (d->exclusive == on) return;
    d->exclusive = on;
    if (isOpen()) {
        TagList defs = d->tagDefs;
        std::string index = d->indexPath;
        std::string tag = currentTag();
        close();
        open();
        if (!defs.empty()) {
            d->buildTags(defs);
            d->indexPath = index;
            setOrder(tag);
        }
    }
}

bool Table::exclusive() const { return d->exclusive; }
void Table::setFields(FieldList fields) { d->givenFields = std::move(fields); }
const FieldList& Table::fields() const { return d->file.isOpen() ? d->file.header().fields : d->givenFields; }
void Table::setCodePage(CodePage cp) { d->createCodePage = cp; }
CodePage Table::codePage() const { return d->file.isOpen() ? d->file.header().codePage : d->createCodePage; }
void Table::setReadOnly(bool on) { d->readOnly = on; }
bool Table::readOnly() const { return d->readOnly; }

void Table::open()
{
    if (isOpen()) return;
    d->file.open(d->path, d->exclusive, d->readOnly, true, d->givenFields, d->createCodePage);
    d->blankRecord.assign(d->file.header().recordLength, ' ');
    d->tags.clear();
    d->tagDefs.clear();
    d->indexPath.clear();
    d->order = -1;
    d->indexStale = false;
    d->state = TableState::Browse;
    d->notify(Event::State);
    first();
}

void Table::close()
{
    if (!isOpen()) return;
    d->buffer.clear();
    bool writeIndex = d->indexStale && !d->indexPath.empty();
    std::exception_ptr failure;
    if (writeIndex) {
        try {
            d->writeIndexFile();
        } catch (...) {
            failure = std::current_exception();
        }
    }
    d->file.close();
    d->tags.clear();
    d->order = -1;
    d->cur = 0;
    d->eof = d->bof = true;
    d->setState(TableState::Inactive);
    if (failure) std::rethrow_exception(failure);
}

bool Table::isOpen() const { return d->file.isOpen(); }

void Table::copyStructure(const std::string& path) const
{
    const FieldList& f = fields();
    dbf::checkFields(f, path);
    if (isOpen() && std::filesystem::exists(path) &&
        std::filesystem::equivalent(path, d->path))
        throw DbfError(path, "Could not create the table " + path + ": it is the table being copied.");
    std::string bytes = dbf::buildHeader(f, codePage(), 0, false);
    bytes += dbf::kEndOfFile;
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) throw DbfError(path, "Could not create the table " + path + ": " + std::strerror(errno) + ".");
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    ok = std::fclose(out) == 0 && ok;
    if (!ok) throw DbfError(path, "Could not write the table " + path + ".");
}

void Table::flush()
{
    // Every post is written with pwrite before it returns; the OS has it already.
    // What may lag is the index file, which is written when the table closes.
    d->requireOpen();
}

// ---- indexes -----------------------------------------------------------------------

void Table::makeIndex(const std::string& indexPath, const TagList& tags)
{
    d->requireOpen();
    d->postIfEditing();
    if (!indexPath.empty()) std::remove(indexPath.c_str());
    d->order = -1;
    d->indexPath.clear();
    d->buildTags(tags);
    d->indexPath = indexPath;
    if (!indexPath.empty()) {
        // Other programs open a production index by themselves when the header says
        // so; that only works when it sits beside the table under the same name.
        namespace fs = std::filesystem;
        fs::path table(d->path), index(indexPath);
        bool beside = table.parent_path() == index.parent_path() &&
                      sameNameIgnoringCase(table.stem().string(), index.stem().string());
        d->file.setMdxFlag(beside);
        d->writeIndexFile();
    }
}

const std::string& Table::indexFile() const { return d->indexPath; }
const TagList& Table::tags() const { return d->tagDefs; }

void Table::setOrder(const std::string& tagName)
{
    d->requireOpen();
    if (tagName.empty()) {
        d->order = -1;
        return;
    }
    for (size_t i = 0; i < d->tags.size(); ++i) {
        if (sameNameIgnoringCase(d->tags[i].def().name, tagName)) {
            d->order = int(i);
            return;
        }
    }
    d->fail("The table " + d->path + " has no index tag named " + tagName + ".");
}

std::string Table::currentTag() const
{
    return d->order >= 0 ? d->tags[size_t(d->order)].def().name : std::string();
}

bool Table::seek(std::string_view keyPrefix)
{
    d->requireOpen();
    if (d->order < 0) d->fail("The table " + d->path + " cannot seek without an index order.");
    d->postIfEditing();
    const TagIndex& tag = d->tags[size_t(d->order)];
    TagIndex::Probe probe = tag.probe(tag.keyType() == 'C' ? fromUtf8(keyPrefix, codePage()) : std::string(keyPrefix));
    for (size_t pos = tag.lowerBound(probe); tag.matches(pos, probe); ++pos) {
        uint32_t r = tag.recordAt(pos);
        if (d->visible(r)) {
            d->cur = r;
            d->eof = d->bof = false;
            d->notify(Event::Move);
            return true;
        }
    }
    d->eof = true;
    d->notify(Event::Move);
    return false;
}

std::string Table::currentKey() const
{
    if (d->order < 0 || d->cur == 0) return {};
    const TagIndex& tag = d->tags[size_t(d->order)];
    std::string key = tag.keyText(d->cur);
    return tag.keyType() == 'C' ? toUtf8(key, codePage()) : key;
}

// ---- cursor --------------------------------------------------------------------------

void Table::first()
{
    d->requireOpen();
    d->postIfEditing();
    d->goEnd(1);
}

void Table::last()
{
    d->requireOpen();
    d->postIfEditing();
    d->goEnd(-1);
}

void Table::next() { skip(1); }
void Table::prior() { skip(-1); }

void Table::skip(long count)
{
    d->requireOpen();
    d->postIfEditing();
    d->skip(count);
}

void Table::go(uint32_t recNo)
{
    d->checkRecNo(recNo);
    d->postIfEditing();
    d->cur = recNo;
    d->eof = d->bof = false;
    d->notify(Event::Move);
}

bool Table::eof() const { return d->eof; }
bool Table::bof() const { return d->bof; }
uint32_t Table::recNo() const { return d->cur; }
uint32_t Table::recordCount() const { return d->count(); }

// ---- fields --------------------------------------------------------------------------

int Table::fieldCount() const { return isOpen() ? int(d->slots().size()) : int(d->givenFields.size()); }

std::string Table::fieldName(int number) const { return d->slotNumber(number).name; }

int Table::fieldNumber(std::string_view name) const
{
    if (!isOpen()) return 0;
    const auto& s = d->slots();
    for (size_t i = 0; i < s.size(); ++i)
        if (sameNameIgnoringCase(s[i].name, name)) return int(i + 1);
    return 0;
}

std::string Table::fieldText(std::string_view name) const
{
    return d->textOf(d->row(), d->slot(name));
}

std::string Table::text(std::string_view name) const
{
    std::string t = fieldText(name);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return t;
}

long Table::fieldInt(std::string_view name) const
{
    const FieldSlot& s = d->slot(name);
    double v = fieldvalue::parseNumber(std::string_view(d->row() + s.offset, size_t(s.length)));
    // A text field may hold more digits than a long takes: held to its range.
    constexpr double kLimit = 9.2e18;
    return v >= kLimit ? LONG_MAX : v <= -kLimit ? LONG_MIN : long(v);
}

bool Table::fieldBool(std::string_view name) const
{
    const FieldSlot& s = d->slot(name);
    return fieldvalue::parseLogical(d->row()[s.offset]) == fieldvalue::Logical::True;
}

void Table::setField(std::string_view name, std::string_view value)
{
    const FieldSlot& s = d->slot(name);
    char bytes[256];
    d->encode(s, value, bytes); // refuses before any state change
    d->startEdit();
    std::memcpy(d->buffer.data() + s.offset, bytes, size_t(s.length));
}

void Table::setFieldInt(std::string_view name, long value)
{
    const FieldSlot& s = d->slot(name);
    if (s.type == FieldType::Numeric) {
        char bytes[32];
        if (!fieldvalue::formatNumber(double(value), s.length, s.decimals, bytes))
            d->fail("The value " + std::to_string(value) + " does not fit field " + s.name + " of the table " +
                    d->path + ": it is wider than " + std::to_string(s.length) + " characters.");
        d->startEdit();
        std::memcpy(d->buffer.data() + s.offset, bytes, size_t(s.length));
        return;
    }
    setField(name, std::to_string(value));
}

void Table::setFieldBool(std::string_view name, bool value)
{
    setField(name, value ? "T" : "F");
}

std::string Table::peek(int fieldNumber, uint32_t recNo) const
{
    d->checkRecNo(recNo);
    const char* rec = d->record(recNo);
    if (fieldNumber == 0) return rec[0] == dbf::kDeleted ? "*" : " ";
    return d->textOf(rec, d->slotNumber(fieldNumber));
}

void Table::poke(std::string_view value, int fieldNumber, uint32_t recNo)
{
    d->checkRecNo(recNo);
    std::string rec(d->record(recNo), d->recordLength());
    int offset = 0, length = 1;
    if (fieldNumber == 0) {
        rec[0] = (!value.empty() && value[0] == '*') ? dbf::kDeleted : dbf::kLive;
    } else {
        const FieldSlot& s = d->slotNumber(fieldNumber);
        d->encode(s, value, rec.data() + s.offset);
        offset = s.offset;
        length = s.length;
    }
    d->replace(recNo, rec.data());
    // A poke into the record being edited shows in the edit buffer too.
    if (recNo == d->cur && d->state == TableState::Edit)
        std::memcpy(d->buffer.data() + offset, rec.data() + offset, size_t(length));
}

// ---- editing -------------------------------------------------------------------------

TableState Table::state() const { return d->state; }

void Table::edit()
{
    d->requireOpen();
    if (d->state != TableState::Browse) return;
    if (d->cur == 0) d->fail("The table " + d->path + " has no record to edit.");
    d->startEdit();
}

void Table::append()
{
    d->requireOpen();
    d->postIfEditing();
    d->file.requireWritable();
    d->buffer = d->blankRecord;
    d->setState(TableState::Insert);
}

void Table::appendBlank()
{
    d->requireOpen();
    d->postIfEditing();
    d->appendRecord(d->blankRecord.data());
    d->notify(Event::Move);
}

void Table::post()
{
    d->requireOpen();
    if (d->state == TableState::Insert) {
        d->appendRecord(d->buffer.data());
        d->buffer.clear();
        d->setState(TableState::Browse);
        d->notify(Event::Post);
        d->notify(Event::Move);
    } else if (d->state == TableState::Edit) {
        if (std::memcmp(d->buffer.data(), d->record(d->cur), d->recordLength()) != 0)
            d->replace(d->cur, d->buffer.data());
        d->buffer.clear();
        d->setState(TableState::Browse);
        d->notify(Event::Post);
    }
}

void Table::cancel()
{
    if (d->state != TableState::Edit && d->state != TableState::Insert) return;
    d->buffer.clear();
    d->setState(TableState::Browse);
    d->notify(Event::Move); // the fields show the record again
}

void Table::clearRecord()
{
    d->startEdit();
    // The deletion mark belongs to the record, not to its fields.
    char mark = d->buffer[0];
    d->buffer = d->blankRecord;
    d->buffer[0] = mark;
}

bool Table::modified() const
{
    if (d->state == TableState::Insert) return d->buffer != d->blankRecord;
    if (d->state == TableState::Edit)
        return std::memcmp(d->buffer.data(), d->record(d->cur), d->recordLength()) != 0;
    return false;
}

// ---- deletion mark ---------------------------------------------------------------------

bool Table::deleted() const
{
    return isOpen() && d->row()[0] == dbf::kDeleted;
}

void Table::deleteRecord()
{
    d->requireOpen();
    if (d->state == TableState::Edit || d->state == TableState::Insert) {
        d->buffer[0] = dbf::kDeleted;
        return;
    }
    if (d->cur == 0) d->fail("The table " + d->path + " has no record to delete.");
    poke("*", 0, d->cur);
}

void Table::recall()
{
    d->requireOpen();
    if (d->state == TableState::Edit || d->state == TableState::Insert) {
        d->buffer[0] = dbf::kLive;
        return;
    }
    if (d->cur == 0) d->fail("The table " + d->path + " has no record to recall.");
    poke(" ", 0, d->cur);
}

void Table::setHideDeleted(bool on)
{
    if (d->hideDeleted == on) return;
    d->hideDeleted = on;
    if (isOpen() && d->state == TableState::Browse) d->resync();
}

bool Table::hideDeleted() const { return d->hideDeleted; }

void Table::pack()
{
    d->requireOpen();
    d->postIfEditing();
    size_t len = d->recordLength();
    std::vector<char> kept;
    kept.reserve(d->count() * len);
    for (uint32_t r = 1; r <= d->count(); ++r) {
        const char* rec = d->record(r);
        if (rec[0] != dbf::kDeleted) kept.insert(kept.end(), rec, rec + len);
    }
    d->file.rewrite(std::move(kept));
    d->rebuildTags();
    if (!d->indexPath.empty()) d->writeIndexFile();
    d->goEnd(1);
}

void Table::zap()
{
    d->requireOpen();
    if (d->state == TableState::Edit || d->state == TableState::Insert) cancel();
    d->file.truncate();
    d->rebuildTags();
    if (!d->indexPath.empty()) d->writeIndexFile();
    d->goEnd(1);
}

// ---- filter and while -----------------------------------------------------------------

void Table::setFilter(const std::string& expression)
{
    d->filterExpr = d->compileCondition(expression, "filter");
    d->filterPredicate = nullptr;
    if (isOpen() && d->state == TableState::Browse) d->resync();
}

void Table::setFilter(std::function<bool(const Table&)> predicate)
{
    d->filterExpr = Expression();
    d->filterPredicate = std::move(predicate);
    if (isOpen() && d->state == TableState::Browse) d->resync();
}

std::string Table::filter() const { return d->filterExpr.text(); }

void Table::setWhile(const std::string& expression)
{
    d->whileExpr = d->compileCondition(expression, "while condition");
    d->whilePredicate = nullptr;
}

void Table::setWhile(std::function<bool(const Table&)> predicate)
{
    d->whileExpr = Expression();
    d->whilePredicate = std::move(predicate);
}

// ---- notifications ---------------------------------------------------------------------

int Table::subscribeAfterMove(Callback cb)
{
    d->subscribers.push_back({d->nextId, Event::Move, std::move(cb)});
    return d->nextId++;
}

int Table::subscribeStateChange(Callback cb)
{
    d->subscribers.push_back({d->nextId, Event::State, std::move(cb)});
    return d->nextId++;
}

int Table::subscribeAfterPost(Callback cb)
{
    d->subscribers.push_back({d->nextId, Event::Post, std::move(cb)});
    return d->nextId++;
}

void Table::unsubscribe(int id)
{
    std::erase_if(d->subscribers, [&](const Impl::Subscriber& s) { return s.id == id; });
}

} // namespace xbase
