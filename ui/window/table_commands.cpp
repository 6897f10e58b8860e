#include "ui/window/table_commands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "ui/table/table_layout.h"

namespace tazkova::ui {

TableCommands::TableCommands(QWidget* window)
    : QObject(window), window_(window), actions_(MakeTableActions(window)) {
    setObjectName(QStringLiteral("TableCommands"));
}

QMenu* TableCommands::Menu() {
    if (!menu_) menu_ = MakeTableMenu(actions_, window_);
    return menu_;
}

void TableCommands::Show(const State& state) const {
    const TableActions& a = actions_;
    a.hint->setEnabled(state.canHint);
    a.takeBack->setEnabled(state.canTakeBack);
    a.motion->setChecked(state.motion);
    a.arabicPlays->setChecked(state.arabicPlays);
    a.sound->setChecked(state.soundOn);
    for (QAction* size : a.zoom) size->setChecked(size->data().toInt() == state.zoom);
    a.zoomIn->setEnabled(state.zoom < TableLayout::kZooms.back());
    a.zoomOut->setEnabled(state.zoom > TableLayout::kZooms.front());
}

}  // namespace tazkova::ui
