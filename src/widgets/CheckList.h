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

    // entries start with their check mark hidden
    QListWidgetItem* addEntry(const QString& text);
    void toggle(QListWidgetItem* item);
    // one per entry, in list order: whether its check mark is shown
    QList<bool> ticks() const;
    void untickAll();
};
