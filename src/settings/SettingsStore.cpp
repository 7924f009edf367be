#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

const QString SettingsStore::FileName = QStringLiteral("Iquillobrands.dat");
const QString SettingsStore::BlankFileName = QStringLiteral("Iquillobrand.dat");

namespace {

bool writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
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

bool SettingsStore::read()
{
    QFile file(filePath());
    if (!file.exists()) {
        m_slots = SettingsFormat::readSlots({});
        return true;
    }
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    m_slots = SettingsFormat::readSlots(bytes);
    return true;
}

SettingsStore::SaveResult SettingsStore::save() const
{
    if (!m_folder.isEmpty())
        QDir().mkpath(m_folder);
    if (!writeWhole(blankFilePath(), SettingsFormat::writeSlots({})))
        return {false, blankFilePath()};
    if (!writeWhole(filePath(), SettingsFormat::writeSlots(m_slots)))
        return {false, filePath()};
    return {};
}
