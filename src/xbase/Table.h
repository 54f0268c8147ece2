#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/CodePage.h"
#include "xbase/Error.h"
#include "xbase/Field.h"

namespace xbase {

enum class TableState { Inactive, Browse, Edit, Insert };

// A dBase table (.dbf) with a cursor, the way the program's windows use one.
//
// The table object carries a field list (used only to create the file when it is
// missing) and, once made, the in-memory index tags. Opening reads the file's own
// header; every posted change is written through to the file (and the record count in
// the header) before the call returns, so a process killed after a post loses nothing.
//
// Text goes in and out as UTF-8 and is stored in the table's OEM code page. Widths are
// counted in characters. All failures throw DbfError naming the file.
//
// Record numbers count from 1 in the file's physical order. recNo() is 0 only when the
// table has no current record at all (empty, or everything hidden); moving past either
// end sets eof()/bof() and keeps the last record reached as the current one.
class Table {
public:
    explicit Table(FieldList fields = {});
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // ---- file --------------------------------------------------------------------
    void setFileName(const std::string& path);       // takes effect at the next open
    const std::string& fileName() const;
    void setExclusive(bool on);                      // on an open table: close and reopen
    bool exclusive() const;
    void setFields(FieldList fields);                // the layout used to create the file
    const FieldList& fields() const;                 // the open file's layout, else the list given
    void setCodePage(CodePage cp);                   // for files this object creates
    // Read-only use (tools that only look): the file is opened for reading, never
    // created, and every change throws. Takes effect at the next open.
    void setReadOnly(bool on);
    bool readOnly() const;
    CodePage codePage() const;                       // of the open file

    // Opens the file (exclusively when set: a second opener, in this process or another,
    // gets a DbfError naming the file; the lock dies with the process). A missing file
    // is created empty from the field list first. Goes to the first record.
    void open();
    // Posts nothing: an edit in progress is cancelled. When records changed since the
    // index file was written, it is written again (the tags in memory were kept right
    // all along; the file on disk follows here, not at every post).
    void close();
    bool isOpen() const;
    void copyStructure(const std::string& path) const;  // an empty .dbf with the same fields
    void flush();                                    // everything posted is already with the OS

    // ---- indexes -----------------------------------------------------------------
    // Erases the index file when it exists and builds every tag anew from the records,
    // then writes the index file (a dBase IV .mdx holding all tags) at that path. An
    // empty path keeps the tags in memory only. The order is left natural.
    void makeIndex(const std::string& indexPath, const TagList& tags);
    const std::string& indexFile() const;
    const TagList& tags() const;
    void setOrder(const std::string& tagName);       // case ignored; "" = natural order
    std::string currentTag() const;                  // the tag's name as given; "" natural
    // Positions on the first record (in the current order) whose key starts with the
    // given text; false and eof() when there is none (the current record is left as it
    // was; callers restore their position themselves). Needs an order. Records hidden
    // by hide-deleted or the filter are not found. For a numeric or date tag the text is
    // the number or the date (YYYYMMDD), matched exactly.
    bool seek(std::string_view keyPrefix);
    // The key of the current record in the current tag, as UTF-8 text.
    std::string currentKey() const;

    // ---- cursor ------------------------------------------------------------------
    // Moving while editing posts the edit first, as data-aware programs expect.
    // first() and last() clear eof() and bof() unless there is no visible record (then
    // both are set); a walk is `for (first(); !eof(); next())` or
    // `for (last(); !bof(); prior())`.
    void first();
    void last();
    void next();
    void prior();
    void skip(long count);
    void go(uint32_t recNo);                         // even onto a hidden record
    bool eof() const;
    bool bof() const;
    uint32_t recNo() const;                          // 0 when there is no current record
    uint32_t recordCount() const;                    // all records in the file, marked ones too

    // ---- fields of the current record (the edit buffer while editing) -------------
    int fieldCount() const;
    std::string fieldName(int number) const;         // 1-based, lower case
    int fieldNumber(std::string_view name) const;    // 1-based; 0 when there is no such field
    // Text padded to the field's width: C left-aligned, N right-aligned, L "T"/"F"
    // (" " when unset), D "YYYYMMDD" (8 blanks when empty).
    std::string fieldText(std::string_view name) const;
    std::string text(std::string_view name) const;   // fieldText with trailing blanks removed
    long fieldInt(std::string_view name) const;      // N (and numeric text): blank = 0
    bool fieldBool(std::string_view name) const;     // L: T/t/Y/y
    // Setting a field starts an edit when the table is browsing (an insert when it has
    // no current record). Text is cut to the field's width in characters.
    void setField(std::string_view name, std::string_view value);
    void setFieldInt(std::string_view name, long value);
    void setFieldBool(std::string_view name, bool value);

    // Read or write one field of any record without moving the cursor. Field 0 is the
    // deletion mark: peek gives "*" or " ", poke with "*" deletes and " " recalls.
    std::string peek(int fieldNumber, uint32_t recNo) const;
    void poke(std::string_view value, int fieldNumber, uint32_t recNo);

    // ---- editing -----------------------------------------------------------------
    TableState state() const;
    void edit();                                     // Browse -> Edit on the current record
    void append();                                   // -> Insert with a blank buffer
    void appendBlank();                              // adds a blank record now and moves to it
    void post();                                     // Insert: add; Edit: replace; -> Browse
    void cancel();                                   // drop the buffer; -> Browse
    void clearRecord();                              // blank the edit buffer
    bool modified() const;                           // the buffer differs from the record

    // ---- deletion mark -----------------------------------------------------------
    bool deleted() const;
    void deleteRecord();                             // sets the mark (no removal)
    void recall();                                   // clears it
    void setHideDeleted(bool on);                    // movement skips marked records
    bool hideDeleted() const;
    void pack();                                     // removes marked records, rebuilds tags
    void zap();                                      // removes every record

    // ---- filter and while --------------------------------------------------------
    // A filter hides every record that fails it from all movement, e.g. "Stored=.F.".
    // The expression form is a dBase logical expression; the predicate form is for
    // conditions the program builds itself. "" / nullptr clears.
    void setFilter(const std::string& expression);
    void setFilter(std::function<bool(const Table&)> predicate);
    std::string filter() const;
    // A while condition ends the walk: the first record reached that fails it is treated
    // as the end of the table in that direction. "" / nullptr clears.
    void setWhile(const std::string& expression);
    void setWhile(std::function<bool(const Table&)> predicate);

    // ---- notifications -----------------------------------------------------------
    // Plain callbacks in place of the window system's events. subscribe returns an id
    // for unsubscribe. After-move fires after every change of the current record;
    // state-change after every change of state(); after-post after a record is posted.
    using Callback = std::function<void()>;
    int subscribeAfterMove(Callback cb);
    int subscribeStateChange(Callback cb);
    int subscribeAfterPost(Callback cb);
    void unsubscribe(int id);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace xbase
