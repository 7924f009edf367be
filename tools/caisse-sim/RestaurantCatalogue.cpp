#include "RestaurantCatalogue.h"

#include <algorithm>

namespace {

template <typename T, typename Key> const T* findBy(const QList<T>& items, Key T::*key, Key value)
{
    const auto found = std::find_if(items.cbegin(), items.cend(), [&](const T& item) { return item.*key == value; });
    return found == items.cend() ? nullptr : &*found;
}

} // namespace

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
