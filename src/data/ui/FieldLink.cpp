#include "data/ui/FieldLink.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>

#include "data/ui/DataSource.h"

namespace bw {

namespace {
FieldLink::DateOrder gDateOrder = FieldLink::DateOrder::MonthDayYear;

QLineEdit* lineEditOf(QWidget* w)
{
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e;
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->lineEdit();
    return nullptr;
}
} // namespace

void FieldLink::setDateOrder(DateOrder order) { gDateOrder = order; }
FieldLink::DateOrder FieldLink::dateOrder() { return gDateOrder; }

QString FieldLink::dateToShown(const QString& yyyymmdd)
{
    QString d = yyyymmdd.trimmed();
    if (d.size() != 8)
        return QString();
    QString y = d.mid(0, 4), m = d.mid(4, 2), day = d.mid(6, 2);
    return gDateOrder == DateOrder::DayMonthYear ? day + "/" + m + "/" + y
                                                 : m + "/" + day + "/" + y;
}

QString FieldLink::shownToDate(const QString& shown)
{
    QStringList parts = shown.split('/');
    if (parts.size() != 3)
        return QString();
    bool ok1, ok2, ok3;
    int a = parts[0].trimmed().toInt(&ok1), b = parts[1].trimmed().toInt(&ok2),
        y = parts[2].trimmed().toInt(&ok3);
    if (!ok1 || !ok2 || !ok3 || parts[2].trimmed().size() != 4)
        return QString();
    int day = gDateOrder == DateOrder::DayMonthYear ? a : b;
    int month = gDateOrder == DateOrder::DayMonthYear ? b : a;
    QDate date(y, month, day);
    return date.isValid() ? date.toString("yyyyMMdd") : QString();
}

FieldLink* FieldLink::bind(DataSource* source, QWidget* widget, const QString& field,
                           Options options)
{
    return new FieldLink(source, widget, field, std::move(options));
}

FieldLink* FieldLink::bind(DataSource* source, QWidget* widget, const QString& field)
{
    return new FieldLink(source, widget, field, Options());
}

FieldLink::FieldLink(DataSource* source, QWidget* widget, const QString& field, Options options)
    : QObject(widget), source_(source), widget_(widget), field_(field), options_(std::move(options))
{
    connect(source, &DataSource::dataChanged, this, &FieldLink::showValue);

    if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        connect(check, &QCheckBox::clicked, this, &FieldLink::userEdited);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::activated, this, &FieldLink::userEdited);
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, &FieldLink::userEdited);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (options_.dateMask) {
            edit->setInputMask("99/99/9999;_");
            // A date is stored when the user leaves the box with a whole date (or none).
            connect(edit, &QLineEdit::editingFinished, this, &FieldLink::userEdited);
            connect(edit, &QLineEdit::textEdited, this, [this] {
                if (source_) source_->startEditFromControl();
            });
        } else {
            connect(edit, &QLineEdit::textEdited, this, &FieldLink::userEdited);
        }
    }
    if (QLineEdit* e = lineEditOf(widget))
        e->installEventFilter(this);
    widget->installEventFilter(this);
    showValue();
}

QString FieldLink::widgetValue() const
{
    if (auto* check = qobject_cast<QCheckBox*>(widget_))
        return check->isChecked() ? "T" : "F";
    if (auto* combo = qobject_cast<QComboBox*>(widget_))
        return combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        if (options_.dateMask) {
            QString digits = edit->text();
            digits.remove('/').remove('_').remove(' ');
            return digits.isEmpty() ? QString() : shownToDate(edit->text());
        }
        return edit->text();
    }
    return QString();
}

void FieldLink::showValue()
{
    if (!source_)
        return;
    xbase::Table* t = source_->table();
    QString value;
    bool hasRecord = t && t->isOpen() &&
                     (t->recNo() != 0 || t->state() == xbase::TableState::Insert);
    if (hasRecord)
        value = QString::fromStdString(t->text(field_.toStdString()));
    showing_ = true;
    if (auto* check = qobject_cast<QCheckBox*>(widget_)) {
        QChar c = value.isEmpty() ? QChar('F') : value[0].toUpper();
        check->setChecked(c == 'T' || c == 'Y');
    } else if (auto* combo = qobject_cast<QComboBox*>(widget_)) {
        if (combo->isEditable())
            combo->setEditText(value);
        else
            combo->setCurrentIndex(combo->findText(value));
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget_)) {
        edit->setText(options_.dateMask ? dateToShown(value) : value);
    }
    showing_ = false;
}

void FieldLink::storeValue()
{
    if (!source_ || !source_->table())
        return;
    if (!source_->startEditFromControl()) {
        showValue();
        return;
    }
    QString value = widgetValue();
    if (options_.dateMask && value.isEmpty()) {
        QString typed = qobject_cast<QLineEdit*>(widget_)->text();
        typed.remove('/').remove('_').remove(' ');
        if (!typed.isEmpty())
            return;   // an incomplete or impossible date is not stored
    }
    std::string name = field_.toStdString();
    xbase::Table* t = source_->table();
    if (qobject_cast<QCheckBox*>(widget_))
        t->setFieldBool(name, value == "T");
    else
        t->setField(name, value.toStdString());
}

void FieldLink::userEdited()
{
    if (showing_)
        return;
    storeValue();
}

bool FieldLink::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && watched == widget_ && options_.onExit)
        options_.onExit(*this);
    if (event->type() != QEvent::KeyPress || !options_.keyFilter)
        return false;
    auto* edit = qobject_cast<QLineEdit*>(watched);
    // An editable pick list with the focus passes its keys on to its line edit by a
    // direct call, past that edit's filters: filter them at the pick list.
    if (!edit)
        if (auto* combo = qobject_cast<QComboBox*>(watched))
            edit = combo->lineEdit();
    if (!edit)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint())
        return false;
    QChar replaced = options_.keyFilter(*edit, text[0]);
    if (replaced == text[0])
        return false;
    // Insert the replacement as if it had been typed, so textEdited and the undo
    // history behave as for any key.
    edit->insert(QString(replaced));
    emit edit->textEdited(edit->text());
    return true;
}

} // namespace bw
