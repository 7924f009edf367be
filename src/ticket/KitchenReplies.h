#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The kitchen's replies as the dispatch and next-course screens read them.
namespace KitchenReplies {

// The courses "demanderang$" reports waiting: none when the reply has two fields or fewer, and everything is sent
// at once; otherwise the courses 1 to 7 among its fields, in order, for the waiter to choose from.
std::optional<QList<int>> coursesToChoose(const QString& reply);

// "nook": the register has no preparation printer.
bool isNoPrinter(const QString& reply);

// The kitchen label of an article, none when the catalogue has no such article.
using KitchenLabel = std::function<std::optional<QString>(int article)>;

// One row per "~" entry of a "suitesss$" reply: quantity, kitchen label and, when there is one, the note in
// brackets. The register numbers the entries it is asked for by their order, so an entry it cannot be read as
// "quantity;article;note" still takes its row, shown as it came.
QStringList nextCourseEntries(const QString& reply, const KitchenLabel& kitchenLabel);

} // namespace KitchenReplies
