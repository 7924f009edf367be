#pragma once

#include <QString>

#include <stdexcept>

// A number field from the register that is not a decimal integer. It ends the catalogue load: a
// catalogue read on from a garbled number would order the wrong articles.
class FormatError final : public std::runtime_error
{
public:
    explicit FormatError(const QString& field);
    // A reply that stops before the fields it announces, or holds none at all.
    static FormatError incompleteReply();

    // The French text shown to the waiter.
    QString text() const { return m_text; }

private:
    struct Text
    {
        QString text;
    };
    explicit FormatError(const Text& text);

    QString m_text;
};
