#pragma once

#include <QListWidget>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;

namespace bw {

// One of the two lists of a TwoListChooser: drag and drop as the chooser wants it.
class ChooserList : public QListWidget {
    Q_OBJECT
public:
    explicit ChooserList(QWidget* parent = nullptr);
    void setPartner(ChooserList* partner) { partner_ = partner; }

    // What a drop does: the line at fromRow of source (this list or its partner) lands
    // before targetRow (-1: dropped below the last line).
    void dropLine(ChooserList* source, int fromRow, int targetRow);

signals:
    void linesChanged();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    ChooserList* partner_ = nullptr;
};

// Two lists side by side ("available" and "selected") with ">", "<", ">>" and "<<"
// between them, in which lines are moved between the lists and ordered within them:
//  - ">" moves the first highlighted available line to the end of the selected list and
//    highlights the line now at the same place of the available list; "<" the reverse;
//  - ">>" appends every available line in order and empties the available list; "<<"
//    the reverse;
//  - dragging a line onto the other list appends it there; dragging it within a list
//    of more than one line moves it to the place of the line under the drop point (the
//    end when dropped below the last line) and highlights it there.
class TwoListChooser : public QWidget {
    Q_OBJECT
public:
    explicit TwoListChooser(QWidget* parent = nullptr);

    void setTitles(const QString& available, const QString& selected);
    void setAvailable(const QStringList& lines);
    void setSelected(const QStringList& lines);
    void appendAvailable(const QString& line);
    void appendSelected(const QString& line);
    QStringList available() const;
    QStringList selected() const;
    void clear();

    ChooserList* availableList() const { return available_; }
    ChooserList* selectedList() const { return selected_; }

    void moveRight();      // ">"
    void moveLeft();       // "<"
    void moveAllRight();   // ">>"
    void moveAllLeft();    // "<<"

signals:
    void changed();

private:
    static void moveFirstHighlighted(ChooserList* from, ChooserList* to);
    static void moveAll(ChooserList* from, ChooserList* to);

    QLabel* availableTitle_;
    QLabel* selectedTitle_;
    ChooserList* available_;
    ChooserList* selected_;
};

} // namespace bw
