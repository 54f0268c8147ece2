#pragma once

#include <QLineEdit>
#include <QString>
#include <QWidget>

class QLabel;
class QToolButton;

namespace bw {

// A date typed as 99/99/9999 (day and month in the order of the date format), with a
// button beside it that drops down a calendar to pick the date from.
class DateBox : public QWidget {
    Q_OBJECT
public:
    explicit DateBox(QWidget* parent = nullptr);

    // The order of day and month; the box shows it beside the date.
    void setBritish(bool british);
    // The text as typed, "" while no digit has been typed.
    QString text() const;
    void setText(const QString& text);
    QLineEdit* edit() const { return edit_; }
    QToolButton* calendarButton() const { return button_; }

signals:
    void changed();   // typed or picked
    void left();      // the focus left the box

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dropCalendar();

    QLineEdit* edit_;
    QToolButton* button_;
    QLabel* order_;
    bool british_ = false;
};

} // namespace bw
