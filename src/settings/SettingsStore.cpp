#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

const QString SettingsStore::FileName = QStringLiteral("Iquillobrands.dat");
const QString SettingsStore::BlankFileName = QStringLiteral("Iquillobrand.dat");

namespace {

// A save cut short (the tablet switched off, the process killed) leaves its temporary file "<name>.XXXXXX"
// beside the file, which stays whole: the next save of that file takes it away.
void removeCutShortSaves(const QFileInfo& target)
{
    QDir folder = target.absoluteDir();
    // told apart by hand, as the wildcard "<name>.??????" would: a name filter runs the regular expression engine,
    // whose code and stack cost every start more memory than the whole settings file
    const QString prefix = target.fileName() + QLatin1Char('.');
    constexpr qsizetype TemporarySuffix = 6;
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : files) {
        if (name.size() == prefix.size() + TemporarySuffix && name.startsWith(prefix, Qt::CaseInsensitive))
            folder.remove(name);
    }
}

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    removeCutShortSaves(QFileInfo(path));
    QSaveFile file(path);
    // a folder that takes no new file cannot hold the temporary one: write the file in place, where it may be
    // written; any other failure keeps the old file whole
    const QFileInfo target(path);
    file.setDirectWriteFallback(!QFileInfo(target.absolutePath()).isWritable() && target.isFile() &&
                                target.isWritable());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

SettingsStore::SettingsStore(const QString& folder) : m_folder(folder)
{
    for (int k = 0; k < SettingsFormat::SlotCount; ++k)
        m_slots.append(QString());
}

QString SettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString& SettingsStore::operator[](int slot)
{
    Q_ASSERT(slot >= 0 && slot < SettingsFormat::SlotCount);
    return m_slots[slot];
}

const QString& SettingsStore::operator[](int slot) const
{
    Q_ASSERT(slot >= 0 && slot < SettingsFormat::SlotCount);
    return m_slots[slot];
}

QString SettingsStore::filePath() const
{
    return m_folder.isEmpty() ? FileName : QDir(m_folder).filePath(FileName);
}

QString SettingsStore::blankFilePath() const
{
    return m_folder.isEmpty() ? BlankFileName : QDir(m_folder).filePath(BlankFileName);
}

bool SettingsStore::isStored(int slot) const
{
    return slot >= 0 && slot < SettingsFormat::SlotCount && m_stored[size_t(slot)];
}

bool SettingsStore::read()
{
    const QFileInfo info(filePath());
    if (!info.exists()) {
        const SettingsFormat::FileSlots none = SettingsFormat::readFile({});
        m_slots = none.values;
        m_stored = none.stored;
        return true;
    }
    if (!info.isFile())
        return false;
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // read(n) sets aside all n bytes before reading: ask for what the file holds, up to the bound
    const QByteArray bytes = file.read(std::min(file.size(), MaxFileBytes));
    if (file.error() != QFileDevice::NoError)
        return false;
    const SettingsFormat::FileSlots read = SettingsFormat::readFile(bytes);
    m_slots = read.values;
    m_stored = read.stored;
    return true;
}

SettingsStore::SaveResult SettingsStore::save()
{
    if (!m_folder.isEmpty())
        QDir().mkpath(m_folder);
    if (!writeWhole(blankFilePath(), SettingsFormat::writeSlots({})))
        return {false, blankFilePath()};
    if (!writeWhole(filePath(), SettingsFormat::writeSlots(m_slots)))
        return {false, filePath()};
    m_stored.fill(true);
    return {};
}
