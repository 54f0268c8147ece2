#pragma once

// The label start-position panel of the label windows: a heading, one numbered button
// per label of the sheet laid out as the sheet is (numbered row by row), and two notes
// naming the stock. Button 1 is pressed at first; the pressed button is where the run
// starts, so that a part-used sheet can be fed again.

#include "print/LabelPrinter.h"

#include <QButtonGroup>
#include <QWidget>

class QLabel;
class QGridLayout;
class QPushButton;

namespace bw::print {

class LabelStartPanel : public QWidget {
    Q_OBJECT
public:
    LabelStartPanel(const QString& heading, int labels, int across, QWidget* parent = nullptr);

    // Replaces the buttons (for windows that switch stock) and presses button 1.
    void setLabels(int labels, int across);
    void setNotes(const QString& stock, const QString& layout);

    int position() const;  // pressed button, from 1
    LabelPosition start() const { return labelPosition(position(), across_); }
    void press(int k);
    QPushButton* button(int k) const;
    int count() const { return static_cast<int>(buttons_->buttons().size()); }

signals:
    void positionChosen(int k);

private:
    QLabel* heading_;
    QLabel* stockNote_;
    QLabel* layoutNote_;
    QGridLayout* grid_;
    QButtonGroup* buttons_;
    int across_ = 2;
};

} // namespace bw::print
