// Which user action runs which handler: the one place where the window's Qt
// signals and events are tied to the handlers named in the component table.
#pragma once

#include <QWidget>

#include "ui/ComponentTable.h"

class QAction;

// Ties the control made from Row to the row's handlers.
void ConnectEvents(TForm_Main& Form, QWidget* Control, const TControlRow& Row);
// The window's own events are its resizeEvent (FormResize) and closeEvent
// (FormCloseQuery); the creation handler runs from CreateForm_Main.
// Ties a menu item to its click handler.
void ConnectMenuItem(TForm_Main& Form, QAction* Item, const TMenuRow& Row);
