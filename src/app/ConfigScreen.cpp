#include "ConfigScreen.h"

#include "ConfigView.h"
#include "InitView.h"
#include "TForm4.h"
#include "ToggleSwitch.h"

#include <QPushButton>
#include <QScopedValueRollback>

namespace {

const QString On = QStringLiteral("1");
const QString Off = QStringLiteral("0");

} // namespace

ConfigScreen::ConfigScreen(TForm4& form) : m_form(form)
{
    ConfigView* config = m_form.config();
    QObject::connect(config->Switch1(), &ToggleSwitch::toggled, config, [this] { Switch1Switch(); });
    QObject::connect(config->Switch2(), &ToggleSwitch::toggled, config, [this] { Switch2Switch(); });
    QObject::connect(config->Switch3(), &ToggleSwitch::toggled, config, [this] { Switch3Switch(); });
    QObject::connect(config->Switch4(), &ToggleSwitch::toggled, config, [this] { Switch4Switch(); });
    QObject::connect(config->Button12(), &QPushButton::clicked, config, [this] { Button12Click(); });
    QObject::connect(config->Button13(), &QPushButton::clicked, config, [this] { Button13Click(); });
}

void ConfigScreen::Button1Click()
{
    ConfigView* config = m_form.config();
    InitView* init = m_form.init();

    // every slot, the switches and the address box take the saved values: unsaved changes are lost here
    m_form.litsettings();

    config->setGeometry(m_form.rect());
    config->show();
    init->hide();

    // the two buttons share the bottom tenth of the screen side by side (real arithmetic, rounded only to place)
    const double height = init->height();
    const double width = init->width();
    const double buttonHeight = height * ButtonHeightPercent / 100;
    const double buttonWidth = width * ButtonWidthPercent / 100;
    const double top = height - buttonHeight;
    config->Button12()->setGeometry(QRectF(0, top, buttonWidth, buttonHeight).toRect());
    config->Button13()->setGeometry(QRectF(buttonWidth, top, buttonWidth, buttonHeight).toRect());

    config->raise();
}

void ConfigScreen::Button12Click()
{
    // the switch changes stay in the slots, in memory, until the file is read again
    m_form.init()->show();
    m_form.config()->hide();
}

void ConfigScreen::Button13Click()
{
    // a write failure has been shown by sauvesettings: the configuration stays open
    if (!m_form.sauvesettings())
        return;
    m_form.config()->hide();
    m_form.init()->show();
}

void ConfigScreen::Switch1Switch()
{
    store(1, m_form.config()->Switch1(), false);
}

void ConfigScreen::Switch2Switch()
{
    store(2, m_form.config()->Switch2(), false);
}

void ConfigScreen::Switch3Switch()
{
    store(3, m_form.config()->Switch3(), false);
}

void ConfigScreen::Switch4Switch()
{
    // on means single tap: slot 4 "0"; off means double tap: "1"
    store(4, m_form.config()->Switch4(), true);
}

void ConfigScreen::store(int slot, const ToggleSwitch* control, bool inverted)
{
    if (m_settingSwitches)
        return;
    m_form.settings()[slot] = control->isChecked() != inverted ? On : Off;
}

void ConfigScreen::setSwitchesFromSettings()
{
    const QScopedValueRollback<bool> setting(m_settingSwitches, true);
    ConfigView* config = m_form.config();
    const SettingsStore& settings = m_form.settings();
    config->Switch1()->setChecked(settings[1] == On);
    config->Switch2()->setChecked(settings[2] == On);
    config->Switch3()->setChecked(settings[3] == On);
    config->Switch4()->setChecked(settings[4] != On);
}
