// Which user action runs which handler: the one place where the window's Qt
// signals and events are tied to the handlers named in the component table.
#pragma once

#include <QWidget>

#include "ui/ComponentTable.h"

class QAbstractButton;
class QAction;
class QScrollBar;

// Ties the control made from Row to the row's handlers.
void ConnectEvents(TForm_Main& Form, QWidget* Control, const TControlRow& Row);
// The window's own events are its resizeEvent (FormResize) and closeEvent
// (FormCloseQuery); the creation handler runs from CreateForm_Main.
// Ties a menu item to its click handler.
void ConnectMenuItem(TForm_Main& Form, QAction* Item, const TMenuRow& Row);

// Changes that code makes to a control whose change runs its handler before
// the call returns, as the window framework's controls do. An error of that
// handler ends the handler and comes out of these calls, as it would from a
// direct call, once Qt's signal code has returned: it never passes through
// Qt's own frames.
void SetChecked(QAbstractButton* Button, bool Checked);
void SetPosition(QScrollBar* Bar, int Position);
// The scroll bar's maximum; a position above it moves to it, which runs the
// change handler. A maximum below the minimum or below the page size (0)
// raises EInvalidOperation "Scrollbar property out of range" and changes
// nothing.
void SetMaximum(QScrollBar* Bar, int Maximum);
