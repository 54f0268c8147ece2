#pragma once

#include <QIcon>
#include <QWidget>

class QAction;
class QToolBar;

namespace bw {

// The picture that fills the main window while no show is open: a show rosette drawn
// with the painter, the program's name and a line on how to begin.
class NoShowPicture : public QWidget {
    Q_OBJECT
public:
    explicit NoShowPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The icons of the picture buttons: the desktop theme's icon when it has one, otherwise
// a small drawn one, so that the buttons look alike on every desktop.
enum class Picture { NewShow, OpenShow, CloseShow, ExitProgram, First, Prior, Next, Last };
QIcon pictureIcon(Picture picture);

// Puts a command on a tool bar as a text button whose shortcut letter stays underlined
// (a tool button shows an action's text without it); Alt + that letter clicks it.
void addCommandButton(QToolBar* bar, QAction* action);

} // namespace bw
