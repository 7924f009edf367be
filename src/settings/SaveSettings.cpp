#include "SaveSettings.h"

#include "SettingsStore.h"
#include "widgets/MessageBox.h"

bool saveSettings(SettingsStore& settings, QWidget* messageParent)
{
    const SettingsStore::SaveResult result = settings.save();
    if (!result.ok)
        MessageBox::show(messageParent, QStringLiteral("Impossible d'écrire dans ") + result.failedPath);
    return result.ok;
}
