#include "setup/ui/RecordShell.h"

#include <QAction>
#include <QDialog>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "data/Tdmod.h"
#include "data/ui/DataSource.h"
#include "widgets/KeyAids.h"
#include "widgets/RecordMaintenance.h"

namespace bw {

RecordShell makeRecordShell(QDialog* window, RecordMaintenance& rm)
{
    RecordShell s;
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(2);
    s.menu = new QMenuBar(window);
    outer->setMenuBar(s.menu);
    s.tools = new QToolBar(window);
    s.tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    outer->addWidget(s.tools);
    s.body = new QVBoxLayout;
    s.body->setContentsMargins(8, 4, 8, 4);
    outer->addLayout(s.body, 1);
    s.status = new QStatusBar(window);
    s.status->setSizeGripEnabled(false);
    s.status->addPermanentWidget(rm.recordLabel());
    s.status->addPermanentWidget(rm.orderLabel());
    outer->addWidget(s.status);
    // Tool-bar buttons answer to their underlined letter as menu items do (Alt+A adds).
    for (QAction* a : {rm.addAction(), rm.editAction(), rm.deleteAction(), rm.saveAction(), rm.cancelAction()})
        if (a->shortcut().isEmpty()) a->setShortcut(QKeySequence::mnemonic(a->text()));
    return s;
}

bool toggleGrid(QWidget* grid, QWidget* other, QAction* button, QAction* menuItem)
{
    const bool show = grid->isHidden();
    grid->setVisible(show);
    other->setVisible(!show);
    button->setText(show ? "Hide &Grid" : "Show &Grid");
    menuItem->setText(show ? "Hide Grid" : "Show Grid");
    return show;
}

void installRecordKeys(QDialog* window, RecordMaintenance& rm)
{
    KeyAids::Hooks keys;
    keys.enterAsTab = [] { return dmod && dmod->prefs.enterAsTab; };
    keys.pgdnAsSave = [] { return dmod && dmod->prefs.pgdnAsSave; };
    keys.save = [&rm] { if (rm.saveAction()->isEnabled()) rm.doSave(); };
    keys.cancel = [&rm] { rm.doCancel(); };
    keys.cancelEnabled = [&rm] { return rm.cancelAction()->isEnabled(); };
    KeyAids::install(window, keys);
}

} // namespace bw
