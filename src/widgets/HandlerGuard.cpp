#include "HandlerGuard.h"

#include "MessageBox.h"

void HandlerGuard::runOrQueue(std::function<void()> handler)
{
    if (m_busy) {
        m_queued.push_back(std::move(handler));
        return;
    }
    run(handler);
}

void HandlerGuard::runQueued()
{
    // without a register each would hold the screen in its turn, one after the other, and order nothing
    if (m_link.lastTapFoundRegisterGone() || m_dropQueued)
        m_queued.clear();
    m_dropQueued = false;
    // each one runs as a tap of its own; what it queues on the way comes after the ones already waiting
    while (!m_busy && !m_queued.empty()) {
        const std::function<void()> handler = std::move(m_queued.front());
        m_queued.pop_front();
        run(handler);
    }
}

void HandlerGuard::showError(const QString& text)
{
    MessageBox::show(m_window, text);
}
