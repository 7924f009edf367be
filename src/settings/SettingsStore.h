#pragma once

#include "SettingsFormat.h"

#include <QString>
#include <QStringList>

// The 113 slots the terminal remembers between runs, and their two files in the documents folder.
class SettingsStore final
{
public:
    static const QString FileName;      // read and written
    static const QString BlankFileName; // written with empty values before each save

    explicit SettingsStore(const QString& folder = defaultFolder());

    static QString defaultFolder();

    QString& operator[](int slot);
    const QString& operator[](int slot) const;
    const QStringList& slots() const { return m_slots; }

    QString folder() const { return m_folder; }
    QString filePath() const;
    QString blankFilePath() const;

    // A missing file gives every slot its default. An unreadable one is an error: the slots keep their values.
    bool read();

    // Both files are replaced whole or not at all. On failure returns the path that could not be written.
    struct SaveResult
    {
        bool ok = true;
        QString failedPath;
    };
    SaveResult save() const;

private:
    QString m_folder;
    QStringList m_slots;
};
