#include "setup/ui/DateBox.h"

#include <QCalendarWidget>
#include <QDate>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace bw {

DateBox::DateBox(QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    edit_ = new QLineEdit(this);
    edit_->setInputMask("99/99/9999;_");
    edit_->setMaximumWidth(edit_->fontMetrics().horizontalAdvance("00/00/00000") + 16);
    button_ = new QToolButton(this);
    button_->setArrowType(Qt::DownArrow);
    button_->setToolTip(tr("Pick the date from a calendar"));
    button_->setFocusPolicy(Qt::NoFocus);
    order_ = new QLabel(this);
    row->addWidget(edit_);
    row->addWidget(button_);
    row->addWidget(order_);
    row->addStretch();
    setBritish(false);
    setFocusProxy(edit_);
    edit_->installEventFilter(this);
    connect(edit_, &QLineEdit::textEdited, this, &DateBox::changed);
    connect(button_, &QToolButton::clicked, this, &DateBox::dropCalendar);
}

void DateBox::setBritish(bool british)
{
    british_ = british;
    order_->setText(british ? "(dd/mm/yyyy)" : "(mm/dd/yyyy)");
}

QString DateBox::text() const
{
    const QString t = edit_->text();
    for (QChar c : t)
        if (c.isDigit()) return t;
    return QString();
}

void DateBox::setText(const QString& text)
{
    edit_->setText(text);
}

bool DateBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::FocusOut) emit left();
    return QWidget::eventFilter(watched, event);
}

void DateBox::dropCalendar()
{
    const QString format = british_ ? "dd/MM/yyyy" : "MM/dd/yyyy";
    auto* popup = new QCalendarWidget;
    popup->setWindowFlags(Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    QDate current = QDate::fromString(edit_->text(), format);
    popup->setSelectedDate(current.isValid() ? current : QDate::currentDate());
    connect(popup, &QCalendarWidget::clicked, this, [this, popup, format](QDate d) {
        edit_->setText(d.toString(format));
        popup->close();
        emit changed();
        edit_->setFocus();
    });
    popup->move(edit_->mapToGlobal(QPoint(0, edit_->height())));
    popup->show();
}

} // namespace bw
