#pragma once

#include <QHash>
#include <QString>

#include <functional>

// Finds the handler of a request line by its keyword and returns the reply line.
class RequestDispatcher final
{
public:
    using Handler = std::function<QString(const QString& request)>;

    // The keyword is everything up to and including the first "$" ("ve01$", "ad$", "552$" for an article),
    // or the whole line for the bare words that carry no "$" ("connect", "naclav2_1", "tableocc").
    static QString keyword(const QString& request);

    void add(const QString& keyword, Handler handler);
    // Article requests carry no keyword: they start with the article number itself ("800$12$4$1$4$").
    void addArticles(Handler handler);

    // An unknown request gets an empty line: the register answers every line it is sent.
    QString reply(const QString& request) const;

private:
    QHash<QString, Handler> m_handlers;
    Handler m_articles;
};
