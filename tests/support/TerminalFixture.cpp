#include "TerminalFixture.h"

#include "app/InitView.h"
#include "app/MessageBox.h"
#include "app/RedKey.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

TerminalFixture::TerminalFixture(const QString& settingsText, const QString& ownFolder)
    : folderPath(ownFolder.isEmpty() ? folder.path() : ownFolder)
{
    if (!settingsText.isEmpty())
        writeSettings(settingsText);
    MessageBox::setHandler([this](const QString& text) {
        messages.append(text);
        if (onMessage)
            onMessage();
    });
    form = std::make_unique<TForm4>(folderPath);
}

TerminalFixture::~TerminalFixture()
{
    MessageBox::setHandler({});
}

bool TerminalFixture::activate()
{
    form->show();
    form->activateWindow();
    return QTest::qWaitFor([this] { return form->lanceunefois() && form->init()->button4()->isEnabled(); });
}

QString TerminalFixture::settingsPath() const
{
    return QDir(folderPath).filePath(SettingsStore::FileName);
}

void TerminalFixture::writeSettings(const QString& text) const
{
    QFile file(settingsPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}
