#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;
class QLineEdit;

namespace bw {

class DataSource;

// Ties one widget to one field of a data source, both ways:
//  - after every move (and refresh) the widget shows the current record's value,
//    trailing blanks removed;
//  - typing into the widget puts the table into edit state (when the data source may
//    start edits) and writes the value into the record buffer at once, so Save posts
//    what the controls hold and Cancel throws it away; when the data source may not
//    edit, the typing is undone.
//
// Widgets: QLineEdit (text; with DateMask a date typed as 99/99/9999), QComboBox (its
// text; picking from the list counts as typing), QCheckBox (a logical field).
//
// A key filter sees every character typed into a line edit before it is inserted and
// may replace it (capitals, auto-capitalisation); the link owns no rules of its own.
class FieldLink : public QObject {
    Q_OBJECT
public:
    // Decides the character to insert for a typed one, given the edit as it stands.
    using KeyFilter = std::function<QChar(const QLineEdit& edit, QChar typed)>;

    enum class DateOrder { DayMonthYear, MonthDayYear };

    struct Options {
        bool dateMask = false;          // the field is a date shown as 99/99/9999
        KeyFilter keyFilter;            // optional
        std::function<void(FieldLink&)> onExit;  // optional: run when the focus leaves
    };

    // The link is owned by the widget and dies with it.
    static FieldLink* bind(DataSource* source, QWidget* widget, const QString& field,
                           Options options);
    static FieldLink* bind(DataSource* source, QWidget* widget, const QString& field);

    // The date order used by every date link (the program-wide date format).
    static void setDateOrder(DateOrder order);
    static DateOrder dateOrder();

    // Converts between the table's YYYYMMDD and the shown form; blank stays blank.
    static QString dateToShown(const QString& yyyymmdd);
    static QString shownToDate(const QString& shown);   // "" when incomplete or invalid

    // Shows the table's value in the widget now.
    void showValue();
    // Writes the widget's value into the record buffer (starting an edit if allowed).
    void storeValue();

    QWidget* widget() const { return widget_; }
    const QString& field() const { return field_; }

    // The convenience filter that turns every typed letter into a capital.
    static QChar capitals(const QLineEdit&, QChar typed) { return typed.toUpper(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    FieldLink(DataSource* source, QWidget* widget, const QString& field, Options options);
    void userEdited();
    QString widgetValue() const;

    QPointer<DataSource> source_;
    QWidget* widget_;
    QString field_;
    Options options_;
    bool showing_ = false;
};

} // namespace bw
