#include "PrinterLog.h"

#include "RestaurantCatalogue.h"
#include "TicketLayout.h"

#include <QStringList>

#include <map>

namespace sim {

namespace {

const QString Bar = QStringLiteral("bar");
const QString Kitchen = QStringLiteral("cuisine");

const QString& printerOf(int course)
{
    return course == 1 ? Bar : Kitchen;
}

QString itemText(const KitchenItem& item)
{
    QString text = QString::number(item.quantity) + QLatin1Char(' ') +
                   (item.supplement ? QStringLiteral("+ ") : QString()) + item.label;
    if (!item.options.isEmpty())
        text += QStringLiteral(" (") + item.options.join(QStringLiteral(", ")) + QLatin1Char(')');
    return text;
}

QString courseSuffix(int course)
{
    const QString name = RestaurantCatalogue::courseName(course);
    return name.isEmpty() ? QString() : QStringLiteral(" - ") + name;
}

} // namespace

PrinterLog::PrinterLog(bool preparationPrinters, Log log)
    : m_preparationPrinters(preparationPrinters), m_log(std::move(log))
{
}

QString PrinterLog::who(const RestaurantCatalogue& catalogue, int table, int waiter, int covers)
{
    const QString title = TicketLayout::title(catalogue, table, waiter);
    if (table == 0)
        return title;
    const RestaurantCatalogue::Waiter* known = catalogue.waiter(waiter);
    QString details = known ? known->name : QStringLiteral("serveur %1").arg(waiter);
    if (covers > 0)
        details += QStringLiteral(", %1 couverts").arg(covers);
    return QStringLiteral("%1 (%2)").arg(title, details);
}

void PrinterLog::kitchen(const QString& heading, const QString& who, const QList<KitchenItem>& items)
{
    std::map<std::pair<QString, int>, QStringList> printouts; // by printer then course
    for (const KitchenItem& item : items)
        printouts[{printerOf(item.course), item.course}].append(itemText(item));
    for (const auto& [where, texts] : printouts) {
        print(where.first, QStringLiteral("%1 %2%3: %4")
                               .arg(heading, who, courseSuffix(where.second), texts.join(QStringLiteral(", "))));
    }
}

void PrinterLog::recall(const QString& who, int course, const QList<QString>& messages)
{
    if (!messages.isEmpty())
        print(printerOf(course), QStringLiteral("RAPPEL %1%2: %3")
                                     .arg(who, courseSuffix(course), QStringList(messages).join(QStringLiteral(", "))));
}

void PrinterLog::message(const QString& who, const QString& text)
{
    for (const QString& printer : {Bar, Kitchen})
        print(printer, QStringLiteral("MESSAGE %1: %2").arg(who, text));
}

void PrinterLog::screen(const QString& who, const QString& text)
{
    m_log(QStringLiteral("screen: MESSAGE %1: %2").arg(who, text));
}

void PrinterLog::bill(const QString& heading, const QString& who, const QString& ticketText, const QString& footer)
{
    // the memo's columns make no sense on one log line: one entry per ticket line, header and rules left out
    QStringList entries;
    const QStringList lines = ticketText.split(QLatin1Char('~'));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!lines.at(i).startsWith(QLatin1Char('-')))
            entries.append(lines.at(i).simplified());
    }
    if (!footer.isEmpty())
        entries.append(footer);
    m_log(QStringLiteral("printer caisse: %1 %2: %3").arg(heading, who, entries.join(QStringLiteral(" | "))));
}

void PrinterLog::print(const QString& printer, const QString& text)
{
    if (m_preparationPrinters)
        m_log(QStringLiteral("printer %1: %2").arg(printer, text));
}

} // namespace sim
