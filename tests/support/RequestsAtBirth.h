#pragma once

#include "ScriptedRegister.h"

#include <QChildEvent>
#include <QHash>
#include <QObject>
#include <QWidget>

// For each child the window gains, how many requests the register had received by then: whether a view was made
// before an exchange or after it.
class RequestsAtBirth final : public QObject
{
public:
    RequestsAtBirth(QWidget& window, const ScriptedRegister& caisse) : m_caisse(caisse)
    {
        window.installEventFilter(this);
    }

    // The requests received when child was made, or -1 when it was not made while watched.
    int at(const QObject* child) const { return m_counts.value(child, -1); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded)
            m_counts.insert(static_cast<QChildEvent*>(event)->child(), int(m_caisse.requests().size()));
        return QObject::eventFilter(watched, event);
    }

private:
    const ScriptedRegister& m_caisse;
    QHash<const QObject*, int> m_counts;
};
