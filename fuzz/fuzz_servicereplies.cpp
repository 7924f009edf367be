#include "closing/ClosingReplies.h"
#include "link/VersionCheck.h"
#include "tables/TableReplies.h"
#include "ticket/KitchenReplies.h"
#include "ticket/TicketText.h"
#include "waiters/Identification.h"

#include <cstdint>

namespace {
volatile qsizetype sink;
}

// One reply line as the register may send it to any request of a service: every reader of such replies takes it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    qsizetype seen = TableReplies::tableList(reply).size() + TableReplies::tableOfItem(reply).size();
    seen += TableReplies::coversReply(reply).count;
    seen += TableReplies::tableStates(reply).flags.size();
    if (const auto courses = KitchenReplies::coursesToChoose(reply))
        seen += courses->size();
    seen += KitchenReplies::isNoPrinter(reply);
    const auto label = [](int article) -> std::optional<QString> {
        return article % 2 ? std::optional<QString>(QString::number(article)) : std::nullopt;
    };
    seen += KitchenReplies::nextCourseEntries(reply, label).size();
    const ClosingReplies closing(reply);
    seen += closing.alreadyFinalised() + closing.noTicket() + closing.amountDue().size();
    seen += VersionCheck::parseFirstReply(reply).stamp.size();
    seen += int(Identification::readWaiterReply(reply));
    const QString ticket = TicketText::fromReply(reply);
    const QStringList lines = ticket.split(QLatin1Char('\n'));
    for (int n = -1; n <= lines.size() + 1; ++n) {
        if (const auto picked = TicketText::pickLine(lines, n))
            seen += picked->linenumber;
    }
    sink = seen;
    return 0;
}
