#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace bw {

// The window-wide keys of the record windows, installed on a window so that it sees
// every key before its controls:
//  - EnterAsTab: Enter moves the focus to the next control and is dropped (also inside
//    pick lists);
//  - PgdnAsSave: when the focus is not in a pick list, Esc runs Cancel (when enabled),
//    Page Up and Page Down run Save, and in an edit box the Up arrow moves the focus to
//    the next control and the Down arrow to the previous one.
// The flags are read through functions, so a window that re-reads its preferences at
// activation needs nothing else.
class KeyAids : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<bool()> enterAsTab;
        std::function<bool()> pgdnAsSave;
        std::function<void()> save;
        std::function<void()> cancel;         // called only when cancelEnabled() says so
        std::function<bool()> cancelEnabled;
        // When it says so, Enter is left to the focused control (a pick list that takes
        // the first Enter to choose its item), even with EnterAsTab on.
        std::function<bool(QWidget* focus)> ownsEnter;
    };

    static KeyAids* install(QWidget* window, Hooks hooks);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyAids(QWidget* window, Hooks hooks);
    QWidget* window_;
    Hooks hooks_;
};

} // namespace bw
