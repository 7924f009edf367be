#include "settings/SettingsFormat.h"

#include <cstdint>
#include <cstdlib>

namespace {
volatile qsizetype sink;
}

// Reads any file text, then checks that writing the slots and reading them back gives them again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const SettingsFormat::FileSlots file =
        SettingsFormat::readFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QStringList& slots = file.values;
    if (slots.size() != SettingsFormat::SlotCount)
        std::abort();
    for (int k = 0; k < SettingsFormat::SlotCount; ++k) {
        if (!file.stored[size_t(k)] && slots.at(k) != QString::number(k))
            std::abort();
    }
    const QStringList again = SettingsFormat::readSlots(SettingsFormat::writeSlots(slots));
    for (int k = 0; k < SettingsFormat::SlotCount; ++k) {
        const bool lineBreak = slots.at(k).contains(QLatin1Char('\r')) || slots.at(k).contains(QLatin1Char('\n'));
        if (!lineBreak && again.at(k) != slots.at(k))
            std::abort();
    }
    sink = slots.size();
    return 0;
}
