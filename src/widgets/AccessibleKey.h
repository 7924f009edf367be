#pragma once

#include <QAccessibleWidget>

// What a screen reader sees of a red key or a catalogue key: a button named by its caption, whose press does what a
// tap does, through the same handlers and their guard.
class AccessibleKey final : public QAccessibleWidget
{
public:
    explicit AccessibleKey(QWidget* key);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QRect rect() const override;
    // the caption is the key's name, not a text of its own
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;
};
