#pragma once

#include <QHash>
#include <QSet>
#include <QString>

#include <functional>

namespace sim {

// Finds the handler of a request line by its keyword and returns the reply line.
class RequestDispatcher final
{
public:
    using Handler = std::function<QString(const QString& request)>;

    // The keyword is everything up to and including the first "$" ("ve01$", "ad$", "552$" for an article),
    // or the whole line for the bare words that carry no "$" ("connect", "naclav2_1", "tableocc").
    static QString keyword(const QString& request);

    // What a reply holds, for the log: a ticket names the table it belongs to.
    enum class Reply
    {
        Line,
        Ticket, // the ticket of table T (waiter W's account for T = 0), T and W fields 1 and 3 of the request
    };

    void add(const QString& keyword, Handler handler, Reply kind = Reply::Line);
    // Article requests carry no keyword: they start with the article number itself ("800$12$4$1$4$"). Their
    // reply is the ticket.
    void addArticles(Handler handler);

    // An unknown request gets an empty line: the register answers every line it is sent.
    QString reply(const QString& request) const;
    // True for the requests whose non-empty reply is a ticket.
    bool repliesWithTicket(const QString& request) const;

private:
    static bool isArticle(const QString& keyword);

    QHash<QString, Handler> m_handlers;
    QSet<QString> m_ticketKeywords;
    Handler m_articles;
};

} // namespace sim
