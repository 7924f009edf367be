#pragma once

#include <QString>

#include <stdexcept>

// A failure of the register link: no connection, connection closed by the register, over-long line.
// A timed-out read is not one: it gives an empty reply.
class LinkError final : public std::runtime_error
{
public:
    explicit LinkError(const QString& text);

    // The French text shown to the waiter when the error reaches the general error display.
    QString text() const { return m_text; }

private:
    QString m_text;
};
