#include "SimTickets.h"

namespace SimTickets {

QByteArray flags(int count, const QList<int>& set)
{
    QByteArrayList entries(count, "0");
    for (const int position : set)
        entries[position - 1] = "1";
    return entries.join(';');
}

QByteArray memo(const QByteArray& header, const QByteArrayList& lines, const QByteArray& total)
{
    const QByteArray rule(34, '-');
    QByteArrayList all{header, rule};
    all += lines;
    if (!lines.isEmpty())
        all << rule;
    all << "TOTAL" + total.rightJustified(29);
    return all.join('~');
}

QByteArray header(const QByteArray& title, int covers)
{
    if (covers == 0)
        return title;
    const QByteArray count = QByteArray::number(covers) + " couverts";
    return title.leftJustified(34 - count.size()) + count;
}

QByteArray item(const QByteArray& quantity, const QByteArray& name, const QByteArray& amount)
{
    return quantity.leftJustified(3) + name.leftJustified(22) + amount.rightJustified(9);
}

QByteArray under(const QByteArray& text)
{
    return "   " + text;
}

QByteArray table12(const QByteArrayList& lines, const QByteArray& total)
{
    return memo(header("Table 12", 4), lines, total);
}

const QByteArrayList Table12Lines{item("2", "Kir", "9,00"), item("1", "Entrecote", "21,50"), under("Saignant"),
                                  item("1", "Cafe", "2,00")};
const QByteArray Table12 = table12(Table12Lines, "32,50");

} // namespace SimTickets
