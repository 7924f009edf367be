#pragma once

#include <QByteArrayList>
#include <QList>

// Replies of the simulator written out the way the terminal receives them.
namespace SimTickets {

// count ";"-separated flags, "1" at the given positions counted from 1 and "0" elsewhere
QByteArray flags(int count, const QList<int>& set);

// A ticket as the terminal receives it: header, rule, lines, rule (when there are lines), total.
QByteArray memo(const QByteArray& header, const QByteArrayList& lines, const QByteArray& total);
QByteArray header(const QByteArray& title, int covers);
// an article line: quantity, name and amount in their columns
QByteArray item(const QByteArray& quantity, const QByteArray& name, const QByteArray& amount);
QByteArray under(const QByteArray& text);

// Table 12 as the fixture opens it.
QByteArray table12(const QByteArrayList& lines, const QByteArray& total);
extern const QByteArrayList Table12Lines;
extern const QByteArray Table12;

} // namespace SimTickets
