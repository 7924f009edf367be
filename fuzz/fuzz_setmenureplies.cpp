#include "link/FormatError.h"
#include "menus/SetMenuReplies.h"

#include <cstdint>
#include <cstdlib>

// The set-menu list and the dish reply as the register may send them: a list either reads whole, seven cells a
// set menu, or is refused with FormatError.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString reply = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const SetMenuReplies::SetMenuList list = SetMenuReplies::setMenuList(reply);
        if (list.cells.size() != list.setMenus.size() * SetMenuReplies::CellsPerColumn)
            std::abort();
    } catch (const FormatError&) {
    }
    const SetMenuReplies::DishReply dish = SetMenuReplies::dishReply(reply);
    if (dish.kitchenList < 0 || dish.kitchenList > 9)
        std::abort();
    return 0;
}
