#pragma once

#include <QByteArray>
#include <QStringList>

#include <array>

// The settings file: INI text with one section "data" and keys "0" to "112". Values are written
// verbatim, so a value keeps its blanks, "=", ";", "#" and quotes exactly as stored.
namespace SettingsFormat {

constexpr int SlotCount = 113;
constexpr int MaxValueLength = 2047;

struct FileSlots
{
    QStringList values;                   // every slot's value
    std::array<bool, SlotCount> stored{}; // whether the file holds the slot's key
};

// The value of every slot: the file's value cut to MaxValueLength characters, or the slot number in
// decimal when the key is missing. A key is the slot number in plain decimal, "0" to "112", and nothing else.
FileSlots readFile(const QByteArray& fileText);
inline QStringList readSlots(const QByteArray& fileText)
{
    return readFile(fileText).values;
}

// Writes the values in slot order; a list shorter than SlotCount writes empty values for the rest.
QByteArray writeSlots(const QStringList& values);

} // namespace SettingsFormat
