#pragma once

#include <QListWidget>
#include <QStringList>
#include <QWidget>

class QPushButton;

namespace bw {

// A check list with its three buttons, as the printing windows use it to choose the
// groups or classes to print:
//  - "Select All" ticks every item when its toggle is off (caption becomes
//    "De-Select All") and unticks every item when it is on; the toggle flips;
//  - "Select Opposite" inverts every tick;
//  - "Clear CheckMarks" unticks all and is enabled exactly while something is ticked.
// Each item carries a hidden code (the group code, the allkey) beside its text.
class GroupCheckList : public QWidget {
    Q_OBJECT
public:
    explicit GroupCheckList(QWidget* parent = nullptr);

    void clear();                                        // also resets the toggle
    void addItem(const QString& text, const QString& code);
    int count() const;
    int tickedCount() const { return ticked_; }
    bool isTicked(int row) const;
    void setTicked(int row, bool on);
    QString code(int row) const;
    QString text(int row) const;
    QStringList tickedCodes() const;                     // in list order

    QListWidget* list() const { return list_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* selectOppositeButton() const { return selectOpposite_; }
    QPushButton* clearButton() const { return clear_; }

    void selectAll();        // the toggle
    void selectOpposite();
    void clearCheckMarks();

signals:
    void tickedCountChanged(int count);

private:
    void recount();

    QListWidget* list_;
    QPushButton* selectAll_;
    QPushButton* selectOpposite_;
    QPushButton* clear_;
    bool allToggle_ = false;
    int ticked_ = 0;
    bool updating_ = false;
};

} // namespace bw
