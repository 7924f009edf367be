#pragma once

#include <QStringList>

class QListWidget;

// A list's entries as the waiter reads them, and a touch on one of them.
namespace ListTouch {

QStringList texts(const QListWidget* list);
// Touches an entry on its text, where a waiter's finger goes.
void touch(QListWidget* list, int row);

} // namespace ListTouch
