#pragma once

#include "SettingsFormat.h"

#include <QString>
#include <QStringList>

#include <array>

// The 113 slots the terminal remembers between runs, and their two files in the documents folder.
class SettingsStore final
{
public:
    static const QString FileName;      // read and written
    static const QString BlankFileName; // written with empty values before each save
    // What a read takes in at most: a saved file, 113 values of 2047 characters, never reaches 1 MiB.
    static constexpr qint64 MaxFileBytes = qint64(4) * 1024 * 1024;

    explicit SettingsStore(const QString& folder = defaultFolder());

    static QString defaultFolder();

    QString& operator[](int slot);
    const QString& operator[](int slot) const;
    const QStringList& slots() const { return m_slots; }
    // Whether the file held the slot's key when last read or saved.
    bool isStored(int slot) const;

    QString folder() const { return m_folder; }
    QString filePath() const;
    QString blankFilePath() const;

    // A missing file gives every slot its default. An unreadable one, or one that is not a regular file (a pipe or a
    // device would never end), is an error: the slots keep their values. Past MaxFileBytes nothing is read.
    bool read();

    // Both files are replaced whole or not at all, except in a folder that takes no new file, where they are written
    // in place. On failure returns the path that could not be written.
    struct SaveResult
    {
        bool ok = true;
        QString failedPath;
    };
    SaveResult save();

private:
    QString m_folder;
    QStringList m_slots;
    std::array<bool, SettingsFormat::SlotCount> m_stored{};
};
