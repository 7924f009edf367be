#include "RestaurantCatalogue.h"

#include <algorithm>

namespace sim {

namespace {

template <typename T, typename Key> const T* findBy(const QList<T>& items, Key T::*key, Key value)
{
    const auto found = std::find_if(items.cbegin(), items.cend(), [&](const T& item) { return item.*key == value; });
    return found == items.cend() ? nullptr : &*found;
}

} // namespace

QString RestaurantCatalogue::courseName(int course)
{
    static const std::array<const char*, Courses> names{
        "Boissons", "première entrée", "seconde entrée", "premier plat", "second plat", "fromage", "dessert"};
    return course >= 1 && course <= Courses ? QString::fromUtf8(names.at(size_t(course - 1))) : QString();
}

const RestaurantCatalogue::Waiter* RestaurantCatalogue::waiter(int number) const
{
    return findBy(waiters, &Waiter::number, number);
}

const RestaurantCatalogue::Keyboard* RestaurantCatalogue::keyboard(int number) const
{
    return findBy(keyboards, &Keyboard::number, number);
}

const RestaurantCatalogue::Product* RestaurantCatalogue::product(int article) const
{
    for (const Keyboard& keyboard : keyboards) {
        if (const Product* found = findBy(keyboard.products, &Product::article, article))
            return found;
    }
    return nullptr;
}

const RestaurantCatalogue::SetMenu* RestaurantCatalogue::setMenu(int article) const
{
    return findBy(setMenus, &SetMenu::article, article);
}

const RestaurantCatalogue::KitchenOptionList* RestaurantCatalogue::kitchenOptionList(int list) const
{
    return findBy(kitchenOptions, &KitchenOptionList::list, list);
}

const RestaurantCatalogue::Table* RestaurantCatalogue::table(int number) const
{
    for (const Room& room : rooms) {
        if (const Table* found = findBy(room.tables, &Table::number, number))
            return found;
    }
    return nullptr;
}

QList<QString> RestaurantCatalogue::tickedOptions(const Product& product, const QList<bool>& flags) const
{
    QList<QString> options;
    const KitchenOptionList* list = kitchenOptionList(product.kitchenOptions);
    for (qsizetype i = 0; list && i < list->choices.size() && i < flags.size(); ++i) {
        if (flags.at(i))
            options.append(list->choices.at(i));
    }
    return options;
}

} // namespace sim
