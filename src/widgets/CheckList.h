#pragma once

#include <QListWidget>

// A list whose entries carry a check mark the waiter ticks by touching the entry.
class CheckList final : public QListWidget
{
public:
    enum class Highlight
    {
        None,
        Platform,
    };

    CheckList(const QString& name, Highlight highlight, QWidget* parent = nullptr);

    // entries start with their check mark hidden; a touch anywhere on an entry shows or hides it
    QListWidgetItem* addEntry(const QString& text);
    // Replaces the entries, none ticked.
    void setEntries(const QStringList& texts);
    // Whether each entry is ticked, in list order.
    QList<bool> ticks() const;
    void clearTicks();
};
