// Which user action runs which handler: the one place where the window's Qt
// signals and events are tied to the handlers named in the component table.
#pragma once

#include <QWidget>

#include "ui/ComponentTable.h"

class QAction;

// Ties the control made from Row to the row's handlers.
void ConnectEvents(TForm_Main& Form, QWidget* Control, const TControlRow& Row);
// Ties the window's own events (resize of the client area) to their handlers;
// the close query is the window's closeEvent and the creation handler runs
// from CreateForm_Main.
void ConnectFormEvents(TForm_Main& Form, TClientArea* Client);
// Ties a menu item to its click handler.
void ConnectMenuItem(TForm_Main& Form, QAction* Item, const TMenuRow& Row);
