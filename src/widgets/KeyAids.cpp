#include "widgets/KeyAids.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace bw {

namespace {

bool inPickList(QWidget* w)
{
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w))
            return true;
        if (w->isWindow())
            break;
    }
    return false;
}

bool isMultiLine(QWidget* w)
{
    return qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
}

// Moves the focus as Tab and Shift+Tab do, to the next control that takes focus by tab.
void moveFocus(QWidget* from, bool forward)
{
    QWidget* w = from;
    for (int guard = 0; guard < 1000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == from)
            return;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() &&
            w->window() == from->window() && !w->focusProxy()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

} // namespace

KeyAids* KeyAids::install(QWidget* window, Hooks hooks)
{
    auto* aids = new KeyAids(window, std::move(hooks));
    qApp->installEventFilter(aids);
    return aids;
}

KeyAids::KeyAids(QWidget* window, Hooks hooks) : QObject(window), window_(window), hooks_(std::move(hooks)) {}

bool KeyAids::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    // Only keys typed into this window's own controls (not into a dialog it opened).
    // (The window need not be the active one: without a window manager none is.)
    if (!w || w->window() != window_)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return false;
    // A popup list that is open handles its own keys.
    if (qobject_cast<QAbstractItemView*>(w) && w->window() != window_)
        return false;

    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (hooks_.ownsEnter && hooks_.ownsEnter(focus))
            return false;
        if (hooks_.enterAsTab && hooks_.enterAsTab() && !isMultiLine(focus)) {
            moveFocus(focus, true);
            return true;
        }
        return false;
    case Qt::Key_Escape:
        if (hooks_.pgdnAsSave && hooks_.pgdnAsSave() && !inPickList(focus)) {
            if (hooks_.cancel && (!hooks_.cancelEnabled || hooks_.cancelEnabled()))
                hooks_.cancel();
            return true;
        }
        return false;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (hooks_.pgdnAsSave && hooks_.pgdnAsSave() && !inPickList(focus) && !isMultiLine(focus)) {
            if (hooks_.save)
                hooks_.save();
            return true;
        }
        return false;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (hooks_.pgdnAsSave && hooks_.pgdnAsSave() && qobject_cast<QLineEdit*>(focus) &&
            !inPickList(focus)) {
            if (key->key() == Qt::Key_Up)
                moveFocus(focus, true);
            else
                moveFocus(focus, false);
            return true;
        }
        return false;
    default:
        return false;
    }
}

} // namespace bw
